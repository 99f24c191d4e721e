#include <gtest/gtest.h>

#include <fstream>

#include "common/MessageText.h"
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

// A text asking for a width of gigabytes, a line longer than any real text, or a text
// whose conversions would not take the arguments passed counts as missing: the failure
// message names its number and the text reads as empty. The texts around it stay.
TEST_F(LanguageTableTest, TextsThatCannotBeShownSafelyCountAsMissing) {
    WriteEnglish(
        "Model %d of %d\n"
        "%1000000000s\n" +
        std::string(1025, 'x') + "\n" + std::string(1024, 'y') +
        "\n"
        "%.999d\n"
        "%99d|\n"
        "last\n");
    LanguageTable table(folder.path());
    table.SetFailureSink(&dialogs);
    ASSERT_TRUE(table.LoadLanguage(2));
    EXPECT_EQ(MessageText(Message::Numbered({0, "dd"}, {3LL, 7LL}), table), "Model 3 of 7");
    for (int number : {1, 2, 4}) {
        dialogs.shown.clear();
        EXPECT_EQ(MessageText(Message::Numbered({number, "s"}, {std::string("x")}), table), "");
        ASSERT_EQ(dialogs.shown.size(), 1u) << number;
        EXPECT_EQ(dialogs.shown[0].literal,
                  "Language-Datei fehlerhaft (Text Nr.: " + std::to_string(number) + ").");
    }
    EXPECT_EQ(table.GetText(3), std::string(1024, 'y'));
    EXPECT_EQ(MessageText(Message::Numbered({5, "d"}, {1LL}), table).size(), 100u);
    EXPECT_EQ(table.GetText(6), "last");

    dialogs.shown.clear();
    EXPECT_EQ(MessageText(Message::Numbered({0, "d"}, {3LL}), table), "");
    EXPECT_EQ(MessageText(Message::Numbered({0, "ds"}, {3LL, std::string("7")}), table), "");
    EXPECT_EQ(table.GetText({0, "dd"}), "Model %d of %d");
    EXPECT_EQ(table.GetText({0, ""}), "");
    EXPECT_EQ(dialogs.shown.size(), 3u);
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
