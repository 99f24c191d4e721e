#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Ff9DataSet.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"
#include "editors/ff9/Ff9DefaultBlocks.h"
#include "editors/ff9/Ff9Pages.h"

namespace {

// A bit pattern expected at one record offset.
struct Expected {
    int offset;
    Byte value;
    Byte mask = 0xFF;
};

// Entering values into model 1 of a data set whose models start as `typeByte` records
// with `preset` bytes: the bytes afterwards, and the refusal if one comes (without expected
// bytes a refusal must leave the model untouched).
struct EntryCase {
    std::string title;
    int typeByte;
    std::vector<std::pair<int, Byte>> preset;
    std::vector<FieldAssignment> entries;
    std::vector<Expected> expected;
    int refusalText = 0;  // 0: accepted
    std::vector<MessageArgument> refusalArguments = {};
};

std::ostream& operator<<(std::ostream& out, const EntryCase& c) {
    return out << c.title;
}

EntryCase Entry(std::string title, int typeByte, std::vector<std::pair<int, Byte>> preset,
                std::vector<FieldAssignment> entries, std::vector<Expected> expected,
                int refusalText = 0, std::vector<MessageArgument> refusalArguments = {}) {
    return {std::move(title),    typeByte,    std::move(preset),          std::move(entries),
            std::move(expected), refusalText, std::move(refusalArguments)};
}

class Ff9EntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(Ff9EntryTest, StoresOrRefuses) {
    const EntryCase& c = GetParam();
    std::vector<Byte> record = Ff9Record(c.typeByte);
    for (const auto& [offset, value] : c.preset) {
        record[static_cast<std::size_t>(offset)] = value;
    }
    CamPacData data = Ff9DataSet(record);
    ModelEditor editor(data, ff9::Family());
    editor.StartEditing();
    const std::vector<Byte> before(data.modelSlots.Slot(0).begin(),
                                   data.modelSlots.Slot(0).begin() + kFf9RecordSize);
    const Status entered = AssignFields(editor, 0, c.entries);
    const std::span<const Byte> slot = data.modelSlots.Slot(0);
    if (c.refusalText != 0) {
        ASSERT_FALSE(entered.ok());
        EXPECT_EQ(entered.error().text, c.refusalText);
        EXPECT_EQ(entered.error().arguments, c.refusalArguments);
        if (c.expected.empty()) {
            EXPECT_TRUE(std::equal(before.begin(), before.end(), slot.begin()));
        }
    }
    for (const Expected& e : c.expected) {
        EXPECT_EQ(slot[static_cast<std::size_t>(e.offset)] & e.mask, e.value)
            << "offset " << e.offset;
    }
    if (c.refusalText != 0) {
        return;
    }
    EXPECT_TRUE(entered.ok()) << entered.error().literal << entered.error().text;
}

using Args = std::vector<MessageArgument>;

INSTANTIATE_TEST_SUITE_P(
    Ff9, Ff9EntryTest,
    testing::Values(
        Entry("TimerPower", 0, {}, {{"Stopuhr 1/ Schalter", "Power"}}, {{13, 0x70}}),
        Entry("TimerAUp", 0, {{13, 0x70}},
              {{"Stopuhr 1/ Schalter", "A"}, {"Stopuhr 1/ Position", "Up"}}, {{13, 0x40}}),
        Entry("TimerANull", 0, {{13, 0x42}},
              {{"Stopuhr 1/ Schalter", "A"}, {"Stopuhr 1/ Position", "Null"}}, {{13, 0x00}}),
        Entry("TimerStickIgnoresPosition", 0, {{18, 0x41}},
              {{"Stopuhr 2/ Schalter", "Stick"}, {"Stopuhr 2/ Richtung", "Ab"}},
              {{18, 10}, {17, 1, 0x01}}),
        Entry("TimerTime", 0, {}, {{"Stopuhr 2/ Zeit", "5:7"}}, {{20, 0xFE}, {21, 0x0B}}),
        Entry("SubTrim", 0, {}, {{"SubTrimm 1", "-5"}}, {{46, 0xFB}}),
        Entry("ServoTravelMax", 0, {}, {{"Servoweg 1L", "140"}}, {{31, 140}}),
        Entry("ServoTravelBeyond", 0, {}, {{"Servoweg 3R", "141"}}, {}, 219,
              Args{std::string("Servoweg 3R"), 0LL, 140LL, 141LL}),
        Entry("SubTrimGroupKeepsFirstValues", 0, {},
              {{"SubTrimm 1", "1"}, {"SubTrimm 2", "2"}, {"SubTrimm 3", "-121"}},
              {{46, 1}, {47, 2}, {48, 0}}, 219,
              Args{std::string("SubTrimm 3"), -120LL, 120LL, -121LL}),
        Entry("AtlTickedWhenBitClear", 0, {{0, 0x10}}, {{"ATL", "1"}}, {{0, 0x00, 0x10}}),
        Entry("ModulationPpm", 0, {}, {{"Modulation", "PPM"}}, {{0, 0x80, 0x80}}),
        Entry("Channel9", 0, {}, {{"Kanal 9", "SW-A"}}, {{76, 5}}),
        Entry("ChannelNull", 0, {}, {{"Kanal 5", "NULL"}}, {{72, 140}}),
        Entry("Name", 0, {}, {{"Modellname", "ABC"}}, {{4, 'A'}, {6, 'C'}, {7, ' '}, {11, ' '}}),
        Entry("StickSwitchOnHeli", 129, {}, {{"DualRate Schalter 1", "THR"}}, {}, 236),
        Entry("CondOnAeroplane", 0, {}, {{"DualRate Schalter 2", "Cond"}}, {}, 237),
        Entry("CondOnHeli", 130, {{86, 0x35}}, {{"DualRate Schalter 4", "Cond"}}, {{86, 0xB0}}),
        Entry("DualRateOrderAeroplane", 0, {},
              {{"DualRate Up 2R", "150"}, {"Expo Center 2L", "-5"}}, {}, 219,
              Args{std::string("DualRate Up 2R"), 0LL, 140LL, 150LL}),
        Entry("DualRateHeliOffsets", 129, {}, {{"DualRate Down 2", "77"}, {"Expo Up 4", "-9"}},
              {{95, 77}, {102, 0xF7}}),
        Entry("ElevonClearsFlaperonAndAilevator", 0, {{79, 0x30}}, {{"Deltamischer", "1"}},
              {{79, 0x08}}),
        Entry("NeedleHalfPercent", 0, {}, {{"ThrNeedl 1", "37.5"}}, {{262, 75}}),
        Entry("NeedleBeyond", 0, {}, {{"ThrNeedl 5", "130"}}, {}, 219,
              Args{std::string("ThrNeedl 5"), 0LL, 200LL, 260LL}),
        Entry("NeedleWithAilevator", 0, {{79, 0x10}}, {{"ThrNeedl Ein", "1"}, {"ThrNeedl 1", "10"}},
              {}, 238),
        Entry("HeliThrCut35", 132, {}, {{"ThrCut", "35"}}, {}, 219,
              Args{std::string("ThrCut"), -30LL, 30LL, 35LL}),
        Entry("HeliThrCut45", 132, {}, {{"ThrCut", "45"}}, {}, 219,
              Args{std::string("ThrCut"), -40LL, 40LL, 45LL}),
        Entry("AcroThrCut35", 0, {}, {{"ThrCut", "35"}}, {{126, 35}}),
        Entry("StartOffsetController", 2, {}, {{"Startoffset Geber", "- Vr-C"}}, {{205, 0x12}}),
        Entry("SpeedOffsetNull", 2, {}, {{"Speedoffset Geber", "NULL"}}, {{212, 0x80}}),
        Entry("GovernorWithNeedle", 130, {{80, 0x01}}, {{"Governor Option 2", "2"}}, {}, 240),
        Entry("GovernorSwh4", 131, {}, {{"Governor Option 2", "2"}}, {}, 240),
        Entry("GovernorAccepted", 130, {},
              {{"Governor Option 2", "2"}, {"Governor Ein", "1"}, {"Governor 1", "50"}},
              {{251, 0x10, 0x10}, {79, 0x08, 0x08}, {252, 100}}),
        Entry("AirbrakeLinear", 0, {}, {{"Airbrake Modus", "Linear"}}, {{77, 0x20, 0x20}}),
        Entry("AirbrakeManual", 0, {{77, 0x20}}, {{"Airbrake Modus", "Manuell SW-C"}},
              {{77, 0x00, 0x20}}),
        Entry("GyroAvc", 129, {{79, 0x30}, {116, 80}}, {{"Gyro 1 AVC", "AVC"}, {"Gyro 1", "35"}},
              {{116, 135}}),
        Entry("AilToFlapNullAllPositions", 2, {},
              {{"Ail->Flap Schalter", "B"}, {"Ail->Flap Position", "Null"}}, {{226, 0x71}}),
        Entry("MixerMasterSlave", 0, {},
              {{"Mischer 2 Master", "Offset"}, {"Mischer 2 Slave", "AUX2"}},
              {{135, 13 << 3 | 7, 0x7F}}),
        Entry("MixerRates", 0, {}, {{"Mischer 1 L", "-100"}, {"Mischer 1 R", "100"}},
              {{134, 0x9C}, {133, 100}}),
        Entry("CurveMixerPoint", 0, {}, {{"Mischer 7 - 5", "-33"}}, {{174, 0xDF}})));

struct Rejected {
    std::string title;
    int typeByte;
    std::vector<std::pair<int, Byte>> preset;
    std::string name;
    std::string literal;
};

std::ostream& operator<<(std::ostream& out, const Rejected& c) {
    return out << c.title;
}

class Ff9UnavailableTest : public testing::TestWithParam<Rejected> {};

// Controls the page disables or hides for the model take no entry.
TEST_P(Ff9UnavailableTest, RefusesTheEntry) {
    std::vector<Byte> record = Ff9Record(GetParam().typeByte);
    for (const auto& [offset, value] : GetParam().preset) {
        record[static_cast<std::size_t>(offset)] = value;
    }
    CamPacData data = Ff9DataSet(record);
    ModelEditor editor(data, ff9::Family());
    editor.StartEditing();
    const Status entered = AssignFields(editor, 0, {{GetParam().name, "1"}});
    ASSERT_FALSE(entered.ok());
    EXPECT_EQ(entered.error().literal, GetParam().literal);
}

INSTANTIATE_TEST_SUITE_P(
    Ff9, Ff9UnavailableTest,
    testing::Values(
        Rejected{"SecondAileronGlider2", 2, {}, "AIL-2", "'AIL-2' ist gesperrt"},
        Rejected{"Channel6Heli", 129, {}, "Kanal 6", "'Kanal 6' ist gesperrt"},
        Rejected{"PositionOfPowerTimer",
                 0,
                 {{13, 0x70}},
                 "Stopuhr 1/ Position",
                 "Kein solches Feld: 'Stopuhr 1/ Position'"},
        Rejected{"AeroplaneDualRateOnHeli",
                 129,
                 {},
                 "DualRate Up 1L",
                 "Kein solches Feld: 'DualRate Up 1L'"},
        Rejected{"GliderPageOnAcro",
                 0,
                 {},
                 "Startoffset->Ail 1",
                 "Kein solches Feld: 'Startoffset->Ail 1'"},
        Rejected{"SwashOnSwh1", 129, {}, "SWASH Afr Ail", "'SWASH Afr Ail' ist gesperrt"},
        Rejected{"DelayAilOnSwh2", 130, {}, "Delay Ail", "'Delay Ail' ist gesperrt"},
        Rejected{"FlapWithDifferential",
                 0,
                 {{79, 0x40}},
                 "FLP/AIL/ELE - Flp 1",
                 "'FLP/AIL/ELE - Flp 1' ist gesperrt"},
        Rejected{"ElevonOnGlider2", 2, {}, "Deltamischer", "'Deltamischer' ist gesperrt"},
        Rejected{"AilToFlapOnGlider1", 1, {}, "Ail->Flap H", "'Ail->Flap H' ist gesperrt"},
        Rejected{"Mixer3OnHeli", 130, {}, "Mischer 3 L", "'Mischer 3 L' ist gesperrt"},
        Rejected{"TrimWithNonStickMaster",
                 0,
                 {{129, 4 << 3}},
                 "Mischer 1 Trim.",
                 "'Mischer 1 Trim.' ist gesperrt"},
        Rejected{
            "GovernorIdle3WithoutConditions", 130, {}, "Governor 4", "'Governor 4' ist gesperrt"},
        Rejected{"GyroAvcOutsideMode", 129, {}, "Gyro 1 AVC", "Kein solches Feld: 'Gyro 1 AVC'"},
        Rejected{"FailSafePositionShownOnly",
                 0,
                 {},
                 "Fail-Safe Position 1",
                 "'Fail-Safe Position 1' wird nur angezeigt"}));

struct TypeChange {
    int fromType;
    std::string entry;
    int toType;
    ff9::ModelFamily family;
    int mixingPage;
};

class Ff9TypeChangeTest : public testing::TestWithParam<TypeChange> {};

TEST_P(Ff9TypeChangeTest, WritesTheFamilyDefaults) {
    std::vector<Byte> record = Ff9Record(GetParam().fromType);
    for (int offset = ff9::kTypeBlockOffset; offset < 280; ++offset) {
        record[static_cast<std::size_t>(offset)] = 0x5A;
    }
    CamPacData data = Ff9DataSet(record);
    ModelEditor editor(data, ff9::Family());
    editor.StartEditing();
    ASSERT_TRUE(AssignFields(editor, 0, {{"Modelltyp", GetParam().entry}}).ok());
    const std::span<const Byte> slot = data.modelSlots.Slot(0);
    EXPECT_EQ(slot[3], GetParam().toType);
    const std::span<const Byte> block = ff9::DefaultTypeBlock(GetParam().family);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), slot.begin() + ff9::kTypeBlockOffset));
    EXPECT_EQ(slot[280], 0);
    EXPECT_EQ(ff9::Family().PagesForModel(slot)[1]->pageNumber, GetParam().mixingPage);
}

