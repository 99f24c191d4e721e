#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Fc16DataSet.h"
#include "editors/FieldCodec.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"
#include "editors/fc16/Fc16Pages.h"

// The FC16 tables as a whole: every field round-trips, every bit of the record belongs to
// exactly one field or is one of the bits the pages keep, and the program defaults.
namespace {

constexpr int kUniversal = 0x00;
constexpr int kHeli = 0x80;

TEST(Fc16Tables, KeysAreUniqueInTheFamily) {
    std::set<std::string> keys;
    for (const PageTable* page : fc16::Family().AllPages()) {
        for (const Field& field : page->fields) {
            EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        }
    }
    EXPECT_EQ(keys.size(), 87u + 37u + 15u);
}

// The bits the pages leave as they are, written out from the record description: byte 41
// bits 2-3, byte 42 bits 2, 3, 6, 7, bit 3 of the mixer bytes 44 and 46, the low nibble of
// byte 50, bytes 70 to 76; the Universal program does not use byte 55 bits 4-6 nor byte 56
// bits 0-2, the Heli program byte 55 bits 1 and 6, byte 56 and bytes 66 to 69, nor byte 42
// bit 4 (the channel 3/5 swap is a Universal setting).
std::array<Byte, kFc16RecordSize> KeptBits(bool heli) {
    std::array<Byte, kFc16RecordSize> kept{};
    kept[41] = 0x0C;
    kept[42] = 0xCC;
    kept[44] = 0x08;
    kept[46] = 0x08;
    kept[50] = 0x0F;
    for (int offset = 70; offset <= 76; ++offset) {
        kept[static_cast<std::size_t>(offset)] = 0xFF;
    }
    if (heli) {
        kept[42] |= 0x10;
        kept[55] = 0x42;
        for (const int offset : {56, 66, 67, 68, 69}) {
            kept[static_cast<std::size_t>(offset)] = 0xFF;
        }
    } else {
        kept[55] = 0x70;
        kept[56] = 0x07;
    }
    return kept;
}

// Every bit is owned once, except that the Universal rows DIFF, FLPR and DELTA show one
// aileron rate (byte 57) three times. The program list owns only its bit here: the default
// bytes it writes belong to the program's fields.
TEST(Fc16Tables, EveryBitBelongsToOneField) {
    for (const int program : {kUniversal, kHeli}) {
        SCOPED_TRACE(program);
        std::vector<Byte> record(kSlotSize, 0);
        record[fc16::kProgramOffset] = static_cast<Byte>(program);
        std::array<std::map<int, int>, kFc16RecordSize> owners{};  // bit -> fields
        for (const PageTable* page : fc16::Family().PagesForModel(record)) {
            for (const Field& field : page->fields) {
                std::vector<BitRef> bits = field.codec->OwnedBits(field);
                if (field.key == "Programm") {
                    bits = {{fc16::kProgramOffset, fc16::kProgramBit}};
                }
                for (const BitRef& bit : bits) {
                    for (int b = 0; b < 8; ++b) {
                        if ((bit.mask >> b) & 1) {
                            ++owners[static_cast<std::size_t>(bit.offset)][b];
                        }
                    }
                }
            }
        }
        const std::array<Byte, kFc16RecordSize> kept = KeptBits(program == kHeli);
        for (int offset = 0; offset < kFc16RecordSize; ++offset) {
            for (int b = 0; b < 8; ++b) {
                const auto at = static_cast<std::size_t>(offset);
                const int count = owners[at].contains(b) ? owners[at].at(b) : 0;
                const bool keptBit = ((kept[at] >> b) & 1) != 0;
                const int expected = keptBit ? 0 : (program == kUniversal && offset == 57 ? 3 : 1);
                EXPECT_EQ(count, expected) << "byte " << offset << " bit " << b;
            }
        }
    }
}

struct ProgramFixture : testing::Test {
    ProgramFixture() { editor.StartEditing(); }
    std::vector<Byte> Program() {
        const ModelRecord slot = data.modelSlots.Slot(0);
        return {slot.begin() + 55, slot.begin() + 73};
    }
    std::map<std::string, std::string> Shown() {
        std::map<std::string, std::string> shown;
        for (const ShownField& field : DescribeModel(fc16::Family(), data.modelSlots.Slot(0))) {
            shown[field.field->key] = field.shown;
        }
        return shown;
    }

