#include <string>

#include "editors/CommonLists.h"
#include "editors/PageBuilder.h"
#include "editors/ff9/Ff9Lists.h"
#include "editors/ff9/Ff9Pages.h"
#include "editors/ff9/Ff9Rules.h"
#include "editors/ff9/Ff9WingMixers.h"

namespace ff9 {
namespace {

constexpr Byte kGyroModeBits = 0x30;
constexpr Byte kByCondition = 0x80;

PageTable Build() {
    PageBuilder page(kHeliPage, "Mischprogramm Heli");
    page.Types(ModelTypes());
    page.Group("Flugzustand")
        .Flag("Idle 1 Ein", kFlags77, 0x10)
        .Flag("Idle 2 Ein", kFlags77, 0x20)
        .Flag("Idle 3 Ein", kFlags77, 0x40)
        .Flag("Hold Ein", kFlags77, 0x80);
    page.Group("SWASH Afr")
        .EnabledFromHereForTypes({kHeliSwh2, kHeliSwh4, kHeliSr3, kHeliSn3})
        .Signed("SWASH Afr Ail", 112, 0, 100)
        .Signed("SWASH Afr Ele", 113, 0, 100)
        .Signed("SWASH Afr Rud", 114, 0, 100);
    page.Group("Gyro Typ").Choice("Gyro Typ", kFlags79, GyroTypeList());
    page.Group("Gyro")
        .Choice("Gyro Schalter", 115, SwitchAToHList())
        .Flag("Gyro nach Flugzustand", 115, kByCondition);
    for (int k = 1; k <= 5; ++k) {
        page.Gyro("Gyro " + std::to_string(k), 115 + k, kFlags79, kGyroModeBits);
    }
    page.Group("ThrCut")
        .Flag("ThrCut Ein", kFlags77, 0x01)
        .Choice("ThrCut Schalter", 124, SwitchAToHList())
        .Choice("ThrCut Position", 124, SwitchPositionsNullClear())
        .Signed("ThrCut", 126, -40, 40)
        .AlsoRange(-30, 30);
    page.Group("RevoMix")
        .Flag("RevoMix Ein", kFlags79, 0x01)
        .SignedCurve("RevoMix Normal ", 142, -100, 100)
        .SignedCurve("RevoMix Idle1/2 ", 147, -100, 100)
        .SignedCurve("RevoMix Idle3 ", 152, -100, 100);
    page.Group("Gaskurve")
        .HalfPercentCurve("Gaskurve Normal ", 168)
        .HalfPercentCurve("Gaskurve Idle1 ", 175)
        .HalfPercentCurve("Gaskurve Idle2 ", 182)
        .HalfPercentCurve("Gaskurve Idle3 ", 189);
    page.Group("Gaskpos. Autorot.").Signed("Gaskpos. Autorot.", 196, -50, 50);
    page.Group("Pitchkurve")
        .HalfPercentCurve("Pitchkurve Normal ", 201)
        .HalfPercentCurve("Pitchkurve Idle1 ", 208)
        .HalfPercentCurve("Pitchkurve Idle2 ", 215)
        .HalfPercentCurve("Pitchkurve Idle3 ", 222)
        .HalfPercentCurve("Pitchkurve Autorot.", 229);
    page.Group("Offset")
        .Flag("Offset Ein", kFlags78, 0x01)
        .Choice("Offset Schalter", 236, SwitchAToHList())
        .Flag("Offset nach Flugzustand", 236, kByCondition);
    for (int condition = 1; condition <= 3; ++condition) {
        const int first = 237 + 3 * (condition - 1);
        const std::string number = std::to_string(condition);
        page.Signed("Offset Ail " + number, first, -120, 120)
            .Signed("Offset Ele " + number, first + 1, -120, 120)
            .Signed("Offset Rud " + number, first + 2, -120, 120);
    }
    page.Group("HoldOffset")
        .Flag("HoldOffset Ein", kFlags79, 0x80)
        .Signed("HoldOffset", 246, -100, 100);
    page.Group("Delay")
        .Unsigned("Delay Ail", 247, 0, 100)
        .EnabledForTypes({kHeliSwh1})
        .Unsigned("Delay Ele", 248, 0, 100)
        .EnabledForTypes({kHeliSwh1})
        .Unsigned("Delay Rud", 249, 0, 100);
    page.Group("Governor Schalter")
        .Choice("Governor Schalter", 250, SwitchAToHList())
        .Flag("Governor nach Flugzustand", 250, kByCondition);
    page.Group("Governor")
        .Refuse(RefuseGovernor)
        .Choice("Governor Option 1", 251, GovernorBit3List())
        .Choice("Governor Option 2", 251, GovernorBit4List())
        .Choice("Governor Option 3", 251, GovernorLowBitsList())
        .Flag("Governor Ein", kFlags79, 0x08)
        .HalfPercent("Governor 1", 252)
        .CaptionBy(GovernorCaption)
        .HalfPercent("Governor 2", 253)
        .CaptionBy(GovernorCaption)
        .HalfPercent("Governor 3", 254)
        .CaptionBy(GovernorCaption)
        .HalfPercent("Governor 4", 255)
        .CaptionBy(GovernorCaption)
        .EnabledIfBits(250, kByCondition, kByCondition);
    page.Group("Hover Gas")
        .Flag("Hover Gas Ein", kFlags80, 0x02)
        .Choice("Hover Gas Geber", 257, ControllerList())
        .Signed("Hover Gas", 258, -100, 100);
    page.Group("Hover Pitch")
        .Flag("Hover Pitch Ein", kFlags80, 0x04)
        .Choice("Hover Pitch Geber", 259, ControllerList())
        .Signed("Hover Pitch", 260, -100, 100);
    page.Group("Needl")
        .Flag("Needl Ein", kFlags80, 0x01)
        .HalfPercentCurve("Needl Normal ", 262)
        .HalfPercentCurve("Needl Idle1/2 ", 268)
        .HalfPercentCurve("Needl Idle3 ", 274);
    return page.Build();
}

}  // namespace

const PageTable& HeliPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff9
