#include "editors/fc16/Fc16Lists.h"

#include <string>
#include <vector>

#include "editors/CommonLists.h"

namespace fc16 {
namespace {

// Two entries for one bit, the entry for the set bit first.
ChoiceList SetFirst(Byte mask, std::string setText, std::string clearText) {
    ChoiceList list;
    list.entries.push_back({std::move(setText), {mask, mask}, {mask, mask}});
    list.entries.push_back({std::move(clearText), {0, mask}, {0, mask}});
    return list;
}

}  // namespace

const ChoiceList& StickModeList() {
    static const ChoiceList list = CodeList({"Modus 1", "Modus 2", "Modus 3", "Modus 4"}, 0x03);
    return list;
}

const ChoiceList& DualRateSwitchList() {
    static const ChoiceList list = CodeList({"DRSW 2", "DRSW 3", "DRSW 4", "DRSW 1"}, 0x03);
    return list;
}

const ChoiceList& ThrottleSideList() {
    static const ChoiceList list = SetFirst(0x20, "Vollgas hinten", "Vollgas vorn");
    return list;
}

const ChoiceList& FunctionSwapList() {
    static const ChoiceList list = SetFirst(0x10, "Kanal 3", "Kanal 5");
    return list;
}

const ChoiceList& MixerFunctionList(int shift) {
    static const ChoiceList master = CodeList(NumberTexts(8), 0x70, 4);
    static const ChoiceList slave = CodeList(NumberTexts(8), 0x07);
    return shift == 4 ? master : slave;
}

const ChoiceList& StopwatchSwitchList() {
    static const ChoiceList list = [] {
        std::vector<std::string> texts = NumberTexts(8);
        texts.insert(texts.end(), {"+C", "-C"});
        return CodeList(texts, 0xF0, 4);
    }();
    return list;
}

ChoiceList OnOffList(int bit) {
    return SetFirst(static_cast<Byte>(1 << bit), "Aus", "Aktiv");
}

const ChoiceList& SwashplateList() {
    static const ChoiceList list =
        CodeList({"1 - zwei Servos", "2 - zwei Rollservos", "3 - zwei Roll-, ein Nickservo",
                  "4 - zwei Nick-, ein Rollservo"},
                 0x30, 4);
    return list;
}

}  // namespace fc16