    CamPacData data = Fc16DataSet();
    ModelEditor editor{data, fc16::Family()};
};

const std::vector<Byte> kUniversalDefaults{15, 255, 50, 50, 50, 50, 50, 50, 0,
                                           50, 50,  0,  50, 50, 0,  0,  0,  0};
const std::vector<Byte> kHeliDefaults{142, 255, 178, 178, 100, 100, 0, 228, 0,
                                      0,   0,   0,   50,  50,  0,   0, 0,   0};

// A new model holds the Universal defaults; choosing a program writes all 18 bytes of its
// defaults, choosing the program the model has writes nothing.
TEST_F(ProgramFixture, AProgramChangeWritesItsDefaultBytes) {
    EXPECT_EQ(Program(), kUniversalDefaults);
    data.modelSlots.Slot(0)[60] = 7;
    ASSERT_TRUE(AssignFields(editor, 0, {{"Programm", "Universal"}}).ok());
    EXPECT_EQ(data.modelSlots.Slot(0)[60], 7);
    data.modelSlots.Slot(0)[70] = 9;
    ASSERT_TRUE(AssignFields(editor, 0, {{"Programm", "Heli"}}).ok());
    EXPECT_EQ(Program(), kHeliDefaults);
    EXPECT_EQ(fc16::Family().MixingPageOf(data.modelSlots.Slot(0)), fc16::kHeliPage);
    ASSERT_TRUE(AssignFields(editor, 0, {{"Programm", "Universal"}}).ok());
    EXPECT_EQ(Program(), kUniversalDefaults);
    EXPECT_EQ(fc16::Family().MixingPageOf(data.modelSlots.Slot(0)), fc16::kUniversalPage);
}

// What the pages show for the default bytes.
TEST_F(ProgramFixture, TheDefaultsAsShown) {
    std::map<std::string, std::string> shown = Shown();
    const std::map<std::string, std::string> universal{{"Name", "0003"},
                                                       {"Modulation", "PPM"},
                                                       {"Programm", "Universal"},
                                                       {"StickMode", "Modus 2"},
                                                       {"Kanal 7", "0"},
                                                       {"Kanal 8", "0"},
                                                       {"Stopuhr Aktiv", "0"},
                                                       {"Stopuhr", "01:00"},
                                                       {"Stopuhr Schalter", "1"},
                                                       {"DRSW", "DRSW 1"},
                                                       {"TREV Gas v/h", "Vollgas vorn"},
                                                       {"Mischer 1 Ein", "0"},
                                                       {"Mischer 1 Steuer Funkt.", "1"},
                                                       {"Mischer 1 auf", "2"},
                                                       {"Mischer 1 %", "50"},
                                                       {"Mischer 2 NEG", "0"},
                                                       {"Servoweg ATV L8", "100"},
                                                       {"DualRate 4", "100"},
                                                       {"Expo 2", "0"},
                                                       {"DIFF", "Aus"},
                                                       {"FLPR", "Aus"},
                                                       {"DELTA", "Aus"},
                                                       {"VTAL", "Aus"},
                                                       {"FLTR", "Aus"},
                                                       {"1 -> 4", "Aus"},
                                                       {"5 -> 2", "Aus"},
                                                       {"3 -> 2", "Aus"},
                                                       {"CROW", "Aus"},
                                                       {"DIFF %", "50"},
                                                       {"FLPR %", "50"},
                                                       {"DELTA Quer %", "50"},
                                                       {"DELTA Höhe %", "50"},
                                                       {"VTAL Höhe %", "50"},
                                                       {"VTAL Seite %", "50"},
                                                       {"FLTR %", "50"},
                                                       {"5 -> 2 Offset", "0"},
                                                       {"1 -> 4 %", "50"},
                                                       {"3 -> 2 %", "50"},
                                                       {"CROW Kanal5 %", "50"},
                                                       {"CROW Offset", "0"},
                                                       {"FUNC Wechsel 3/5", "Kanal 3"}};
    for (const auto& [key, value] : universal) {
        EXPECT_EQ(shown[key], value) << key;
    }
    ASSERT_TRUE(AssignFields(editor, 0, {{"Programm", "Heli"}}).ok());
    shown = Shown();
    const std::map<std::string, std::string> heli{
        {"REVO", "Aktiv"},  {"REVO % L", "50"},    {"REVO % L neg", "1"},
        {"REVO % R", "50"}, {"REVO % R neg", "1"}, {"HI-P", "100"},
        {"LO-P", "100"},    {"PTRM", "0"},         {"HOLD %", "-28"},
        {"HOLD", "Aus"},    {"HV-T", "0"},         {"HV-P", "0"},
        {"IDLE %", "0"},    {"IDLE", "Aus"},       {"SWSH", "1 - zwei Servos"}};
    for (const auto& [key, value] : heli) {
        EXPECT_EQ(shown[key], value) << key;
    }
    EXPECT_EQ(shown.count("DIFF"), 0u);
}

}  // namespace
