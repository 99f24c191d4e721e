#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fc16DataSet.h"
#include "RecordVectors.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"
#include "editors/fc16/Fc16Pages.h"

// The FC16 record as the pages show and write it: bytes, shown values and written bytes
// transcribed by hand from the record description, refusals with their names, the name
// and stopwatch rules, and the program mixers that switch each other off.
namespace {

using Bytes = RecordBytes;

struct Fc16Fixture : testing::Test, RecordEditing {
    Fc16Fixture() : RecordEditing(Fc16DataSet(), fc16::Family(), kFc16RecordSize) {}
};

class Fc16FieldTest : public Fc16Fixture, public testing::WithParamInterface<ListedField> {};

TEST_P(Fc16FieldTest, ShowsAndWritesItsBytes) {
    ExpectListed(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    BasePage, Fc16FieldTest,
    testing::ValuesIn(Rows{
        {"Name", {}, "0003", "ab", {{32, 0xC1}, {33, 0xC2}, {34, 0xBA}, {35, 0xBA}}},
        Listed("Name", {{32, 0xC1}, {33, 0xC2}, {34, 0xBA}, {35, 0xBA}}, "AB::", "a b",
               {{33, 0xBA}, {34, 0xC2}}),
        Listed("Name", {{32, 0x41}, {33, 0x42}, {34, 0x43}, {35, 0x44}}, "ABCD", ")[",
               {{32, 0xA9}, {33, 0xDB}, {34, 0xBA}, {35, 0xBA}}),
        {"Name", {}, "0003", "@", {{32, 0xC0}, {33, 0xBA}, {34, 0xBA}, {35, 0xBA}}},
        {"Name", {}, "0003", "", {{32, 0xBA}, {33, 0xBA}, {34, 0xBA}, {35, 0xBA}}},
        {"Modulation", {{41, 0xF3}}, "PPM", "PCM", {{41, 0x73}}},
        {"DRSW", {{41, 0xF3}}, "DRSW 1", "DRSW 2", {{41, 0xF0}}},
        {"DRSW", {{41, 0x01}}, "DRSW 3", "DRSW 4", {{41, 0x02}}},
        {"Kanal 7", {{41, 0xF3}}, "0", "1", {{41, 0xE3}}},
        {"Kanal 8", {{41, 0xC3}}, "1", "0", {{41, 0xE3}}},
        {"Stopuhr Aktiv", {{41, 0xF3}}, "0", "1", {{41, 0xB3}}},
        {"StickMode", {{42, 0xD1}}, "Modus 2", "Modus 4", {{42, 0xD3}}},
        {"StickMode", {{42, 0xFF}}, "Modus 4", "Modus 1", {{42, 0xFC}}},
        {"TREV Gas v/h", {{42, 0xD1}}, "Vollgas vorn", "Vollgas hinten", {{42, 0xF1}}},
        {"Steckplatz 3", {{43, 0x00}}, "0", "1", {{43, 0x04}}},
        {"Umpolung 8", {{36, 0x01}}, "0", "1", {{36, 0x81}}},
        {"Fail Save Ein 1", {{40, 0xFF}}, "1", "0", {{40, 0xFE}}},
        {"Mischer 1 Ein", {{44, 0x81}}, "0", "1", {{44, 0x01}}},
        {"Mischer 1 Steuer Funkt.", {{44, 0x81}}, "1", "8", {{44, 0xF1}}},
        {"Mischer 1 auf", {{44, 0x89}}, "2", "3", {{44, 0x8A}}},
        {"Mischer 2 Steuer Funkt.", {{46, 0x7F}}, "8", "3", {{46, 0x2F}}},
        {"Mischer 1 %", {{45, 0x32}}, "50", "30", {{45, 0x1E}}},
        {"Mischer 1 NEG", {{45, 0x1E}}, "0", "1", {{45, 0x9E}}},
        {"Mischer 1 %", {{45, 0x9E}}, "30", "100", {{45, 0xE4}}},
        {"Mischer 2 %", {{47, 0xFF}}, "127", "0", {{47, 0x80}}},
        {"Mischer 2 NEG", {{47, 0xE4}}, "1", "0", {{47, 0x64}}},
        {"Stopuhr", {{48, 0x12}, {49, 0x05}}, "12:05", "12:05", {}},
        {"Stopuhr", {{48, 0x01}, {49, 0x00}}, "01:00", "5:7", {{48, 0x05}, {49, 0x07}}},
        {"Stopuhr", {{48, 0x59}, {49, 0x59}}, "59:59", ":30", {{48, 0x00}, {49, 0x30}}},
        {"Stopuhr", {{48, 0x00}, {49, 0x00}}, "00:00", "59:59", {{48, 0x59}, {49, 0x59}}},
        {"Stopuhr Schalter", {{50, 0x05}}, "1", "-C", {{50, 0x95}}},
        {"Stopuhr Schalter", {{50, 0x8A}}, "+C", "8", {{50, 0x7A}}},
        {"Servoweg ATV L1", {{8, 100}}, "100", "110", {{8, 110}}},
        {"Servoweg ATV R8", {{7, 100}}, "100", "10", {{7, 10}}},
        {"Servoweg ATV R1", {{0, 50}}, "50", "99", {{0, 99}}},
        {"Fail Safe 1", {{24, 0}}, "0", "-100", {{24, 0x9C}}},
        {"Fail Safe 8", {{31, 0x64}}, "100", "-1", {{31, 0xFF}}},
        {"Zus.Trimmung 1", {{16, 0xF6}}, "-10", "100", {{16, 0x64}}},
        {"Zus.Trimmung 8", {{23, 0}}, "0", "-5", {{23, 0xFB}}},
        {"DualRate 1", {{37, 100}}, "100", "50", {{37, 50}}},
        {"DualRate 2", {{38, 100}}, "100", "1", {{38, 1}}},
        {"DualRate 4", {{39, 100}}, "100", "0", {{39, 0}}},
        {"Expo 1", {{77, 0}}, "0", "-100", {{77, 0x9C}}},
        {"Expo 2", {{78, 0x9C}}, "-100", "20", {{78, 0x14}}},
        {"Expo 4", {{79, 0x64}}, "100", "-20", {{79, 0xEC}}},
        {"TrimmSpeicher 1", {{51, 0}}, "0", "-100", {{51, 0x9C}}},
        {"TrimmSpeicher 4", {{54, 0xF9}}, "-7", "7", {{54, 0x07}}},
        {"Programm", {{55, 0x0F}}, "Universal", "Universal", {}}}));

// Byte 55 bit 7 clear: the Universal program. Every row commit switches off the rows that
// exclude it (DIFF: FLPR and DELTA; FLPR: DIFF and DELTA; DELTA: DIFF, FLPR and VTAL;
// VTAL: DELTA), whatever the row itself is set to.
INSTANTIATE_TEST_SUITE_P(
    UniversalPage, Fc16FieldTest,
    testing::ValuesIn(Rows{
        {"DIFF %", {{55, 0x09}, {57, 0x32}}, "50", "30", {{55, 0x0F}, {57, 0x1E}}},
        {"DIFF", {{55, 0x0F}}, "Aus", "Aktiv", {{55, 0x07}}},
        {"FLPR", {{55, 0x00}}, "Aktiv", "Aktiv", {{55, 0x0A}}},
        {"FLPR % neg", {{55, 0x00}, {57, 0x32}}, "0", "1", {{55, 0x0A}, {57, 0xB2}}},
        {"DELTA", {{55, 0x00}}, "Aktiv", "Aktiv", {{55, 0x0D}}},
        {"DELTA Quer %", {{55, 0x0F}, {57, 0x1E}}, "30", "40", {{57, 0x28}}},
        {"DELTA Höhe %", {{55, 0x00}, {58, 0x32}}, "50", "20", {{55, 0x0D}, {58, 0x14}}},
        {"VTAL", {{55, 0x00}}, "Aktiv", "Aktiv", {{55, 0x02}}},
        {"VTAL Höhe %", {{55, 0x0F}, {60, 0x32}}, "50", "127", {{60, 0x7F}}},
        {"VTAL Seite %", {{55, 0x0F}, {59, 0xB2}}, "50", "60", {{59, 0xBC}}},
        {"FLTR", {{56, 0xFF}}, "Aus", "Aktiv", {{56, 0xF7}}},
        {"FLTR %", {{61, 0x32}}, "50", "0", {{61, 0x00}}},
        {"1 -> 4", {{56, 0xFF}}, "Aus", "Aktiv", {{56, 0xEF}}},
        {"1 -> 4 %", {{64, 0x32}}, "50", "100", {{64, 0x64}}},
        {"5 -> 2", {{56, 0x00}}, "Aktiv", "Aus", {{56, 0x20}}},
        {"5 -> 2 %", {{62, 0xB2}}, "50", "5", {{62, 0x85}}},
        {"5 -> 2 Offset", {{63, 0x00}}, "0", "200", {{63, 0xC8}}},
        {"3 -> 2", {{56, 0xFF}}, "Aus", "Aktiv", {{56, 0xBF}}},
        {"3 -> 2 %", {{65, 0x32}}, "50", "1", {{65, 0x01}}},
        {"3 -> 2 Offset", {{66, 0x00}}, "0", "255", {{66, 0xFF}}},
        {"CROW", {{56, 0xFF}}, "Aus", "Aktiv", {{56, 0x7F}}},
        {"CROW Kanal1 %", {{67, 0x32}}, "50", "10", {{67, 0x0A}}},
        {"CROW Kanal5 % neg", {{68, 0x32}}, "0", "1", {{68, 0xB2}}},
        {"CROW Offset", {{69, 0x10}}, "16", "0", {{69, 0x00}}},
        {"FUNC Wechsel 3/5", {{42, 0xD1}}, "Kanal 3", "Kanal 5", {{42, 0xC1}}}}));

// Byte 55 bit 7 set: the Heli program (REVO, IDLE and HOLD are "Aus" while their bit is
// set; bits 4-5 the swashplate type).
INSTANTIATE_TEST_SUITE_P(
    HeliPage, Fc16FieldTest,
    testing::ValuesIn(Rows{
        {"REVO", {{55, 0x8E}}, "Aktiv", "Aus", {{55, 0x8F}}},
        {"REVO % L", {{55, 0x8E}, {57, 0xB2}}, "50", "20", {{57, 0x94}}},
        {"REVO % R neg", {{55, 0x8E}, {58, 0xB2}}, "1", "0", {{58, 0x32}}},
        {"LO-P", {{55, 0x8E}, {60, 100}}, "100", "255", {{60, 0xFF}}},
        {"HI-P", {{55, 0x8E}, {59, 100}}, "100", "0", {{59, 0x00}}},
        {"HV-T", {{55, 0x8E}, {63, 0}}, "0", "-128", {{63, 0x80}}},
        {"HV-P", {{55, 0x8E}, {64, 0}}, "0", "127", {{64, 0x7F}}},
        {"PTRM", {{55, 0x8E}, {61, 0}}, "0", "-1", {{61, 0xFF}}},
        {"IDLE", {{55, 0x8E}}, "Aus", "Aktiv", {{55, 0x8A}}},
        {"IDLE %", {{55, 0x8E}, {65, 0}}, "0", "200", {{65, 0xC8}}},
        {"HOLD", {{55, 0x8E}}, "Aus", "Aktiv", {{55, 0x86}}},
        {"HOLD %", {{55, 0x8E}, {62, 0xE4}}, "-28", "5", {{62, 0x05}}},
        {"SWSH", {{55, 0x8E}}, "1 - zwei Servos", "4 - zwei Nick-, ein Rollservo", {{55, 0xBE}}},
        Listed("SWSH", {{55, 0xAE}}, "3 - zwei Roll-, ein Nickservo", "2 - zwei Rollservos",
               {{55, 0x9E}})}));

class Fc16RefusalTest : public Fc16Fixture, public testing::WithParamInterface<RefusedEntry> {};

TEST_P(Fc16RefusalTest, RefusesAndWritesNothing) {
    ExpectRefused(GetParam());
}

const std::string kWholeEntry =
    "Falsche Eingabe 'Stopuhr 1/ Zeit'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt";
const std::string kNameTooLong = "Falsche Eingabe 'Name'\r\nHöchstens 4 Zeichen";

INSTANTIATE_TEST_SUITE_P(
    BasePage, Fc16RefusalTest,
    testing::Values(
        Refused("Servoweg ATV L1", "9", 219, "Servoweg ATV L1", 10, 110),
        Refused("Servoweg ATV R8", "111", 219, "Servoweg ATV R8", 10, 110),
        // the sixteen travels are all tested before any is written
        Refused("Servoweg ATV L1", "50", 219, "Servoweg ATV R3", 10, 110, {{2, 5}},
                "Servoweg ATV R3"),
        Refused("Fail Safe 3", "-101", 219, "Fail Safe 3", -100, 100),
        Refused("Fail Safe 1", "10", 219, "Fail Safe 8", -100, 100, {{31, 0x80}}, "Fail Safe 8"),
        Refused("Zus.Trimmung 8", "101", 219, "Zus.Trimmung 8", -100, 100),
        Refused("Zus.Trimmung 1", "1", 219, "Zus.Trimmung 2", -100, 100, {{17, 0x7F}},
                "Zus.Trimmung 2"),
        Refused("DualRate 2", "101", 219, "DualRate 2", 0, 100),
        Refused("DualRate 1", "10", 219, "DualRate 4", 0, 100, {{39, 101}}, "DualRate 4"),
        Refused("Expo 4", "-101", 219, "Expo 4", -100, 100),
        Refused("Expo 1", "0", 219, "Expo 2", -100, 100, {{78, 0x9B}}, "Expo 2"),
        Refused("TrimmSpeicher 2", "101", 219, "TrimmSpeicher 2", -100, 100),
        Refused("TrimmSpeicher 1", "1", 219, "TrimmSpeicher 4", -100, 100, {{54, 0x80}},
                "TrimmSpeicher 4"),
        Refused("Mischer 1 %", "101", 219, "Mischer 1", 0, 100),
        // a stored rate beyond 100 is tested when its NEG box is ticked
        Refused("Mischer 2 NEG", "0", 219, "Mischer 2", 0, 100, {{47, 0xFF}}, "Mischer 2 %"),
        Refused("Mischer 2 %", "-1", -1, "Geben Sie bitte eine positive ganze Zahl ein."),
        Refused("Stopuhr", "123:00", -1, kWholeEntry), Refused("Stopuhr", "1200", -1, kWholeEntry),
        Refused("Stopuhr", "60:00", -1, kWholeEntry),
        // a refused second part leaves the minutes as they were too
        Refused("Stopuhr", "12:60", -1, kWholeEntry), Refused("Name", "A_1", 231, ""),
        Refused("Name", "(", 231, ""), Refused("Name", "ab\\", 231, ""),
        Refused("Name", "abcde", -1, kNameTooLong)));

const std::string kAmountPrompt = "Geben Sie bitte eine ganze Zahl zwischen 0 und 127 ein.";

// The program pages test no ranges of their own: a number their bits cannot hold is
// refused by the field exchange rather than written as its low bits.
INSTANTIATE_TEST_SUITE_P(
    ProgramPages, Fc16RefusalTest,
    testing::Values(Refused("DIFF %", "128", -1, kAmountPrompt),
                    Refused("CROW Kanal5 %", "200", -1, kAmountPrompt),
                    Refused("5 -> 2 Offset", "256", -1,
                            "Geben Sie bitte eine ganze Zahl zwischen 0 und 255 ein."),
                    Refused("HV-T", "128", -1,
                            "Geben Sie bitte eine ganze Zahl zwischen -128 und 127 ein.", 0, 0,
                            {{55, 0x8E}}),
                    Refused("REVO % L", "-5", -1, "Geben Sie bitte eine positive ganze Zahl ein.",
                            0, 0, {{55, 0x8E}})));

// The stopwatch's part refusal is the same name for minutes and seconds.
TEST_F(Fc16Fixture, StopwatchPartsAreRefusedByTheirName) {
    for (const char* entry : {"60:00", "00:60"}) {
        const Status entered = Enter("Stopuhr", entry);
        ASSERT_FALSE(entered.ok());
        EXPECT_EQ(entered.error().literal, kWholeEntry) << entry;
    }
    EXPECT_EQ(Shown("Stopuhr"), "01:00");
}

// Nibbles above 9 are shown as they are and kept while the time is not changed.
TEST_F(Fc16Fixture, StopwatchBytesThatAreNoDigitsStayUntilChanged) {
    Put({{48, 0x1C}, {49, 0x05}});
    EXPECT_EQ(Shown("Stopuhr"), "112:05");
    ASSERT_TRUE(Enter("Stopuhr Aktiv", "1").ok());
    EXPECT_EQ(Slot()[48], 0x1C);
    ASSERT_TRUE(Enter("Stopuhr", "2:05").ok());
    EXPECT_EQ(Slot()[48], 0x02);
}

// A stored name is shown with bit 7 cleared; names without it, or with a stored blank,
// keep their bytes while the name is not changed.
TEST_F(Fc16Fixture, AnUnchangedNameKeepsItsBytes) {
    Put({{32, 0x41}, {33, 0xA0}, {34, 0x20}, {35, 0xC2}});
    EXPECT_EQ(Shown("Name"), "A  B");
    ASSERT_TRUE(Enter("Name", "A  B").ok());
    EXPECT_EQ(SlotBytes()[32], 0x41);
    EXPECT_EQ(SlotBytes()[33], 0xA0);
    ASSERT_TRUE(Enter("Name", "A  C").ok());
    const std::vector<Byte> bytes = SlotBytes();
    EXPECT_EQ((std::vector<Byte>(bytes.begin() + 32, bytes.begin() + 36)),
              (std::vector<Byte>{0xC1, 0xBA, 0xBA, 0xC3}));
}

// Outside edit mode the base page writes nothing and says nothing; the program pages say
// text 230.
TEST(Fc16OutsideEditMode, BasePageRestoresProgramPagesSay230) {
    CamPacData data = Fc16DataSet();
    ModelEditor editor{data, fc16::Family()};
    const std::vector<Byte> before(data.modelSlots.Slot(0).begin(),
                                   data.modelSlots.Slot(0).begin() + kFc16RecordSize);
    EXPECT_TRUE(AssignFields(editor, 0, {{"Expo 1", "20"}}).ok());
    const Status universal = AssignFields(editor, 0, {{"DIFF %", "20"}});
    ASSERT_FALSE(universal.ok());
    EXPECT_EQ(universal.error().text, 230);
    const std::vector<Byte> after(data.modelSlots.Slot(0).begin(),
                                  data.modelSlots.Slot(0).begin() + kFc16RecordSize);
    EXPECT_EQ(after, before);
}

}  // namespace
