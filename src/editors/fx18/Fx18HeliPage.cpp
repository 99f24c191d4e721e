#include <array>
#include <string>

#include "editors/fx18/Fx18Pages.h"
#include "editors/fx18/Fx18SharedGroups.h"

namespace fx18 {
namespace {

constexpr int kMixerSwitches = 110;
constexpr int kHeliFlags = 111;

// A five-point curve: points 1, 3 and 5 in the mixing-program block, 2 and 4 behind it.
using Curve = std::array<int, 5>;
constexpr Curve kNormalThrottle = {113, 146, 114, 147, 115};
constexpr Curve kNormalPitch = {124, 152, 125, 153, 126};
constexpr Curve kIdleUp1Throttle = {116, 148, 117, 149, 118};
constexpr Curve kIdleUp1Pitch = {127, 154, 128, 155, 129};
constexpr Curve kIdleUp2Throttle = {119, 150, 120, 151, 121};
constexpr Curve kIdleUp2Pitch = {130, 156, 131, 157, 132};
constexpr int kAutorotationPitchLow = 133;
constexpr int kAutorotationPitchHigh = 134;
// Drawn from the first place of the graph to the last.
constexpr Curve kAutorotationPitch = {kAutorotationPitchLow, -1, -1, -1, kAutorotationPitchHigh};

// Points "<condition> <curve> 1" to "... 5", labelled "<curve> 1" to "<curve> 5".
void AddCurve(PageBuilder& page, const std::string& condition, const std::string& name,
              const Curve& curve) {
    for (std::size_t point = 0; point < curve.size(); ++point) {
        const std::string label = name + " " + std::to_string(point + 1);
        AddPercent(page, condition + " " + label, curve[point], -100, 100, label);
    }
}

// The graph: a frame of 410 x 210 pixels, its area 5 pixels inside; point n at
// x = 5 + (n - 1) x 100 (a quarter of the area's width), y = 205 - trunc((v + 100) x 1.0)
// (the area's height x 0.005), so -100 lies on the area's lower edge and 100 on its upper.
CurveGraph Graph() {
    CurveGraph graph;
    graph.width = 410;
    graph.height = 210;
    graph.firstX = 5;
    graph.step = 100;
    graph.baseY = 205;
    graph.scale = 1.0F;
    graph.valueOffset = 100;
    graph.isSigned = true;
    graph.axisX = 205;
    graph.axisTop = 5;
    graph.axisBottom = 205;
    graph.axisY = 105;
    graph.axisLeft = 5;
    graph.axisRight = 405;
    graph.startTicked = true;
    graph.colourCaptions = true;
    const auto curve = [](const char* label, const char* group, const Curve& points,
                          std::uint32_t colour, bool dotted) {
        return CurveOfGraph{label, group, 0, 1, colour, dotted, {points.begin(), points.end()}};
    };
    graph.curves = {
        curve("NORMAL Gas", "Normal", kNormalThrottle, 0x0000C8, false),
        curve("NORMAL Pitch", "Normal", kNormalPitch, 0x0000C8, true),
        curve("GV1 Gas", "Gasvorw.1", kIdleUp1Throttle, 0x008C00, false),
        curve("GV1 Pitch", "Gasvorw.1", kIdleUp1Pitch, 0x008C00, true),
        curve("GV2 Gas", "Gasvorw. 2", kIdleUp2Throttle, 0xC80000, false),
        curve("GV2 Pitch", "Gasvorw. 2", kIdleUp2Pitch, 0xC80000, true),
        // the autorotation's two pitch values, from the low end of the stick to the high
        curve("Pitch Autorot", "Autorotation", kAutorotationPitch, 0x9600A0, true),
    };
    return graph;
}

PageTable Build() {
    PageBuilder page(kHeliPage, "Mischprogramm Heli");
    page.DefaultPolicy(policy::kExchangePrompt);
    page.Graph(Graph());
    page.Group("Normal");
    AddCurve(page, "Normal", "Gas", kNormalThrottle);
    AddCurve(page, "Normal", "Pitch", kNormalPitch);
    page.Group("Gasvorw.1").FlagTickedWhenClear("GV1 Ein", kMixerSwitches, 0x10).Label("Ein");
    page.Unsigned("GV1 Verzögerung %", 123, 0, 100).Label("Verzögerung %").Tooltip("0 ... 100");
    AddCurve(page, "GV1", "Gas", kIdleUp1Throttle);
    AddCurve(page, "GV1", "Pitch", kIdleUp1Pitch);
    page.Group("Gasvorw. 2").FlagTickedWhenClear("GV2 Ein", kMixerSwitches, 0x20).Label("Ein");
    AddCurve(page, "GV2", "Gas", kIdleUp2Throttle);
    AddCurve(page, "GV2", "Pitch", kIdleUp2Pitch);
    page.Group("Autorotation")
        .FlagTickedWhenClear("Autorotation Ein", kMixerSwitches, 0x80)
        .Label("Ein");
    AddPercent(page, "Autorotation Gas", 122, -100, 100, "Gas");
    AddPercent(page, "Autorotation Pitch L", kAutorotationPitchLow, -100, 100, "Pitch L");
    AddPercent(page, "Autorotation Pitch H", kAutorotationPitchHigh, -100, 100, "Pitch H");
    page.Group("Taumelscheibe H-2, HR-3, H-4");
    AddPercent(page, "Taumelscheibe Roll", 140, -100, 100, "Roll");
    AddPercent(page, "Taumelscheibe Pitch", 142, -100, 100, "Pitch");
    AddPercent(page, "Taumelscheibe Nick", 141, -100, 100, "Nick");
    page.Group("REVO Heckrotor Ausgleich")
        .FlagTickedWhenClear("REVO Ein", kHeliFlags, 0x01)
        .Label("Ein");
    AddPercent(page, "REVO Hub %", 135, -100, 100, "Hub %");
    page.Group("Kreiselempfindlichkeit")
        .FlagTickedWhenClear("Kreisel Ein", kHeliFlags, 0x02)
        .Label("Ein");
    for (int k = 1; k <= 4; ++k) {
        AddPercent(page, "Kreisel " + std::to_string(k), 135 + k, -100, 100, std::to_string(k));
    }
    page.Group("Trimmung bei GV2");
    AddPercent(page, "GV2 Trimm Roll", 143, -125, 125, "Roll");
    AddPercent(page, "GV2 Trimm Nick", 144, -125, 125, "Nick");
    AddPercent(page, "GV2 Trimm Heck", 145, -125, 125, "Heck");
    return page.Build();
}

}  // namespace

const PageTable& HeliPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace fx18
