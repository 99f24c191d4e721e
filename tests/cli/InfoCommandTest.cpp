#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/InfoCommand.h"
#include "support/TestFiles.h"

namespace {

class InfoCommandTest : public testing::Test {
  protected:
    InfoCommandTest() { CopyLanguageFiles(folder.path()); }

    int Run(std::vector<std::string> words) {
        out.str("");
        err.str("");
        return RunInfoCommand(words, folder.path(), out, err);
    }
    // Writes a CamPac file of these fields, which info must refuse, and gives its output.
    std::string RefusedAsJson(const RomFileFields& fields) {
        WriteBytes(folder / "refused.rom", BuildRomFile(fields));
        EXPECT_EQ(Run({(folder / "refused.rom").string(), "--json"}), 1);
        return out.str();
    }

    TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(InfoCommandTest, DescribesALoadedFileAsJson) {
    RomFileFields fields;
    fields.comment = "Flugtag \xE4";
    fields.image = HeaderedImage(2048, 4, 0x0002);  // a size code that does not fit
    fields.modelComments = {"Ka \"8\""};
    WriteBytes(folder / "a.rom", BuildRomFile(fields));
    ASSERT_EQ(Run({(folder / "a.rom").string(), "--json", "--lang", "English"}), 0) << err.str();
    const std::string json = out.str();
    EXPECT_NE(json.find(R"("type": "FC18V3    ", "typeIndex": 0, "imageSize": 2048, )"
                        R"("sizeLabel": "16k", "modelCount": 11, "firstModelOffset": 20, )"
                        R"("modelSize": 180, "comment": "Flugtag ä", )"
                        R"("modelComments": ["Ka \"8\"", "", )"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find(R"("messages": [{"text": 62, "message": ")"), std::string::npos) << json;
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 1) << "one object on one line";
}

TEST_F(InfoCommandTest, AFailedLoadIsAnErrorObjectWithTheMessageAndItsSuffix) {
    RomFileFields fields;
    fields.typeName = "FC99      ";
    const std::string json = RefusedAsJson(fields);
    EXPECT_EQ(json.rfind(R"({"error": {"text": 48, "message": ")", 0), 0u) << json;
    EXPECT_NE(json.find(R"x(\n\r (FC99      )"}})x"), std::string::npos) << json;
}

TEST_F(InfoCommandTest, AVersionOutOfRangeShowsTheVersionWithoutItsFiller) {
    RomFileFields fields;
    fields.version = "299";
    const std::string json = RefusedAsJson(fields);
    EXPECT_EQ(json.rfind(R"({"error": {"text": 47, "message": ")", 0), 0u) << json;
    EXPECT_NE(json.find(R"x(\n\r (299)"}})x"), std::string::npos) << json;
}

TEST_F(InfoCommandTest, TheLanguageComesFromTheSettingsUnlessChosen) {
    std::ofstream(folder / "Keplund.ini") << "309\n\n888\n150\n1\n1\n1\n5824\n1503\n1\n2\n";
    EXPECT_EQ(Run({(folder / "absent.rom").string(), "--json"}), 1);
    const std::string english = out.str();
    EXPECT_EQ(Run({(folder / "absent.rom").string(), "--json", "--lang", "Deutsch"}), 1);
    EXPECT_NE(out.str(), english);
    EXPECT_NE(english.find(R"("text": 45)"), std::string::npos);
}

TEST_F(InfoCommandTest, ReadableOutputPutsTheErrorOnStderr) {
    EXPECT_EQ(Run({(folder / "absent.rom").string()}), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str(), "");

    WriteBytes(folder / "c.rom", BuildRomFile(RomFileFields{}));
    EXPECT_EQ(Run({(folder / "c.rom").string()}), 0);
    EXPECT_NE(out.str().find("FC18V3"), std::string::npos);
}

TEST_F(InfoCommandTest, BadArgumentsShowTheUsage) {
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"a.rom", "--verbose"}), 2);
    EXPECT_EQ(Run({"a.rom", "--lang", "Klingon"}), 1);
}

}  // namespace
