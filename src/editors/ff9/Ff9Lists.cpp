#include "editors/ff9/Ff9Lists.h"

#include <string>
#include <vector>

#include "editors/CommonLists.h"
#include "editors/EditorTexts.h"

namespace ff9 {
namespace {

constexpr std::uint16_t kWholeByte = 0xFF;
// The channel assignment code the pages write for "NULL"; a stored 141 reads as "NULL" too.
constexpr std::uint16_t kChannelNull = 140;

// A controller byte is read by its control (bits 0 to 3) and direction (bit 4), or as
// "NULL" by bit 7; the bits between play no part.
constexpr std::uint16_t kControllerBits = 0x9F;
constexpr std::uint16_t kDirectionPlus = 0x00;
constexpr std::uint16_t kDirectionMinus = 0x10;

const std::vector<std::string> kSwitchLetters = {"A", "B", "C", "D", "E", "F", "G", "H"};

ChoiceEntry Exact(std::string text, std::uint16_t code) {
    return {std::move(text), {code, kWholeByte}, {code, kWholeByte}, 0};
}

ChoiceList ChannelAssignment(int firstCode) {
    const std::vector<std::string> texts = {"Vr-A", "Vr-B", "Vr-C", "Vr-D", "Vr-E", "SW-A", "SW-B",
                                            "SW-C", "SW-D", "SW-E", "SW-F", "SW-G", "SW-H"};
    ChoiceList list;
    for (int code = firstCode; code < static_cast<int>(texts.size()); ++code) {
        list.entries.push_back(
            Exact(texts[static_cast<std::size_t>(code)], static_cast<std::uint16_t>(code)));
    }
    list.entries.push_back({"NULL", {kChannelNull, kWholeByte}, {kChannelNull, 0xFE}, 0});
    return list;
}

}  // namespace

const ChoiceList& TimerSwitchList() {
    static const ChoiceList list = [] {
        ChoiceList built;
        for (std::uint16_t k = 0; k < 8; ++k) {
            built.entries.push_back({kSwitchLetters[k], {k, kWholeByte}, {k, 0x07}, 0});
        }
        built.entries.push_back(Exact("Stick", 10));
        built.entries.push_back(Exact("Power", kSwitchPositionMask));
        return built;
    }();
    return list;
}

const ChoiceList& TimerDirectionList() {
    static const ChoiceList list =
        TwoEntryBitList(0x01, "Auf", "Ab", txt::kTimerUp.number, txt::kTimerDown.number);
    return list;
}

const ChoiceList& ChannelList() {
    static const ChoiceList list = ChannelAssignment(0);
    return list;
}

const ChoiceList& Channel9List() {
    static const ChoiceList list = ChannelAssignment(5);
    return list;
}

const ChoiceList& SecondAileronList() {
    static const ChoiceList list =
        TwoEntryBitList(0x02, "Aus", "2. Querruderservo", txt::kSecondAileronOff.number,
                        txt::kSecondAileronOn.number);
    return list;
}

const ChoiceList& DualRateSwitchList() {
    static const ChoiceList list = [] {
        ChoiceList built;
        for (std::uint16_t k = 0; k < 8; ++k) {
            built.entries.push_back({"Schalter " + kSwitchLetters[k],
                                     {k, 0x8F},
                                     {k, 0x8F},
                                     txt::kDualRateSwitchPrefix.number});
        }
        const std::pair<const char*, int> sticks[] = {{"AIL", txt::kStickSwitchAil.number},
                                                      {"ELE", txt::kStickSwitchEle.number},
                                                      {"THR", txt::kStickSwitchThr.number},
                                                      {"RUD", txt::kStickSwitchRud.number}};
        std::uint16_t code = 8;
        for (const auto& [text, number] : sticks) {
            built.entries.push_back({text, {code, 0x8F}, {code, 0x8F}, number});
            ++code;
        }
        built.entries.push_back({"Cond", {0x80, 0x8F}, {0x80, 0x80}, txt::kConditionSwitch.number});
        return built;
    }();
    return list;
}

const ChoiceList& SwitchAToHList() {
    static const ChoiceList list = CodeList(kSwitchLetters, 0x07);
    return list;
}

const ChoiceList& SnapRollSwitch1List() {
    static const ChoiceList list = [] {
        ChoiceList built = CodeList(kSwitchLetters, 0x87);
        built.entries.push_back({"Null", {0x80, 0x80}, {0x80, 0x80}, 0});
        return built;
    }();
    return list;
}

const ChoiceList& SafeModeList() {
    static const ChoiceList list = {{{"On", {0x4040, 0x4040}, {0x4040, 0x4040}, 0},
                                     {"Off", {0x0040, 0x4040}, {0x0040, 0x4040}, 0},
                                     {"Free", {0x0000, 0x4040}, {0x0000, 0x4040}, 0}},
                                    2};
    return list;
}

const ChoiceList& AirbrakeModeList() {
    static const ChoiceList list = {{{"Linear", {0x20, 0x20}, {0x20, 0x20}, 0},
                                     {"Manuell SW-C", {0x00, 0x20}, {0x00, 0x20}, 0}},
                                    std::nullopt};
    return list;
}

const ChoiceList& ControllerList() {
    static const ChoiceList list = [] {
        ChoiceList built;
        const char* controls[] = {"Vr-A", "Vr-B", "Vr-C", "Vr-D", "Vr-E"};
        for (std::uint16_t control = 0; control < 5; ++control) {
            for (const std::uint16_t direction : {kDirectionPlus, kDirectionMinus}) {
                const auto code = static_cast<std::uint16_t>(control | direction);
                built.entries.push_back(
                    {(direction == kDirectionPlus ? "+ " : "- ") + std::string(controls[control]),
                     {code, kWholeByte},
                     {code, kControllerBits},
                     0});
            }
        }
        built.entries.push_back({"NULL", {0x80, kWholeByte}, {0x80, 0x80}, 0});
        return built;
    }();
    return list;
}

const ChoiceList& GyroTypeList() {
    static const ChoiceList list = {{{"Typ 1", {0x00, 0x20}, {0x00, 0x20}, 0},
                                     {"Typ 2", {0x20, 0x30}, {0x20, 0x30}, 0},
                                     {"Rate/AVC", {0x30, 0x30}, {0x30, 0x30}, 0}},
                                    std::nullopt};
    return list;
}

const ChoiceList& GovernorBit3List() {
    static const ChoiceList list = TwoEntryBitList(0x08, "1", "2");
    return list;
}

const ChoiceList& GovernorBit4List() {
    static const ChoiceList list = TwoEntryBitList(0x10, "1", "2");
    return list;
}

const ChoiceList& GovernorLowBitsList() {
    static const ChoiceList list = CodeList({"1", "2", "3", "4", "5", "6", "7", "8"}, 0x07);
    return list;
}

const ChoiceList& MixerMasterList() {
    static const ChoiceList list =
        CodeList({"AIL", "ELE", "THR", "RUD", "GEA", "FLAP", "AUX1", "AUX2", "Vr-A", "Vr-B", "Vr-C",
                  "Vr-D", "Vr-E", "Offset"},
                 0x78, 3);
    return list;
}

const ChoiceList& MixerSlaveList() {
    static const ChoiceList list =
        CodeList({"AIL", "ELE", "THR", "RUD", "GEA", "FLAP", "AUX1", "AUX2"}, 0x07);
    return list;
}

const ChoiceList& MixerSwitchList() {
    static const ChoiceList list = [] {
        ChoiceList built = CodeList(kSwitchLetters, 0x0F);
        built.entries.push_back({"THR", {10, 0x0F}, {10, 0x0F}, 0});
        return built;
    }();
    return list;
}

}  // namespace ff9
