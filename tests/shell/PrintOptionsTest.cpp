#include <gtest/gtest.h>

#include "shell/PrintOptions.h"

namespace {

using Words = std::vector<std::string>;

TEST(PrintOptionsTest, OnlyThePrintoutWordsAskForAPrintout) {
    EXPECT_FALSE(AsksForPrintout({}));
    EXPECT_FALSE(AsksForPrintout({"--simulate", "a.bin"}));
    EXPECT_TRUE(AsksForPrintout({"--print-models", "a.rom", "--pdf", "a.pdf"}));
    EXPECT_TRUE(AsksForPrintout({"--pdf", "a.pdf"}));
    EXPECT_TRUE(AsksForPrintout({"--simulate", "a.bin", "--print-model"}));
}

TEST(PrintOptionsTest, ReadsTheFileTheModelAndThePdfInAnyOrder) {
    const ParsedPrintRequest list =
        ParsePrintRequest({"--print-models", "set.rom", "--pdf", "o.pdf"});
    ASSERT_TRUE(list.request) << list.error;
    EXPECT_EQ(list.request->dataSet, "set.rom");
    EXPECT_FALSE(list.request->model);
    EXPECT_EQ(list.request->pdf, "o.pdf");

    const ParsedPrintRequest model =
        ParsePrintRequest({"--pdf", "o.pdf", "--print-model", "set.rom", "12"});
    ASSERT_TRUE(model.request) << model.error;
    EXPECT_EQ(model.request->dataSet, "set.rom");
    EXPECT_EQ(model.request->model, 12);
    EXPECT_EQ(model.request->pdf, "o.pdf");

    // Whether a model exists is for the data set to say, not the command line.
    EXPECT_EQ(ParsePrintRequest({"--print-model", "s.rom", "0", "--pdf", "o.pdf"}).request->model,
              0);
}

TEST(PrintOptionsTest, RefusesWhatIsNoPrintout) {
    const std::vector<Words> refused = {
        {"--print-models", "set.rom"},
        {"--pdf", "o.pdf"},
        {"--print-models", "--pdf", "o.pdf"},
        {"--print-model", "set.rom", "--pdf", "o.pdf"},
        {"--print-model", "set.rom", "x", "--pdf", "o.pdf"},
        {"--print-model", "set.rom", "3x", "--pdf", "o.pdf"},
        {"--print-model", "set.rom", "", "--pdf", "o.pdf"},
        {"--print-models", "a.rom", "--print-models", "b.rom", "--pdf", "o.pdf"},
        {"--print-models", "a.rom", "--pdf", "o.pdf", "--pdf", "p.pdf"},
        {"--print-models", "a.rom", "--pdf", "o.pdf", "--simulate", "a.bin"},
        {"--print-models", "a.rom", "--pdf"},
    };
    for (const Words& words : refused) {
        const ParsedPrintRequest parsed = ParsePrintRequest(words);
        EXPECT_FALSE(parsed.request.has_value()) << testing::PrintToString(words);
        EXPECT_FALSE(parsed.error.empty());
    }
}

}  // namespace
