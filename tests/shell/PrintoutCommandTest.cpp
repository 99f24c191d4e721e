#include <gtest/gtest.h>

#include <QProcess>
#include <fstream>
#include <regex>
#include <sstream>

#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"
#include "shell/PrintOptions.h"
#include "shell/PrintoutCommand.h"
#include "support/PdfReading.h"
#include "support/TestFiles.h"

namespace {

// The program's printout options run beside a program folder with the language files;
// the data sets are written as the program saves them.
class PrintoutCommandTest : public testing::Test {
  protected:
    PrintoutCommandTest() { CopyLanguageFiles(folder.path()); }

    std::filesystem::path NewSet(const char* typeName, int size, const std::string& name) {
        TransmitterCatalogue catalogue;
        CamPacData data;
        ResetDataSet(data, catalogue, true);
        EXPECT_TRUE(InitialiseImage(data, catalogue, typeName, size));
        data.dataSetComment = "Hangar 3";
        data.modelComments[1] = "Segler";
        const std::filesystem::path path = folder / name;
        EXPECT_TRUE(WriteDataSetFile(path, data));
        return path;
    }

    int Print(const std::filesystem::path& dataSet, std::optional<int> model) {
        err.str({});
        return PrintToPdf({dataSet, model, pdf}, folder.path(), err);
    }

    TempFolder folder;
    std::filesystem::path pdf = folder / "printout.pdf";
    std::ostringstream err;
};

TEST_F(PrintoutCommandTest, ModelListOfEveryModel) {
    ASSERT_EQ(Print(NewSet("FC16      ", 8192, "fc16.rom"), std::nullopt), 0) << err.str();
    EXPECT_EQ(PdfTitle(pdf), "Models");
    const std::vector<std::string> sheets = PdfSheets(pdf);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_NE(sheets[0].find("001: 0003"), std::string::npos);
    EXPECT_NE(sheets[0].find("Segler"), std::string::npos);
    EXPECT_NE(sheets[1].find("102: 0104"), std::string::npos);
    EXPECT_NE(sheets[1].find("Modellname"), std::string::npos);
}

TEST_F(PrintoutCommandTest, EditorPagesOfTheModelOnePerSheet) {
    ASSERT_EQ(Print(NewSet("FF9       ", 2048, "ff9.rom"), 2), 0) << err.str();
    EXPECT_EQ(PdfTitle(pdf), "Settings");
    const std::vector<std::string> sheets = PdfSheets(pdf);
    // The base page and at least the mixing program page of the model.
    ASSERT_GE(sheets.size(), 2u);
    for (const std::string& sheet : sheets) {
        EXPECT_EQ(sheet.find("CamPac 16k"), 0u) << sheet.substr(0, 80);
        EXPECT_NE(sheet.find("Kommentar CamPac: Hangar 3"), std::string::npos);
        EXPECT_NE(sheet.find("Kommentar Modell: Segler"), std::string::npos);
    }
}

// The size of each page picture as the PDF stores it (an image object's /Height).
std::vector<int> PictureHeights(const std::filesystem::path& pdf) {
    std::ifstream file(pdf, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    static const std::regex image("/Subtype /Image\\s*/Width \\d+\\s*/Height (\\d+)");
    std::vector<int> heights;
    for (std::sregex_iterator it(bytes.begin(), bytes.end(), image), end; it != end; ++it) {
        heights.push_back(std::stoi((*it)[1].str()));
    }
    return heights;
}

// The FF10 base page is far longer than the mixing pages printed after it: each page is
// laid out on its own, never stretched to the length of the page before.
TEST_F(PrintoutCommandTest, AShortPageIsNotStretchedToALongPageBeforeIt) {
    ASSERT_EQ(Print(NewSet("FF10      ", 8192, "ff10.rom"), 1), 0) << err.str();
    const std::vector<int> heights = PictureHeights(pdf);
    ASSERT_GE(heights.size(), 2u);
    for (std::size_t i = 1; i < heights.size(); ++i) {
        EXPECT_LT(heights[i], heights[0] * 3 / 4) << "page " << i + 1;
    }
}

TEST_F(PrintoutCommandTest, TypeWithoutEditorPagesPrintsTheModelList) {
    RomFileFields fields;
    fields.typeName = "FF8       ";
    fields.image = HeaderedImage(2048, 3, 0x0400);
    WriteBytes(folder / "ff8.rom", BuildRomFile(fields));
    ASSERT_EQ(Print(folder / "ff8.rom", 1), 0) << err.str();
    const std::vector<std::string> sheets = PdfSheets(pdf);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_NE(sheets[0].find("Modellübersicht CamPac 16k"), std::string::npos);
    EXPECT_NE(sheets[0].find("008: "), std::string::npos);
}

// Printing without a window leaves the user's settings and the window's place alone: a
// run without a settings file writes none.
TEST_F(PrintoutCommandTest, PrintingWritesNoSettings) {
    const std::filesystem::path ff9 = NewSet("FF9       ", 2048, "ff9.rom");
    ASSERT_EQ(Print(ff9, 1), 0) << err.str();
    ASSERT_EQ(Print(ff9, std::nullopt), 0) << err.str();
    EXPECT_FALSE(std::filesystem::exists(folder / "Keplund.ini"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Keplund-window.ini"));
}

TEST_F(PrintoutCommandTest, FileThatDoesNotLoadOrModelThatDoesNotExistFails) {
    const std::filesystem::path ff9 = NewSet("FF9       ", 2048, "ff9.rom");
    for (const int model : {0, 7, -1}) {
        EXPECT_EQ(Print(ff9, model), 1) << model;
        EXPECT_NE(err.str().find("no model " + std::to_string(model)), std::string::npos)
            << err.str();
    }
    EXPECT_EQ(Print(folder / "missing.rom", std::nullopt), 1);
    EXPECT_NE(err.str().find("missing.rom: "), std::string::npos) << err.str();
    WriteBytes(folder / "broken.rom", {'n', 'o'});
    EXPECT_EQ(Print(folder / "broken.rom", 1), 1);
    EXPECT_NE(err.str().find("broken.rom: "), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// The program itself, as a script starts it where there is no display at all.
int RunProgram(const QStringList& arguments, std::string* err = nullptr) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QString::fromLatin1(name));
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KEPLUND_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    if (err != nullptr) {
        *err = program.readAllStandardError().toStdString();
    }
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

TEST_F(PrintoutCommandTest, ProgramWritesThePdfAndEnds) {
    const QString set = QString::fromStdString(NewSet("FF9       ", 2048, "ff9.rom").string());
    const QString out = QString::fromStdString(pdf.string());
    EXPECT_EQ(RunProgram({"--print-models", set, "--pdf", out}), 0);
    EXPECT_EQ(PdfSheets(pdf).size(), 1u);

    std::string said;
    EXPECT_EQ(RunProgram({"--print-models", set + "x", "--pdf", out}, &said), 1);
    EXPECT_NE(said.find("keplund: "), std::string::npos);
    EXPECT_EQ(RunProgram({"--print-model", set, "--pdf", out}, &said), 2);
    EXPECT_NE(said.find("usage:"), std::string::npos);
}

}  // namespace
