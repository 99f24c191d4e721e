#include <QListWidget>
#include <QPageRanges>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "pages/PageFixture.h"
#include "pages/printing/PrintCommands.h"
#include "pages/printing/PrintContent.h"
#include "pages/printing/Printout.h"
#include "shell/TabSets.h"
#include "support/PdfReading.h"

namespace {

class PrintingTest : public PageTest {
  protected:
    // The button captioned "Drucken" (the built-in and the German text) of a page.
    void ClickPrint(int pageNumber) {
        if (Window().currentPage() != pageNumber) {
            ShowPage(pageNumber);
        }
        for (QPushButton* button : Window().Page(pageNumber)->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Drucken")) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "page " << pageNumber << " has no print button";
    }

    // A 102-model FC16 set with a data-set comment and two model comments, one of them
    // with a character beyond ASCII (Windows-1252 0xFC is "ü").
    void Fc16Set() {
        NewDataSet("FC16      ", 8192);
        session.data.dataSetComment = "Hangar 3";
        session.data.modelComments[4] = "Thermik";
        session.data.modelComments[101] = "Gr\xFCn";
        window->UpdateHeader();
    }

    // An FF9 set on its base page showing the second model.
    void Ff9SetOnSecondModel() {
        NewDataSet("FF9       ", 2048);
        session.data.dataSetComment = "Hangar 3";
        session.data.modelComments[1] = "Segler";
        window->UpdateHeader();
        ShowPage(page::kFf9Base);
        Find<QListWidget>(page::kFf9Base, "")->setCurrentRow(1);
        ProcessEvents();
    }

    void PrintEditorPageWith(PageMargins margins, const std::filesystem::path& file) {
        printing.pageSetups.push_back(SetMargins(margins));
        printing.printDialogs.push_back(PrintIntoPdf(file));
        ClickPrint(page::kFf9Base);
    }

    std::filesystem::path pdf = folder / "printout.pdf";
};

// The model line as the list shows it for model number n of a freshly made FC16 set:
// each model's name holds its reset number, the model index plus 3.
std::string Fc16Line(int listed, int modelNumber) {
    char line[32];
    std::snprintf(line, sizeof line, "%03d: %04d", listed, modelNumber + 2);
    return line;
}

TEST_F(PrintingTest, ModelListOf102ModelsContinuesOnASecondSheetUnderTheSameHeadings) {
    Fc16Set();
    printing.printDialogs.push_back(PrintIntoPdf(pdf));
    ClickPrint(page::kModels);

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(PdfTitle(pdf), "Models");
    const std::vector<std::string> sheets = PdfSheets(pdf);
    ASSERT_EQ(sheets.size(), 2u);
    for (const std::string& sheet : sheets) {
        EXPECT_NE(sheet.find("Modellübersicht CamPac 64k"), std::string::npos);
        EXPECT_NE(sheet.find("FC16"), std::string::npos);
        EXPECT_NE(sheet.find("Hangar 3"), std::string::npos);
        for (const char* heading : {"Nr.", "Modellname", "Kommentar"}) {
            EXPECT_NE(sheet.find(heading), std::string::npos) << heading;
        }
    }
    // An A4 sheet holds 67 rows: the first at 29 mm, one every 4 mm, 3 mm high, down to
    // 297 mm.
    for (int model = 1; model <= 102; ++model) {
        const std::string line = Fc16Line(model, model);
        const std::size_t expectedSheet = model <= 67 ? 0 : 1;
        EXPECT_NE(sheets[expectedSheet].find(line), std::string::npos) << line;
        EXPECT_EQ(sheets[1 - expectedSheet].find(line), std::string::npos) << line;
    }
    const std::size_t fifth = sheets[0].find(Fc16Line(5, 5));
    const std::string fifthLine = sheets[0].substr(fifth, sheets[0].find('\n', fifth) - fifth);
    EXPECT_NE(fifthLine.find("Thermik"), std::string::npos) << fifthLine;
    EXPECT_NE(sheets[1].find("Grün"), std::string::npos);
}

TEST_F(PrintingTest, PageRangeOfThePrintDialogPrintsTheChosenSheetsOnly) {
    Fc16Set();
    printing.printDialogs.push_back([this](QPrinter& printer) {
        QPageRanges second;
        second.addPage(2);
        printer.setPageRanges(second);
        return PrintIntoPdf(pdf)(printer);
    });
    ClickPrint(page::kModels);

    const std::vector<std::string> sheets = PdfSheets(pdf);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].find(Fc16Line(67, 67)), std::string::npos);
    EXPECT_NE(sheets[0].find(Fc16Line(68, 68)), std::string::npos);
    EXPECT_NE(sheets[0].find(Fc16Line(102, 102)), std::string::npos);
    EXPECT_NE(sheets[0].find("Modellname"), std::string::npos);
}

