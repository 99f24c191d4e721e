#include <gtest/gtest.h>

#include <fstream>

#include "shell/LanguageTable.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

class LanguageTableTest : public testing::Test {
  protected:
    void WriteEnglish(const std::string& content) {
        std::ofstream(folder / "English.lng", std::ios::binary) << content;
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
};

TEST_F(LanguageTableTest, LineNIsTextNAndMarkersBecomeLineBreaks) {
    WriteEnglish("File\nLoad\r\n\nfirst\\r\\nsecond\n");
    LanguageTable table(folder.path());
    table.SetFailureSink(&dialogs);
    ASSERT_TRUE(table.LoadLanguage(2));
    EXPECT_EQ(table.GetText(0), "File");
    EXPECT_EQ(table.GetText(1), "Load");
    EXPECT_EQ(table.GetText(2), "");
    EXPECT_EQ(table.GetText(3), "first\r\nsecond");
    EXPECT_TRUE(dialogs.shown.empty()) << "an empty line is a valid text";
}

TEST_F(LanguageTableTest, AMissingTextIsReportedWithItsNumberAndReadsEmpty) {
    WriteEnglish("only\n");
    LanguageTable table(folder.path());
    table.SetFailureSink(&dialogs);
    ASSERT_TRUE(table.LoadLanguage(2));
    for (int number : {1, 999, 1000, -1}) {
        dialogs.shown.clear();
        EXPECT_EQ(table.GetText(number), "");
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].literal,
                  "Language-Datei fehlerhaft (Text Nr.: " + std::to_string(number) + ").");
    }
}

TEST_F(LanguageTableTest, LinesBeyondTheIndexAreNeverRead) {
    std::string content;
    for (int i = 0; i < 1005; ++i) {
        content += 't';
        content += std::to_string(i);
        content += '\n';
    }
    WriteEnglish(content);
    LanguageTable table(folder.path());
    ASSERT_TRUE(table.LoadLanguage(2));
    EXPECT_EQ(table.Lookup(999), "t999");
    EXPECT_FALSE(table.Lookup(1000).has_value());
}

TEST_F(LanguageTableTest, AnIndexOutsideTheFiveLanguagesNamesNoFile) {
    LanguageTable table(folder.path());
    EXPECT_EQ(table.FileOf(7).filename(), ".lng");
    EXPECT_FALSE(table.LoadLanguage(7));
    EXPECT_FALSE(table.LoadLanguage(2)) << "English.lng does not exist here";
}

}  // namespace
