#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelFileBrowse.h"
#include "pages/CModelsPage.h"
#include "pages/PageFixture.h"
#include "pages/TransmitterPicture.h"
#include "shell/TabSets.h"

namespace {

class ModelsPage : public PageTest {
  protected:
    void Open(const char* typeName, int size) {
        NewDataSet(typeName, size);
        ShowPage(page::kModels);
        list = Find<QListWidget>(page::kModels, "modelList");
    }
    void Click(const char* name) {
        QTest::mouseClick(Find<QAbstractButton>(page::kModels, name), Qt::LeftButton);
        ProcessEvents();
    }
    void SelectByKeyboard(int row) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < row; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
    }
    std::vector<Byte> Model(int i) {
        const auto& d = session.data;
        const auto begin = d.image.begin() + d.firstModelOffset + i * d.modelSize;
        return {begin, begin + d.modelSize};
    }
    QListWidget* list = nullptr;
};

TEST_F(ModelsPage, ListsEveryModelAndSelectsTheFirst) {
    Open("FC18V3    ", 2048);
    ASSERT_EQ(list->count(), 11);
    EXPECT_EQ(list->item(10)->text(), "011: MODEL-13");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(Find<QLineEdit>(page::kModels, "modelComment")->toolTip().toStdString(), Text(114));
    EXPECT_EQ(Find<QToolButton>(page::kModels, "moveUpButton")->toolTip().toStdString(), Text(115));
    EXPECT_EQ(Find<QToolButton>(page::kModels, "moveDownButton")->toolTip().toStdString(),
              Text(116));
    EXPECT_EQ(Find<QPushButton>(page::kModels, "saveAllButton")->toolTip().toStdString(),
              Text(117));
    EXPECT_EQ(Find<QPushButton>(page::kModels, "saveModelButton")->toolTip().toStdString(),
              Text(118));
    EXPECT_EQ(Find<QPushButton>(page::kModels, "resetButton")->toolTip().toStdString(), Text(533));
}

TEST_F(ModelsPage, MovesTheSelectedModelAndKeepsItSelected) {
    Open("FC18V3    ", 2048);
    session.data.modelComments[3] = "vier";
    SelectByKeyboard(3);
    const auto moved = Model(3);
    Click("moveDownButton");
    EXPECT_EQ(Model(4), moved);
    EXPECT_EQ(list->currentRow(), 4);
    EXPECT_EQ(list->item(4)->text(), "005: MODEL-06");
    EXPECT_EQ(Find<QLineEdit>(page::kModels, "modelComment")->text(), "vier");
    Click("moveUpButton");
    Click("moveUpButton");
    EXPECT_EQ(Model(2), moved);
    EXPECT_EQ(session.data.state, DataSetState::Changed);
}

TEST_F(ModelsPage, ACommentIsTakenWhenTheFieldIsLeft) {
    Open("FF9       ", 2048);
    auto* field = Find<QLineEdit>(page::kModels, "modelComment");
    SelectByKeyboard(1);
    field->setFocus();
    QTest::keyClicks(field, "Heli f");
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QStringLiteral("ü"), Qt::NoModifier);
    QTest::keyClicks(field, "r Halle");
    list->setFocus();
    EXPECT_EQ(session.data.modelComments[1], "Heli f\xFCr Halle");
    EXPECT_EQ(session.data.state, DataSetState::Changed);

    session.data.state = DataSetState::Unchanged;
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString(41, QLatin1Char('x')));
    list->setFocus();
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{136});
    EXPECT_EQ(session.data.modelComments[1], "Heli f\xFCr Halle");
    EXPECT_EQ(field->text(), "Heli für Halle");
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
}

TEST_F(ModelsPage, NumberingStartsWhereTheUserSays) {
    Open("FF9       ", 1024);
    struct Case {
        const char* typed;
        std::string firstLine;
        std::vector<int> shown;
    };
    for (const Case& c : std::vector<Case>{{"0", "000: MODEL-09", {}},
                                           {"100", "100: MODEL-09", {}},
                                           {"101", "100: MODEL-09", {142}},
                                           {"-1", "100: MODEL-09", {142}}}) {
        dialogs.shown.clear();
        dialogs.texts.push_back(c.typed);
        Click("numberingButton");
        EXPECT_EQ(list->item(0)->text().toStdString(), c.firstLine) << c.typed;
        EXPECT_EQ(dialogs.ShownNumbers(), c.shown) << c.typed;
    }
    Click("numberingButton");  // cancelled
    EXPECT_EQ(list->item(0)->text().toStdString(), "100: MODEL-09");
}

