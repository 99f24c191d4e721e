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
    testing::Values(
        ListedField{
            "Flügel", {{109, kMotorflugCode}, {111, 0xF9}}, "Code 0", "Flaperon", {{111, 0xFD}}},
        ListedField{"Flügel", {{109, kMotorflugCode}, {111, 0x1F}}, "Aus", "Delta", {{111, 0x1B}}},
        ListedField{"Flaperon Kanal",
                    {{109, kMotorflugCode}, {111, 0x1F}},
                    "Kan.6",
                    "Kan.7",
                    {{111, 0x1E}}},
        ListedField{"FLTR Ein", {{109, kMotorflugCode}, {111, 0x1F}}, "0", "1", {{111, 0x17}}},
        ListedField{
            "V-Leitwerk Ein", {{109, kMotorflugCode}, {111, 0x1F}}, "0", "1", {{111, 0x0F}}},
        ListedField{
            "Flaperon Mischer", {{109, kMotorflugCode}, {116, 0xA8}}, "40", "100", {{116, 0xE4}}},
        ListedField{
            "Flaperon Mischer Neg", {{109, kMotorflugCode}, {116, 0xA8}}, "1", "0", {{116, 0x28}}},
        ListedField{
            "Delta Differenz. %", {{109, kMotorflugCode}, {116, 0x28}}, "40", "0", {{116, 0x00}}},
        ListedField{"Delta Neg", {{109, kMotorflugCode}, {116, 0x28}}, "0", "1", {{116, 0xA8}}},
        ListedField{
            "Delta Kanal 1 %", {{109, kMotorflugCode}, {119, 0x1E}}, "30", "-30", {{119, 0xE2}}},
        ListedField{
            "Delta Kanal 2 %", {{109, kMotorflugCode}, {120, 0x28}}, "40", "100", {{120, 0x64}}},
        ListedField{
            "Flaperon Limit", {{109, kMotorflugCode}, {118, 0x89}}, "100", "0", {{118, 0x79}}},
        ListedField{
            "Flaperon Limit Neg", {{109, kMotorflugCode}, {96, 0x80}}, "1", "0", {{96, 0x00}}},
        ListedField{
            "Flaperon Offset", {{109, kMotorflugCode}, {117, 0x83}}, "-125", "125", {{117, 0x7D}}},
        ListedField{
            "Flaperon L%", {{109, kMotorflugCode}, {133, 0x18}}, "24", "-24", {{133, 0xE8}}},
        ListedField{
            "Flaperon R%", {{109, kMotorflugCode}, {134, 0x18}}, "24", "100", {{134, 0x64}}},
        ListedField{"WO-H Ein", {{109, kMotorflugCode}, {110, 0xFF}}, "0", "1", {{110, 0xEF}}},
        ListedField{"WO-H %", {{109, kMotorflugCode}, {115, 0x28}}, "40", "-100", {{115, 0x9C}}},
        ListedField{
            "WO-H Offset %", {{109, kMotorflugCode}, {117, 0x00}}, "0", "-125", {{117, 0x83}}},
        ListedField{"WO-H Neg", {{109, kMotorflugCode}, {96, 0x7F}}, "0", "1", {{96, 0xFF}}},
        ListedField{"QU-S Ein", {{109, kMotorflugCode}, {110, 0xFE}}, "1", "0", {{110, 0xFF}}},
        ListedField{"QU-S %", {{109, kMotorflugCode}, {114, 0x28}}, "40", "-40", {{114, 0xD8}}},
        ListedField{"QU-H Ein", {{109, kMotorflugCode}, {110, 0xFF}}, "0", "1", {{110, 0xFB}}},
        ListedField{"QU-H %", {{109, kMotorflugCode}, {135, 0xFF}}, "-1", "100", {{135, 0x64}}},
        ListedField{"SE-H Ein", {{109, kMotorflugCode}, {110, 0xFF}}, "0", "1", {{110, 0xF7}}},
        ListedField{"SE-H %", {{109, kMotorflugCode}, {136, 0x00}}, "0", "-100", {{136, 0x9C}}},
        ListedField{
            "Landeklappen Ein", {{109, kMotorflugCode}, {110, 0xFF}}, "0", "1", {{110, 0xBF}}},
        ListedField{"Landeklappen 1 Quer L%",
                    {{109, kMotorflugCode}, {121, 0x28}},
                    "40",
                    "1",
                    {{121, 0x01}}},
        ListedField{"Landeklappen 6 Quer R%",
                    {{109, kMotorflugCode}, {122, 0x28}},
                    "40",
                    "-40",
                    {{122, 0xD8}}},
        ListedField{"Landeklappen 2 Höhe %",
                    {{109, kMotorflugCode}, {123, 0x10}},
                    "16",
                    "0",
                    {{123, 0x00}}},
        ListedField{"Snap Roll Ein", {{109, kMotorflugCode}, {110, 0xFF}}, "0", "1", {{110, 0x7F}}},
        ListedField{
            "Snap Roll 1 Quer %", {{109, kMotorflugCode}, {124, 0x38}}, "56", "0", {{124, 0x00}}},
        ListedField{
            "Snap Roll 2 Höhe %", {{109, kMotorflugCode}, {125, 0x38}}, "56", "-56", {{125, 0xC8}}},
        ListedField{"Snap Roll 3 Seite %",
                    {{109, kMotorflugCode}, {126, 0x38}},
                    "56",
                    "100",
                    {{126, 0x64}}}));

