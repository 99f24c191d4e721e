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

const std::string& Condition(int condition) {
    return kConditions[static_cast<std::size_t>(condition)];
}

// A curve for each of the first `conditions` flight conditions: point p of condition c at
// first + stride x c + p, "<name> <p+1> <condition>", refused under `refusal` in place of
// the name where the record description gives another.
struct Curve {
    const char* name;
    int conditions;
    int first;
    int stride;
    int points;
    codec::ByteFormat format;
    int min;
    int max;
    const char* refusal = nullptr;
};

void AddCurve(PageBuilder& page, const Curve& curve) {
    page.Group(curve.name);
    for (int c = 0; c < curve.conditions; ++c) {
        page.VariantFromHere(c);
        for (int point = 0; point < curve.points; ++point) {
            const std::string number = " " + N(point + 1);
            page.Number(curve.name + number + " " + Condition(c),
                        curve.first + curve.stride * c + point, curve.format, curve.min, curve.max)
                .Label(curve.name + number);
            if (curve.refusal != nullptr) {
                page.Refusal(curve.refusal + number + " " + Condition(c));
            }
        }
    }
}

void AddCurves(PageBuilder& page) {
    constexpr int kHalves = 200;
    AddCurve(page, {"Pitchkurve", 5, 263, 12, 7, codec::kMinusHundred, -100, 100});
    AddCurve(page, {"Gaskurve", kThrottleConditions, 323, 12, 7, codec::kHalfPercent, 0, kHalves});
    AddCurve(page, {"RevoMix", kRevolutionConditions, 234, 5, 5, codec::kSigned, -100, 100,
                    "RevoMix Normal"});
    AddCurve(page, {"Needl", kThrottleConditions, 382, 5, 5, codec::kHalfPercent, 0, kHalves});
    page.Group("GasMix");
    for (int c = 0; c < kThrottleConditions; ++c) {
        page.VariantFromHere(c)
            .HalfPercent("GasMix Roll " + Condition(c), 180 + 3 * c)
            .Label("GasMix Roll")
            .HalfPercent("GasMix Nick " + Condition(c), 181 + 3 * c)
            .Label("GasMix Nick")
            .Signed("GasMix Heck " + Condition(c), 182 + 3 * c, -100, 100)
            .Label("GasMix Heck");
    }
    // The low side keeps its direction in bit 7 (set in every default block).
    page.Group("Pitchweg");
    for (int c = 0; c < 5; ++c) {
        page.VariantFromHere(c)
            .Unsigned("Pitchweg Low " + Condition(c), 164 + 2 * c, 60, 100, 0x7F)
            .Label("Pitchweg Low")
            .Unsigned("Pitchweg High " + Condition(c), 165 + 2 * c, 60, 100, 0x7F)
            .Label("Pitchweg High");
    }
    page.VariantFromHere(-1);
}

// The condition offsets of Idle1 to Hold, three axes each, switched on in byte 115.
void AddOffsets(PageBuilder& page, const PageTable& ff9Heli) {
    page.Group("Offset").Reuse(ff9Heli, HeliFromFf9(), InGroup("Offset"));
    for (int c = 1; c < 5; ++c) {
        const int first = 250 + 3 * (c - 1);
        page.Signed("Offset Roll " + Condition(c), first, -120, 120)
            .Signed("Offset Nick " + Condition(c), first + 1, -120, 120)
            .Signed("Offset Heck " + Condition(c), first + 2, -120, 120);
    }
}

void AddDelays(PageBuilder& page, const PageTable& ff9Heli) {
    const OffsetMap& fromFf9 = HeliFromFf9();
    page.Group("Delay")
        .Unsigned("Delay Gas", 372, 0, 100)
        .Reuse(ff9Heli, fromFf9, Keyed({"Delay Ail"}))
        .Refusal("Delay Roll")
        .Label("Delay Roll")
        .EnabledForTypes({kHeliH1})
        .Reuse(ff9Heli, fromFf9, Keyed({"Delay Ele"}))
        .Refusal("Delay Nick")
        .Label("Delay Nick")
        .EnabledForTypes({kHeliH1})
        .Reuse(ff9Heli, fromFf9, Keyed({"Delay Rud"}))
        .Refusal("Delay Heck")
        .Label("Delay Heck")
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
        .Refusal("Autorotation")
        .Label("Autorotation");
    AddOffsets(page, ff9Heli);
    AddDelays(page, ff9Heli);
    for (const char* group : {"Governor Schalter", "Governor"}) {
        page.Group(group).Reuse(ff9Heli, fromFf9, InGroup(group));
    }
    page.Group("Hover Gas")
        .Reuse(ff9Heli, fromFf9, InGroup("Hover Gas"))
        .Refusal("Schwebegas")
        .Label("Schwebegas")
        .Group("Hover Pitch")
        .Reuse(ff9Heli, fromFf9, InGroup("Hover Pitch"))
        .Refusal("Schwebepitch")
        .Label("Schwebepitch");
    return page.Build();
}

}  // namespace

const PageTable& HeliPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff10
