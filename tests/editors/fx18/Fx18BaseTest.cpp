#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "Fx18DataSet.h"
#include "editors/FieldCodec.h"
#include "editors/GroupCommit.h"
#include "editors/fx18/Fx18Pages.h"

// The FX18 base page: every value transcribed by hand from the record description.
namespace {

struct Fx18BaseFixture : testing::Test, Fx18Model {};

// What the base page shows for the default record of a new data set.
TEST_F(Fx18BaseFixture, ShowsTheDefaultRecord) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Name", "E-01"},
        {"Umpolung 1", "0"},
        {"Fail Save 3", "1"},
        {"Fail Save 2", "0"},
        {"Fail Save Position 3", "76"},
        {"Geberweg L1", "100"},
        {"Geberweg H8", "100"},
        {"Servoweg R8", "100"},
        {"ServoMitte 5", "0"},
        {"Trimmung Position 1", "0"},
        {"Trimmung Schritte 4", "4"},
        {"Trimmung Rate 2", "100"},
        {"Expo Aus 3", "0"},
        {"DualRate 4", "100"},
        {"VMIX 1 auf", "2"},
        {"VMIX 2 Steuer Funkt.", "1"},
        {"VMIX 3 Mit Trimmung", "0"},
        {"VMIX 3 Ein", "0"},
        {"VMIX 1 V-Kurve", "0"},
        {"XMIX Steuer Funkt.", "3"},
        {"XMIX auf", "4"},
        {"XMIX % 2", "50"},
        {"XMIX Ein", "0"},
        {"DROS", "0"},
        {"D-TR", "0"},
        {"D-UM", "0"},
        {"Stopuhr Zeit", "00:00"},
        {"Stopuhr Richtung", "Aufwärts"},
        {"Stopuhr Schalter", "+1"},
        {"Stopuhr Ein", "0"},
        {"Modulation", "PPM"},
        {"Knüppel-Mode", "Mode 1"},
        {"Schalter DRSC", "124 "},
        {"MultiProp 1", "K. 8"},
        {"MultiProp 2", "K. 8"},
        {"Mixtrimm 1", "0"},
        {"Mischprogramm", "Basic"},
    };
    for (const auto& [key, shown] : expected) {
        EXPECT_EQ(Shown(key), shown) << key;
    }
}

TEST_P(Fx18FieldTest, ShowsAndWritesItsBytes) {
    ExpectListed(GetParam());
    EXPECT_TRUE(warnings.empty());
}

constexpr Byte kBasic = 0;

