#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>

#include "adapters/AdapterRules.h"
#include "adapters/SimulatedFaults.h"

namespace {

struct AddressCase {
    const char* text;
    int address;  // -1: refused
    int refusal;  // the text number of the refusal
};

TEST(AdapterRules, LptAddressIsExactlyFourHexDigits) {
    const AddressCase cases[] = {
        {"0378", 0x378, 0},  {"0278", 0x278, 0}, {"03bc", 0x3BC, 0}, {"03Bc", 0x3BC, 0},
        {"FFFF", 0xFFFF, 0}, {"0000", 0, 0},     {"378", -1, 210},   {"03780", -1, 210},
        {"", -1, 210},       {"0x37", -1, 211},  {"037g", -1, 211},  {" 378", -1, 211},
        {"-378", -1, 211},   {"03 8", -1, 211},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.text);
        const Result<std::uint16_t> parsed = ParseLptAddress(c.text);
        if (c.address < 0) {
            ASSERT_FALSE(parsed.ok());
            EXPECT_EQ(parsed.error().text, c.refusal);
        } else {
            ASSERT_TRUE(parsed.ok());
            EXPECT_EQ(parsed.value(), c.address);
        }
    }
    EXPECT_EQ(LptAddressText(0x378), "0378");
    EXPECT_EQ(LptAddressText(0xABCD), "ABCD");
}

// Any text of up to six characters: an address taken shows again as the text typed (in
// upper case); anything else is refused with one of the two texts.
TEST(AdapterRules, EveryTakenAddressShowsAsTyped) {
    std::mt19937 random(20240611);
    const std::string alphabet = "0123456789abcdefABCDEFgxX -";
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 7, ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        const Result<std::uint16_t> parsed = ParseLptAddress(text);
        if (parsed) {
            std::string upper = text;
            for (char& c : upper) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            EXPECT_EQ(LptAddressText(parsed.value()), upper);
        } else {
            EXPECT_TRUE(parsed.error().text == 210 || parsed.error().text == 211) << text;
        }
    }
}

TEST(AdapterRules, WaitStatesAreADecimalNumberFrom0To5000) {
    const std::pair<const char*, int> cases[] = {
        {"0", 0},     {"150", 150}, {"5000", 5000}, {"00150", 150},
        {"5001", -1}, {"-1", -1},   {"", -1},       {"15a", -1},
        {" 15", -1},  {"1.5", -1},  {"+15", -1},    {"99999999999999999999", -1},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        const Result<int> parsed = ParseWaitStates(text);
        if (expected < 0) {
            ASSERT_FALSE(parsed.ok());
            EXPECT_EQ(parsed.error().text, 212);
        } else {
            ASSERT_TRUE(parsed.ok());
            EXPECT_EQ(parsed.value(), expected);
        }
    }
}

TEST(SimulatedFaultNames, EachNameSwitchesItsFault) {
    SimulatedFaults faults;
    for (const char* name : {"sda-stuck-low", "no-ack", "write-protected", "flip:100",
                             "port-denied", "scl-stuck-high"}) {
        ASSERT_TRUE(AddSimulatedFault(name, faults).ok()) << name;
    }
    EXPECT_TRUE(faults.eeprom.sdaStuckLow);
    EXPECT_EQ(faults.eeprom.noAck, AckFault::Everything);
    EXPECT_TRUE(faults.eeprom.writeProtected);
    EXPECT_EQ(faults.eeprom.flipAddress, 100);
    EXPECT_TRUE(faults.portDenied);
    EXPECT_EQ(faults.eeprom.scl, SclFault::StuckHigh);
    ASSERT_TRUE(AddSimulatedFault("scl-stuck-low", faults).ok());
    EXPECT_EQ(faults.eeprom.scl, SclFault::StuckLow);
    ASSERT_TRUE(AddSimulatedFault("flip:0x1FFF", faults).ok());
    EXPECT_EQ(faults.eeprom.flipAddress, 0x1FFF);
    EXPECT_EQ(faults.names.size(), 8u);
}

TEST(SimulatedFaultNames, RefusesWhatIsNoFault) {
    for (const char* name : {"", "sda-stuck-high", "SDA-STUCK-LOW", "flip:", "flip:8192", "flip:-1",
                             "flip:12a", "flip:0x", "flip:0x2000", "flip: 5"}) {
        SimulatedFaults faults;
        const Status added = AddSimulatedFault(name, faults);
        EXPECT_FALSE(added.ok()) << name;
        EXPECT_TRUE(faults.names.empty());
        EXPECT_EQ(faults.eeprom.flipAddress, -1);
    }
}

}  // namespace
