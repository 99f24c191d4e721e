#include <string>

#include "editors/CommonLists.h"
#include "editors/EditorTexts.h"
#include "editors/PageBuilder.h"
#include "editors/fc18v3/Fc18v3Lists.h"
#include "editors/fc18v3/Fc18v3Pages.h"

namespace fc18v3 {
namespace {

constexpr int kNameLength = 8;
constexpr Byte kCurveMode = 0x20;  // byte 68 bit 5: mixer 1 follows its curve

const char* const kVersionTip = "FC18V3.2";
const char* const kRateTip = "-100 ... +100";
const char* const kTravelTip = "10 ... 110";
const char* const kCentreTip = "...0...";
const char* const kDualRateTip = "0 ... 110";

// The mix-trim slots are enabled only for a program other than "Standard".
bool NotStandardProgram(ConstModelRecord record, const Field&) {
    return static_cast<std::size_t>(kProgramOffset) < record.size() &&
           record[static_cast<std::size_t>(kProgramOffset)] != 0;
}

std::string N(int number) {
    return std::to_string(number);
}

// Stopwatch `number`: minutes in `minutesOffset`, seconds in the byte before it, switch,
// direction (and mode) in `flagsOffset`.
void AddStopwatch(PageBuilder& page, int number, int minutesOffset, int flagsOffset) {
    const std::string name = "Uhr " + N(number);
    const std::string refusal = "Stopuhr " + N(number) + "/ Zeit";
    page.Group("41 Stopuhr - " + name)
        .Choice(name + " Schalter", flagsOffset, SwitchCodeList())
        .Label("Schalter")
        .Choice(name + " Richtung", flagsOffset, CountingList())
        .Label("Richtung");
    if (number == 1) {
        page.Choice(name + " Modus", flagsOffset, StopwatchModeList())
            .Label("Modus")
            .Tooltip(kVersionTip);
    }
    codec::TimerFormat format;
    format.layout = codec::TimerLayout::MinSecBytes;
    format.secondsDelta = -1;
    format.minutesFirst = true;
    page.Timer(name, minutesOffset, format, refusal, refusal, refusal).Tooltip("mm:ss");
}

// Mixer 1 (bytes 68 to 71, curve 105 to 109) or mixer 2 (73 to 76). Mixer 1 in curve mode
// shows its five curve points instead of its rates and trim box.
void AddMixer(PageBuilder& page, int number, int offset) {
    const std::string name = "Mischer " + N(number);
    const bool curve = number == 1;
    page.Group((curve ? "23 " : "24 ") + name)
        .FlagTickedWhenClear(name + " Ein", offset, 0x80)
        .Label("Ein")
        .FlagTickedWhenClear(name + " Mit Trimmung", offset, 0x40)
        .Label("Mit Trimmung");
    if (curve) {
        page.ShownIfBits(offset, kCurveMode, 0)
            .Choice(name + " Modus", offset, MixerModeList())
            .Label("Linear/Kurve")
            .Tooltip(kVersionTip);
    }
    page.Choice(name + " Steuer Funkt.", offset + 1, FunctionList(4))
        .Label("Steuer Funkt.")
        .Choice(name + " auf", offset + 1, FunctionList(0))
        .Label("auf")
        .Choice(name + " Schalter", offset, MixerSwitchList())
        .Label("Schalter");
    for (const auto& [side, at] : {std::pair{"L", offset + 3}, std::pair{"H", offset + 2}}) {
        page.Signed(name + " " + side, at, -100, 100)
            .Label(std::string(side) + "%")
            .Tooltip(kRateTip);
        if (curve) {
            page.ShownIfBits(offset, kCurveMode, 0);
        }
    }
    if (curve) {
        for (int point = 1; point <= 5; ++point) {
            page.Unsigned(name + " Kurve " + N(point), 104 + point, 0, 100)
                .ExchangePrompt()
                .Label("Kurve " + N(point))
                .Tooltip(kVersionTip)
                .ShownIfBits(offset, kCurveMode, kCurveMode);
        }
    }
}

// Dual rate and exponential of one axis: its switch, the four rates ("Aus" is the stick
// travel of the axis's function) tested in the order "Aus" H%, "Ein" H%, "Aus" L%,
// "Ein" L%, then the exponentials "Aus" before "Ein", shown x 4.
void AddDualRate(PageBuilder& page, const std::string& caption, const std::string& axis,
                 int switchOffset, int einOffset, int travelOffset, int expoOffset) {
    const std::string rates = "D/R " + axis;
    const std::string expo = "Expo " + axis;
    page.Group(caption)
        .Choice(rates + " Schalter", switchOffset, DualRateSwitchList())
        .Label("Schalter");
    const struct {
        const char* key;
        int offset;
    } values[] = {{" Aus H", travelOffset},
                  {" Ein H", einOffset},
                  {" Aus L", travelOffset + 1},
                  {" Ein L", einOffset + 1}};
    for (const auto& value : values) {
        const std::string key = rates + value.key;
        page.Unsigned(key, value.offset, 0, 110)
            .Refusal(rates)
            .Label(std::string("D/R ") + (value.key[5] == 'H' ? "H% " : "L% ") +
                   std::string(value.key + 1, 3))
            .Tooltip(kDualRateTip);
    }
    for (const auto& [position, offset] :
         {std::pair{"Aus", expoOffset + 1}, std::pair{"Ein", expoOffset}}) {
        page.Number(expo + " " + position, offset, codec::kQuarter, -100, 100)
            .Refusal(expo)
            .Label(std::string("Expo ") + position)
            .Tooltip(kRateTip);
    }
}

// Eight fields per output or function: `key` + number, tested all before any is written.
void AddEight(PageBuilder& page, const std::string& key, int first, int stride, int min, int max,
              const std::string& refusal, const std::string& label, const char* tooltip,
              codec::ByteFormat format = codec::kUnsigned) {
    for (int k = 1; k <= 8; ++k) {
        page.Number(key + N(k), first + stride * (k - 1), format, min, max)
            .Refusal(refusal + N(k))
            .Label(label + N(k))
            .Tooltip(tooltip);
    }
}

PageTable Build() {
    PageBuilder page(kBasePage, "Grundeinstellungen");
    page.Types(MixingPrograms());
    page.Group("11  Name").Name("Name", 0, kNameLength).TooltipText(txt::kModelNameTooltip.number);
    page.Group("Modulation").Choice("Modulation", 8, ModulationList());
    page.Group("13 Mischer").ModelType("Mischprogramm", MixingPrograms()).Label("Mischer");
    AddStopwatch(page, 1, 100, 101);
    AddStopwatch(page, 2, 103, 104);
    page.Group("27 MultiProp")
        .Choice("MultiProp 1", 78, MultiPropList(0))
        .Label("1")
        .Choice("MultiProp 2", 78, MultiPropList(4))
        .Label("2");
    AddMixer(page, 1, 68);
    AddMixer(page, 2, 73);
    page.Group("25 Leerlauftrimmung")
        .Choice("Leerlauftrimmung", 8, IdleTrimList())
        .Label("Aus/Aktiv")
        .Choice("Leerlauftrimmung Richtung", 8, IdleTrimSenseList())
        .Label("Normal/Reverse");
    page.Group("26 Trimmspeicher").Policy(policy::kCheckAllFirst);
    for (int k = 1; k <= 4; ++k) {
        page.Signed("Trimmspeicher " + N(k), 90 + k, -127, 127)
            .Label("Fkt." + N(k))
            .Tooltip("-128 ... +127");
    }
    page.Group("42 Trimmrate").Policy(policy::kCheckAllFirst);
    for (int k = 1; k <= 4; ++k) {
        page.Signed("Trimmrate " + N(k), 86 + k, 0, 110).Label("Fkt." + N(k)).Tooltip(kTravelTip);
    }
    page.Group("34 Mixtrimm");
    for (int k = 1; k <= 8; ++k) {
        page.FlagTickedWhenClear("Mixtrimm " + N(k), 116, static_cast<Byte>(1 << (k - 1)))
            .Label("Steckplatz " + N(k))
            .EnabledIf(NotStandardProgram);
    }
    page.Group("21  Steuergeber").Policy(policy::kCheckAllFirst);
    AddEight(page, "Steuerfunktion ", 79, 1, 1, 8, "Steuerfunktionen ", "Ausgang ", "1 ... 8",
             codec::kPlusOne);
    page.Group("12 Umpolung");
    for (int k = 1; k <= 8; ++k) {
        page.Flag("Umpolung " + N(k), 10, static_cast<Byte>(1 << (k - 1))).Label(N(k));
    }
    page.Group("14 Servoweg").Policy(policy::kCheckAllFirst);
    AddEight(page, "Servoweg L", 21, 2, 10, 110, "Servoweg L", "L% ", kTravelTip);
    AddEight(page, "Servoweg R", 20, 2, 10, 110, "Servoweg R", "R% ", kTravelTip);
    page.Group("43 Geberweg").Policy(policy::kCheckAllFirst);
    AddEight(page, "Geberweg L", 37, 2, 10, 110, "Geberweg L", "L% ", kTravelTip);
    AddEight(page, "Geberweg H", 36, 2, 10, 110, "Geberweg H", "H% ", kTravelTip);
    page.Group("22 Fail Save");
    for (int k = 1; k <= 8; ++k) {
        page.Flag("Fail Save " + N(k), 11, static_cast<Byte>(1 << (k - 1))).Label(N(k));
    }
    page.Group("22 Fail Save Position").Policy(policy::kCheckAllFirst);
    for (int k = 1; k <= 8; ++k) {
        page.Signed("Fail Save Position " + N(k), 11 + k, -127, 127)
            .Refusal("FailSave " + N(k) + " ")
            .Label("Pos. " + N(k))
            .Tooltip(kCentreTip);
    }
    page.Group("35 Kanalschalter")
        .Choice("Kanalschalter Kanal", 95, ChannelSwitchList())
        .Label("Kanal")
        .Signed("Kanalschalter", 96, -100, 100)
        .Label("Pos.")
        .Tooltip(kCentreTip);
    AddDualRate(page, "15 D/R Expo Quer", "Quer", 52, 56, 36, 62);
    AddDualRate(page, "16 D/R Expo Höhe", "Höhe", 53, 58, 38, 64);
    AddDualRate(page, "17 D/R Expo Seite", "Seite", 54, 60, 42, 66);
    return page.Build();
}

}  // namespace

const PageTable& BasePage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace fc18v3
