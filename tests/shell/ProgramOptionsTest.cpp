#include <gtest/gtest.h>

#include "shell/ProgramOptions.h"

namespace {

TEST(ProgramOptionsTest, NoArgumentsMeanTheSettingsAdapter) {
    const ParsedOptions parsed = ParseProgramOptions({});
    ASSERT_TRUE(parsed.options.has_value());
    EXPECT_FALSE(parsed.options->simulate || parsed.options->adapter || parsed.options->trace);
}

TEST(ProgramOptionsTest, ReadsSimulatedModuleAdapterAndTrace) {
    const ParsedOptions parsed =
        ParseProgramOptions({"--simulate", "fc18.bin", "--adapter", "lpt", "--trace", "bus.vcd"});
    ASSERT_TRUE(parsed.options.has_value()) << parsed.error;
    EXPECT_EQ(*parsed.options->simulate, "fc18.bin");
    EXPECT_EQ(*parsed.options->adapter, AdapterKind::Lpt);
    EXPECT_EQ(*parsed.options->trace, "bus.vcd");
    EXPECT_EQ(*ParseProgramOptions({"--adapter", "usb"}).options->adapter, AdapterKind::Usb);
}

TEST(ProgramOptionsTest, RefusesWhatItCannotDo) {
    const std::vector<std::vector<std::string>> refused = {
        {"--simulate"},         {"--adapter", "com1"},
        {"--verbose"},          {"image.bin"},
        {"--trace", "bus.vcd"}, {"--simulate", "a.bin", "--adapter", "usb", "--trace", "bus.vcd"},
    };
    for (const auto& words : refused) {
        const ParsedOptions parsed = ParseProgramOptions(words);
        EXPECT_FALSE(parsed.options.has_value()) << words.front();
        EXPECT_FALSE(parsed.error.empty());
    }
}

}  // namespace