INSTANTIATE_TEST_SUITE_P(
    Segler, Fx18FieldTest,
    testing::Values(
        ListedField{
            "FLAE Master", {{109, kSeglerCode}, {95, 0x30}}, "Kan.3", "Kan.5", {{95, 0x10}}},
        ListedField{
            "BUTT Master", {{109, kSeglerCode}, {95, 0x30}}, "Kan.3", "Kan.5", {{95, 0x20}}},
        ListedField{"FLAE Ein", {{109, kSeglerCode}, {111, 0x3E}}, "0", "1", {{111, 0x3C}}},
        ListedField{"TRM 1 Ein", {{109, kSeglerCode}, {111, 0x3E}}, "1", "0", {{111, 0x7E}}},
        ListedField{"TRM 2 Ein", {{109, kSeglerCode}, {111, 0x3E}}, "1", "0", {{111, 0xBE}}},
        ListedField{"FLTR Ein", {{109, kSeglerCode}, {111, 0x3E}}, "0", "1", {{111, 0x36}}},
        ListedField{"V-Leitwerk Ein", {{109, kSeglerCode}, {111, 0x3E}}, "0", "1", {{111, 0x2E}}},
        ListedField{"Flaperon Kanal",
                    {{109, kSeglerCode}, {111, 0x3E}, {110, 0xFF}},
                    "Kan.7",
                    "Kan.5",
                    {{111, 0x3F}}},
        ListedField{"BU-H Ein", {{109, kSeglerCode}, {110, 0xFF}}, "0", "1", {{110, 0xDF}}},
        ListedField{"BUTT Ein", {{109, kSeglerCode}, {110, 0xBF}}, "1", "0", {{110, 0xFF}}},
        ListedField{
            "BUTT 1 Quer %", {{109, kSeglerCode}, {121, 0x28}}, "40", "-100", {{121, 0x9C}}},
        ListedField{
            "BUTT 5 Landekl. %", {{109, kSeglerCode}, {122, 0x28}}, "40", "0", {{122, 0x00}}},
        ListedField{"BUTT Offset", {{109, kSeglerCode}, {123, 0x0A}}, "10", "-125", {{123, 0x83}}},
        ListedField{"BU-H %", {{109, kSeglerCode}, {124, 0x10}}, "16", "-16", {{124, 0xF0}}},
        ListedField{
            "V-Leitwerk Kanal 4 %", {{109, kSeglerCode}, {120, 0x28}}, "40", "-40", {{120, 0xD8}}},
        ListedField{"TRM 1 K1 %", {{109, kSeglerCode}, {127, 0x00}}, "0", "50", {{127, 0x32}}},
        ListedField{"TRM 1 K5 %", {{109, kSeglerCode}, {129, 0x00}}, "0", "-50", {{129, 0xCE}}},
        ListedField{"TRM 2 K2 %", {{109, kSeglerCode}, {131, 0x00}}, "0", "100", {{131, 0x64}}},
        ListedField{"TRM 2 K5 %", {{109, kSeglerCode}, {132, 0x00}}, "0", "-100", {{132, 0x9C}}},
        ListedField{
            "Flaperon Mischer", {{109, kSeglerCode}, {116, 0x28}}, "40", "7", {{116, 0x07}}},
        ListedField{
            "WO-H Limit %", {{109, kSeglerCode}, {118, 0x8A}}, "100", "25", {{118, 0x3D}}}));

