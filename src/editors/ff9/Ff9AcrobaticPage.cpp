#include <string>

#include "editors/CommonLists.h"
#include "editors/PageBuilder.h"
#include "editors/ff9/Ff9Lists.h"
#include "editors/ff9/Ff9Pages.h"
#include "editors/ff9/Ff9Rules.h"
#include "editors/ff9/Ff9WingMixers.h"

namespace ff9 {
namespace {

void AddSnapRoll(PageBuilder& page) {
    page.Group("SnapRol")
        .Flag("SnapRol Ein", kFlags77, 0x80)
        .Choice("SnapRol Schalter 1", 204, SnapRollSwitch1List())
        .Choice("SnapRol Schalter 2", 205, SwitchAToHList())
        .Choice("SnapRol Safe Mode", 204, SafeModeList(), 205);
    int offset = 206;
    for (const char* surface : {"Ail", "Ele", "Rud"}) {
        for (const char* direction : {"R/U", "L/U", "R/D", "L/D"}) {
            page.Signed(std::string("SnapRol->") + surface + " " + direction, offset++, -120, 120);
        }
    }
}

PageTable Build() {
    PageBuilder page(kAcrobaticPage, "Mischprogramm Acrobatic");
    page.Group("ThrCut")
        .Flag("ThrCut Ein", kFlags77, 0x01)
        .Choice("ThrCut Schalter", 124, SwitchAToHList())
        .Choice("ThrCut Position", 124, SwitchPositionsNullClear())
        .Signed("ThrCut", 126, -40, 40);
    AddWingMixers(page, false);
    page.Group("Ailvator")
        .Flag("Ailvator Ein", kAilevatorBit.offset, kAilevatorBit.mask)
        .Clears({kVTailBit, kElevonBit})
        .Signed("Ailvator A3", 187, -100, 100)
        .Signed("Ailvator A4", 188, -100, 100)
        .Signed("Ailvator E1", 189, -100, 100)
        .Signed("Ailvator E2", 190, -100, 100);
    AddElevatorToFlap(page);
    page.Group("Airbrake")
        .Flag("Airbrake Ein", kFlags77, 0x40)
        .Choice("Airbrake Modus", kFlags77, AirbrakeModeList());
    AddAirbrakeValues(page, "Airbrake Knueppelposition");
    AddSnapRoll(page);
    page.Group("ThrDelay")
        .Flag("ThrDelay Ein", kFlags80, 0x02)
        .Unsigned("ThrDelay", 218, 0, 100, 0x7F);
    page.Group("IdleDown")
        .Flag("IdleDown Ein", kFlags77, 0x02)
        .Choice("IdleDown Schalter", 219, SwitchAToHList())
        .Choice("IdleDown Position", 219, SwitchPositionsNullClear())
        .Unsigned("IdleDown", 220, 0, 40);
    page.Group("ThrNeedl")
        .Refuse(RefuseNeedleWithAilevator)
        .Flag("ThrNeedl Ein", kFlags80, 0x01)
        .HalfPercentCurve("ThrNeedl ", 262)
        .Unsigned("ThrNeedl Acc", 267, 0, 100);
    return page.Build();
}

}  // namespace

const PageTable& AcrobaticPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff9