INSTANTIATE_TEST_SUITE_P(
    Ff9, Ff9TypeChangeTest,
    testing::Values(TypeChange{0, "Glider 2", 2, ff9::ModelFamily::Glider, 42},
                    TypeChange{129, "Heli SR-3", 132, ff9::ModelFamily::Helicopter, 43},
                    TypeChange{133, "Acro", 0, ff9::ModelFamily::Aeroplane, 41}));

// Choosing the type a model already has keeps its mixing program.
TEST(Ff9TypeChange, SameTypeKeepsTheMixingProgram) {
    std::vector<Byte> record = Ff9Record(130);
    record[200] = 0x33;
    CamPacData data = Ff9DataSet(record);
    ModelEditor editor(data, ff9::Family());
    editor.StartEditing();
    ASSERT_TRUE(AssignFields(editor, 0, {{"Modelltyp", "Heli SWH2"}}).ok());
    EXPECT_EQ(data.modelSlots.Slot(0)[200], 0x33);
}

TEST(Ff9Describe, ShowsValuesAsThePagesDo) {
    std::vector<Byte> record = Ff9Record(0);
    record[46] = 0xFB;
    record[31] = 100;
    record[15] = 0xFE;
    record[16] = 0x0B;
    record[262] = 75;
    record[13] = 0x70;
    CamPacData data = Ff9DataSet(record);
    std::map<std::string, std::string> shown;
    for (const ShownField& field : DescribeModel(ff9::Family(), data.modelSlots.Slot(0))) {
        shown[field.field->key] = field.shown;
    }
    EXPECT_EQ(shown["SubTrimm 1"], "-5");
    EXPECT_EQ(shown["Servoweg 1L"], "100");
    EXPECT_EQ(shown["Stopuhr 1/ Zeit"], "05:07");
    EXPECT_EQ(shown["ThrNeedl 1"], "37.5");
    EXPECT_EQ(shown["Stopuhr 1/ Schalter"], "Power");
    EXPECT_EQ(shown["Modelltyp"], "Acro");
    EXPECT_EQ(shown["Modellname"], "MODEL   ");
    EXPECT_EQ(shown.count("Stopuhr 1/ Position"), 0u);
    EXPECT_EQ(shown.count("Gyro 1"), 0u);
    EXPECT_EQ(shown.count("Mischer 7 - 5"), 1u);
}