INSTANTIATE_TEST_SUITE_P(
    BasePage, Fx18FieldTest,
    testing::ValuesIn(Rows{
        Listed("Name", {{109, kBasic}, {0, 0x12}, {1, 0x0C}, {2, 0x00}, {3, 0x01}}, "E-01", "ab",
               {{0, 0x0E}, {1, 0x0F}, {2, 0x0A}, {3, 0x0A}}),
        Listed("Name", {{109, kBasic}, {0, 0x0D}, {1, 0x0B}, {2, 0x0C}, {3, 0x27}}, "/+-Z", "a/z9",
               {{0, 0x0E}, {1, 0x0D}, {2, 0x27}, {3, 0x09}}),
        {"Name", {{109, kBasic}, {0, 0x28}, {1, 0x0E}, {2, 0xFF}, {3, 0x0A}}, ".A. ", ".A. ", {}},
        {"Umpolung 8", {{109, kBasic}, {4, 0x05}}, "0", "1", {{4, 0x85}}},
        {"Umpolung 3", {{109, kBasic}, {4, 0x05}}, "1", "0", {{4, 0x01}}},
        {"Fail Save 3", {{109, kBasic}, {5, 0x04}}, "1", "0", {{5, 0x00}}},
        {"Fail Save Position 1", {{109, kBasic}, {6, 0x00}}, "0", "-100", {{6, 0x9C}}},
        {"Fail Save Position 3", {{109, kBasic}, {8, 0x4C}}, "76", "-128", {{8, 0x80}}},
        {"Fail Save Position 8", {{109, kBasic}, {13, 0x00}}, "0", "127", {{13, 0x7F}}},
        {"Geberweg L1", {{109, kBasic}, {14, 0x64}}, "100", "0", {{14, 0x00}}},
        {"Geberweg H8", {{109, kBasic}, {29, 0x50}}, "80", "100", {{29, 0x64}}},
        {"Servoweg L1", {{109, kBasic}, {30, 0x83}}, "-125", "125", {{30, 0x7D}}},
        {"Servoweg R8", {{109, kBasic}, {45, 0x7D}}, "125", "-1", {{45, 0xFF}}},
        {"ServoMitte 1", {{109, kBasic}, {46, 0xF6}}, "-10", "10", {{46, 0x0A}}},
        {"ServoMitte 8", {{109, kBasic}, {53, 0x00}}, "0", "-125", {{53, 0x83}}},
        {"Trimmung Position 1", {{109, kBasic}, {54, 0x9C}}, "-100", "100", {{54, 0x64}}},
        {"Trimmung Schritte 1", {{109, kBasic}, {58, 0x04}}, "4", "30", {{58, 0x1E}}},
        {"Trimmung Rate 4", {{109, kBasic}, {65, 0x64}}, "100", "0", {{65, 0x00}}},
        {"Expo Aus 1", {{109, kBasic}, {66, 0x00}}, "0", "-100", {{66, 0x9C}}},
        {"Expo Aus 3", {{109, kBasic}, {113, 0xEC}}, "-20", "55", {{113, 0x37}}},
        {"Expo Aus 4", {{109, kBasic}, {68, 0x00}}, "0", "-100", {{68, 0x9C}}},
        {"Expo Ein 4", {{109, kBasic}, {71, 0x00}}, "0", "100", {{71, 0x64}}},
        {"DualRate 2", {{109, kBasic}, {73, 0x46}}, "70", "0", {{73, 0x00}}},
        {"Schalter DRSC", {{109, kBasic}, {95, 0x40}}, "124 ", "14", {{95, 0x41}}},
        {"Schalter DRSC", {{109, kBasic}, {95, 0x83}}, "1", "124 ", {{95, 0x80}}},
        {"D-TR", {{109, kBasic}, {95, 0x83}}, "1", "0", {{95, 0xC3}}},
        {"D-UM", {{109, kBasic}, {95, 0x83}}, "1", "0", {{95, 0x03}}},
        {"VMIX 1 Steuer Funkt.", {{109, kBasic}, {75, 0x81}}, "1", "---", {{75, 0xC1}}},
        {"VMIX 1 auf", {{109, kBasic}, {75, 0x81}}, "2", "8", {{75, 0x87}}},
        {"VMIX 1 Mit Trimmung", {{109, kBasic}, {75, 0x81}}, "0", "1", {{75, 0x01}}},
        {"VMIX 1 Steuer Funkt.", {{109, kBasic}, {75, 0xCF}}, "Code 9", "2", {{75, 0x8F}}},
        {"VMIX 1 auf", {{109, kBasic}, {75, 0xCF}}, "8", "1", {{75, 0xC8}}},
        {"VMIX 1 %", {{109, kBasic}, {76, 0x9C}}, "-100", "100", {{76, 0x64}}},
        {"VMIX 1 Offset", {{109, kBasic}, {77, 0x83}}, "-125", "0", {{77, 0x00}}},
        {"VMIX 2 Ein", {{109, kBasic}, {112, 0xFD}}, "1", "0", {{112, 0xFF}}},
        {"VMIX 2 %", {{109, kBasic}, {79, 0x00}}, "0", "-100", {{79, 0x9C}}},
        {"VMIX 2 Offset", {{109, kBasic}, {80, 0x00}}, "0", "125", {{80, 0x7D}}},
        {"VMIX 3 auf", {{109, kBasic}, {81, 0x81}}, "2", "3", {{81, 0x82}}},
        {"VMIX 3 V-Kurve", {{109, kBasic}, {100, 0x05}}, "1", "0", {{100, 0x01}}},
        {"VMIX 3 Offset", {{109, kBasic}, {82, 0x9C}}, "-100", "100", {{82, 0x64}}},
        {"VMIX 3 %", {{109, kBasic}, {83, 0x7D}}, "125", "-125", {{83, 0x83}}},
        {"XMIX Steuer Funkt.", {{109, kBasic}, {84, 0x93}}, "3", "8", {{84, 0xBB}}},
        {"XMIX auf", {{109, kBasic}, {84, 0x93}}, "4", "1", {{84, 0x90}}},
        {"XMIX Ein", {{109, kBasic}, {112, 0x6F}}, "1", "0", {{112, 0x7F}}},
        {"XMIX % 1", {{109, kBasic}, {85, 0x32}}, "50", "-100", {{85, 0x9C}}},
        {"XMIX % 2", {{109, kBasic}, {86, 0x32}}, "50", "100", {{86, 0x64}}},
        {"DROS", {{109, kBasic}, {112, 0x6F}}, "1", "0", {{112, 0xEF}}},
        {"Drossel %", {{109, kBasic}, {87, 0xD8}}, "-40", "40", {{87, 0x28}}},
        Listed("Stopuhr Zeit", {{109, kBasic}, {88, 0x81}, {89, 0x33}}, "05:07", "2:00",
               {{88, 0x80}, {89, 0x78}}),
        Listed("Stopuhr Zeit", {{109, kBasic}, {88, 0x60}, {89, 0x3C}}, "01:00", "99:59",
               {{88, 0x77}, {89, 0x6F}}),
        {"Stopuhr Zeit", {{109, kBasic}}, "00:00", "5:7", {{88, 0x01}, {89, 0x33}}},
        {"Stopuhr Zeit", {{109, kBasic}}, "00:00", ":30", {{89, 0x1E}}},
        Listed("Stopuhr Zeit", {{109, kBasic}, {88, 0x1F}, {89, 0xFF}}, "136:31", "0:01",
               {{88, 0x00}, {89, 0x01}}),
        {"Stopuhr Richtung", {{109, kBasic}, {88, 0x01}}, "Aufwärts", "Abwärts", {{88, 0x81}}},
        {"Stopuhr Schalter", {{109, kBasic}, {90, 0x80}}, "+1", "-C8", {{90, 0x9F}}},
        {"Stopuhr Schalter", {{109, kBasic}, {90, 0x10}}, "+C1", "+8", {{90, 0x0E}}},
        {"Stopuhr Schalter", {{109, kBasic}, {90, 0xE3}}, "-2", "-1", {{90, 0xE1}}},
        {"Stopuhr Ein", {{109, kBasic}, {90, 0x80}}, "0", "1", {{90, 0x00}}},
        {"Stopuhr Pos", {{109, kBasic}, {91, 0x64}}, "100", "-100", {{91, 0x9C}}},
        {"Modulation", {{109, kBasic}, {94, 0x83}}, "PPM", "PCM", {{94, 0x03}}},
        {"MultiProp 1", {{109, kBasic}, {97, 0x04}}, "K. 8", "Aus", {{97, 0x00}}},
        {"MultiProp 2", {{109, kBasic}, {98, 0xF8}}, "Aus", "K. 5", {{98, 0xF9}}},
        {"MultiProp 2", {{109, kBasic}, {98, 0x07}}, "Code 7", "K. 6", {{98, 0x02}}},
        {"Mixtrimm 1", {{109, kBasic}, {108, 0xFE}}, "1", "0", {{108, 0xFF}}},
        {"Mixtrimm 8", {{109, kBasic}, {108, 0xFF}}, "0", "1", {{108, 0x7F}}}}));