TEST_F(PrintingTest, ModelListIsNumberedAsTheListShowsIt) {
    Fc16Set();
    ShowPage(page::kModels);
    dialogs.texts.push_back("0");
    QTest::mouseClick(Find<QPushButton>(page::kModels, "numberingButton"), Qt::LeftButton);
    printing.printDialogs.push_back(PrintIntoPdf(pdf));
    ClickPrint(page::kModels);

    const std::vector<std::string> sheets = PdfSheets(pdf);
    ASSERT_FALSE(sheets.empty());
    EXPECT_NE(sheets[0].find(Fc16Line(0, 1)), std::string::npos);
    EXPECT_EQ(sheets[0].find(Fc16Line(1, 1)), std::string::npos);
}

TEST_F(PrintingTest, CancelInADialogPrintsNothing) {
    Fc16Set();
    ClickPrint(page::kModels);
    EXPECT_EQ(printing.printDialogsShown, 1);

    Ff9SetOnSecondModel();
    ClickPrint(page::kFf9Base);  // page setup cancelled
    EXPECT_EQ(printing.printDialogsShown, 1);
    EXPECT_EQ(session.pageMargins, PageMargins{});

    printing.pageSetups.push_back(SetMargins({1000, 1000, 1000, 1000}));
    ClickPrint(page::kFf9Base);  // print dialog cancelled: the margins set stay
    EXPECT_EQ(printing.printDialogsShown, 2);
    EXPECT_EQ(session.pageMargins, (PageMargins{1000, 1000, 1000, 1000}));

    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PrintingTest, EditorPagePrintsTheHeadingAboutDataSetAndShownModel) {
    Ff9SetOnSecondModel();
    PrintEditorPageWith({}, pdf);

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(PdfTitle(pdf), "Settings");
    const std::vector<PdfWord> words = PdfWords(pdf);
    const PdfWord camPac = FindWord(words, "CamPac");
    const PdfWord size = FindWord(words, "16k");
    const PdfWord type = FindWord(words, "FF9");
    EXPECT_LT(camPac.xMax, size.xMin);
    EXPECT_LT(size.xMax, type.xMin);
    const PdfWord setComment = FindWord(words, "Hangar");
    const PdfWord modelComment = FindWord(words, "Segler");
    EXPECT_LT(camPac.yMax, setComment.yMax);
    EXPECT_LT(setComment.yMax, modelComment.yMax);
    const std::vector<std::string> sheets = PdfSheets(pdf);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_NE(sheets[0].find("Kommentar CamPac: Hangar 3"), std::string::npos);
    EXPECT_NE(sheets[0].find("Kommentar Modell: Segler"), std::string::npos);
    // Margins of 0: the heading starts in the corner of the sheet.
    EXPECT_LT(camPac.xMin, 1.0);
    EXPECT_LT(camPac.yMin, 3.0);
}

