#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Fx18DataSet.h"
#include "editors/fx18/Fx18Pages.h"

// The FX18 mixing programs: their change, the page each brings, and the Motorflug, Segler
// and Heli pages. Every value transcribed by hand from the record description.
namespace {

constexpr int kProgram = 109;

struct Fx18MixingFixture : testing::Test, Fx18Model {};

// Bytes 113 to 142 of each program, and bytes 93 and 95.
using Block = std::array<Byte, 30>;
constexpr Block kBasic = {};
constexpr Block kMotorflug = {0x00, 0x28, 0x28, 0x28, 0x00, 0x8A, 0x28, 0x28, 0x28, 0x28,
                              0x10, 0x38, 0x38, 0x38, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                              0x18, 0x18, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr Block kSegler = {0x00, 0x28, 0x28, 0x28, 0x00, 0x8A, 0x28, 0x28, 0x28, 0x28,
                           0x00, 0x10, 0x28, 0x28, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                           0x18, 0x18, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr Block kHeli = {0x9C, 0x00, 0x64, 0x9C, 0x00, 0x64, 0x9C, 0x00, 0x64, 0xB5,
                         0x00, 0x9C, 0x00, 0x64, 0x9C, 0x00, 0x64, 0x9C, 0x00, 0x64,
                         0x9C, 0x64, 0xCE, 0x00, 0x00, 0x00, 0x00, 0x28, 0x28, 0x28};

struct ProgramChange {
    Byte from;
    std::string to;
    Byte code;
    const Block* block;
    Byte byte93;
    Byte byte95;
};

std::ostream& operator<<(std::ostream& out, const ProgramChange& c) {
    return out << int{c.from} << " to " << c.to;
}

class Fx18ProgramTest : public Fx18MixingFixture,
                        public testing::WithParamInterface<ProgramChange> {};

// A new program writes its block 113 to 142 and bytes 93 and 95, then its code; nothing
// else changes (points 2 and 4 of the heli curves, 146 to 157, keep their values).
TEST_P(Fx18ProgramTest, WritesTheProgramsDefaults) {
    const ProgramChange& c = GetParam();
    for (int offset = 88; offset < kFx18RecordSize; ++offset) {
        Slot()[static_cast<std::size_t>(offset)] = static_cast<Byte>(0x5A + offset);
    }
    Put({{kProgram, c.from}});
    std::vector<Byte> expected = SlotBytes();
    for (std::size_t i = 0; i < c.block->size(); ++i) {
        expected[113 + i] = (*c.block)[i];
    }
    expected[93] = c.byte93;
    expected[95] = c.byte95;
    expected[kProgram] = c.code;
    ASSERT_TRUE(Enter("Mischprogramm", c.to).ok());
    EXPECT_EQ(SlotBytes(), expected);
    EXPECT_EQ(Shown("Mischprogramm"), c.to);
}

INSTANTIATE_TEST_SUITE_P(Programs, Fx18ProgramTest,
                         testing::Values(ProgramChange{2, "Heli H1", 0x80, &kHeli, 0x1A, 0x00},
                                         ProgramChange{0, "Motorflug", 0x01, &kMotorflug, 0x01,
                                                       0x00},
                                         ProgramChange{1, "Segler", 0x02, &kSegler, 0x00, 0x00},
                                         ProgramChange{130, "Basic", 0x00, &kBasic, 0x01, 0x40},
                                         ProgramChange{128, "Heli H4", 0x83, &kHeli, 0x1A, 0x00},
                                         ProgramChange{7, "Heli HR3", 0x82, &kHeli, 0x1A, 0x00},
                                         ProgramChange{200, "Segler", 0x02, &kSegler, 0x00, 0x00}));

// Choosing the program the model has keeps its settings.
TEST_F(Fx18MixingFixture, TheSameProgramKeepsTheSettings) {
    Put({{kProgram, 129}, {113, 0x11}, {93, 0x22}, {95, 0x03}});
    const std::vector<Byte> before = SlotBytes();
    ASSERT_TRUE(Enter("Mischprogramm", "Heli H2").ok());
    EXPECT_EQ(SlotBytes(), before);
}

// A change to Segler clears byte 95: the D/R switch is "124 ", "D-TR" is on and both
// master channels show "Kan.5"; the limit of the defaults (0x8A) shows 100 and is kept.
TEST_F(Fx18MixingFixture, SeglerDefaultsAsThePagesShowThem) {
    Put({{95, 0xF3}});
    ASSERT_TRUE(Enter("Mischprogramm", "Segler").ok());
    EXPECT_EQ(Shown("Schalter DRSC"), "124 ");
    EXPECT_EQ(Shown("D-TR"), "1");
    EXPECT_EQ(Shown("FLAE Master"), "Kan.5");
    EXPECT_EQ(Shown("BUTT Master"), "Kan.5");
    EXPECT_EQ(Shown("WO-H Limit %"), "100");
    EXPECT_EQ(Shown("BU-H %"), "16");
    EXPECT_EQ(Shown("QU-H %"), "-1");
    ASSERT_TRUE(Enter("WO-H %", "30").ok());
    EXPECT_EQ(Slot()[118], 0x8A);
    EXPECT_EQ(Slot()[115], 30);
}

// The tab after the base page: Basic for 0, Motorflug for 1, Segler for 2, Heli for 128 or
// more; another code has no page.
TEST(Fx18Programs, EachProgramBringsItsPage) {
    const struct {
        int code;
        int page;
    } cases[] = {{0, 31}, {1, 32}, {2, 33}, {128, 34}, {131, 34}, {132, 34}, {255, 34}, {3, 0}};
    std::vector<Byte> record(kFx18RecordSize, 0);
    for (const auto& c : cases) {
        record[kProgram] = static_cast<Byte>(c.code);
        EXPECT_EQ(fx18::Family().MixingPageOf(record), c.page) << c.code;
        EXPECT_EQ(fx18::MixingPrograms().IsHeli(record), c.code >= 128) << c.code;
    }
}

constexpr Byte kMotorflugCode = 1;
constexpr Byte kSeglerCode = 2;
constexpr Byte kHeliCode = 128;

INSTANTIATE_TEST_SUITE_P(
    Motorflug, Fx18FieldTest,
    testing::ValuesIn(
        OnPage({{kProgram, kMotorflugCode}},
               {{"Flügel", {{111, 0xF9}}, "Code 0", "Flaperon", {{111, 0xFD}}},
                {"Flügel", {{111, 0x1F}}, "Aus", "Delta", {{111, 0x1B}}},
                {"Flaperon Kanal", {{111, 0x1F}}, "Kan.6", "Kan.7", {{111, 0x1E}}},
                {"FLTR Ein", {{111, 0x1F}}, "0", "1", {{111, 0x17}}},
                {"V-Leitwerk Ein", {{111, 0x1F}}, "0", "1", {{111, 0x0F}}},
                {"Flaperon Mischer", {{116, 0xA8}}, "40", "100", {{116, 0xE4}}},
                {"Flaperon Mischer Neg", {{116, 0xA8}}, "1", "0", {{116, 0x28}}},
                {"Delta Differenz. %", {{116, 0x28}}, "40", "0", {{116, 0x00}}},
                {"Delta Neg", {{116, 0x28}}, "0", "1", {{116, 0xA8}}},
                {"Delta Kanal 1 %", {{119, 0x1E}}, "30", "-30", {{119, 0xE2}}},
                {"Delta Kanal 2 %", {{120, 0x28}}, "40", "100", {{120, 0x64}}},
                {"Flaperon Limit", {{118, 0x89}}, "100", "0", {{118, 0x79}}},
                {"Flaperon Limit Neg", {{96, 0x80}}, "1", "0", {{96, 0x00}}},
                {"Flaperon Offset", {{117, 0x83}}, "-125", "125", {{117, 0x7D}}},
                {"Flaperon L%", {{133, 0x18}}, "24", "-24", {{133, 0xE8}}},
                {"Flaperon R%", {{134, 0x18}}, "24", "100", {{134, 0x64}}},
                {"WO-H Ein", {{110, 0xFF}}, "0", "1", {{110, 0xEF}}},
                {"WO-H %", {{115, 0x28}}, "40", "-100", {{115, 0x9C}}},
                {"WO-H Offset %", {{117, 0x00}}, "0", "-125", {{117, 0x83}}},
                {"WO-H Neg", {{96, 0x7F}}, "0", "1", {{96, 0xFF}}},
                {"QU-S Ein", {{110, 0xFE}}, "1", "0", {{110, 0xFF}}},
                {"QU-S %", {{114, 0x28}}, "40", "-40", {{114, 0xD8}}},
                {"QU-H Ein", {{110, 0xFF}}, "0", "1", {{110, 0xFB}}},
                {"QU-H %", {{135, 0xFF}}, "-1", "100", {{135, 0x64}}},
                {"SE-H Ein", {{110, 0xFF}}, "0", "1", {{110, 0xF7}}},
                {"SE-H %", {{136, 0x00}}, "0", "-100", {{136, 0x9C}}},
                {"Landeklappen Ein", {{110, 0xFF}}, "0", "1", {{110, 0xBF}}},
                {"Landeklappen 1 Quer L%", {{121, 0x28}}, "40", "1", {{121, 0x01}}},
                {"Landeklappen 6 Quer R%", {{122, 0x28}}, "40", "-40", {{122, 0xD8}}},
                {"Landeklappen 2 Höhe %", {{123, 0x10}}, "16", "0", {{123, 0x00}}},
                {"Snap Roll Ein", {{110, 0xFF}}, "0", "1", {{110, 0x7F}}},
                {"Snap Roll 1 Quer %", {{124, 0x38}}, "56", "0", {{124, 0x00}}},
                {"Snap Roll 2 Höhe %", {{125, 0x38}}, "56", "-56", {{125, 0xC8}}},
                {"Snap Roll 3 Seite %", {{126, 0x38}}, "56", "100", {{126, 0x64}}}})));

INSTANTIATE_TEST_SUITE_P(
    Segler, Fx18FieldTest,
    testing::ValuesIn(
        OnPage({{kProgram, kSeglerCode}},
               {{"FLAE Master", {{95, 0x30}}, "Kan.3", "Kan.5", {{95, 0x10}}},
                {"BUTT Master", {{95, 0x30}}, "Kan.3", "Kan.5", {{95, 0x20}}},
                {"FLAE Ein", {{111, 0x3E}}, "0", "1", {{111, 0x3C}}},
                {"TRM 1 Ein", {{111, 0x3E}}, "1", "0", {{111, 0x7E}}},
                {"TRM 2 Ein", {{111, 0x3E}}, "1", "0", {{111, 0xBE}}},
                {"FLTR Ein", {{111, 0x3E}}, "0", "1", {{111, 0x36}}},
                {"V-Leitwerk Ein", {{111, 0x3E}}, "0", "1", {{111, 0x2E}}},
                {"Flaperon Kanal", {{111, 0x3E}, {110, 0xFF}}, "Kan.7", "Kan.5", {{111, 0x3F}}},
                {"BU-H Ein", {{110, 0xFF}}, "0", "1", {{110, 0xDF}}},
                {"BUTT Ein", {{110, 0xBF}}, "1", "0", {{110, 0xFF}}},
                {"BUTT 1 Quer %", {{121, 0x28}}, "40", "-100", {{121, 0x9C}}},
                {"BUTT 5 Landekl. %", {{122, 0x28}}, "40", "0", {{122, 0x00}}},
                {"BUTT Offset", {{123, 0x0A}}, "10", "-125", {{123, 0x83}}},
                {"BU-H %", {{124, 0x10}}, "16", "-16", {{124, 0xF0}}},
                {"V-Leitwerk Kanal 4 %", {{120, 0x28}}, "40", "-40", {{120, 0xD8}}},
                {"TRM 1 K1 %", {{127, 0x00}}, "0", "50", {{127, 0x32}}},
                {"TRM 1 K5 %", {{129, 0x00}}, "0", "-50", {{129, 0xCE}}},
                {"TRM 2 K2 %", {{131, 0x00}}, "0", "100", {{131, 0x64}}},
                {"TRM 2 K5 %", {{132, 0x00}}, "0", "-100", {{132, 0x9C}}},
                {"Flaperon Mischer", {{116, 0x28}}, "40", "7", {{116, 0x07}}},
                {"WO-H Limit %", {{118, 0x8A}}, "100", "25", {{118, 0x3D}}}})));

INSTANTIATE_TEST_SUITE_P(
    Heli, Fx18FieldTest,
    testing::ValuesIn(OnPage({{kProgram, kHeliCode}},
                             {{"Normal Gas 1", {{113, 0x9C}}, "-100", "-90", {{113, 0xA6}}},
                              {"Normal Gas 2", {{146, 0xCE}}, "-50", "50", {{146, 0x32}}},
                              {"Normal Gas 3", {{114, 0x00}}, "0", "10", {{114, 0x0A}}},
                              {"Normal Gas 4", {{147, 0x32}}, "50", "60", {{147, 0x3C}}},
                              {"Normal Gas 5", {{115, 0x64}}, "100", "90", {{115, 0x5A}}},
                              {"Normal Pitch 1", {{124, 0x9C}}, "-100", "0", {{124, 0x00}}},
                              {"Normal Pitch 2", {{152, 0x00}}, "0", "-20", {{152, 0xEC}}},
                              {"Normal Pitch 4", {{153, 0x32}}, "50", "-50", {{153, 0xCE}}},
                              {"GV1 Gas 2", {{148, 0x00}}, "0", "20", {{148, 0x14}}},
                              {"GV1 Gas 5", {{118, 0x64}}, "100", "0", {{118, 0x00}}},
                              {"GV1 Pitch 1", {{127, 0x9C}}, "-100", "100", {{127, 0x64}}},
                              {"GV1 Pitch 4", {{155, 0x00}}, "0", "40", {{155, 0x28}}},
                              {"GV2 Gas 1", {{119, 0x9C}}, "-100", "-99", {{119, 0x9D}}},
                              {"GV2 Gas 4", {{151, 0x00}}, "0", "30", {{151, 0x1E}}},
                              {"GV2 Pitch 3", {{131, 0x00}}, "0", "5", {{131, 0x05}}},
                              {"GV2 Pitch 4", {{157, 0x00}}, "0", "-5", {{157, 0xFB}}},
                              {"GV2 Pitch 5", {{132, 0x64}}, "100", "95", {{132, 0x5F}}},
                              {"GV1 Verzögerung %", {{123, 0x64}}, "100", "0", {{123, 0x00}}},
                              {"GV1 Ein", {{110, 0x4F}}, "1", "0", {{110, 0x5F}}},
                              {"GV2 Ein", {{110, 0x4F}}, "1", "0", {{110, 0x6F}}},
                              {"Autorotation Ein", {{110, 0x4F}}, "1", "0", {{110, 0xCF}}},
                              {"Autorotation Gas", {{122, 0xB5}}, "-75", "-100", {{122, 0x9C}}},
                              {"Autorotation Pitch L", {{133, 0x9C}}, "-100", "-80", {{133, 0xB0}}},
                              {"Autorotation Pitch H", {{134, 0x64}}, "100", "80", {{134, 0x50}}},
                              {"REVO Ein", {{111, 0xFC}}, "1", "0", {{111, 0xFD}}},
                              {"REVO Hub %", {{135, 0xCE}}, "-50", "50", {{135, 0x32}}},
                              {"Kreisel Ein", {{111, 0xFC}}, "1", "0", {{111, 0xFE}}},
                              {"Kreisel 1", {{136, 0x00}}, "0", "100", {{136, 0x64}}},
                              {"Kreisel 4", {{139, 0x00}}, "0", "-100", {{139, 0x9C}}},
                              {"Taumelscheibe Roll", {{140, 0x28}}, "40", "100", {{140, 0x64}}},
                              {"Taumelscheibe Nick", {{141, 0x1E}}, "30", "-30", {{141, 0xE2}}},
                              {"Taumelscheibe Pitch", {{142, 0x14}}, "20", "0", {{142, 0x00}}},
                              {"GV2 Trimm Roll", {{143, 0x83}}, "-125", "125", {{143, 0x7D}}},
                              {"GV2 Trimm Nick", {{144, 0x00}}, "0", "-1", {{144, 0xFF}}},
                              {"GV2 Trimm Heck", {{145, 0x7D}}, "125", "0", {{145, 0x00}}}})));

// The limit code of byte 118: 100 % is stored as -119 (0x89), 0 % as 121 (0x79).
TEST_F(Fx18MixingFixture, TheLimitCode) {
    Put({{kProgram, kMotorflugCode}});
    const struct {
        const char* entry;
        Byte stored;
    } entered[] = {{"100", 0x89}, {"0", 0x79}, {"50", 0x01}, {"25", 0x3D},
                   {"75", 0xC5},  {"1", 0x76}, {"99", 0x8B}};
    for (const auto& e : entered) {
        Put({{118, 0x40}});
        ASSERT_TRUE(Enter("WO-H Limit %", e.entry).ok()) << e.entry;
        EXPECT_EQ(Slot()[118], e.stored) << e.entry;
        EXPECT_EQ(Shown("Flaperon Limit"), e.entry);
    }
    const struct {
        Byte stored;
        const char* shown;
    } stored[] = {{0x8A, "100"}, {0x80, "103"}, {0x7F, "-2"},
                  {0x00, "50"},  {0x89, "100"}, {0x79, "0"}};
    for (const auto& s : stored) {
        Put({{118, s.stored}});
        EXPECT_EQ(Shown("WO-H Limit %"), s.shown) << int{s.stored};
    }
}

// Values the mixing pages refuse with the field exchange's prompt; nothing is written.
RefusedEntry Mixing(Byte program, std::string key, std::string entry, std::string prompt) {
    return {std::move(key), std::move(entry), -1, std::move(prompt), 0, 0, {{kProgram, program}}};
}

TEST_F(Fx18MixingFixture, RefusalsOfTheMixingPages) {
    const RefusedEntry refused[] = {
        Mixing(kMotorflugCode, "Flaperon Limit", "-1", Between(0, 100)),
        Mixing(kMotorflugCode, "Flaperon Limit", "125", Between(0, 100)),
        Mixing(kSeglerCode, "WO-H Limit %", "101", Between(0, 100)),
        Mixing(kMotorflugCode, "Flaperon Mischer", "101", Between(0, 100)),
        Mixing(kMotorflugCode, "Delta Differenz. %", "-5",
               "Geben Sie bitte eine positive ganze Zahl ein."),
        Mixing(kMotorflugCode, "Flaperon Offset", "126", Between(-125, 125)),
        Mixing(kSeglerCode, "BUTT Offset", "-126", Between(-125, 125)),
        Mixing(kSeglerCode, "TRM 2 K1 %", "101", Between(-100, 100)),
        Mixing(kHeliCode, "GV1 Verzögerung %", "101", Between(0, 100)),
        Mixing(kHeliCode, "Normal Pitch 5", "-101", Between(-100, 100)),
        Mixing(kHeliCode, "GV2 Trimm Nick", "126", Between(-125, 125)),
    };
    for (const RefusedEntry& r : refused) {
        ExpectRefused(r);
    }
}

// One byte, two controls: what one group writes, the other shows.
TEST_F(Fx18MixingFixture, SharedBytesShowInBothGroups) {
    Put({{kProgram, kMotorflugCode}});
    ASSERT_TRUE(Enter("Delta Kanal 1 %", "30").ok());
    EXPECT_EQ(Shown("V-Leitwerk Kanal 2 %"), "30");
    ASSERT_TRUE(Enter("V-Leitwerk Kanal 4 %", "-20").ok());
    EXPECT_EQ(Shown("Delta Kanal 2 %"), "-20");
    ASSERT_TRUE(Enter("Flaperon Mischer", "70").ok());
    EXPECT_EQ(Shown("Delta Differenz. %"), "70");
    ASSERT_TRUE(Enter("WO-H Offset %", "-15").ok());
    EXPECT_EQ(Shown("Flaperon Offset"), "-15");
    ASSERT_TRUE(Enter("WO-H Neg", "1").ok());
    EXPECT_EQ(Shown("Flaperon Limit Neg"), "1");
    Put({{kProgram, kSeglerCode}});
    ASSERT_TRUE(Enter("BUTT Offset", "12").ok());
    EXPECT_EQ(Shown("BU-H Offset"), "12");
    // the exponential of function 3 is the first point of the normal throttle curve
    Put({{kProgram, kHeliCode}});
    ASSERT_TRUE(Enter("Normal Gas 1", "-60").ok());
    EXPECT_EQ(Shown("Expo Aus 3"), "-60");
}

// Warnings after a commit: the values stay written; the Segler's channel 5 is given to one
// mixer only.
struct WarnedEntry {
    Byte program;
    RecordBytes stored;
    std::string key;
    std::string entry;
    int warning;  // 0: none
    RecordBytes written;
};

std::ostream& operator<<(std::ostream& out, const WarnedEntry& w) {
    return out << w.key << " = " << w.entry;
}

class Fx18WarningTest : public Fx18MixingFixture,
                        public testing::WithParamInterface<WarnedEntry> {};

TEST_P(Fx18WarningTest, WarnsAfterTheCommit) {
    const WarnedEntry& w = GetParam();
    Put({{kProgram, w.program}});
    Put(w.stored);
    std::vector<Byte> expected = SlotBytes();
    for (const auto& [offset, value] : w.written) {
        expected[static_cast<std::size_t>(offset)] = value;
    }
    ASSERT_TRUE(Enter(w.key, w.entry).ok());
    EXPECT_EQ(SlotBytes(), expected);
    if (w.warning == 0) {
        EXPECT_TRUE(warnings.empty());
    } else {
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_EQ(warnings[0].text, w.warning);
        EXPECT_EQ(warnings[0].subject, w.key);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Warnings, Fx18WarningTest,
    testing::Values(
        WarnedEntry{kMotorflugCode, {{111, 0x04}}, "Flügel", "Delta", 233, {{111, 0x02}}},
        WarnedEntry{kMotorflugCode, {{111, 0x12}}, "V-Leitwerk Ein", "1", 233, {{111, 0x02}}},
        WarnedEntry{
            kMotorflugCode, {{111, 0x02}, {118, 0x79}}, "Flaperon Limit", "50", 233, {{118, 0x01}}},
        WarnedEntry{kMotorflugCode, {{111, 0x12}}, "Flaperon Kanal", "Kan.6", 0, {{111, 0x13}}},
        WarnedEntry{kMotorflugCode, {{111, 0x02}}, "Delta Kanal 1 %", "30", 0, {{119, 30}}},
        WarnedEntry{kMotorflugCode, {{111, 0x02}}, "V-Leitwerk Ein", "0", 0, {{111, 0x12}}},
        WarnedEntry{kSeglerCode,
                    {{110, 0xBF}, {111, 0x00}},
                    "Flaperon Kanal",
                    "Kan.5",
                    234,
                    {{110, 0xFF}, {111, 0x01}}},
        WarnedEntry{kSeglerCode,
                    {{110, 0xFF}, {111, 0x01}},
                    "BUTT Ein",
                    "1",
                    235,
                    {{110, 0xBF}, {111, 0x00}}},
        WarnedEntry{kSeglerCode,
                    {{110, 0xBF}, {111, 0x01}},
                    "BUTT Offset",
                    "10",
                    235,
                    {{111, 0x00}, {123, 10}}},
        WarnedEntry{kSeglerCode, {{110, 0xBF}, {111, 0x02}}, "FLAE Ein", "1", 0, {{111, 0x00}}},
        WarnedEntry{kSeglerCode, {{110, 0xFF}, {111, 0x00}}, "BUTT Ein", "1", 0, {{110, 0xBF}}},
        WarnedEntry{kSeglerCode, {{110, 0xBF}, {111, 0x01}}, "QU-S %", "5", 0, {{114, 5}}}));

}  // namespace
