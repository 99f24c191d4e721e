#include "editors/fx18/Fx18Lists.h"

#include <string>
#include <vector>

#include "editors/CommonLists.h"
#include "editors/fx18/Fx18Texts.h"

namespace fx18 {

const ChoiceList& OutputList() {
    static const ChoiceList list = CodeList(NumberTexts(8), 0x07);
    return list;
}

const ChoiceList& VmixFunctionList() {
    static const ChoiceList list = [] {
        std::vector<std::string> texts = NumberTexts(8);
        texts.emplace_back("---");
        return CodeList(texts, 0x78, 3);
    }();
    return list;
}

// The list offers eight functions only: a ninth entry would not fit the three bits and
// would change the master's neighbour bits.
const ChoiceList& XmixFunctionList() {
    static const ChoiceList list = CodeList(NumberTexts(8), 0x38, 3);
    return list;
}

const ChoiceList& StopwatchSwitchList() {
    static const ChoiceList list = [] {
        std::vector<std::string> texts;
        for (const char* kind : {"", "C"}) {
            for (int n = 1; n <= 8; ++n) {
                texts.push_back(std::string("+") + kind + std::to_string(n));
                texts.push_back(std::string("-") + kind + std::to_string(n));
            }
        }
        return CodeList(texts, 0x1F);
    }();
    return list;
}

const ChoiceList& DirectionList() {
    static const ChoiceList list =
        TwoEntryBitList(0x80, "Aufwärts", "Abwärts", text::kUp, text::kDown);
    return list;
}

const ChoiceList& StickModeList() {
    static const ChoiceList list = CodeList({"Mode 1", "Mode 2", "Mode 3", "Mode 4"}, 0x03);
    return list;
}

const ChoiceList& DualRateSwitchList() {
    static const ChoiceList list = CodeList({"124 ", "14", "12", "1"}, 0x03);
    return list;
}

const ChoiceList& MultiPropList() {
    static const ChoiceList list = CodeList({"Aus", "K. 5", "K. 6", "K. 7", "K. 8"}, 0x07);
    return list;
}

const ChoiceList& WingModeList() {
    static const ChoiceList list = CodeList({"Delta", "Flaperon", "Aus"}, 0x06, 1, 1);
    return list;
}

const ChoiceList& MotorflugFlaperonChannelList() {
    static const ChoiceList list = TwoEntryBitList(0x01, "Kan.7", "Kan.6");
    return list;
}

const ChoiceList& SeglerFlaperonChannelList() {
    static const ChoiceList list = TwoEntryBitList(0x01, "Kan.7", "Kan.5");
    return list;
}

const ChoiceList& ButterflyMasterList() {
    static const ChoiceList list = TwoEntryBitList(0x10, "Kan.5", "Kan.3");
    return list;
}

const ChoiceList& FlaperonMasterList() {
    static const ChoiceList list = TwoEntryBitList(0x20, "Kan.5", "Kan.3");
    return list;
}

}  // namespace fx18
