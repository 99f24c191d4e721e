#include "editors/ff9/Ff9Rules.h"

#include <string>

#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"
#include "editors/ff9/Ff9DefaultBlocks.h"
#include "editors/ff9/Ff9Lists.h"

namespace ff9 {
namespace {

constexpr int kHeliTypeFirst = 128;
constexpr int kGlider1 = 1;
constexpr int kGlider2 = 2;
constexpr int kHeliSwh1 = 129;
constexpr int kHeliSwh4 = 131;
constexpr int kFlagByte79 = 79;
constexpr int kFlagByte80 = 80;
constexpr Byte kAilevatorBit = 0x10;
constexpr Byte kDifferentialBit = 0x40;
constexpr Byte kNeedleBit = 0x01;
constexpr Byte kFlaperonBit = 0x20;
constexpr Byte kElevonBit = 0x08;
constexpr int kGovernorRateOffset = 252;
constexpr int kGovernorSwitchOffset = 250;
constexpr Byte kByConditionBit = 0x80;
constexpr int kFirstStickSwitchEntry = 8;
constexpr int kLastStickSwitchEntry = 11;
constexpr int kConditionSwitchEntry = 12;
constexpr long long kSecondEntry = 1;
constexpr Byte kMasterBits = 0x78;
constexpr int kLastStickMaster = 3;
// Model type list entries from this one on are helicopters (type byte = entry + 126).
constexpr long long kFirstHeliEntry = 3;
constexpr int kHeliEntryToType = 126;

int ByteAt(ConstModelRecord record, int offset) {
    if (offset < 0 || static_cast<std::size_t>(offset) >= record.size()) {
        return 0;
    }
    return record[static_cast<std::size_t>(offset)];
}

int TypeOf(ConstModelRecord record) {
    return ByteAt(record, kModelTypeOffset);
}

bool IsHeli(ConstModelRecord record) {
    return TypeOf(record) >= kHeliTypeFirst;
}

// The value the input gives to the field that shows this list, if any does.
std::optional<long long> EntryOf(const GroupInput& input, const ChoiceList& list) {
    for (const auto& [field, value] : input) {
        if (field->choices == &list) {
            return value.number;
        }
    }
    return std::nullopt;
}

ModelFamily FamilyOfEntry(long long entry) {
    if (entry == 0) {
        return ModelFamily::Aeroplane;
    }
    return entry < kFirstHeliEntry ? ModelFamily::Glider : ModelFamily::Helicopter;
}

}  // namespace

bool AeroplaneOrGliderModel(ConstModelRecord record, const Field&) {
    return !IsHeli(record);
}

bool HeliModel(ConstModelRecord record, const Field&) {
    return IsHeli(record);
}

bool NotHeliModel(ConstModelRecord record, const Field&) {
    return !IsHeli(record);
}

bool AcroOrGlider1Model(ConstModelRecord record, const Field&) {
    return TypeOf(record) == 0 || TypeOf(record) == kGlider1;
}

bool Glider1Model(ConstModelRecord record, const Field&) {
    return TypeOf(record) == kGlider1;
}

bool Glider2Model(ConstModelRecord record, const Field&) {
    return TypeOf(record) == kGlider2;
}

bool HeliSwh1Model(ConstModelRecord record, const Field&) {
    return TypeOf(record) == kHeliSwh1;
}

bool NotHeliSwh1Model(ConstModelRecord record, const Field&) {
    return TypeOf(record) != kHeliSwh1;
}

bool TimerSwitchIsAToH(ConstModelRecord record, const Field& field) {
    Field switchField;
    switchField.codec = Codec::Choice;
    switchField.offset = field.offset;
    switchField.choices = &TimerSwitchList();
    const long long entry = DecodeField(switchField, record).number;
    return entry >= 0 && entry < 8;
}

bool AileronDifferentialOff(ConstModelRecord record, const Field&) {
    return (ByteAt(record, kFlagByte79) & kDifferentialBit) == 0;
}

bool GovernorByCondition(ConstModelRecord record, const Field&) {
    return (ByteAt(record, kGovernorSwitchOffset) & kByConditionBit) != 0;
}

bool MixerMasterIsStick(ConstModelRecord record, const Field& field) {
    return ((ByteAt(record, field.ruleOffset) & kMasterBits) >> 3) <= kLastStickMaster;
}

std::string FlapCaption(ConstModelRecord record, const Field& field) {
    const int flags = ByteAt(record, kFlagByte79);
    const char* mixer = (flags & kFlaperonBit) != 0 ? "FLAP"
                        : (flags & kElevonBit) != 0 ? "ELEvon"
                                                    : "Flap/Ele";
    return std::string(mixer) + " " + field.name.back();
}

std::string GovernorCaption(ConstModelRecord record, const Field& field) {
    const char* conditions[] = {"Norm.", "Idle 1", "Idle 2", "Idle 3"};
    const int rate = field.offset - kGovernorRateOffset;
    if (!GovernorByCondition(record, field) || rate < 0 || rate >= 4) {
        return field.name;
    }
    return conditions[rate];
}

std::optional<Message> RefuseDualRateSwitch(ConstModelRecord record, const GroupInput& input) {
    const auto entry = EntryOf(input, DualRateSwitchList());
    if (!entry) {
        return std::nullopt;
    }
    if (IsHeli(record) && *entry >= kFirstStickSwitchEntry && *entry <= kLastStickSwitchEntry) {
        return Message::Numbered(txt::kStickSwitchOnHeli, {}, MessageIcon::Warning);
    }
    if (!IsHeli(record) && *entry == kConditionSwitchEntry) {
        return Message::Numbered(txt::kCondSwitchOnAeroplane, {}, MessageIcon::Warning);
    }
    return std::nullopt;
}

std::optional<Message> RefuseNeedleWithAilevator(ConstModelRecord record, const GroupInput& input) {
    const bool ailevatorOn = (ByteAt(record, kFlagByte79) & kAilevatorBit) != 0;
    const bool needleWasOn = (ByteAt(record, kFlagByte80) & kNeedleBit) != 0;
    for (const auto& [field, value] : input) {
        const bool needleFlag = field->codec == Codec::Flag && field->offset == kFlagByte80 &&
                                field->mask == kNeedleBit;
        if (needleFlag && value.number != 0 && !needleWasOn && ailevatorOn) {
            return Message::Numbered(txt::kNeedleWithAilevator, {}, MessageIcon::Warning);
        }
    }
    return std::nullopt;
}

std::optional<Message> RefuseGovernor(ConstModelRecord record, const GroupInput& input) {
    const auto entry = EntryOf(input, GovernorBit4List());
    const bool needleOn = (ByteAt(record, kFlagByte80) & kNeedleBit) != 0;
    if (entry && *entry == kSecondEntry && (needleOn || TypeOf(record) == kHeliSwh4)) {
        return Message::Numbered(txt::kGovernorRefused, {}, MessageIcon::Warning);
    }
    return std::nullopt;
}

void WriteTypeDefaults(ModelRecord record, const GroupInput& input) {
    const auto entry = EntryOf(input, ModelTypeList());
    if (!entry || *entry < 0) {
        return;
    }
    const long long typeByte = *entry < kFirstHeliEntry ? *entry : *entry + kHeliEntryToType;
    if (typeByte == TypeOf(record)) {
        return;
    }
    CopyBytes(record, kTypeBlockOffset, DefaultTypeBlock(FamilyOfEntry(*entry)), 0, kTypeBlockSize);
}

int MixingPageOf(ConstModelRecord record) {
    const int type = TypeOf(record);
    if (type == 0) {
        return kAcrobaticPage;
    }
    if (type == kGlider1 || type == kGlider2) {
        return kGliderPage;
    }
    if (type >= kHeliTypeFirst) {
        return kHeliPage;
    }
    return 0;
}

}  // namespace ff9
