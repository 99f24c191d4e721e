#include "editors/ff10/Ff10Rules.h"

#include <array>
#include <string>
#include <vector>

#include "editors/EditorTexts.h"
#include "editors/codecs/CodecSupport.h"
#include "editors/ff10/Ff10DefaultBlocks.h"

namespace ff10 {
namespace {

constexpr Byte kSwitchCode = 0x0F;
constexpr Byte kPower = 0x70;
constexpr Byte kBelowOperator = 0x7F;
constexpr int kFirstLogicSwitch = 12;
constexpr int kLastLogicSwitch = 14;
// Channels 9 and 10 count their codes from switch A = 5.
constexpr int kChannelCodeShift = 1;
constexpr int kLastSwitchAToH = 7;
constexpr Byte kConditionBit = 0x80;
constexpr int kFirstStickSwitchEntry = 8;
constexpr int kLastStickSwitchEntry = 11;
constexpr int kConditionSwitchEntry = 12;

ModelTypeEntry Type(std::string text, int code, int page,
                    const std::array<Byte, kTypeBlockSize>& block) {
    return {std::move(text),
            code,
            page,
            page == kHeliPage,
            {{kTypeBlockOffset, std::vector<Byte>(block.begin(), block.end())}}};
}

int CodeAt(ConstModelRecord record, const Field& field) {
    return codec::ByteAt(record, field.offset) & kSwitchCode;
}

bool IsLogic(int code, int shift) {
    return code >= kFirstLogicSwitch + shift && code <= kLastLogicSwitch + shift;
}

}  // namespace

const ModelTypeTable& ModelTypes() {
    static const ModelTypeTable table{kModelTypeOffset,
                                      0xFF,
                                      {Type("Acro", kAcro, kAcrobaticPage, kAeroplaneBlock),
                                       Type("Glider 1A1F", kGlider1A1F, kGliderPage, kGliderBlock),
                                       Type("Glider 2A1F", kGlider2A1F, kGliderPage, kGliderBlock),
                                       Type("Glider 2A2F", kGlider2A2F, kGliderPage, kGliderBlock),
                                       Type("Heli H1", kHeliH1, kHeliPage, kHelicopterBlock),
                                       Type("Heli H2", kHeliH2, kHeliPage, kHelicopterBlock),
                                       Type("Heli H4", kHeliH4, kHeliPage, kHelicopterBlock),
                                       Type("Heli HR3", kHeliHr3, kHeliPage, kHelicopterBlock),
                                       Type("Heli HN3", kHeliHn3, kHeliPage, kHelicopterBlock),
                                       Type("Heli H-3", kHeliHMinus3, kHeliPage, kHelicopterBlock),
                                       Type("Heli HE3", kHeliHe3, kHeliPage, kHelicopterBlock),
                                       Type("Heli H4X", kHeliH4x, kHeliPage, kHelicopterBlock)},
                                      // any other type of 128 or more is a helicopter too
                                      {{128, 255, kHeliPage, true}}};
    return table;
}

bool HoldsLogicSwitch(ConstModelRecord record, const Field& field) {
    return IsLogic(CodeAt(record, field), 0);
}

bool HoldsOtherSwitch(ConstModelRecord record, const Field& field) {
    return !HoldsLogicSwitch(record, field);
}

bool HoldsOtherSwitchNotPower(ConstModelRecord record, const Field& field) {
    return HoldsOtherSwitch(record, field) &&
           (codec::ByteAt(record, field.offset) & kBelowOperator) != kPower;
}

bool HoldsChannelLogicSwitch(ConstModelRecord record, const Field& field) {
    return IsLogic(CodeAt(record, field), kChannelCodeShift);
}

bool HoldsChannelSwitch(ConstModelRecord record, const Field& field) {
    return !HoldsChannelLogicSwitch(record, field);
}

bool HoldsDualRateSwitchAToH(ConstModelRecord record, const Field& field) {
    const Byte stored = codec::ByteAt(record, field.offset);
    return (stored & kConditionBit) == 0 && (stored & kSwitchCode) <= kLastSwitchAToH;
}

std::optional<Message> RefuseDualRateSwitch(ConstModelRecord record, const GroupInput& input) {
    if (input.empty()) {
        return std::nullopt;
    }
    const long long entry = input.front().second.number;
    const bool heli = ModelTypes().IsHeli(record);
    if (heli && entry >= kFirstStickSwitchEntry && entry <= kLastStickSwitchEntry) {
        return Message::Numbered(txt::kStickSwitchOnHeli, {}, MessageIcon::Warning);
    }
    if (!heli && entry == kConditionSwitchEntry) {
        return Message::Numbered(txt::kCondSwitchOnAeroplane, {}, MessageIcon::Warning);
    }
    return std::nullopt;
}

}  // namespace ff10
