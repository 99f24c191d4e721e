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

TEST(ProgramOptionsTest, FaultsGoWithTheSimulatedModule) {
    const ParsedOptions parsed = ParseProgramOptions(
        {"--fault", "no-ack", "--simulate", "m.bin", "--fault", "flip:0x20", "--fault", "no-ack"});
    ASSERT_TRUE(parsed.options.has_value()) << parsed.error;
    const SimulatedFaults& faults = parsed.options->faults;
    EXPECT_EQ(faults.eeprom.noAck, AckFault::Everything);
    EXPECT_EQ(faults.eeprom.flipAddress, 0x20);
    EXPECT_EQ(faults.names, (std::vector<std::string>{"no-ack", "flip:0x20", "no-ack"}));
}

TEST(ProgramOptionsTest, RefusesWhatItCannotDo) {
    const std::vector<std::vector<std::string>> refused = {
        {"--simulate"},
        {"--adapter", "com1"},
        {"--verbose"},
        {"image.bin"},
        {"--trace", "bus.vcd"},
        {"--simulate", "a.bin", "--adapter", "usb", "--trace", "bus.vcd"},
        {"--fault", "no-ack"},
        {"--simulate", "a.bin", "--fault", "stuck"},
        // The address and the waitstates of the program are set in its adapter dialog.
        {"--lpt-address", "0378"},
    };
    for (const auto& words : refused) {
        const ParsedOptions parsed = ParseProgramOptions(words);
        EXPECT_FALSE(parsed.options.has_value()) << words.front();
        EXPECT_FALSE(parsed.error.empty());
    }
}

}  // namespace
