#include "editors/ff10/Ff10Switches.h"

#include "editors/CommonLists.h"
#include "editors/ff10/Ff10FromFf9.h"
#include "editors/ff10/Ff10Lists.h"
#include "editors/ff10/Ff10Rules.h"
#include "editors/ff9/Ff9Pages.h"

namespace ff10 {

void AddSwitch(PageBuilder& page, const std::string& name, int offset, SwitchSet set, bool nullAll,
               const std::string& label) {
    const std::string caption = label.empty() ? name : label;
    const ChoiceList& list = set == SwitchSet::Start   ? StartSwitchList()
                             : set == SwitchSet::Mixer ? MixerSwitchList()
                                                       : SwitchList();
    page.Choice(name + " Schalter", offset, list)
        .Label(caption + " Schalter")
        .Choice(name + " Position", offset,
                nullAll ? SwitchPositionsNullAll() : SwitchPositionsNullClear())
        .Label(caption + " Position")
        .ShownIf(set == SwitchSet::Start ? HoldsOtherSwitchNotPower : HoldsOtherSwitch)
        .Choice(name + " Position Ls", offset,
                nullAll ? LogicPositionsNullAll() : LogicPositionsNullClear())
        .Label(caption + " Position")
        .ShownIf(HoldsLogicSwitch);
}

void AddThrottleCut(PageBuilder& page, int min, int max) {
    constexpr int kSwitchOffset = 129;
    page.Group("ThrCut");
    AddSwitch(page, "ThrCut", kSwitchOffset, SwitchSet::Plain);
    page.Reuse(ff9::AcrobaticPage(), AcrobaticFromFf9(), InGroup("ThrCut")).Range(min, max);
}

}  // namespace ff10