// A refused entry: the message it brings (the field exchange's prompt, or a numbered text)
// and nothing written.
class Fx18RefusalTest : public Fx18BaseFixture, public testing::WithParamInterface<RefusedEntry> {};

TEST_P(Fx18RefusalTest, RefusesAndKeepsTheStoredValue) {
    ExpectRefused(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    BasePage, Fx18RefusalTest,
    testing::Values(
        Refused("Geberweg L1", "101", -1, Between(0, 100)),
        Refused("Geberweg H3", "-1", -1, "Geben Sie bitte eine positive ganze Zahl ein."),
        Refused("Servoweg R3", "-126", -1, Between(-125, 125)),
        Refused("ServoMitte 2", "126", -1, Between(-125, 125)),
        Refused("Trimmung Position 4", "-101", -1, Between(-100, 100)),
        Refused("Trimmung Schritte 2", "31", -1, Between(0, 30)),
        Refused("Trimmung Rate 1", "101", -1, Between(0, 100)),
        Refused("Drossel %", "41", -1, Between(-40, 40)),
        Refused("Drossel %", "-41", -1, Between(-40, 40)),
        Refused("VMIX 1 %", "101", -1, Between(-100, 100)),
        Refused("VMIX 2 Offset", "126", -1, Between(-125, 125)),
        Refused("VMIX 3 Offset", "101", -1, Between(-100, 100)),
        Refused("VMIX 3 %", "126", -1, Between(-125, 125)),
        Refused("XMIX % 2", "-101", -1, Between(-100, 100)),
        Refused("Fail Save Position 2", "128", -1, Between(-128, 127)),
        Refused("Stopuhr Pos", "-101", -1, Between(-100, 100)),
        Refused("Expo Ein 2", "101", -1, Between(-100, 100)),
        Refused("DualRate 4", "101", -1, Between(0, 100)), Refused("Name", "AB.C", 232, ""),
        Refused("Name", "Ä", 232, ""), Refused("Name", "A_", 232, ""),
        Refused("Stopuhr Zeit", "100:00", 228, ""), Refused("Stopuhr Zeit", "0530", 228, ""),
        Refused("Stopuhr Zeit", "12345:00", 228, ""), Refused("Stopuhr Zeit", "1:60", 229, ""),
        Refused("Stopuhr Zeit", "-1:00", 229, ""),
        Refused("Knüppel-Mode", "Mode 2", -1, "'Knüppel-Mode' wird nur angezeigt")));

// A refused value marks the page's input as refused, which holds apply back (text 229).
TEST_F(Fx18BaseFixture, ARefusalHoldsApplyBack) {
    ASSERT_FALSE(Enter("Servoweg L2", "200").ok());
    EXPECT_TRUE(editor.InputRejected(fx18::kBasePage));
    EXPECT_EQ(editor.Apply().error().text, 229);
    ASSERT_TRUE(Enter("Servoweg L2", "20").ok());
    EXPECT_TRUE(editor.Apply().ok());
    EXPECT_EQ(data.image[kFx18FirstModel + 32], 20);
}

// The name's 40 characters, each byte standing for its place in the table; 40 and more
// show "."; an entry is turned to upper case and padded with blanks (code 10).
TEST_F(Fx18BaseFixture, TheNameTable) {
    const std::string table = "0123456789 +-/ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int code = 0; code < 44; ++code) {
        const char shown = code < 40 ? table[static_cast<std::size_t>(code)] : '.';
        Put({{0, static_cast<Byte>(code)}, {1, 14}, {2, 14}, {3, 14}});
        EXPECT_EQ(Shown("Name"), std::string(1, shown) + "AAA") << code;
        if (code < 40) {
            Put({{0, 0}});
            const std::string typed(1, static_cast<char>(std::tolower(shown)));
            ASSERT_TRUE(Enter("Name", typed).ok()) << code;
            EXPECT_EQ(Slot()[0], code);
            EXPECT_EQ(Slot()[1], 10);
            EXPECT_EQ(Slot()[3], 10);
        }
    }
    Put({{0, 0xFF}, {1, 40}, {2, 39}, {3, 13}});
    EXPECT_EQ(Shown("Name"), "..Z/");
}

