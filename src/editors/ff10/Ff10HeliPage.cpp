#include <string>
#include <vector>

#include "editors/PageBuilder.h"
#include "editors/ff10/Ff10FromFf9.h"
#include "editors/ff10/Ff10Pages.h"
#include "editors/ff10/Ff10Rules.h"
#include "editors/ff10/Ff10Switches.h"
#include "editors/ff9/Ff9Pages.h"

namespace ff10 {
namespace {

const std::vector<std::string> kConditions = {"Normal", "Idle1", "Idle2", "Idle3", "Hold"};

// Conditions that have a curve of the kind: the curves of the later conditions would lie
// in the bytes of other settings (Hold has no throttle, needle or throttle mixing;
// revolution mixing ends with Idle2).
constexpr int kThrottleConditions = 4;
constexpr int kRevolutionConditions = 3;

std::string N(int number) {
    return std::to_string(number);
}

void AddCurves(PageBuilder& page) {
    page.Group("Pitchkurve");
    for (int c = 0; c < 5; ++c) {
        page.VariantFromHere(c);
        for (int point = 0; point < 7; ++point) {
            page.Number("Pitchkurve " + N(point + 1) + " " + kConditions[c], 263 + 12 * c + point,
                        codec::kMinusHundred, -100, 100);
        }
    }
    page.Group("Gaskurve");
    for (int c = 0; c < kThrottleConditions; ++c) {
        page.VariantFromHere(c);
        for (int point = 0; point < 7; ++point) {
            page.HalfPercent("Gaskurve " + N(point + 1) + " " + kConditions[c],
                             323 + 12 * c + point);
        }
    }
    page.Group("RevoMix");
    for (int c = 0; c < kRevolutionConditions; ++c) {
        page.VariantFromHere(c);
        for (int point = 0; point < 5; ++point) {
            page.Signed("RevoMix " + N(point + 1) + " " + kConditions[c], 234 + 5 * c + point, -100,
                        100)
                .Refusal("RevoMix Normal " + N(point + 1) + " " + kConditions[c]);
        }
    }
    page.Group("Needl");
    for (int c = 0; c < kThrottleConditions; ++c) {
        page.VariantFromHere(c);
        for (int point = 0; point < 5; ++point) {
            page.HalfPercent("Needl " + N(point + 1) + " " + kConditions[c], 382 + 5 * c + point);
        }
    }
    page.Group("GasMix");
    for (int c = 0; c < kThrottleConditions; ++c) {
        page.VariantFromHere(c)
            .HalfPercent("GasMix Roll " + kConditions[c], 180 + 3 * c)
            .HalfPercent("GasMix Nick " + kConditions[c], 181 + 3 * c)
            .Signed("GasMix Heck " + kConditions[c], 182 + 3 * c, -100, 100);
    }
    // The low side keeps its direction in bit 7 (set in every default block).
    page.Group("Pitchweg");
    for (int c = 0; c < 5; ++c) {
        page.VariantFromHere(c)
            .Unsigned("Pitchweg Low " + kConditions[c], 164 + 2 * c, 60, 100, 0x7F)
            .Unsigned("Pitchweg High " + kConditions[c], 165 + 2 * c, 60, 100, 0x7F);
    }
    page.VariantFromHere(-1);
}

// The condition offsets of Idle1 to Hold, three axes each, switched on in byte 115.
void AddOffsets(PageBuilder& page, const PageTable& ff9Heli) {
    page.Group("Offset").Reuse(ff9Heli, HeliFromFf9(), InGroup("Offset"));
    for (int c = 1; c < 5; ++c) {
        const int first = 250 + 3 * (c - 1);
        page.Signed("Offset Roll " + kConditions[c], first, -120, 120)
            .Signed("Offset Nick " + kConditions[c], first + 1, -120, 120)
            .Signed("Offset Heck " + kConditions[c], first + 2, -120, 120);
    }
}

void AddDelays(PageBuilder& page, const PageTable& ff9Heli) {
    const OffsetMap& fromFf9 = HeliFromFf9();
    page.Group("Delay")
        .Unsigned("Delay Gas", 372, 0, 100)
        .Reuse(ff9Heli, fromFf9, Keyed({"Delay Ail"}))
        .Refusal("Delay Roll")
        .EnabledForTypes({kHeliH1})
        .Reuse(ff9Heli, fromFf9, Keyed({"Delay Ele"}))
        .Refusal("Delay Nick")
        .EnabledForTypes({kHeliH1})
        .Reuse(ff9Heli, fromFf9, Keyed({"Delay Rud"}))
        .Refusal("Delay Heck")
        .Unsigned("Delay Pitch", 174, 0, 100);
}

PageTable Build() {
    const PageTable& ff9Heli = ff9::HeliPage();
    const OffsetMap& fromFf9 = HeliFromFf9();
    PageBuilder page(kHeliPage, "Mischprogramm Heli");
    page.Types(ModelTypes());
    page.Variants("Flugzustand", kConditions);
    page.Group("SWASH AFR")
        .EnabledFromHereForTypes(
            {kHeliH2, kHeliH4, kHeliHr3, kHeliHn3, kHeliHMinus3, kHeliHe3, kHeliH4x})
        .Signed("SWASH AFR Roll", 414, -100, 100)
        .Signed("SWASH AFR Nick", 415, -100, 100)
        .Signed("SWASH AFR Heck", 416, -100, 100);
    page.Group("Gyro").Reuse(ff9Heli, fromFf9, InGroup("Gyro"));
    for (int k = 1; k <= 5; ++k) {
        page.HalfPercent("Gyro " + N(k), 403 + k);
    }
    AddThrottleCut(page, -30, 30);
    AddCurves(page);
    page.Group("Autorotation")
        .Reuse(ff9Heli, fromFf9, InGroup("Gaskpos. Autorot."))
        .Refusal("Autorotation");
    AddOffsets(page, ff9Heli);
    AddDelays(page, ff9Heli);
    for (const char* group : {"Governor Schalter", "Governor"}) {
        page.Group(group).Reuse(ff9Heli, fromFf9, InGroup(group));
    }
    page.Group("Hover Gas")
        .Reuse(ff9Heli, fromFf9, InGroup("Hover Gas"))
        .Refusal("Schwebegas")
        .Group("Hover Pitch")
        .Reuse(ff9Heli, fromFf9, InGroup("Hover Pitch"))
        .Refusal("Schwebepitch");
    return page.Build();
}

}  // namespace

const PageTable& HeliPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff10