TEST(Ff9Describe, ReadsBothNullCodesOfAChannel) {
    std::vector<Byte> record = Ff9Record(0);
    record[72] = 141;
    record[73] = 140;
    record[74] = 0x80;
    CamPacData data = Ff9DataSet(record);
    std::map<std::string, std::string> shown;
    for (const ShownField& field : DescribeModel(ff9::Family(), data.modelSlots.Slot(0))) {
        shown[field.field->key] = field.shown;
    }
    EXPECT_EQ(shown["Kanal 5"], "NULL");
    EXPECT_EQ(shown["Kanal 6"], "NULL");
    EXPECT_EQ(shown["Kanal 7"], "Code 128");
}

struct ControllerReading {
    Byte stored;
    std::string shown;
};

std::ostream& operator<<(std::ostream& out, const ControllerReading& c) {
    return out << "byte " << static_cast<int>(c.stored) << " shows " << c.shown;
}

class Ff9ControllerTest : public testing::TestWithParam<ControllerReading> {};

// A controller byte reads as NULL when bit 7 is set, otherwise as control (bits 0 to 3)
// and direction (bit 4); the bits between play no part.
TEST_P(Ff9ControllerTest, ReadsControlAndDirection) {
    std::vector<Byte> record = Ff9Record(2);
    record[205] = GetParam().stored;
    CamPacData data = Ff9DataSet(record);
    std::map<std::string, std::string> shown;
    for (const ShownField& field : DescribeModel(ff9::Family(), data.modelSlots.Slot(0))) {
        shown[field.field->key] = field.shown;
    }
    EXPECT_EQ(shown["Startoffset Geber"], GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Ff9, Ff9ControllerTest,
    testing::Values(ControllerReading{0x12, "- Vr-C"}, ControllerReading{0x04, "+ Vr-E"},
                    ControllerReading{0x80, "NULL"}, ControllerReading{0xF3, "NULL"},
                    ControllerReading{0x61, "+ Vr-B"}, ControllerReading{0x34, "- Vr-E"},
                    ControllerReading{0x16, "Code 22"}));
}  // namespace