// The list entries of the stopwatch switch: index and code are the same.
TEST_F(Fx18BaseFixture, TheStopwatchSwitches) {
    const std::vector<std::string> texts = {"+1",  "-1",  "+2",  "-2",  "+3",  "-3",  "+4",  "-4",
                                            "+5",  "-5",  "+6",  "-6",  "+7",  "-7",  "+8",  "-8",
                                            "+C1", "-C1", "+C2", "-C2", "+C3", "-C3", "+C4", "-C4",
                                            "+C5", "-C5", "+C6", "-C6", "+C7", "-C7", "+C8", "-C8"};
    for (std::size_t code = 0; code < texts.size(); ++code) {
        Put({{90, static_cast<Byte>(0xE0 | code)}});
        EXPECT_EQ(Shown("Stopuhr Schalter"), texts[code]);
    }
}

// The 13-bit time: bits 0 to 4 of byte 88 above byte 89; bits 5 to 7 of byte 88 belong to
// others. Shown as minutes and seconds, entered with the ':' in the first three places.
TEST_F(Fx18BaseFixture, TheStopwatchTime) {
    const struct {
        Byte high;
        Byte low;
        const char* shown;
    } stored[] = {{0x00, 0x00, "00:00"}, {0x00, 0x3B, "00:59"}, {0x00, 0x3C, "01:00"},
                  {0xE1, 0x2C, "05:00"}, {0x17, 0x6F, "99:59"}, {0x17, 0x70, "100:00"},
                  {0x1F, 0xFF, "136:31"}};
    for (const auto& s : stored) {
        Put({{88, s.high}, {89, s.low}});
        EXPECT_EQ(Shown("Stopuhr Zeit"), s.shown);
    }
    const struct {
        const char* entry;
        Byte high;
        Byte low;
    } entered[] = {{"0:0", 0xA0, 0x00},
                   {"1:1", 0xA0, 0x3D},
                   {"04:16", 0xA1, 0x00},
                   {"99:59", 0xB7, 0x6F},
                   {"9:", 0xA2, 0x1C}};
    for (const auto& e : entered) {
        Put({{88, 0xBF}, {89, 0xFF}});
        ASSERT_TRUE(Enter("Stopuhr Zeit", e.entry).ok()) << e.entry;
        EXPECT_EQ(Slot()[88], e.high) << e.entry;
        EXPECT_EQ(Slot()[89], e.low) << e.entry;
    }
}

// The stopwatch group writes nothing when a value of it is refused: the time typed
// before "Pos" was refused stays unwritten.
TEST_F(Fx18BaseFixture, TheStopwatchGroupIsTestedBeforeItIsWritten) {
    const PageTable& page = fx18::BasePage();
    GroupInput input = CurrentGroupInput(page, "Stopuhr", Slot());
    ASSERT_EQ(input.size(), 5u);
    input[0].second.text = "10:00";
    input[4].second.number = 101;
    const std::vector<Byte> before = SlotBytes();
    EXPECT_FALSE(CommitGroup(page, "Stopuhr", input, Slot()).ok());
    EXPECT_EQ(SlotBytes(), before);
}

// A kept time beyond 99:59 stays as it is while the rest of its group changes.
TEST_F(Fx18BaseFixture, ALongTimeSurvivesItsGroup) {
    Put({{88, 0x1F}, {89, 0xFF}});
    ASSERT_TRUE(Enter("Stopuhr Ein", "1").ok());
    EXPECT_EQ(Slot()[88], 0x1F);
    EXPECT_EQ(Slot()[89], 0xFF);
    EXPECT_EQ(Slot()[90], 0x00);
}

}  // namespace
