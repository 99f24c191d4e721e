#include <string>

#include "editors/CommonLists.h"
#include "editors/PageBuilder.h"
#include "editors/ff9/Ff9Lists.h"
#include "editors/ff9/Ff9Pages.h"
#include "editors/ff9/Ff9Rules.h"
#include "editors/ff9/Ff9WingMixers.h"

namespace ff9 {
namespace {

// Start or speed offset: on flag, controller, then aileron 1, elevator, flap and aileron 2
// (the last only for "Glider 2").
void AddOffset(PageBuilder& page, const std::string& name, Byte flag, int controllerOffset) {
    page.Group(name)
        .Flag(name + " Ein", kFlags78, flag)
        .Choice(name + " Geber", controllerOffset, ControllerList())
        .Signed(name + "->Ail 1", controllerOffset + 2, -100, 100)
        .Signed(name + "->Ele 1", controllerOffset + 3, -100, 100)
        .Signed(name + "->Flp 1", controllerOffset + 5, -100, 100)
        .Signed(name + "->Ail 2", controllerOffset + 6, -100, 100)
        .EnabledForTypes({kGlider2});
}

// Aileron to flap or flap to aileron: on flag, switch and position (Null written as all
// positions), enabled only for "Glider 2".
void AddSwitchedMixer(PageBuilder& page, const std::string& name, Byte flag, int switchOffset) {
    page.Group(name)
        .EnabledFromHereForTypes({kGlider2})
        .Flag(name + " Ein", kFlags80, flag)
        .Choice(name + " Schalter", switchOffset, SwitchAToHList())
        .Choice(name + " Position", switchOffset, SwitchPositionsNullAll());
}

PageTable Build() {
    PageBuilder page(kGliderPage, "Mischprogramm Glider");
    page.Types(ModelTypes());
    AddWingMixers(page, true);
    AddElevatorToFlap(page);
    page.Group("Butterfly").Flag("Butterfly Ein", kFlags77, 0x40);
    AddAirbrakeValues(page, "Preset");
    AddOffset(page, "Startoffset", 0x20, 205);
    AddOffset(page, "Speedoffset", 0x40, 212);
    AddSwitchedMixer(page, "Ail->Flap", 0x04, 226);
    page.Signed("Ail->Flap H", 227, -100, 100).Signed("Ail->Flap L", 228, -100, 100);
    AddSwitchedMixer(page, "Flap->Ail", 0x08, 229);
    page.Signed("Flap->Ail", 230, -100, 100).ShownOnly().Signed("Flap->Ail Offset", 231, -128, 127);
    return page.Build();
}

}  // namespace

const PageTable& GliderPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff9