TEST_F(ModelsPage, ResetIsOfferedOnlyForEditorTypesAndAsksFirst) {
    Open("FF9       ", 2048);
    auto* reset = Find<QPushButton>(page::kModels, "resetButton");
    EXPECT_TRUE(reset->isEnabled());
    session.data.modelSlots.Slot(2)[50] ^= 0xFF;
    session.data.modelSlots.StoreModelSlots(session.data.image, session.data.firstModelOffset,
                                            session.data.modelCount, session.data.modelSize);
    const auto changed = Model(2);
    SelectByKeyboard(2);
    Click("resetButton");  // cancelled
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{533});
    EXPECT_EQ(Model(2), changed);
    dialogs.answers.push_back(Answer::Ok);
    Click("resetButton");
    EXPECT_NE(Model(2), changed);
    EXPECT_EQ(list->item(2)->text(), "003: MODEL-11");
    EXPECT_EQ(list->currentRow(), 2);

    session.data.typeName = "FF8       ";
    IdentifyFromName(session.data, session.catalogue);
    ShowPage(page::kGetData);
    ShowPage(page::kModels);
    EXPECT_FALSE(reset->isEnabled());
}

TEST_F(ModelsPage, CopyAndCompareTakeTheTypedModelNumber) {
    Open("FC18V3    ", 2048);
    SelectByKeyboard(1);
    dialogs.texts.push_back("2");
    Click("compareButton");
    dialogs.texts.push_back("6");
    Click("copyButton");
    EXPECT_EQ(Model(5), Model(1));
    dialogs.texts.push_back("6");
    Click("compareButton");
    dialogs.texts.push_back("12");
    Click("copyButton");
    dialogs.texts.push_back("0");
    Click("compareButton");
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{121, 125, 121, 124, 120}));
    EXPECT_EQ(dialogs.shown[0].arguments, (std::vector<MessageArgument>{2LL, 2LL}));
    EXPECT_EQ(list->item(5)->text(), "006: MODEL-04");
}

// The rows of the compare list: page headings alone, settings with both values (a check
// box column as "[ ]" or "[x]").
std::vector<std::string> CompareRows(QTreeWidget* tree) {
    std::vector<std::string> rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = tree->topLevelItem(i);
        std::string row = item->text(0).trimmed().toStdString();
        for (int column : {1, 2}) {
            if (item->data(column, Qt::CheckStateRole).isValid()) {
                row += item->checkState(column) == Qt::Checked ? " | [x]" : " | [ ]";
            } else if (!item->text(column).isEmpty()) {
                row += " | " + item->text(column).toStdString();
            }
        }
        rows.push_back(row);
    }
    return rows;
}

// FC18V3 default models: modulation PPM, stopwatch 1 at 00:00, aileron exponential 0.
TEST_F(ModelsPage, CompareListsTheDifferingSettingsUntilAnotherModelIsSelected) {
    Open("FC18V3    ", 2048);
    const auto third = session.data.modelSlots.Slot(2);
    third[8] = 0x00;  // PCM
    third[99] = 30;   // stopwatch 1: 05:30
    third[100] = 5;
    third[62] = 0xF9;  // exponential -7, shown x 4
    auto* area = Find<QWidget>(page::kModels, "compareArea");
    auto* tree = Find<QTreeWidget>(page::kModels, "compareList");
    EXPECT_TRUE(area->isHidden());
    SelectByKeyboard(0);
    dialogs.texts.push_back("3");
    Click("compareButton");
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{122}));
    EXPECT_EQ(dialogs.shown[0].arguments, (std::vector<MessageArgument>{1LL, 3LL, 4LL}));
    EXPECT_FALSE(area->isHidden());
    EXPECT_EQ(Find<QLabel>(page::kModels, "compareHeading")->text().toStdString(),
              "Abweichende Einstellungen (Modell 1 / Modell 3):");
    const QTreeWidgetItem* header = tree->headerItem();
    EXPECT_EQ(header->text(0).toStdString(), "Einstellung");
    EXPECT_EQ(header->text(1).toStdString(), "Modell 1");
    EXPECT_EQ(header->text(2).toStdString(), "Modell 3");
    EXPECT_EQ(CompareRows(tree),
              (std::vector<std::string>{"Grundeinstellungen", "Modulation | PPM | PCM",
                                        "Uhr 1 | 00:00 | 05:30", "Expo Quer Ein | 0 | -28"}));
    EXPECT_TRUE(Find<QLabel>(page::kModels, "compareNotes")->isHidden());

    SelectByKeyboard(1);
    EXPECT_TRUE(area->isHidden());
    dialogs.texts.push_back("4");
    Click("compareButton");
    EXPECT_TRUE(area->isHidden()) << "equal models list nothing";
}

