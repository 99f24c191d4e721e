#include "editors/CommonLists.h"

#include <utility>

namespace {

ChoiceList SwitchPositions(std::uint16_t nullPattern) {
    ChoiceList list;
    const std::pair<const char*, std::uint16_t> named[] = {
        {"Down", 0x10}, {"Dn&Ct", 0x30}, {"Center", 0x20}, {"Ct&Up", 0x60}, {"Up", 0x40}};
    for (const auto& [text, bits] : named) {
        list.entries.push_back({text, {bits, kSwitchPositionMask}, {bits, kSwitchPositionMask}, 0});
    }
    list.entries.push_back(
        {"Null", {nullPattern, kSwitchPositionMask}, {nullPattern, kSwitchPositionMask}, 0});
    list.fallback = 5;
    return list;
}

}  // namespace

const ChoiceList& SwitchPositionsNullClear() {
    static const ChoiceList list = SwitchPositions(0x00);
    return list;
}

const ChoiceList& SwitchPositionsNullAll() {
    static const ChoiceList list = SwitchPositions(kSwitchPositionMask);
    return list;
}

std::vector<std::string> NumberTexts(int count) {
    std::vector<std::string> texts;
    for (int n = 1; n <= count; ++n) {
        texts.push_back(std::to_string(n));
    }
    return texts;
}

const ChoiceList& ModulationList() {
    static const ChoiceList list = TwoEntryBitList(0x80, "PCM", "PPM");
    return list;
}

ChoiceList TwoEntryBitList(Byte mask, std::string clearText, std::string setText,
                           int clearTextNumber, int setTextNumber) {
    ChoiceList list;
    list.entries.push_back({std::move(clearText), {0, mask}, {0, mask}, clearTextNumber});
    list.entries.push_back({std::move(setText), {mask, mask}, {mask, mask}, setTextNumber});
    return list;
}

ChoiceList CodeList(const std::vector<std::string>& texts, Byte care, int shift, int firstCode) {
    ChoiceList list;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto code = static_cast<std::uint16_t>((firstCode + static_cast<int>(i)) << shift);
        list.entries.push_back({texts[i], {code, care}, {code, care}, 0});
    }
    return list;
}
