#include "editors/ff9/Ff9Rules.h"

#include <string>

#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"
#include "editors/codecs/Codecs.h"
#include "editors/ff9/Ff9DefaultBlocks.h"
#include "editors/ff9/Ff9Lists.h"

namespace ff9 {
namespace {

constexpr int kFlagByte79 = 79;
constexpr int kFlagByte80 = 80;
constexpr Byte kAilevatorBit = 0x10;
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

int ByteAt(ConstModelRecord record, int offset) {
    if (offset < 0 || static_cast<std::size_t>(offset) >= record.size()) {
        return 0;
    }
    return record[static_cast<std::size_t>(offset)];
}

// The value the input gives to the field at this offset, if any does.
std::optional<long long> EntryAt(const GroupInput& input, int offset) {
    for (const auto& [field, value] : input) {
        if (field->offset == offset && field->codec->Shown() == ShownKind::Text) {
            return value.number;
        }
    }
    return std::nullopt;
}

std::vector<Byte> Block(ModelFamily family) {
    const std::span<const Byte> block = DefaultTypeBlock(family);
    return {block.begin(), block.end()};
}

ModelTypeEntry Type(std::string text, int code, int page, ModelFamily family) {
    return {std::move(text),
            code,
            page,
            family == ModelFamily::Helicopter,
            {{kTypeBlockOffset, Block(family)}}};
}

}  // namespace

const ModelTypeTable& ModelTypes() {
    static const ModelTypeTable table{
        kModelTypeOffset,
        0xFF,
        {Type("Acro", kAcro, kAcrobaticPage, ModelFamily::Aeroplane),
         Type("Glider 1", kGlider1, kGliderPage, ModelFamily::Glider),
         Type("Glider 2", kGlider2, kGliderPage, ModelFamily::Glider),
         Type("Heli SWH1", kHeliSwh1, kHeliPage, ModelFamily::Helicopter),
         Type("Heli SWH2", kHeliSwh2, kHeliPage, ModelFamily::Helicopter),
         Type("Heli SWH4", kHeliSwh4, kHeliPage, ModelFamily::Helicopter),
         Type("Heli SR-3", kHeliSr3, kHeliPage, ModelFamily::Helicopter),
         Type("Heli SN-3", kHeliSn3, kHeliPage, ModelFamily::Helicopter)},
        // any other type of 128 or more is a helicopter too
        {{128, 255, kHeliPage, true}}};
    return table;
}

bool TimerSwitchIsAToH(ConstModelRecord record, const Field& field) {
    Field switchField;
    switchField.offset = field.offset;
    switchField.codec = codec::Choice(TimerSwitchList());
    const long long entry = DecodeField(switchField, record).number;
    return entry >= 0 && entry < 8;
}

std::string FlapCaption(ConstModelRecord record, const Field& field) {
    const int flags = ByteAt(record, kFlagByte79);
    const char* mixer = (flags & kFlaperonBit) != 0 ? "FLAP"
                        : (flags & kElevonBit) != 0 ? "ELEvon"
                                                    : "Flap/Ele";
    return std::string(mixer) + " " + field.key.back();
}

std::string GovernorCaption(ConstModelRecord record, const Field& field) {
    const char* conditions[] = {"Norm.", "Idle 1", "Idle 2", "Idle 3"};
    const int rate = field.offset - kGovernorRateOffset;
    const bool byCondition = (ByteAt(record, kGovernorSwitchOffset) & kByConditionBit) != 0;
    if (!byCondition || rate < 0 || rate >= 4) {
        return field.Label();
    }
    return conditions[rate];
}

std::optional<Message> RefuseDualRateSwitch(ConstModelRecord record, const GroupInput& input) {
    if (input.empty()) {
        return std::nullopt;
    }
    const auto entry = EntryAt(input, input.front().first->offset);
    const bool heli = ModelTypes().IsHeli(record);
    if (!entry) {
        return std::nullopt;
    }
    if (heli && *entry >= kFirstStickSwitchEntry && *entry <= kLastStickSwitchEntry) {
        return Message::Numbered(txt::kStickSwitchOnHeli, {}, MessageIcon::Warning);
    }
    if (!heli && *entry == kConditionSwitchEntry) {
        return Message::Numbered(txt::kCondSwitchOnAeroplane, {}, MessageIcon::Warning);
    }
    return std::nullopt;
}

std::optional<Message> RefuseNeedleWithAilevator(ConstModelRecord record, const GroupInput& input) {
    const bool ailevatorOn = (ByteAt(record, kFlagByte79) & kAilevatorBit) != 0;
    const bool needleWasOn = (ByteAt(record, kFlagByte80) & kNeedleBit) != 0;
    for (const auto& [field, value] : input) {
        const bool needleFlag =
            field->codec->Shown() == ShownKind::CheckMark && field->offset == kFlagByte80;
        if (needleFlag && value.number != 0 && !needleWasOn && ailevatorOn) {
            return Message::Numbered(txt::kNeedleWithAilevator, {}, MessageIcon::Warning);
        }
    }
    return std::nullopt;
}

std::optional<Message> RefuseGovernor(ConstModelRecord record, const GroupInput& input) {
    std::optional<long long> entry;
    for (const auto& [field, value] : input) {
        if (field->key == "Governor Option 2") {
            entry = value.number;
        }
    }
    const bool needleOn = (ByteAt(record, kFlagByte80) & kNeedleBit) != 0;
    if (entry && *entry == kSecondEntry &&
        (needleOn || ByteAt(record, kModelTypeOffset) == kHeliSwh4)) {
        return Message::Numbered(txt::kGovernorRefused, {}, MessageIcon::Warning);
    }
    return std::nullopt;
}

}  // namespace ff9