// FF9: a glider against an aeroplane, with channel 2 reversed; the list names both types.
TEST_F(ModelsPage, CompareOfTwoModelTypesSaysSoAndShowsCheckBoxesAsCheckMarks) {
    Open("FF9       ", 2048);
    const auto second = session.data.modelSlots.Slot(1);
    second[3] = 1;
    second[54] = 0x02;
    SelectByKeyboard(0);
    dialogs.texts.push_back("2");
    Click("compareButton");
    EXPECT_EQ(dialogs.shown.at(0).arguments, (std::vector<MessageArgument>{1LL, 2LL, 2LL}));
    EXPECT_EQ(CompareRows(Find<QTreeWidget>(page::kModels, "compareList")),
              (std::vector<std::string>{"Grundeinstellungen", "Modelltyp | Acro | Glider 1",
                                        "Reverse 2 | [ ] | [x]"}));
    auto* notes = Find<QLabel>(page::kModels, "compareNotes");
    EXPECT_FALSE(notes->isHidden());
    EXPECT_EQ(notes->text().toStdString(),
              "Modell 1 ist Acro, Modell 2 ist Glider 1: verglichen sind nur die Einstellungen, "
              "die beide Modelltypen zeigen.");
}

TEST_F(ModelsPage, SavedModelLoadsBackIntoAnotherModel) {
    Open("FF10      ", 2048);
    session.data.modelComments[0] = "erstes";
    session.data.modelSlots.Slot(0)[300] = 0x11;
    SelectByKeyboard(0);
    dialogs.files.push_back((folder / "first.mdl").string());
    Click("saveModelButton");
    ASSERT_TRUE(std::filesystem::exists(folder / "first.mdl"));
    EXPECT_EQ(dialogs.fileRequests.back().proposedName, "001 MODEL-0016.mdl");

    SelectByKeyboard(3);
    dialogs.files.push_back((folder / "first.mdl").string());
    dialogs.answers.push_back(Answer::Yes);
    Click("loadModelButton");
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{135});
    EXPECT_EQ(Model(3)[300], 0x11);
    EXPECT_EQ(session.data.modelComments[3], "erstes");
    EXPECT_EQ(Find<QLineEdit>(page::kModels, "modelComment")->text(), "erstes");
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_EQ(session.modelFolder, folder.path().string());
}

// "Laden" replaces the selected model only after the question the file tree asks too; a
// file that cannot be loaded changes nothing.
TEST_F(ModelsPage, LoadAsksBeforeReplacingTheModel) {
    Open("FF10      ", 2048);
    session.data.modelSlots.Slot(0)[300] = 0x11;
    ASSERT_TRUE(WriteModelFile(folder / "first.mdl", 0, session.data));
    SelectByKeyboard(2);
    const auto before = Model(2);
    dialogs.files.push_back((folder / "first.mdl").string());
    Click("loadModelButton");  // answered No
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{135});
    EXPECT_EQ(dialogs.fileRequests.back().title, 576);
    EXPECT_EQ(Model(2), before);
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);

    WriteBytes(folder / "broken.mdl", {'[', 'K'});
    dialogs.files.push_back((folder / "broken.mdl").string());
    dialogs.answers.push_back(Answer::Yes);
    Click("loadModelButton");
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{135, 135, 46}));
    EXPECT_EQ(Model(2), before);
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
}

