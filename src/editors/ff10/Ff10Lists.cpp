#include "editors/ff10/Ff10Lists.h"

#include <string>
#include <vector>

#include "editors/CommonLists.h"
#include "editors/EditorTexts.h"

namespace ff10 {
namespace {

constexpr std::uint16_t kWholeByte = 0xFF;
// A switch is bits 0 to 3; the position list of its group owns bits 4 to 6 and bit 7
// belongs to whatever else shares the byte. The start switch, whose "Pwr" sets bits 4 to 6,
// clears them when it is written, so that leaving "Pwr" leaves no positions behind.
constexpr std::uint16_t kSwitchCode = 0x0F;
constexpr std::uint16_t kSwitchAndPositions = 0x7F;
constexpr std::uint16_t kGas = 10;
constexpr std::uint16_t kFirstLogicSwitch = 12;
constexpr std::uint16_t kPower = 0x70;
// "NULL" of the channel assignment: the code after the last listed entry.
constexpr std::uint16_t kChannelNull = 16;
constexpr std::uint16_t kCamberNull = 0x80;

const std::vector<std::string> kLetters = {"A", "B", "C", "D", "E", "F", "G", "H"};

ChoiceEntry Switch(std::string text, std::uint16_t code, std::uint16_t writeCare,
                   std::uint16_t readCare = kSwitchCode) {
    return {std::move(text), {code, writeCare}, {code, readCare}, 0};
}

ChoiceEntry Exact(std::string text, std::uint16_t code, int textNumber = 0) {
    return {std::move(text), {code, kWholeByte}, {code, kWholeByte}, textNumber};
}

// Switches A to H, then the stick and the logic switches as asked.
ChoiceList Switches(const std::string& prefix, bool gas, bool logic,
                    std::uint16_t writeCare = kSwitchCode) {
    ChoiceList list;
    for (std::uint16_t k = 0; k < kLetters.size(); ++k) {
        list.entries.push_back(Switch(prefix + kLetters[k], k, writeCare));
    }
    if (gas) {
        list.entries.push_back(Switch("Gas", kGas, writeCare));
    }
    if (logic) {
        for (std::uint16_t k = 0; k < 3; ++k) {
            list.entries.push_back(Switch("Ls" + std::to_string(k + 1),
                                          static_cast<std::uint16_t>(kFirstLogicSwitch + k),
                                          writeCare));
        }
    }
    return list;
}

ChoiceList LogicPositions(bool nullAll) {
    ChoiceList list;
    for (const auto& [text, bits] : {std::pair{"Down", 0x10}, std::pair{"Up", 0x40}}) {
        const auto pattern = static_cast<std::uint16_t>(bits);
        list.entries.push_back(
            {text, {pattern, kSwitchPositionMask}, {pattern, kSwitchPositionMask}, 0});
    }
    if (nullAll) {
        list.entries.push_back({"Null",
                                {kSwitchPositionMask, kSwitchPositionMask},
                                {kSwitchPositionMask, kSwitchPositionMask},
                                0});
        list.fallback = 2;
    }
    return list;
}

// Bit 0 "Ab", bit 1 "Dn(S)", bit 2 "Mdl", none of them "Auf"; a choice writes the byte whole.
ChoiceList TimerModes(bool model) {
    ChoiceList list;
    list.entries.push_back({"Auf", {0x00, kWholeByte}, {0x00, 0x07}, txt::kTimerUp.number});
    list.entries.push_back({"Ab", {0x01, kWholeByte}, {0x01, 0x01}, txt::kTimerDown.number});
    list.entries.push_back({"Dn(S)", {0x02, kWholeByte}, {0x02, 0x03}, 0});
    if (model) {
        list.entries.push_back({"Mdl", {0x04, kWholeByte}, {0x04, 0x07}, 0});
    }
    return list;
}

// Channel codes: "VrA" to "VrE" 0 to 4, "SwA" to "SwH" 5 to 12, "Ls1" to "Ls3" 13 to 15.
std::vector<std::string> ChannelTexts() {
    std::vector<std::string> texts = {"VrA", "VrB", "VrC", "VrD", "VrE"};
    for (const std::string& letter : kLetters) {
        texts.push_back("Sw" + letter);
    }
    for (const char* logic : {"Ls1", "Ls2", "Ls3"}) {
        texts.emplace_back(logic);
    }
    return texts;
}

}  // namespace

const ChoiceList& StartSwitchList() {
    static const ChoiceList list = [] {
        ChoiceList built = Switches("", true, true, kSwitchAndPositions);
        built.entries.push_back(
            {"Pwr", {kPower, kSwitchAndPositions}, {kPower, kSwitchAndPositions}, 0});
        return built;
    }();
    return list;
}

const ChoiceList& SwitchList() {
    static const ChoiceList list = Switches("", false, true);
    return list;
}

const ChoiceList& MixerSwitchList() {
    static const ChoiceList list = Switches("", true, true);
    return list;
}

const ChoiceList& LogicInputAList() {
    static const ChoiceList list = Switches("Sw", true, false);
    return list;
}

const ChoiceList& LogicInputBList() {
    static const ChoiceList list = [] {
        ChoiceList built;
        for (std::uint16_t k = 0; k < kLetters.size(); ++k) {
            built.entries.push_back(Switch("Sw" + kLetters[k], k, 0x07, 0x07));
        }
        return built;
    }();
    return list;
}

const ChoiceList& LogicOperatorList() {
    static const ChoiceList list = TwoEntryBitList(0x80, "UND", "ODER");
    return list;
}

const ChoiceList& LogicPositionsNullClear() {
    static const ChoiceList list = LogicPositions(false);
    return list;
}

const ChoiceList& LogicPositionsNullAll() {
    static const ChoiceList list = LogicPositions(true);
    return list;
}

const ChoiceList& TimerModeList() {
    static const ChoiceList list = TimerModes(false);
    return list;
}

const ChoiceList& Timer3ModeList() {
    static const ChoiceList list = TimerModes(true);
    return list;
}

const ChoiceList& ModulationList() {
    static const ChoiceList list = TwoEntryBitList(0x40, "PCM", "PPM");
    return list;
}

const ChoiceList& ChannelList() {
    static const ChoiceList list = [] {
        ChoiceList built = CodeList(ChannelTexts(), kWholeByte);
        built.entries.push_back(Exact("NULL", kChannelNull));
        return built;
    }();
    return list;
}

const ChoiceList& Channel9List() {
    static const ChoiceList list = [] {
        ChoiceList built;
        const std::vector<std::string> texts = ChannelTexts();
        for (std::uint16_t code = 5; code < texts.size(); ++code) {
            built.entries.push_back(Switch(texts[code], code, kSwitchCode));
        }
        return built;
    }();
    return list;
}

const ChoiceList& CamberControllerList() {
    static const ChoiceList list = [] {
        ChoiceList built = CodeList({"VrA", "VrB", "VrC", "VrD", "VrE"}, kWholeByte);
        built.entries.push_back(Exact("NULL", kCamberNull));
        return built;
    }();
    return list;
}

}  // namespace ff10
