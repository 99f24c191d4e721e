#include "editors/fc18v3/Fc18v3Lists.h"

#include <array>
#include <bit>
#include <string>
#include <vector>

#include "editors/CommonLists.h"

namespace fc18v3 {
namespace {

constexpr std::uint16_t kSwitchBits = 0x1F;
constexpr std::uint16_t kWholeByte = 0xFF;
const char* const kSwitchNames = "123456789ABCD";

// "+n", "-n" for the first `count` switches: list index s stands for the code
// (s AND 1) x 16 + s / 2, bits 0 to 3 the switch, bit 4 the sense.
ChoiceList SignedSwitches(int count) {
    ChoiceList list;
    for (int s = 0; s < 2 * count; ++s) {
        const auto code = static_cast<std::uint16_t>((s & 1) * 16 + s / 2);
        const std::string text = std::string(s % 2 == 0 ? "+" : "-") + kSwitchNames[s / 2];
        list.entries.push_back({text, {code, kSwitchBits}, {code, kSwitchBits}});
    }
    return list;
}

}  // namespace

const ChoiceList& SwitchCodeList() {
    static const ChoiceList list = [] {
        ChoiceList built = SignedSwitches(13);
        built.entries.push_back({"Aus", {31, kSwitchBits}, {31, kSwitchBits}});
        return built;
    }();
    return list;
}

const ChoiceList& MixerSwitchList() {
    static const ChoiceList list = [] {
        ChoiceList built = SignedSwitches(8);
        built.entries.push_back({"**", {8, kSwitchBits}, {8, kSwitchBits}, 0, {{31, kSwitchBits}}});
        return built;
    }();
    return list;
}

const ChoiceList& DualRateSwitchList() {
    static const ChoiceList list = [] {
        ChoiceList built;
        for (std::uint16_t code = 0; code < 13; ++code) {
            built.entries.push_back({std::string("Schalter ") + kSwitchNames[code],
                                     {code, kWholeByte},
                                     {code, kWholeByte}});
        }
        built.entries.push_back({"Aus", {255, kWholeByte}, {255, kWholeByte}});
        return built;
    }();
    return list;
}

const ChoiceList& FunctionList(int shift) {
    static const ChoiceList high =
        CodeList({"1", "2", "3", "4", "5", "6", "7", "8", "NTP"}, 0xF0, 4);
    static const ChoiceList low =
        CodeList({"1", "2", "3", "4", "5", "6", "7", "8", "NTP"}, 0x0F, 0);
    return shift == 0 ? low : high;
}

const ChoiceList& MultiPropList(int shift) {
    static const auto build = [](int bits) {
        const auto care = static_cast<std::uint16_t>(0x07 << bits);
        ChoiceList built =
            CodeList({"K. 5", "K. 6", "K. 7", "K. 8"}, static_cast<Byte>(care), bits);
        // codes 4 to 7 have bit 2 set: all read as "Aus"
        const auto off = static_cast<std::uint16_t>(4 << bits);
        built.entries.push_back({"Aus", {off, care}, {off, off}});
        return built;
    };
    static const ChoiceList low = build(0);
    static const ChoiceList high = build(4);
    return shift == 0 ? low : high;
}

const ChoiceList& ChannelSwitchList() {
    static const ChoiceList list = [] {
        ChoiceList built;
        for (int s = 0; s < 16; ++s) {
            const auto code = static_cast<std::uint16_t>((s & 1) * 128 + s / 2);
            const std::string text =
                std::string("Kanal ") + (s % 2 == 0 ? "+" : "-") + std::to_string(s / 2 + 1);
            built.entries.push_back({text, {code, kWholeByte}, {code, kWholeByte}});
        }
        return built;
    }();
    return list;
}

const ChoiceList& IdleTrimList() {
    return OnOffList(0x02);
}

const ChoiceList& OnOffList(Byte bit) {
    static const std::array<ChoiceList, 8> lists = [] {
        std::array<ChoiceList, 8> each;
        for (int n = 0; n < 8; ++n) {
            const auto mask = static_cast<std::uint16_t>(1 << n);
            each[static_cast<std::size_t>(n)] = {
                {{"Aus", {mask, mask}, {mask, mask}}, {"Aktiv", {0, mask}, {0, mask}}},
                std::nullopt};
        }
        return each;
    }();
    return lists[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(bit)) & 7)];
}

const ChoiceList& IdleTrimSenseList() {
    static const ChoiceList list = TwoEntryBitList(0x01, "Normal", "Reverse");
    return list;
}

const ChoiceList& CountingList() {
    static const ChoiceList list = TwoEntryBitList(0x80, "Aufwärts", "Abwärts");
    return list;
}

const ChoiceList& StopwatchModeList() {
    static const ChoiceList list = TwoEntryBitList(0x40, "Separat", "Kombi");
    return list;
}

const ChoiceList& TailSenseList() {
    static const ChoiceList list = TwoEntryBitList(0x80, "Links", "Rechts");
    return list;
}

const ChoiceList& MixerModeList() {
    static const ChoiceList list = TwoEntryBitList(0x20, "Linear", "Kurve");
    return list;
}

}  // namespace fc18v3