// The bounds of what is darker than `limit` on a sheet drawn at 72 dpi, in points, from
// the row `top` down.
QRect InkBounds(const QImage& sheet, int limit = 250, int top = 0) {
    QRect bounds;
    for (int y = top; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            if (qGray(sheet.pixel(x, y)) < limit) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST_F(PrintingTest, MarginsMoveTheHeadingAndBoundThePicture) {
    Ff9SetOnSecondModel();
    const std::filesystem::path plain = folder / "plain.pdf";
    PrintEditorPageWith({}, plain);
    const PageMargins margins{2000, 1500, 3000, 2500};
    PrintEditorPageWith(margins, pdf);

    const PdfWord before = FindWord(PdfWords(plain), "CamPac");
    const PdfWord after = FindWord(PdfWords(pdf), "CamPac");
    // The PDF's page area lies on whole points.
    EXPECT_NEAR(after.xMin - before.xMin, Points(2000), 1.0);
    EXPECT_NEAR(after.yMin - before.yMin, Points(1500), 1.0);

    // The page is wider than the space left on a portrait sheet: it spans the width between
    // the margins (A4 is 210 mm wide) and ends above the bottom margin.
    const QRect ink = InkBounds(RenderPdfSheet(pdf, 1, 72));
    EXPECT_NEAR(ink.left(), Points(2000), 1.5);
    EXPECT_NEAR(ink.right() + 1, Points(21000 - 3000), 1.5);
    EXPECT_LT(ink.bottom() + 1, Points(29700 - 2500));

    // The margins are kept for the run: the next page setup shows them.
    EXPECT_EQ(session.pageMargins, margins);
    QMarginsF shown;
    printing.pageSetups.push_back([&shown](QPrinter& printer) {
        shown = printer.pageLayout().margins(QPageLayout::Millimeter);
        return false;
    });
    ClickPrint(page::kFf9Base);
    EXPECT_EQ(shown, QMarginsF(20, 15, 30, 25));
}

TEST_F(PrintingTest, PictureTallerThanTheSheetIsScaledByItsHeight) {
    NewDataSet("FF9       ", 2048);
    QImage tall(100, 2000, QImage::Format_RGB888);
    tall.fill(Qt::black);
    QPrinter printer(QPrinter::HighResolution);
    PrintIntoPdf(pdf)(printer);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    ASSERT_TRUE(PrintPagesTo(printer, session, {{tall, 0}}));

    // The heading lines are 3, 2.5 and 2.5 mm high; the picture starts 2 mm below them, at
    // 10 + 8 + 2 mm, ends at the bottom margin and keeps its proportions, 1 to 20.
    const QRect ink = InkBounds(RenderPdfSheet(pdf, 1, 72), 128, qRound(Points(1900)));
    EXPECT_NEAR(ink.top(), Points(2000), 1.5);
    EXPECT_NEAR(ink.bottom() + 1, Points(29700 - 1000), 1.5);
    EXPECT_NEAR(ink.width(), ink.height() / 20.0, 1.5);
    EXPECT_NEAR(ink.left(), Points(1000), 1.5);
}

TEST_F(PrintingTest, JobThatCannotStartShowsText78AndPrintsNothing) {
    Fc16Set();
    const std::filesystem::path nowhere = folder / "missing" / "list.pdf";
    printing.printDialogs.push_back(PrintIntoPdf(nowhere));
    ClickPrint(page::kModels);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{78});

    Ff9SetOnSecondModel();
    dialogs.shown.clear();
    PrintEditorPageWith({}, nowhere);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{78});
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST_F(PrintingTest, PageWithoutPictureShowsText77AndPrintsNothing) {
    NewDataSet("FF9       ", 2048);
    QWidget empty;
    empty.resize(0, 0);
    printing.pageSetups.push_back(SetMargins({}));
    printing.printDialogs.push_back(PrintIntoPdf(pdf));
    PrintEditorPage(session, dialogs, printing, empty, 0);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{77});
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintingTest, PictureLeavesOutTheCommandControlsAndShowsThemAgain) {
    QWidget page;
    page.resize(200, 100);
    page.setAutoFillBackground(true);
    page.setPalette(QPalette(Qt::white));
    auto* command = new QWidget(&page);
    command->setGeometry(50, 25, 100, 50);
    command->setAutoFillBackground(true);
    command->setPalette(QPalette(Qt::red));
    page.show();
    ProcessEvents();
    ASSERT_TRUE(CapturePage(page));
    EXPECT_EQ(CapturePage(page).value().pixelColor(200, 100), QColor(Qt::red));

    HideWhenPrinted(command);
    const Result<QImage> picture = CapturePage(page);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture.value().format(), QImage::Format_RGB888);
    EXPECT_EQ(picture.value().pixelColor(200, 100), QColor(Qt::white));
    EXPECT_TRUE(command->isVisible());
}

TEST(PrintContent, SheetsHoldTheRowsThatFitBelowTheHeadings) {
    // Rows begin 29 mm down, one every 4 mm, 3 mm high: A4 (297 mm) holds 67, US Letter
    // (279.4 mm) holds 62.
    struct Case {
        int rows;
        int height;
        std::vector<int> sheets;
    };
    const std::vector<Case> cases{
        {0, 2970, {0}},      {1, 2970, {1}},        {67, 2970, {67}},
        {68, 2970, {67, 1}}, {102, 2970, {67, 35}}, {140, 2794, {62, 62, 16}},
        {3, 320, {1, 1, 1}},  // only one row fits
        {2, 100, {1, 1}},     // not even one: still one per sheet
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowsPerSheet(c.rows, c.height), c.sheets) << c.rows << " rows, " << c.height;
    }
}

TEST_F(PrintingTest, HeadingsNameTheSizeInKbitAndTheType) {
    NewDataSet("FF9       ", 2048);
    session.data.dataSetComment = "Club";
    session.data.modelComments[2] = "Heli";
    const PageHeading heading = PageHeadingFor(session.data, session.language, 2);
    EXPECT_EQ(heading.title, "CamPac 16k  FF9       ");
    EXPECT_EQ(heading.dataSetComment, "Kommentar CamPac: Club");
    EXPECT_EQ(heading.modelComment, "Kommentar Modell: Heli");

    const ModelListContent list = ModelListFor(session.data, session.language, 1);
    EXPECT_EQ(list.title, "Modellübersicht CamPac 16k     FF9       ");
    EXPECT_EQ(list.comment, "Club");
    EXPECT_EQ(list.columns, (std::array<std::string, 3>{"Nr.", "Modellname", "Kommentar"}));
    ASSERT_EQ(list.rows.size(), 6u);
    EXPECT_EQ(list.rows[2].comment, "Heli");
    EXPECT_EQ(list.rows[0].line.substr(0, 5), "001: ");
}

}  // namespace
