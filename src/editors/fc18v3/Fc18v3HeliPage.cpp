#include "editors/fc18v3/Fc18v3Lists.h"
#include "editors/fc18v3/Fc18v3MixerRows.h"
#include "editors/fc18v3/Fc18v3Pages.h"

namespace fc18v3 {
namespace {

const char* const kPercentTip = "0 ... 100";
const char* const kSignedTip = "-100 ... 100";
const char* const kSwashTip = "+/- 10 ... 110";

// Group captions of the curves; the graph colours them while the pointer is over it.
const char* const kTail1 = "51  Pitch -> Heck GV1";
const char* const kTail2 = "52  Pitch -> Heck GV2";
const char* const kThrottle1 = "54  Gasvorwahl 1";
const char* const kThrottle2 = "55  Gasvorwahl 2";
const char* const kPitch1 = "57  Pitchvorwahl 1";
const char* const kPitch2 = "61  Pitchvorwahl 2";
const char* const kAutorotation = "62  Autorot. Pitch";

// The graph in page pixels: axes crossing at (557, 437); point n at x = 465 + 46 n and
// y = 520 - trunc(value x 1.65), so 0 % lies at 520 and 100 % at 356.
CurveGraph Graph() {
    CurveGraph graph;
    graph.left = 455;
    graph.top = 345;
    graph.width = 205;
    graph.height = 185;
    graph.firstX = 465;
    graph.step = 46;
    graph.baseY = 520;
    graph.scale = 1.65F;
    graph.axisX = 557;
    graph.axisTop = 355;
    graph.axisBottom = 520;
    graph.axisY = 437;
    graph.axisLeft = 465;
    graph.axisRight = 650;
    graph.curves = {{"51 Pitch-Heck", kTail1, 168, 1, 0xE60000, false},
                    {"52 Pitch-Heck2", kTail2, 173, 1, 0x960000, true},
                    {"54 Gas VW1", kThrottle1, 126, 1, 0x0000E6, false},
                    {"55 Gas VW2", kThrottle2, 131, 1, 0x000096, true},
                    {"57 Pitchvorwahl 1", kPitch1, 137, 1, 0x00E600, false},
                    {"61 Pitchvorwahl 2", kPitch2, 142, 1, 0x009600, true},
                    {"62 Pitch Autorot", kAutorotation, 147, 1, 0xF0F08C, false}};
    graph.colourCaptions = true;
    return graph;
}

// A value row: its on/off bit (117 or 118) and one signed percentage.
void AddSignedRow(MixerRows& rows, const char* caption, int onOffOffset, Byte bit, int offset,
                  int min, int max, const char* tooltip) {
    rows.Row(caption, onOffOffset, bit).Ranged("%", offset, codec::kSigned, min, max, tooltip);
}

// Every range is tested by the field exchange with its own prompt, all values of a group
// before any is written; outside edit mode a commit shows the stored values again.
PageTable Build() {
    PageBuilder page(kHeliPage, "Mischprogramm Heli");
    page.DefaultPolicy(policy::kExchangePrompt);
    page.Graph(Graph());
    MixerRows rows(page, false);
    rows.Row(kTail1, 117, 0x01).List("Links/Rechts", 120, TailSenseList()).Curve(168);
    // The tail amounts keep bit 7 of their bytes: the sense in 120, unknown in 121.
    rows.Row(kTail2)
        .Curve(173)
        .Ranged("Ob.%", 120, {false, 0x7F}, 0, 100, kPercentTip)
        .Ranged("Unt.%", 121, {false, 0x7F}, 0, 100, kPercentTip);
    rows.Row("53  Schwebeflug Mitte", 117, 0x02)
        .Ranged("Gas V%", 122, codec::kSigned, -100, 100, kPercentTip)
        .Ranged("Pitch V%", 124, codec::kSigned, -100, 100, kPercentTip);
    rows.Row(kThrottle1, 117, 0x20)
        .Curve(126)
        .Ranged("Verz.4s %", 165, codec::kUnsigned, 0, 100, kPercentTip);
    rows.Row(kThrottle2, 117, 0x40)
        .Curve(131)
        .Ranged("Verz.4s %", 166, codec::kUnsigned, 0, 100, kPercentTip);
    AddSignedRow(rows, "56  Autorotation Gas", 117, 0x80, 136, -100, 100, kSignedTip);
    rows.Row(kPitch1).Curve(137);
    rows.Row(kPitch2).Curve(142);
    rows.Row(kAutorotation).Curve(147);
    // The pitch limits are unsigned bytes: 0 to 100 as their tooltips say.
    for (const auto& [caption, offset] :
         {std::pair{"63  Pitch Minimum", 153}, std::pair{"64  Pitch Maximum", 152}}) {
        rows.Row(caption).Ranged("%", offset, codec::kUnsigned, 0, 100, kPercentTip);
    }
    AddSignedRow(rows, "65  Rückenflug", 118, 0x80, 156, -100, 100, kSignedTip);
    for (const auto& [caption, offset] : {std::pair{"66  Pitch Min. Rückenflug", 155},
                                          std::pair{"67  Pitch Max. Rückenflug", 154}}) {
        rows.Row(caption).Ranged("%", offset, codec::kUnsigned, 0, 100, kPercentTip);
    }
    AddSignedRow(rows, "71  Autorotation Heck", 117, 0x10, 157, -100, 100, kSignedTip);
    // Gyro suppression and swashplate rotation have no range of their own: the byte's.
    AddSignedRow(rows, "72  Kreisel Ausblendung", 117, 0x08, 158, -128, 127, kPercentTip);
    rows.Row("73  Heckrotor Ausgleich", 118, 0x40)
        .Ranged("Zeit %", 159, codec::kSigned, -100, 100, kPercentTip)
        .Ranged("Hub %", 160, codec::kSigned, -100, 100, kSignedTip);
    AddSignedRow(rows, "74  Taumelscheibendreh.", 118, 0x20, 161, -128, 127, kSignedTip);
    AddSignedRow(rows, "75  Taumelscheibe -> Gas", 118, 0x10, 167, -100, 100, kPercentTip);
    // Swashplate travel: sign and amount; an amount below 10 is raised to 10.
    rows.Row("76  Wegeinstellung Taumelscheibe");
    for (const auto& [label, offset] :
         {std::pair{"Pitch %", 162}, std::pair{"Roll %", 163}, std::pair{"Nick %", 164}}) {
        page.SignMagnitude(rows.Key(label), offset, -110, 110, 10).Label(label).Tooltip(kSwashTip);
    }
    return page.Build();
}

}  // namespace

const PageTable& HeliPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace fc18v3
