#include "editors/ff9/Ff9WingMixers.h"

#include "editors/CommonLists.h"
#include "editors/ff9/Ff9Lists.h"
#include "editors/ff9/Ff9Rules.h"

namespace ff9 {

void AddWingMixers(PageBuilder& page, bool glider) {
    page.Group("V-Leitwerk")
        .Flag("V-Leitwerk Ein", kVTailBit.offset, kVTailBit.mask)
        .Clears({kAilevatorBit})
        .Signed("V-Leitwerk E1", 176, -100, 100)
        .Signed("V-Leitwerk E2", 177, -100, 100)
        .Signed("V-Leitwerk R1", 178, -100, 100)
        .Signed("V-Leitwerk R2", 179, -100, 100);
    page.Group("FlapTrim");
    if (glider) {
        page.EnabledFromHereForTypes({kGlider1});
    }
    page.Flag("FlapTrim Ein", kFlags79, 0x04).Signed("FlapTrim", 180, -100, 100);

    page.Group("FLP/AIL/ELE")
        .Flag("Flaperon Ein", kFlaperonBit.offset, kFlaperonBit.mask)
        .Clears({kDifferentialBit, kElevonBit})
        .Flag("Querruderdifferenzierung Ein", kDifferentialBit.offset, kDifferentialBit.mask)
        .Clears({kFlaperonBit, kElevonBit})
        .Flag("Deltamischer", kElevonBit.offset, kElevonBit.mask)
        .Clears({kAilevatorBit, kFlaperonBit, kDifferentialBit});
    if (glider) {
        page.EnabledForTypes({kGlider1});
    }
    page.Signed("FLP/AIL/ELE - Ail 1R", 181, -120, 120)
        .Signed("FLP/AIL/ELE - Ail 1L", 182, -120, 120)
        .Signed("FLP/AIL/ELE - Ail 2R", 183, -120, 120)
        .Signed("FLP/AIL/ELE - Ail 2L", 184, -120, 120)
        .Signed("FLP/AIL/ELE - Flp 1", 186, -120, 120)
        .EnabledIfBits(kDifferentialBit.offset, kDifferentialBit.mask, 0)
        .CaptionBy(FlapCaption)
        .Signed("FLP/AIL/ELE - Flp 2", 185, -120, 120)
        .EnabledIfBits(kDifferentialBit.offset, kDifferentialBit.mask, 0)
        .CaptionBy(FlapCaption);
}

void AddElevatorToFlap(PageBuilder& page) {
    page.Group("Ele->Flap")
        .Flag("Ele->Flap Ein", kFlags77, 0x10)
        .Choice("Ele->Flap Schalter", 191, SwitchAToHList())
        .Choice("Ele->Flap Position", 191, SwitchPositionsNullClear())
        .Signed("Ele->Flap L", 193, -100, 100)
        .Signed("Ele->Flap H", 194, -100, 100);
}

void AddAirbrakeValues(PageBuilder& page, const char* stickPositionName) {
    page.Signed("Airbrake->Ail1", 197, -100, 100)
        .Signed("Airbrake->Ail2", 200, -100, 100)
        .Signed("Airbrake->Ele", 198, -100, 100)
        .Signed("Airbrake->Flap", 199, -100, 100)
        .Unsigned("Airbrake->Delay", 202, -100, 100)
        .ShownOnly()
        .Signed(stickPositionName, 201, -128, 127);
}

}  // namespace ff9