TEST_F(ModelsPage, SavingAModelAsksOnceBeforeReplacingAFile) {
    Open("FF9       ", 2048);
    WriteBytes(folder / "kept.mdl", {1, 2, 3});
    dialogs.files.push_back((folder / "kept.mdl").string());
    Click("saveModelButton");  // answered No
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{570});
    EXPECT_EQ(dialogs.shown[0].arguments, std::vector<MessageArgument>{std::string("kept.mdl")});
    EXPECT_EQ(ReadBytes(folder / "kept.mdl"), (std::vector<Byte>{1, 2, 3}));
    EXPECT_EQ(dialogs.fileRequests.back().title, 577);

    dialogs.files.push_back((folder / "kept.mdl").string());
    dialogs.answers.push_back(Answer::Yes);
    Click("saveModelButton");
    EXPECT_EQ(ReadBytes(folder / "kept.mdl"), EncodeModelFile(0, session.data));
}

// One question for all the model files a folder already holds, not one per file; No
// leaves every file as it was.
TEST_F(ModelsPage, SaveAllAsksOnceBeforeReplacingFiles) {
    Open("FF9       ", 2048);
    std::filesystem::create_directory(folder / "all");
    WriteBytes(folder / "all" / ModelFileName(session.data, 0), {1});
    WriteBytes(folder / "all" / ModelFileName(session.data, 4), {2});
    dialogs.files.push_back((folder / "all").string());
    Click("saveAllButton");  // answered No
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{571});
    EXPECT_EQ(dialogs.shown[0].arguments, std::vector<MessageArgument>{2LL});
    EXPECT_EQ(dialogs.fileRequests.back().title, 578);
    EXPECT_EQ(ReadBytes(folder / "all" / ModelFileName(session.data, 0)), std::vector<Byte>{1});
    EXPECT_FALSE(std::filesystem::exists(folder / "all" / ModelFileName(session.data, 1)));

    dialogs.files.push_back((folder / "all").string());
    dialogs.answers.push_back(Answer::Yes);
    Click("saveAllButton");
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{571, 571}));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ReadBytes(folder / "all" / ModelFileName(session.data, i)),
                  EncodeModelFile(i, session.data));
    }
}

// Beside the list: the picture of the transmitter's family and what the selected model
// holds; the explorer takes that place while it is on.
TEST_F(ModelsPage, ShowsTheTransmitterAndTheSelectedModel) {
    Open("FF10      ", 2048);
    session.data.modelComments[1] = "Segler vom Hang";
    SelectByKeyboard(1);
    auto* picture = Find<TransmitterPicture>(page::kModels, "transmitterPicture");
    EXPECT_EQ(picture->picture(), ":/pictures/ff.svg");
    const QImage drawn = picture->Rendered();
    EXPECT_GT(std::count_if(
                  reinterpret_cast<const QRgb*>(drawn.constBits()),
                  reinterpret_cast<const QRgb*>(drawn.constBits()) + drawn.width() * drawn.height(),
                  [](QRgb pixel) { return qAlpha(pixel) != 0; }),
              drawn.width() * drawn.height() / 10)
        << "the picture is drawn";
    EXPECT_EQ(Find<QLabel>(page::kModels, "typeCaption")->text(), "FF10");
    EXPECT_EQ(Find<QLabel>(page::kModels, "infoName")->text(), list->item(1)->text());
    EXPECT_EQ(Find<QLabel>(page::kModels, "infoComment")->text(), "Segler vom Hang");
    EXPECT_EQ(Find<QLabel>(page::kModels, "infoSize")->text(), "488");

    auto* info = Find<QWidget>(page::kModels, "modelInfo");
    EXPECT_TRUE(info->isVisibleTo(Window().Page(page::kModels)));
    auto* explorer = Find<QCheckBox>(page::kModels, "explorerCheck");
    explorer->setFocus();
    QTest::keyClick(explorer, Qt::Key_Space);
    EXPECT_FALSE(info->isVisibleTo(Window().Page(page::kModels)));
}

