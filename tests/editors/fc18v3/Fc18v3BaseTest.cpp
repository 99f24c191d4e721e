#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "Fc18v3DataSet.h"
#include "RecordVectors.h"
#include "editors/GroupCommit.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"
#include "editors/codecs/FieldCodec.h"
#include "editors/fc18v3/Fc18v3Pages.h"

namespace {

using Bytes = RecordBytes;

struct Fc18v3Fixture : testing::Test, RecordEditing {
    Fc18v3Fixture() : RecordEditing(Fc18v3DataSet(), fc18v3::Family(), kFc18v3RecordSize) {}
};

class Fc18v3FieldTest : public Fc18v3Fixture, public testing::WithParamInterface<ListedField> {};

TEST_P(Fc18v3FieldTest, ShowsAndWritesItsBytes) {
    ExpectListed(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    BasePage, Fc18v3FieldTest,
    testing::ValuesIn(Rows{
        Listed("Name", {{0, 'M'}, {7, '9'}}, "MODEL-09", "ab",
               {{0, 'a'}, {1, 'b'}, {2, ' '}, {3, ' '}, {4, ' '}, {5, ' '}, {6, ' '}, {7, ' '}}),
        {"Modulation", {{8, 0x83}}, "PPM", "PCM", {{8, 0x03}}},
        {"Leerlauftrimmung", {{8, 0x02}}, "Aus", "Aktiv", {{8, 0x00}}},
        {"Leerlauftrimmung Richtung", {{8, 0x80}}, "Normal", "Reverse", {{8, 0x81}}},
        {"Uhr 1", {{100, 3}, {99, 7}}, "03:07", "12:30", {{100, 12}, {99, 30}}},
        {"Uhr 1 Schalter", {{101, 0xFA}}, "-B", "Aus", {{101, 0xFF}}},
        {"Uhr 1 Schalter", {{101, 0x1F}}, "Aus", "+D", {{101, 0x0C}}},
        {"Uhr 1 Richtung", {{101, 0x9F}}, "Abwärts", "Aufwärts", {{101, 0x1F}}},
        {"Uhr 1 Modus", {{101, 0x1F}}, "Separat", "Kombi", {{101, 0x5F}}},
        {"Uhr 2", {{103, 59}, {102, 0}}, "59:00", ":30", {{103, 0}, {102, 30}}},
        {"MultiProp 1", {{78, 0x25}}, "Aus", "K. 8", {{78, 0x23}}},
        {"MultiProp 2", {{78, 0xA4}}, "K. 7", "Aus", {{78, 0xC4}}},
        {"Mischer 1 Ein", {{68, 0x1F}}, "1", "0", {{68, 0x9F}}},
        {"Mischer 1 Mit Trimmung", {{68, 0x5F}}, "0", "1", {{68, 0x1F}}},
        {"Mischer 1 Steuer Funkt.", {{69, 0x31}}, "4", "NTP", {{69, 0x81}}},
        {"Mischer 1 auf", {{69, 0x31}}, "2", "8", {{69, 0x37}}},
        {"Mischer 1 Schalter", {{68, 0xDF}}, "**", "-3", {{68, 0xD2}}},
        {"Mischer 1 L", {{71, 0xEC}}, "-20", "100", {{71, 0x64}}},
        {"Mischer 1 H", {{70, 0x14}}, "20", "-100", {{70, 0x9C}}},
        {"Mischer 1 Kurve 3", {{68, 0x20}, {107, 50}}, "50", "75", {{107, 75}}},
        {"Mischer 2 Schalter", {{73, 0x08}}, "**", "+8", {{73, 0x07}}},
        {"Mischer 2 auf", {{74, 0x0F}}, "Code 15", "1", {{74, 0x00}}},
        {"Trimmspeicher 2", {{92, 0x81}}, "-127", "127", {{92, 0x7F}}},
        {"Trimmrate 4", {{90, 110}}, "110", "0", {{90, 0}}},
        {"Mixtrimm 3", {{115, 4}, {116, 0xFF}}, "0", "1", {{116, 0xFB}}},
        {"Steuerfunktion 6", {{84, 7}}, "8", "1", {{84, 0}}},
        {"Umpolung 8", {{10, 0x01}}, "0", "1", {{10, 0x81}}},
        {"Servoweg L3", {{25, 10}}, "10", "110", {{25, 110}}},
        {"Servoweg R3", {{24, 100}}, "100", "55", {{24, 55}}},
        {"Geberweg H4", {{42, 100}}, "100", "10", {{42, 10}}},
        {"Geberweg L8", {{51, 100}}, "100", "99", {{51, 99}}},
        {"Fail Save 2", {{11, 0x00}}, "0", "1", {{11, 0x02}}},
        {"Fail Save Position 8", {{19, 0x81}}, "-127", "0", {{19, 0x00}}},
        {"Kanalschalter Kanal", {{95, 0x82}}, "Kanal -3", "Kanal +8", {{95, 0x07}}},
        {"Kanalschalter", {{96, 0xCE}}, "-50", "100", {{96, 0x64}}},
        {"D/R Quer Schalter", {{52, 255}}, "Aus", "Schalter 9", {{52, 8}}},
        {"D/R Quer Aus L", {{37, 100}}, "100", "5", {{37, 5}}},
        {"D/R Höhe Ein L", {{59, 0}}, "0", "110", {{59, 110}}},
        {"D/R Seite Aus H", {{42, 100}}, "100", "0", {{42, 0}}},
        {"D/R Seite Ein H", {{60, 100}}, "100", "1", {{60, 1}}},
        {"Expo Quer Ein", {{62, 12}}, "48", "-100", {{62, 0xE7}}},
        {"Expo Höhe Aus", {{65, 0xFB}}, "-20", "-22", {{65, 0xFA}}},
        {"Expo Seite Aus", {{67, 0}}, "0", "50", {{67, 12}}}}));

class Fc18v3RefusalTest : public Fc18v3Fixture, public testing::WithParamInterface<RefusedEntry> {};

TEST_P(Fc18v3RefusalTest, RefusesWithTheRecordsName) {
    ExpectRefused(GetParam());
    EXPECT_TRUE(editor.InputRejected(fc18v3::kBasePage));
}

const std::string kWholeEntry1 =
    "Falsche Eingabe 'Stopuhr 1/ Zeit'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt";
const std::string kWholeEntry2 =
    "Falsche Eingabe 'Stopuhr 2/ Zeit'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt";

INSTANTIATE_TEST_SUITE_P(
    BasePage, Fc18v3RefusalTest,
    testing::Values(Refused("Servoweg L1", "111", 219, "Servoweg L1", 10, 110),
                    Refused("Servoweg R8", "9", 219, "Servoweg R8", 10, 110),
                    Refused("Geberweg L1", "5", 219, "Geberweg L1", 10, 110),
                    Refused("Geberweg H2", "111", 219, "Geberweg H2", 10, 110),
                    Refused("Steuerfunktion 3", "9", 219, "Steuerfunktionen 3", 1, 8),
                    Refused("Fail Save Position 1", "-128", 219, "FailSave 1 ", -127, 127),
                    Refused("Trimmspeicher 4", "-128", 219, "Trimmspeicher 4", -127, 127),
                    Refused("Trimmrate 1", "111", 219, "Trimmrate 1", 0, 110),
                    Refused("Mischer 2 H", "-101", 219, "Mischer 2 H", -100, 100),
                    Refused("Mischer 1 L", "101", 219, "Mischer 1 L", -100, 100),
                    Refused("Kanalschalter", "101", 219, "Kanalschalter", -100, 100),
                    Refused("D/R Quer Ein L", "111", 219, "D/R Quer", 0, 110),
                    Refused("D/R Höhe Aus H", "111", 219, "D/R Höhe", 0, 110),
                    Refused("Expo Seite Ein", "101", 219, "Expo Seite", -100, 100),
                    Refused("Uhr 1", "0130", -1, kWholeEntry1),
                    Refused("Uhr 1", "12345:00", -1, kWholeEntry1),
                    Refused("Uhr 2", "60:00", -1, kWholeEntry2),
                    // the first field is written before the second is tested
                    Refused("Uhr 2", "7:60", -1, kWholeEntry2, 0, 0, {}, {}, {{103, 7}})));

// Trim memory takes -127 (its tooltip says -128) and trim rate 0 (its tooltip says 10).
TEST_F(Fc18v3Fixture, TheRangesAreTheCommitsNotTheTooltips) {
    ASSERT_TRUE(Enter("Trimmspeicher 1", "-127").ok());
    EXPECT_EQ(Slot()[91], 0x81);
    ASSERT_TRUE(Enter("Trimmrate 2", "0").ok());
    EXPECT_EQ(Slot()[88], 0);
}

// The "Aus" dual rate of aileron L% is the stick travel L1: 5 is accepted as a dual rate
// and then shown by the stick travel, which would refuse it as an entry.
TEST_F(Fc18v3Fixture, TheOffDualRateIsTheStickTravel) {
    ASSERT_TRUE(Enter("D/R Quer Aus L", "5").ok());
    EXPECT_EQ(Slot()[37], 5);
    EXPECT_EQ(Shown("Geberweg L1"), "5");
    EXPECT_FALSE(Enter("Geberweg L1", "5").ok());
}

// Groups tested in full before anything is written: one value out of range leaves every
// byte of the group as it was, even those entered before it.
TEST_F(Fc18v3Fixture, ControlFunctionsAreAllTestedFirst) {
    const PageTable& page = fc18v3::BasePage();
    GroupInput input = CurrentGroupInput(page, "21  Steuergeber", Slot());
    ASSERT_EQ(input.size(), 8u);
    input[0].second.number = 5;
    input[6].second.number = 9;
    const std::vector<Byte> before = SlotBytes();
    const Status committed = CommitGroup(page, "21  Steuergeber", input, Slot());
    ASSERT_FALSE(committed.ok());
    EXPECT_EQ(std::get<std::string>(committed.error().arguments.at(0)), "Steuerfunktionen 7");
    EXPECT_EQ(SlotBytes(), before);
}

// The dual-rate group writes its switch first and tests the rates in the order "Aus" H%,
// "Ein" H%, "Aus" L%, "Ein" L%; a refused exponential leaves the rates written.
TEST_F(Fc18v3Fixture, DualRateWritesInItsOrder) {
    const PageTable& page = fc18v3::BasePage();
    const std::string group = "15 D/R Expo Quer";
    GroupInput input = CurrentGroupInput(page, group, Slot());
    ASSERT_EQ(input.size(), 7u);
    input[0].second.number = 3;    // "Schalter 4"
    input[1].second.number = 120;  // "Aus" H%
    input[4].second.number = 50;   // "Ein" L%
    Status committed = CommitGroup(page, group, input, Slot());
    ASSERT_FALSE(committed.ok());
    EXPECT_EQ(committed.error().subject, "D/R Quer Aus H");
    EXPECT_EQ(Slot()[52], 3);
    EXPECT_EQ(Slot()[57], 100);

    input = CurrentGroupInput(page, group, Slot());
    input[4].second.number = 50;    // "Ein" L%
    input[5].second.number = -101;  // expo "Aus"
    committed = CommitGroup(page, group, input, Slot());
    ASSERT_FALSE(committed.ok());
    EXPECT_EQ(committed.error().subject, "Expo Quer Aus");
    EXPECT_EQ(Slot()[57], 50);
}

TEST_F(Fc18v3Fixture, MixerOneInCurveModeShowsItsCurveInstead) {
    Put({{70, 20}, {71, 0xEC}, {68, 0x1F}});
    EXPECT_EQ(Shown("Mischer 1 L"), "-20");
    EXPECT_EQ(Shown("Mischer 1 Kurve 1"), "(not shown)");
    ASSERT_TRUE(Enter("Mischer 1 Modus", "Kurve").ok());
    EXPECT_EQ(Slot()[68], 0x3F);
    EXPECT_EQ(Shown("Mischer 1 L"), "(not shown)");
    EXPECT_EQ(Shown("Mischer 1 H"), "(not shown)");
    EXPECT_EQ(Shown("Mischer 1 Mit Trimmung"), "(not shown)");
    EXPECT_NE(Shown("Mischer 1 Kurve 5"), "(not shown)");
    // the curve points are tested by the field exchange, with its own prompt
    EXPECT_EQ(Enter("Mischer 1 Kurve 5", "101").error().literal,
              "Geben Sie bitte eine ganze Zahl zwischen 0 und 100 ein.");
    ASSERT_TRUE(Enter("Mischer 1 Kurve 5", "100").ok());
    EXPECT_EQ(Slot()[109], 100);
    ASSERT_TRUE(Enter("Mischer 1 Modus", "Linear").ok());
    EXPECT_EQ(Shown("Mischer 1 L"), "-20");
    EXPECT_EQ(Shown("Mischer 1 H"), "20");
}

TEST_F(Fc18v3Fixture, MixTrimIsOnlyForProgramsOtherThanStandard) {
    Put({{115, 0}});
    EXPECT_EQ(Enter("Mixtrimm 1", "1").error().literal, "'Mixtrimm 1' ist gesperrt");
    Put({{115, 9}});
    EXPECT_TRUE(Enter("Mixtrimm 1", "1").ok());
}

// Bytes 115 to 179 of the programs, written out here in full.
constexpr std::array<Byte, 65> kStandard = {
    0,  255, 255, 255, 255, 0,  254, 255, 255, 100,                          // 115
    50, 50,  206, 0,   0,   0,                                               // 125
    50, 50,  50,  50,  50,  50, 50,  50,  50,                                // 131
    0,  0,   0,   0,   0,   0,                                               // 140
    50, 50,  50,  50,                                                        // 146
    0,  0,   50,                                                             // 150
    0,  0,   0,   0,   0,   0,  0,   0,   0,   0,   0,                       // 153
    50, 48,                                                                  // 164
    0,  0,   0,   0,   0,   0,  0,   0,   0,   0,   0, 0, 0, 0};             // 166 to 179
constexpr std::array<Byte, 65> kHeli1 = {9,   0,   248, 255, 255,            // 115
                                         100, 100, 0,   25,  0,   25,        // 120
                                         0,   25,  50,  75,  100,            // 126
                                         0,   25,  50,  75,  100,            // 131
                                         186,                                // 136
                                         0,   25,  50,  75,  100,            // 137
                                         0,   25,  50,  75,  100,            // 142
                                         0,   25,  50,  75,  100,            // 147
                                         100, 100, 100, 100, 0,   0,         // 152
                                         50,  50,  50,  50,  100, 100, 100,  // 158
                                         0,   0,   0,                        // 165
                                         25,  37,  50,  62,  75,             // 168
                                         25,  37,  50,  62,  75,             // 173
                                         0,   0};                            // 178

struct ProgramChange {
    int from;
    std::string to;
    const std::array<Byte, 65>* block;
};

std::ostream& operator<<(std::ostream& out, const ProgramChange& c) {
    return out << c.from << " to " << c.to;
}

class Fc18v3ProgramTest : public Fc18v3Fixture,
                          public testing::WithParamInterface<ProgramChange> {};

// A new program writes its 65 default bytes at 115 and the four "Ein" dual rates of
// aileron and elevator (56 to 59) as 100; nothing else changes.
TEST_P(Fc18v3ProgramTest, WritesTheProgramsDefaults) {
    Put({{115, static_cast<Byte>(GetParam().from)},
         {56, 20},
         {57, 30},
         {58, 40},
         {59, 50},
         {60, 60},
         {55, 7},
         {114, 9}});
    std::vector<Byte> expected = SlotBytes();
    for (int i = 0; i < 65; ++i) {
        expected[static_cast<std::size_t>(115 + i)] =
            (*GetParam().block)[static_cast<std::size_t>(i)];
    }
    for (const int offset : {56, 57, 58, 59}) {
        expected[static_cast<std::size_t>(offset)] = 100;
    }
    ASSERT_TRUE(Enter("Mischprogramm", GetParam().to).ok());
    EXPECT_EQ(SlotBytes(), expected);
    EXPECT_EQ(Shown("Mischprogramm"), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Programs, Fc18v3ProgramTest,
                         testing::Values(ProgramChange{1, "Heli 1", &kHeli1},
                                         ProgramChange{9, "Standard", &kStandard},
                                         ProgramChange{4, "Standard", &kStandard}));

// Rows 5 to 9 differ only in their code and in the swash-plate travels 162 to 164.
TEST_F(Fc18v3Fixture, TheHelicopterProgramsDifferInTheirSwashTravels) {
    const struct {
        const char* program;
        Byte code;
        Byte swash[3];
    } rows[] = {{"Heli R3", 5, {50, 50, 50}},
                {"Heli N3", 6, {50, 50, 50}},
                {"Heli 4", 7, {50, 50, 50}},
                {"Heli 2", 8, {50, 50, 100}},
                {"Heli 1", 9, {100, 100, 100}}};
    for (const auto& row : rows) {
        Put({{115, 0}});
        ASSERT_TRUE(Enter("Mischprogramm", row.program).ok());
        std::array<Byte, 65> expected = kHeli1;
        expected[0] = row.code;
        for (int i = 0; i < 3; ++i) {
            expected[static_cast<std::size_t>(162 - 115 + i)] = row.swash[i];
        }
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), Slot().begin() + 115))
            << row.program;
    }
}

// Choosing the program the model has keeps its settings.
TEST_F(Fc18v3Fixture, TheSameProgramKeepsTheSettings) {
    Put({{115, 5}, {140, 77}, {56, 20}});
    const std::vector<Byte> before = SlotBytes();
    ASSERT_TRUE(Enter("Mischprogramm", "Heli R3").ok());
    EXPECT_EQ(SlotBytes(), before);
}

}  // namespace
