#include "editors/ff10/Ff10Switches.h"

#include "editors/CommonLists.h"
#include "editors/ff10/Ff10FromFf9.h"
#include "editors/ff10/Ff10Lists.h"
#include "editors/ff10/Ff10Rules.h"
#include "editors/ff9/Ff9Pages.h"

namespace ff10 {

void AddSwitch(PageBuilder& page, const std::string& name, int offset, SwitchSet set,
               bool nullAll) {
    const ChoiceList& list = set == SwitchSet::Start   ? StartSwitchList()
                             : set == SwitchSet::Mixer ? MixerSwitchList()
                                                       : SwitchList();
    page.Choice(name + " Schalter", offset, list)
        .Choice(name + " Position", offset,
                nullAll ? SwitchPositionsNullAll() : SwitchPositionsNullClear())
        .ShownIf(set == SwitchSet::Start ? HoldsOtherSwitchNotPower : HoldsOtherSwitch)
        .Choice(name + " Position Ls", offset,
                nullAll ? LogicPositionsNullAll() : LogicPositionsNullClear())
        .ShownIf(HoldsLogicSwitch);
}

void AddThrottleCut(PageBuilder& page, int min, int max) {
    constexpr int kSwitchOffset = 129;
    page.Group("ThrCut");
    AddSwitch(page, "ThrCut", kSwitchOffset, SwitchSet::Plain);
    page.Reuse(ff9::AcrobaticPage(), AcrobaticFromFf9(), InGroup("ThrCut")).Range(min, max);
}

}  // namespace ff10