INSTANTIATE_TEST_SUITE_P(
    Heli, Fx18FieldTest,
    testing::Values(
        ListedField{"Normal Gas 1", {{109, kHeliCode}, {113, 0x9C}}, "-100", "-90", {{113, 0xA6}}},
        ListedField{"Normal Gas 2", {{109, kHeliCode}, {146, 0xCE}}, "-50", "50", {{146, 0x32}}},
        ListedField{"Normal Gas 3", {{109, kHeliCode}, {114, 0x00}}, "0", "10", {{114, 0x0A}}},
        ListedField{"Normal Gas 4", {{109, kHeliCode}, {147, 0x32}}, "50", "60", {{147, 0x3C}}},
        ListedField{"Normal Gas 5", {{109, kHeliCode}, {115, 0x64}}, "100", "90", {{115, 0x5A}}},
        ListedField{"Normal Pitch 1", {{109, kHeliCode}, {124, 0x9C}}, "-100", "0", {{124, 0x00}}},
        ListedField{"Normal Pitch 2", {{109, kHeliCode}, {152, 0x00}}, "0", "-20", {{152, 0xEC}}},
        ListedField{"Normal Pitch 4", {{109, kHeliCode}, {153, 0x32}}, "50", "-50", {{153, 0xCE}}},
        ListedField{"GV1 Gas 2", {{109, kHeliCode}, {148, 0x00}}, "0", "20", {{148, 0x14}}},
        ListedField{"GV1 Gas 5", {{109, kHeliCode}, {118, 0x64}}, "100", "0", {{118, 0x00}}},
        ListedField{"GV1 Pitch 1", {{109, kHeliCode}, {127, 0x9C}}, "-100", "100", {{127, 0x64}}},
        ListedField{"GV1 Pitch 4", {{109, kHeliCode}, {155, 0x00}}, "0", "40", {{155, 0x28}}},
        ListedField{"GV2 Gas 1", {{109, kHeliCode}, {119, 0x9C}}, "-100", "-99", {{119, 0x9D}}},
        ListedField{"GV2 Gas 4", {{109, kHeliCode}, {151, 0x00}}, "0", "30", {{151, 0x1E}}},
        ListedField{"GV2 Pitch 3", {{109, kHeliCode}, {131, 0x00}}, "0", "5", {{131, 0x05}}},
        ListedField{"GV2 Pitch 4", {{109, kHeliCode}, {157, 0x00}}, "0", "-5", {{157, 0xFB}}},
        ListedField{"GV2 Pitch 5", {{109, kHeliCode}, {132, 0x64}}, "100", "95", {{132, 0x5F}}},
        ListedField{
            "GV1 Verzögerung %", {{109, kHeliCode}, {123, 0x64}}, "100", "0", {{123, 0x00}}},
        ListedField{"GV1 Ein", {{109, kHeliCode}, {110, 0x4F}}, "1", "0", {{110, 0x5F}}},
        ListedField{"GV2 Ein", {{109, kHeliCode}, {110, 0x4F}}, "1", "0", {{110, 0x6F}}},
        ListedField{"Autorotation Ein", {{109, kHeliCode}, {110, 0x4F}}, "1", "0", {{110, 0xCF}}},
        ListedField{
            "Autorotation Gas", {{109, kHeliCode}, {122, 0xB5}}, "-75", "-100", {{122, 0x9C}}},
        ListedField{
            "Autorotation Pitch L", {{109, kHeliCode}, {133, 0x9C}}, "-100", "-80", {{133, 0xB0}}},
        ListedField{
            "Autorotation Pitch H", {{109, kHeliCode}, {134, 0x64}}, "100", "80", {{134, 0x50}}},
        ListedField{"REVO Ein", {{109, kHeliCode}, {111, 0xFC}}, "1", "0", {{111, 0xFD}}},
        ListedField{"REVO Hub %", {{109, kHeliCode}, {135, 0xCE}}, "-50", "50", {{135, 0x32}}},
        ListedField{"Kreisel Ein", {{109, kHeliCode}, {111, 0xFC}}, "1", "0", {{111, 0xFE}}},
        ListedField{"Kreisel 1", {{109, kHeliCode}, {136, 0x00}}, "0", "100", {{136, 0x64}}},
        ListedField{"Kreisel 4", {{109, kHeliCode}, {139, 0x00}}, "0", "-100", {{139, 0x9C}}},
        ListedField{
            "Taumelscheibe Roll", {{109, kHeliCode}, {140, 0x28}}, "40", "100", {{140, 0x64}}},
        ListedField{
            "Taumelscheibe Nick", {{109, kHeliCode}, {141, 0x1E}}, "30", "-30", {{141, 0xE2}}},
        ListedField{
            "Taumelscheibe Pitch", {{109, kHeliCode}, {142, 0x14}}, "20", "0", {{142, 0x00}}},
        ListedField{
            "GV2 Trimm Roll", {{109, kHeliCode}, {143, 0x83}}, "-125", "125", {{143, 0x7D}}},
        ListedField{"GV2 Trimm Nick", {{109, kHeliCode}, {144, 0x00}}, "0", "-1", {{144, 0xFF}}},
        ListedField{"GV2 Trimm Heck", {{109, kHeliCode}, {145, 0x7D}}, "125", "0", {{145, 0x00}}}));

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
TEST_F(Fx18MixingFixture, RefusalsOfTheMixingPages) {
    const RefusedEntry refused[] = {
        RefusedEntry{"Flaperon Limit",
                     "-1",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen 0 und 100 ein.",
                     0,
                     0,
                     {{109, kMotorflugCode}}},
        RefusedEntry{"Flaperon Limit",
                     "125",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen 0 und 100 ein.",
                     0,
                     0,
                     {{109, kMotorflugCode}}},
        RefusedEntry{"WO-H Limit %",
                     "101",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen 0 und 100 ein.",
                     0,
                     0,
                     {{109, kSeglerCode}}},
        RefusedEntry{"Flaperon Mischer",
                     "101",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen 0 und 100 ein.",
                     0,
                     0,
                     {{109, kMotorflugCode}}},
        RefusedEntry{"Delta Differenz. %",
                     "-5",
                     -1,
                     "Geben Sie bitte eine positive ganze Zahl ein.",
                     0,
                     0,
                     {{109, kMotorflugCode}}},
        RefusedEntry{"Flaperon Offset",
                     "126",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen -125 und 125 ein.",
                     0,
                     0,
                     {{109, kMotorflugCode}}},
        RefusedEntry{"BUTT Offset",
                     "-126",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen -125 und 125 ein.",
                     0,
                     0,
                     {{109, kSeglerCode}}},
        RefusedEntry{"TRM 2 K1 %",
                     "101",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen -100 und 100 ein.",
                     0,
                     0,
                     {{109, kSeglerCode}}},
        RefusedEntry{"GV1 Verzögerung %",
                     "101",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen 0 und 100 ein.",
                     0,
                     0,
                     {{109, kHeliCode}}},
        RefusedEntry{"Normal Pitch 5",
                     "-101",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen -100 und 100 ein.",
                     0,
                     0,
                     {{109, kHeliCode}}},
        RefusedEntry{"GV2 Trimm Nick",
                     "126",
                     -1,
                     "Geben Sie bitte eine ganze Zahl zwischen -125 und 125 ein.",
                     0,
                     0,
                     {{109, kHeliCode}}},
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
