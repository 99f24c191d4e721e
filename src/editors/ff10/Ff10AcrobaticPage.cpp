#include <string>

#include "editors/PageBuilder.h"
#include "editors/ff10/Ff10FromFf9.h"
#include "editors/ff10/Ff10Pages.h"
#include "editors/ff10/Ff10Rules.h"
#include "editors/ff10/Ff10Switches.h"
#include "editors/ff9/Ff9Lists.h"
#include "editors/ff9/Ff9Pages.h"

namespace ff10 {
namespace {

constexpr int kThrottleCurves = 323;
constexpr int kCurveStride = 12;

// Three seven-point throttle curves for the switch positions Up, Center and Down.
void AddThrottleCurves(PageBuilder& page) {
    const auto name = [](int curve, int point) {
        const std::string number = std::to_string(point + 1);
        const char* up = curve == 0 ? "UP " : "";
        const char* tail[] = {"", " CT", " DN"};
        return "GasKurve " + std::string(up) + number + tail[curve];
    };
    for (int curve = 0; curve < 3; ++curve) {
        const char* groups[] = {"GasKurve UP", "GasKurve CT", "GasKurve DN"};
        page.Group(groups[curve]);
        for (int point = 0; point < 7; ++point) {
            page.HalfPercent(name(curve, point), kThrottleCurves + kCurveStride * curve + point);
        }
    }
}

// Two gyros with a rate for each switch position.
void AddGyros(PageBuilder& page) {
    for (int gyro = 1; gyro <= 2; ++gyro) {
        const std::string name = "Kreisel " + std::to_string(gyro);
        const int first = 295 + 6 * (gyro - 1);
        page.Group(name)
            .Unsigned(name + " Up", first, 0, 100)
            .Unsigned(name + " Ct", first + 1, 0, 100)
            .Unsigned(name + " Dn", first + 2, 0, 100);
    }
}

bool IsSnapRollValue(const Field& field) {
    return field.group == "SnapRol" && field.codec->Shown() == ShownKind::Number;
}

PageTable Build() {
    const PageTable& acro = ff9::AcrobaticPage();
    const OffsetMap& fromFf9 = AcrobaticFromFf9();
    PageBuilder page(kAcrobaticPage, "Mischprogramm Acrobatic");
    page.Types(ModelTypes());
    AddThrottleCut(page, 0, 40);
    for (const char* group : {"V-Leitwerk", "FlapTrim", "FLP/AIL/ELE", "Ailvator"}) {
        page.Group(group).Reuse(acro, fromFf9, InGroup(group));
    }
    page.Group("Ele->Flap");
    AddSwitch(page, "Ele->Flap", 283, SwitchSet::Plain);
    page.Reuse(acro, fromFf9, InGroup("Ele->Flap"))
        .Group("Airbrake")
        .Reuse(acro, fromFf9, InGroup("Airbrake"))
        .Reuse(acro, fromFf9, Keyed({"Airbrake Knueppelposition"}))
        .Group("SnapRol")
        .Reuse(acro, fromFf9, Keyed({"SnapRol Schalter 1", "SnapRol Schalter 2"}))
        .Choice("SnapRol Safe Mode", 429, ff9::SafeModeList(), 430)
        .Reuse(acro, fromFf9, IsSnapRollValue)
        .Group("ThrDelay")
        .Reuse(acro, fromFf9, InGroup("ThrDelay"))
        .Group("IdleDown");
    AddSwitch(page, "IdleDown", 372, SwitchSet::Plain);
    page.Reuse(acro, fromFf9, InGroup("IdleDown"))
        .Group("ThrNeedl")
        .Reuse(acro, fromFf9, InGroup("ThrNeedl"));
    AddThrottleCurves(page);
    AddGyros(page);
    return page.Build();
}

}  // namespace

const PageTable& AcrobaticPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff10
