#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "common/TextFormat.h"
#include "shell/LanguageTable.h"
#include "support/TestFiles.h"

namespace {

// Every numbered text the program asks for, with the arguments it passes, as declared in
// the text headers of the source tree ("inline constexpr NumberedText kName{N, "ds"};").
std::map<int, std::string> TextsUsedByTheProgram() {
    const std::regex declaration(R"re(NumberedText\s+\w+\{(\d+),\s*"([ds]*)"\})re");
    std::map<int, std::string> used;
    const auto sources = std::filesystem::path(KEPLUND_SOURCE_DIR) / "src";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sources)) {
        if (entry.path().extension() != ".h") {
            continue;
        }
        std::ifstream in(entry.path());
        std::stringstream content;
        content << in.rdbuf();
        const std::string text = content.str();
        for (std::sregex_iterator it(text.begin(), text.end(), declaration), end; it != end; ++it) {
            used[std::stoi((*it)[1])] = (*it)[2];
        }
    }
    return used;
}

TEST(LanguageFilesTest, TheProgramDeclaresItsTexts) {
    const auto used = TextsUsedByTheProgram();
    EXPECT_GT(used.size(), 30u);
    EXPECT_EQ(used.count(44), 1u);
}

class EachLanguage : public testing::TestWithParam<int> {};

TEST_P(EachLanguage, HasEveryTextTheProgramUsesWithItsArguments) {
    LanguageTable table(LanguageSourceFolder());
    ASSERT_TRUE(table.LoadLanguage(GetParam()));
    for (const auto& [number, arguments] : TextsUsedByTheProgram()) {
        const auto text = table.Lookup(number);
        ASSERT_TRUE(text.has_value()) << "text " << number;
        EXPECT_FALSE(text->empty()) << "text " << number;
        EXPECT_EQ(ConversionLetters(*text), arguments) << "text " << number << ": " << *text;
    }
}

TEST_P(EachLanguage, HoldsOneLinePerTextNumber) {
    std::ifstream in(LanguageTable(LanguageSourceFolder()).FileOf(GetParam()));
    int lines = 0;
    for (std::string line; std::getline(in, line);) {
        ++lines;
    }
    EXPECT_EQ(lines, 642);
}

INSTANTIATE_TEST_SUITE_P(Languages, EachLanguage, testing::Range(1, 6),
                         [](const testing::TestParamInfo<int>& param) {
                             return LanguageTable::LanguageName(param.param);
                         });

}  // namespace