TEST(TransmitterPictures, OnePerTypeFamily) {
    const std::pair<const char*, const char*> cases[] = {
        {"FC18V3    ", "fc"}, {"FC16      ", "fc"},   {"FC28V2    ", "fc"},
        {"FF9 Super ", "ff"}, {"FF3       ", "ff"},   {"FX14      ", "fx"},
        {"FX18V1/2  ", "fx"}, {"T3PK      ", "t3pk"}, {"Unbekannt ", "campac"}};
    for (const auto& [type, family] : cases) {
        EXPECT_EQ(PictureOfType(type), QStringLiteral(":/pictures/%1.svg").arg(family)) << type;
    }
}

class ModelExplorer : public ModelsPage {
  protected:
    ModelExplorer() {
        std::filesystem::create_directory(folder / "models");
        std::filesystem::create_directory(folder / "models" / "sub");
        session.modelFolder = (folder / "models").string();
    }
    QListWidget* OpenExplorer() {
        auto* explorer = Find<QCheckBox>(page::kModels, "explorerCheck");
        explorer->setFocus();
        QTest::keyClick(explorer, Qt::Key_Space);
        return Find<QListWidget>(page::kModels, "fileBrowser");
    }
    void Activate(QListWidget* browser, const QString& name) {
        const auto items = browser->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        browser->setCurrentItem(items[0]);
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_Return);
        ProcessEvents();
    }
};

TEST_F(ModelExplorer, ShowsFoldersAndModelFilesWithAPreview) {
    Open("FF9       ", 2048);
    session.data.modelComments[1] = "Kunstflug";
    ASSERT_TRUE(WriteModelFile(folder / "models" / "b.mdl", 1, session.data));
    std::ofstream(folder / "models" / "notes.txt") << "x";
    auto* browser = OpenExplorer();
    ASSERT_EQ(browser->count(), 3);
    EXPECT_EQ(browser->item(0)->text(), "..");
    EXPECT_EQ(browser->item(1)->text(), "sub");
    EXPECT_EQ(browser->item(2)->text(), "b.mdl");
    browser->setCurrentRow(2);
    const QString preview = Find<QLabel>(page::kModels, "filePreview")->text();
    EXPECT_TRUE(preview.contains(QString::fromStdString(Text(128)) + " FF9"))
        << preview.toStdString();
    EXPECT_TRUE(preview.contains(QString::fromStdString(Text(130)) + " 330"));
    EXPECT_TRUE(preview.contains("Kunstflug"));
    EXPECT_TRUE(preview.contains(QString::fromStdString(Text(132))));

    Activate(browser, "sub");
    EXPECT_EQ(browser->count(), 1);
    Activate(browser, "..");
    EXPECT_EQ(browser->count(), 3);
}

TEST_F(ModelExplorer, PreviewNamesAFileOfAnotherType) {
    Open("FF10      ", 2048);
    CamPacData other;
    ASSERT_TRUE(InitialiseImage(other, session.catalogue, "FF9       ", 2048));
    ASSERT_TRUE(WriteModelFile(folder / "models" / "ff9.mdl", 0, other));
    auto* browser = OpenExplorer();
    browser->setCurrentRow(2);
    EXPECT_EQ(Find<QLabel>(page::kModels, "filePreview")->text().toStdString(), Text(48));
}

TEST_F(ModelExplorer, ActivatingAModelFileAsksAndLoadsIntoTheSelectedModel) {
    Open("FC16      ", 2048);
    session.data.modelSlots.Slot(0)[10] = 0x77;
    ASSERT_TRUE(WriteModelFile(folder / "models" / "a.mdl", 0, session.data));
    auto* browser = OpenExplorer();
    SelectByKeyboard(4);
    Activate(browser, "a.mdl");  // answered No
    EXPECT_NE(Model(4)[10], 0x77);
    dialogs.answers.push_back(Answer::Yes);
    Activate(browser, "a.mdl");
    EXPECT_EQ(Model(4)[10], 0x77);
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{135, 135}));
}

TEST_F(ModelExplorer, ActivatingAModelFileWithoutModelsShowsText134) {
    Open("FC16      ", 2048);
    ASSERT_TRUE(WriteModelFile(folder / "models" / "a.mdl", 0, session.data));
    session.data.typeName = "Unbekannt ";
    IdentifyFromName(session.data, session.catalogue);
    ShowPage(page::kGetData);
    ShowPage(page::kModels);
    auto* browser = OpenExplorer();
    Activate(browser, "a.mdl");
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{134});
}

}  // namespace
