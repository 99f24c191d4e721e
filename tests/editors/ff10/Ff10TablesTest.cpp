#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Ff10DataSet.h"
#include "dataset/CamPacData.h"
#include "editors/EditorFamilies.h"
#include "editors/FieldCodec.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"
#include "editors/ff10/Ff10Pages.h"
#include "editors/ff10/Ff10Rules.h"

// The FF10 tables as a whole: every field round-trips, keys are unique, every byte a
// model's pages write belongs to one setting, and a type change writes the default blocks.
namespace {

const std::vector<int> kTypeBytes = {0, 1, 2, 3, 129, 130, 131, 132, 133, 134, 135, 136};

std::vector<Byte> RecordOfType(int type) {
    std::vector<Byte> record(kSlotSize, 0);
    record[ff10::kModelTypeOffset] = static_cast<Byte>(type);
    return record;
}

// Keys of the fields shown for a model of `type` (every variant) that own bits of `offset`,
// the model type list left out (it owns the whole default block).
std::set<std::string> Owners(int type, int offset, Byte mask = 0xFF) {
    const std::vector<Byte> record = RecordOfType(type);
    std::set<std::string> keys;
    for (const ShownField& shown : DescribeModel(ff10::Family(), record)) {
        const Field& field = *shown.field;
        if (field.codec->Kind() == "model-type") {
            continue;
        }
        for (const BitRef& bit : field.codec->OwnedBits(field)) {
            if (bit.offset == offset && (bit.mask & mask) != 0) {
                keys.insert(field.key);
            }
        }
    }
    return keys;
}

// Two settings never share a bit: fields of different groups own different bits for every
// model type (a switch and its position lists, one group, share the position bits).
TEST(Ff10Tables, EveryWrittenBitBelongsToOneSetting) {
    for (const int type : kTypeBytes) {
        const std::vector<Byte> record = RecordOfType(type);
        std::map<int, std::vector<std::pair<const Field*, Byte>>> byOffset;
        for (const ShownField& shown : DescribeModel(ff10::Family(), record)) {
            if (shown.field->codec->Kind() == "model-type") {
                continue;
            }
            for (const BitRef& bit : shown.field->codec->OwnedBits(*shown.field)) {
                byOffset[bit.offset].emplace_back(shown.field, bit.mask);
            }
        }
        for (const auto& [offset, owners] : byOffset) {
            for (std::size_t i = 0; i < owners.size(); ++i) {
                for (std::size_t j = i + 1; j < owners.size(); ++j) {
                    const Field& a = *owners[i].first;
                    const Field& b = *owners[j].first;
                    if ((owners[i].second & owners[j].second) != 0) {
                        EXPECT_EQ(a.group, b.group) << "type " << type << " byte " << offset << ": "
                                                    << a.key << " / " << b.key;
                    }
                }
            }
        }
    }
}

// The places worked out from the tables and the default blocks together.
struct Place {
    int type;
    int offset;
    Byte mask;
    std::set<std::string> owners;  // empty: no field
};

TEST(Ff10Tables, LayoutDecisions) {
    const Place places[] = {
        // revolution mixing: Normal, Idle1, Idle2; Idle3 would begin in the offset switch
        {129, 234, 0xFF, {"RevoMix 1 Normal"}},
        {129, 244, 0xFF, {"RevoMix 1 Idle2"}},
        {129, 248, 0xFF, {"RevoMix 5 Idle2"}},
        {129, 249, 0x7F, {"Offset Schalter"}},
        {129, 249, 0x80, {"Offset nach Flugzustand"}},
        // byte 250: Idle1 roll offset of a helicopter, channel-3 expo of the others
        {129, 250, 0xFF, {"Offset Roll Idle1"}},
        {0, 250, 0xFF, {"Expo Kanal 3"}},
        {2, 250, 0xFF, {"Expo Kanal 3"}},
        {133, 261, 0xFF, {"Offset Heck Hold"}},
        // pitch curves of all five conditions, throttle curves of four
        {130, 263, 0xFF, {"Pitchkurve 1 Normal"}},
        {130, 317, 0xFF, {"Pitchkurve 7 Hold"}},
        {130, 323, 0xFF, {"Gaskurve 1 Normal"}},
        {130, 365, 0xFF, {"Gaskurve 7 Idle3"}},
        {130, 371, 0xFF, {"Gaskpos. Autorot."}},
        {130, 372, 0xFF, {"Delay Gas"}},
        {130, 375, 0x07, {"Governor Schalter"}},
        {130, 377, 0xFF, {"Governor 1"}},
        // needle curves of four conditions; the gyro switch and rates behind them
        {131, 401, 0xFF, {"Needl 5 Idle3"}},
        {131, 402, 0xFF, {}},
        {131, 403, 0x07, {"Gyro Schalter"}},
        {131, 404, 0xFF, {"Gyro 1"}},
        {131, 408, 0xFF, {"Gyro 5"}},
        // throttle mixing of four conditions, then the mixers
        {132, 189, 0xFF, {"GasMix Roll Idle3"}},
        {132, 191, 0xFF, {"GasMix Heck Idle3"}},
        {132, 192, 0x01, {"Mischer 1 Trim."}},
        {132, 193, 0x01, {"Mischer 1 Link"}},
        // pitch travel: bits 0 to 6, the low side's bit 7 kept
        {134, 164, 0x7F, {"Pitchweg Low Normal"}},
        {134, 164, 0x80, {}},
        {134, 173, 0x7F, {"Pitchweg High Hold"}},
        // helicopter mixers end with mixer 6; the others have eight
        {135, 233, 0xFF, {"Mischer 6 - 5"}},
        {0, 242, 0x07, {"Mischer 8 Slave"}},
        {0, 249, 0xFF, {"Mischer 8 - 5"}},
        // flap values at 256 and 257 for aeroplanes and gliders; 262 and 263 left
        {0, 256, 0xFF, {"FLP/AIL/ELE - Flp 1"}},
        {0, 257, 0xFF, {"FLP/AIL/ELE - Flp 2"}},
        {3, 256, 0xFF, {"FLP/AIL/ELE - Flp 1"}},
        {0, 261, 0xFF, {"FLP/AIL/ELE - Ail 2L"}},
        {0, 262, 0xFF, {}},
        {0, 263, 0xFF, {}},
        {0, 253, 0xFF, {"V-Leitwerk R2"}},
        {0, 254, 0xFF, {"V-Leitwerk R1"}},
        // camber trim: controller, a byte left, six values
        {1, 351, 0xFF, {"Wölb-Trimm Geber Normal"}},
        {1, 352, 0xFF, {}},
        {1, 353, 0xFF, {"Wölb-Trimm Quer L Normal"}},
        {1, 358, 0xFF, {"Wölb-Trimm Höhe H Normal"}},
        {1, 383, 0xFF, {"Wölb-Trimm Geber Landung"}},
        {1, 390, 0xFF, {"Wölb-Trimm Höhe H Landung"}},
        // glider condition offsets from Start on; Normal's place holds other settings
        {2, 404, 0xFF, {"Quer - Seite Mix R Landung"}},
        {2, 406, 0xFF, {"Offset->Delay Quer"}},
        {2, 410, 0xFF, {"Offset->Quer 1 Start"}},
        {2, 433, 0xFF, {"Offset->Quer 2 Landung"}},
        // throttle delay: bits 0 to 6
        {0, 371, 0x7F, {"ThrDelay"}},
        {0, 371, 0x80, {}},
        // switch bytes the FF10 keeps where the FF9 keeps them, in the same order
        {0, 129, 0x0F, {"ThrCut Schalter"}},
        {0, 283, 0x0F, {"Ele->Flap Schalter"}},
        {0, 372, 0x0F, {"IdleDown Schalter"}},
        {0, 429, 0x07, {"SnapRol Schalter 1"}},
        {0, 430, 0x40, {"SnapRol Safe Mode"}},
        {0, 307, 0xFF, {"Airbrake Knueppelposition"}},
        {0, 84, 0x40, {"Modulation"}},
        {0, 84, 0x10, {"ATL"}},
        {0, 84, 0x02, {"AIL-2"}},
        {0, 84, 0xAD, {}},
        {0, 115, 0xFF, {}},
        {129, 115, 0x01, {"Offset Ein"}},
    };
    for (const Place& place : places) {
        EXPECT_EQ(Owners(place.type, place.offset, place.mask), place.owners)
            << "type " << place.type << " byte " << place.offset << " mask "
            << static_cast<int>(place.mask);
    }
}

TEST(Ff10Tables, ConditionVariantsCoverWhatTheRecordHolds) {
    const std::vector<Byte> heli = RecordOfType(129);
    std::set<std::string> keys;
    for (const ShownField& shown : DescribeModel(ff10::Family(), heli)) {
        keys.insert(shown.field->key);
    }
    for (const char* present : {"Pitchkurve 1 Hold", "Gaskurve 7 Idle3", "RevoMix 5 Idle2",
                                "Needl 1 Idle3", "GasMix Heck Idle3", "Pitchweg Low Hold",
                                "DualRate Hold 4", "Expo Idle3 4", "Offset Roll Idle1"}) {
        EXPECT_EQ(keys.count(present), 1u) << present;
    }
    for (const char* absent :
         {"Gaskurve 1 Hold", "RevoMix 1 Idle3", "RevoMix 1 Hold", "Needl 1 Hold",
          "GasMix Roll Hold", "Expo Kanal 3", "Mischer 7 Ein", "Mischer 8 - 5", "DualRate Up 1R"}) {
        EXPECT_EQ(keys.count(absent), 0u) << absent;
    }
}

// Fields taken from the FF9 tables carry the conditions on bytes that moved with them and
// leave the rest behind.
TEST(Ff10Tables, FieldsTakenFromTheFf9MoveTheirConditions) {
    const Field* trim = ff10::MixersPage().FindField("Mischer 1 Trim.");
    ASSERT_NE(trim, nullptr);
    EXPECT_EQ(trim->offset, 192);
    ASSERT_EQ(trim->enabledIfBits.size(), 1u);
    EXPECT_EQ(trim->enabledIfBits[0].offset, 194);
    const Field* governor = ff10::HeliPage().FindField("Governor 4");
    ASSERT_NE(governor, nullptr);
    EXPECT_EQ(governor->offset, 380);
    ASSERT_EQ(governor->enabledIfBits.size(), 1u);
    EXPECT_EQ(governor->enabledIfBits[0].offset, 375);
    EXPECT_EQ(governor->caption, nullptr);  // the FF9's caption reads FF9 bytes
    const Field* flap = ff10::AcrobaticPage().FindField("FLP/AIL/ELE - Flp 1");
    ASSERT_NE(flap, nullptr);
    EXPECT_TRUE(flap->enabledIfBits.empty());  // the differential flag has no FF10 place
    EXPECT_EQ(flap->types, &ff10::ModelTypes());
    // the FF9's flag bytes 77 to 80 have no FF10 place: no on/off boxes came along
    for (const PageTable* page : ff10::Family().AllPages()) {
        for (const Field& field : page->fields) {
            if (field.key.size() > 4 && field.key.substr(field.key.size() - 4) == " Ein") {
                EXPECT_TRUE(field.key == "Offset Ein" || field.key.rfind("Mischer", 0) == 0)
                    << field.key;
            }
        }
    }
}

TEST(Ff10Tables, TheModelTypeChoosesTheMixingPage) {
    const std::pair<int, int> pages[] = {{0, 51},   {1, 52},   {3, 52}, {129, 53},
                                         {136, 53}, {200, 53}, {4, 0},  {127, 0}};
    for (const auto& [type, page] : pages) {
        EXPECT_EQ(ff10::Family().MixingPageOf(RecordOfType(type)), page) << type;
    }
}

// The three blocks as the record description gives them, 32 bytes a line from offset 58.
const char* const kAeroplane =
    "4C 00 00 00 00 00 48 00 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 00 0F 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0B 00 02 01 16 15 00 00 00 00 00 80 80 "
    "80 "
    "80 13 23 10 23 11 23 00 A8 00 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 "
    "64 "
    "64 64 10 00 10 00 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 03 71 00 00 00 00 0D 72 00 00 00 00 29 74 00 00 00 00 13 75 00 00 00 "
    "00 "
    "18 75 00 00 00 00 00 00 18 75 00 00 00 00 00 00 19 75 00 00 00 00 00 00 19 75 00 00 00 00 00 "
    "00 "
    "00 32 CE 32 32 00 64 9C 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 00 00 00 00 80 CE CE "
    "9C "
    "64 42 00 00 32 32 32 32 32 32 32 32 16 64 64 64 64 00 16 64 64 64 64 02 00 58 12 32 32 32 F6 "
    "00 "
    "02 32 32 32 F6 00 14 80 80 00 32 4B 64 7D 96 C8 CE E7 00 19 32 00 32 4B 64 7D 96 C8 CE E7 00 "
    "19 "
    "32 00 32 4B 64 7D 96 C8 CE E7 00 19 32 00 32 4B 64 7D 96 C8 CE E7 00 19 32 80 32 00 00 80 80 "
    "80 "
    "00 00 00 00 00 32 64 96 C8 00 32 64 96 C8 00 32 64 96 C8 00 32 64 96 C8 00 14 80 80 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 17 80 80 64 9C 64 9C 64 64 9C 9C 64 9C "
    "9C "
    "64 CE 32 00 00 00 00 1E 1E 1E 1E 00 05 05 05 05 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00";
const char* const kGlider =
    "58 00 00 00 00 00 54 00 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 00 0F 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 03 00 02 01 16 15 00 00 20 00 60 14 44 "
    "22 "
    "12 13 23 10 23 11 23 00 A8 00 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 "
    "64 "
    "64 64 64 64 64 64 64 64 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 03 71 00 00 00 00 0D 72 00 00 00 00 29 74 00 00 00 00 13 75 00 00 00 "
    "00 "
    "01 75 00 00 00 00 00 00 01 75 00 00 00 00 00 00 0A 75 00 00 00 00 00 00 0A 75 00 00 00 00 00 "
    "00 "
    "00 32 CE 32 32 00 64 9C 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 19 19 19 "
    "19 "
    "19 42 00 00 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 0A 00 C3 10 00 00 00 00 "
    "00 "
    "00 0A 00 50 00 00 00 00 00 00 00 00 0A 00 50 00 76 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 80 00 1E 1E 1E 1E 1E 1E 80 00 1E 1E 1E 1E 1E 1E 80 00 1E 1E 1E 1E 1E 1E 80 00 "
    "1E "
    "1E 1E 1E 1E 1E 80 00 1E 1E 1E 1E 1E 1E 00 00 00 70 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0D 9C 00 64 11 07 CE "
    "32 "
    "80 CE 32 00 00 00 00 1E 1E 1E 1E 00 05 05 05 05 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00";
const char* const kHelicopter =
    "3F 00 00 00 00 00 3B 00 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 00 0F 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0A 80 07 01 16 15 00 00 00 06 00 24 14 "
    "15 "
    "16 13 00 10 00 11 00 17 4F 00 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 00 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 13 04 E4 64 E4 64 E4 64 E4 64 E4 64 00 02 00 00 00 00 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 03 71 00 00 00 00 0D 72 00 00 00 00 29 74 00 00 00 00 13 75 00 00 00 "
    "00 "
    "01 75 00 00 00 00 00 00 01 75 00 00 00 00 00 00 EC F6 00 0A 14 00 00 00 00 00 00 00 00 00 00 "
    "80 "
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 32 4B 64 7D 96 C8 CE E7 00 19 32 00 32 4B 64 7D 96 "
    "C8 "
    "CE E7 00 19 32 00 32 4B 64 7D 96 C8 CE E7 00 19 32 00 32 4B 64 7D 96 C8 CE E7 00 19 32 00 32 "
    "4B "
    "64 7D 96 C8 CE E7 00 19 32 00 32 4B 64 7D 96 C8 CE E7 00 19 32 00 32 4B 64 7D 96 C8 CE E7 00 "
    "19 "
    "32 00 32 4B 64 7D 96 C8 CE E7 00 19 32 00 32 4B 64 7D 96 C8 CE E7 00 19 32 00 00 00 00 12 11 "
    "00 "
    "64 C8 C8 00 00 32 64 96 C8 00 32 64 96 C8 00 32 64 96 C8 00 32 64 96 C8 00 15 64 64 64 64 64 "
    "00 "
    "00 00 00 00 32 32 32 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0D 9C 00 64 11 07 CE "
    "32 "
    "80 CE 32 00 00 00 00 1E 1E 1E 1E 00 05 05 05 05 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
    "00 "
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00";

std::vector<Byte> Hex(const char* text) {
    std::istringstream in(text);
    std::vector<Byte> bytes;
    unsigned value = 0;
    while (in >> std::hex >> value) {
        bytes.push_back(static_cast<Byte>(value));
    }
    return bytes;
}

struct TypeChange {
    const char* entry;
    int code;
    const char* block;
};

TEST(Ff10Tables, ATypeChangeWritesTheFamilysBlockAndTheCode) {
    const TypeChange changes[] = {
        {"Glider 1A1F", 1, kGlider},    {"Glider 2A1F", 2, kGlider},
        {"Glider 2A2F", 3, kGlider},    {"Heli H1", 129, kHelicopter},
        {"Heli H2", 130, kHelicopter},  {"Heli H4", 131, kHelicopter},
        {"Heli HR3", 132, kHelicopter}, {"Heli HN3", 133, kHelicopter},
        {"Heli H-3", 134, kHelicopter}, {"Heli HE3", 135, kHelicopter},
        {"Heli H4X", 136, kHelicopter}, {"Acro", 0, kAeroplane},
    };
    CamPacData data = Ff10DataSet();
    ModelEditor editor(data, ff10::Family());
    editor.StartEditing();
    const ModelRecord slot = data.modelSlots.Slot(1);
    for (int offset = 0; offset < kFf10RecordSize; ++offset) {
        slot[static_cast<std::size_t>(offset)] = static_cast<Byte>(offset * 7 + 3);
    }
    slot[ff10::kModelTypeOffset] = 0x04;  // a type no entry lists
    for (const TypeChange& change : changes) {
        SCOPED_TRACE(change.entry);
        const std::vector<Byte> before(slot.begin(), slot.begin() + kFf10RecordSize);
        ASSERT_TRUE(AssignFields(editor, 1, {{"Modelltyp", change.entry}}).ok());
        const std::vector<Byte> block = Hex(change.block);
        ASSERT_EQ(block.size(), 430u);
        for (int offset = 0; offset < kFf10RecordSize; ++offset) {
            const auto at = static_cast<std::size_t>(offset);
            const Byte expected = offset == ff10::kModelTypeOffset ? static_cast<Byte>(change.code)
                                  : offset >= 58                   ? block[at - 58]
                                                                   : before[at];
            EXPECT_EQ(slot[at], expected) << "byte " << offset;
        }
        // servo travel back to 100 in every block
        EXPECT_EQ(slot[66], 100);
        EXPECT_EQ(slot[81], 100);
    }
}

}  // namespace
