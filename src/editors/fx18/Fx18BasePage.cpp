#include <string>

#include "editors/CommonLists.h"
#include "editors/PageBuilder.h"
#include "editors/fx18/Fx18Lists.h"
#include "editors/fx18/Fx18Pages.h"
#include "editors/fx18/Fx18Texts.h"

namespace fx18 {
namespace {

constexpr int kNameLength = 4;
constexpr int kSwitchesOffset = 95;
constexpr int kMixerFlagsOffset = 112;  // bits 0 to 2 VMIX 1 to 3, bit 4 XMIX, bit 7 DROS

std::string N(int number) {
    return std::to_string(number);
}

Byte Bit(int number) {
    return static_cast<Byte>(1 << number);
}

// A ranged number with its range as tooltip.
void AddNumber(PageBuilder& page, const std::string& key, int offset, codec::ByteFormat format,
               int min, int max) {
    page.Number(key, offset, format, min, max).Tooltip(N(min) + " ... " + N(max));
}

// Stopwatch: the time (13 bits of seconds in bytes 88 and 89) is written first, then the
// direction, the switch, "Ein" and "Pos". The ':' must stand in the first three places, so
// that minutes have two digits at most (99:59 is 5999 seconds; the field holds up to 8191).
void AddStopwatch(PageBuilder& page) {
    codec::TimerFormat format;
    format.layout = codec::TimerLayout::Seconds13;
    format.colonLimit = 3;
    format.maxMinutes = 99;
    format.wholeEntryText = text::kStopwatchEntry;
    format.partText = text::kStopwatchOutOfRange;
    page.Group("Stopuhr")
        .GroupCaptionText(text::kStopwatch)
        .Timer("Stopuhr Zeit", 88, format, "", "", "")
        .LabelText(text::kTime)
        .Tooltip("mm:ss")
        .Choice("Stopuhr Richtung", 88, DirectionList())
        .Label("Richtung")
        .Choice("Stopuhr Schalter", 90, StopwatchSwitchList())
        .LabelText(text::kSwitch)
        .FlagTickedWhenClear("Stopuhr Ein", 90, 0x80)
        .LabelText(text::kOn);
    AddNumber(page, "Stopuhr Pos", 91, codec::kSigned, -100, 100);
    page.LabelText(text::kPosition);
}

// VMIX `number` (1 to 3): master and slave in `offset`, bit 7 there clear "Mit Trimmung";
// "Ein" in byte 112 and "V-Kurve" in byte 100. VMIX 3 keeps its offset before its rate,
// and their ranges swap with the places: the second byte always takes -100 to 100.
void AddVmix(PageBuilder& page, int number, int offset) {
    const std::string name = "VMIX " + N(number);
    const Byte bit = Bit(number - 1);
    page.Group(name)
        .GroupCaptionText(text::kVmix1 + number - 1)
        .Choice(name + " Steuer Funkt.", offset, VmixFunctionList())
        .LabelText(text::kMasterFunction)
        .Choice(name + " auf", offset, OutputList())
        .LabelText(text::kSlave)
        .FlagTickedWhenClear(name + " Ein", kMixerFlagsOffset, bit)
        .LabelText(text::kOn)
        .FlagTickedWhenClear(name + " Mit Trimmung", offset, 0x80)
        .LabelText(text::kWithTrim)
        .Flag(name + " V-Kurve", 100, bit)
        .LabelText(text::kVCurve);
    const bool offsetFirst = number == 3;
    const std::string second = offsetFirst ? " Offset" : " %";
    const std::string third = offsetFirst ? " %" : " Offset";
    AddNumber(page, name + second, offset + 1, codec::kSigned, -100, 100);
    page.LabelText(offsetFirst ? text::kOffset : text::kRate);
    AddNumber(page, name + third, offset + 2, codec::kSigned, -125, 125);
    page.LabelText(offsetFirst ? text::kRate : text::kOffset);
}

void AddXmix(PageBuilder& page) {
    page.Group("XMIX")
        .GroupCaptionText(text::kXmix)
        .Choice("XMIX Steuer Funkt.", 84, XmixFunctionList())
        .LabelText(text::kMasterFunction)
        .Choice("XMIX auf", 84, OutputList())
        .LabelText(text::kSlave)
        .FlagTickedWhenClear("XMIX Ein", kMixerFlagsOffset, 0x10)
        .LabelText(text::kOn);
    AddNumber(page, "XMIX % 1", 85, codec::kSigned, -100, 100);
    page.LabelText(text::kRate, " 1");
    AddNumber(page, "XMIX % 2", 86, codec::kSigned, -100, 100);
    page.LabelText(text::kRate, " 2");
}

// `count` numbers "<key><k>" at first + stride x (k - 1), labelled "<label><k>".
void AddRow(PageBuilder& page, const std::string& key, int count, int first, int stride,
            codec::ByteFormat format, int min, int max, const std::string& label) {
    for (int k = 1; k <= count; ++k) {
        AddNumber(page, key + N(k), first + stride * (k - 1), format, min, max);
        page.Label(label + N(k));
    }
}

// Servo and stick travel: per output (function) its two sides, one after the other.
void AddTravel(PageBuilder& page, const std::string& key, int first, codec::ByteFormat format,
               int min, int max, const char* lowSide, const char* highSide) {
    for (int k = 1; k <= 8; ++k) {
        const int at = first + 2 * (k - 1);
        AddNumber(page, key + " " + lowSide + N(k), at, format, min, max);
        page.Label(std::string(lowSide) + "% " + N(k));
        AddNumber(page, key + " " + highSide + N(k), at + 1, format, min, max);
        page.Label(std::string(highSide) + "% " + N(k));
    }
}

// Exponential of functions 1 to 4 with the switch off (function 3 in byte 113, the first
// byte of the mixing-program block), of 1, 2 and 4 with it on, dual rate of 1, 2 and 4,
// and the dual-rate switch.
void AddExpoDualRate(PageBuilder& page) {
    page.Group("Exponential / DualRate");
    const struct {
        const char* key;
        int text;
        int function;
        int offset;
    } rows[] = {{"Expo Aus ", text::kExpoOff, 1, 66},  {"Expo Aus ", text::kExpoOff, 2, 67},
                {"Expo Aus ", text::kExpoOff, 3, 113}, {"Expo Aus ", text::kExpoOff, 4, 68},
                {"Expo Ein ", text::kExpoOn, 1, 69},   {"Expo Ein ", text::kExpoOn, 2, 70},
                {"Expo Ein ", text::kExpoOn, 4, 71}};
    for (const auto& row : rows) {
        AddNumber(page, row.key + N(row.function), row.offset, codec::kSigned, -100, 100);
        page.LabelText(row.text, " - " + N(row.function));
    }
    for (const auto& [function, offset] : {std::pair{1, 72}, std::pair{2, 73}, std::pair{4, 74}}) {
        AddNumber(page, "DualRate " + N(function), offset, codec::kUnsigned, 0, 100);
        page.LabelText(text::kDualRate, " - " + N(function));
    }
    page.Choice("Schalter DRSC", kSwitchesOffset, DualRateSwitchList())
        .LabelText(text::kDualRateSwitch);
}

PageTable Build() {
    PageBuilder page(kBasePage, "Grundeinstellungen");
    page.DefaultPolicy(policy::kExchangePrompt);
    page.Types(MixingPrograms());
    page.Group("Modellname")
        .GroupCaptionText(text::kModelName)
        .Name("Name", 0, {NameCharset::Set1, kNameLength, text::kNameCharacter, true})
        .TooltipText(text::kNameTooltip);
    page.Group("Modulation")
        .GroupCaptionText(text::kModulation)
        .Choice("Modulation", 94, ModulationList())
        .LabelText(text::kModulation)
        .ShownOnly()
        .Choice("Knüppel-Mode", 94, StickModeList())
        .LabelText(text::kStickMode);
    page.Group("Mischer")
        .GroupCaptionText(text::kMixingProgram)
        .ModelType("Mischprogramm", MixingPrograms())
        .LabelText(text::kMixingProgram);
    AddStopwatch(page);
    AddVmix(page, 1, 75);
    AddVmix(page, 2, 78);
    AddVmix(page, 3, 81);
    AddXmix(page);
    page.Group("Trimmung Rate").GroupCaptionText(text::kTrimRate);
    AddRow(page, "Trimmung Rate ", 4, 62, 1, codec::kUnsigned, 0, 100, "Fkt.");
    page.Group("Trimmung Schritte").GroupCaptionText(text::kTrimSteps);
    AddRow(page, "Trimmung Schritte ", 4, 58, 1, codec::kUnsigned, 0, 30, "Fkt.");
    page.Group("Trimmung Position").GroupCaptionText(text::kTrimPosition);
    AddRow(page, "Trimmung Position ", 4, 54, 1, codec::kSigned, -100, 100, "Fkt.");
    page.Group("Umpolung").GroupCaptionText(text::kReverse);
    for (int k = 1; k <= 8; ++k) {
        page.Flag("Umpolung " + N(k), 4, Bit(k - 1)).Label("Kanal " + N(k));
    }
    page.Group("Servoweg").GroupCaptionText(text::kServoTravel);
    AddTravel(page, "Servoweg", 30, codec::kSigned, -125, 125, "L", "R");
    page.Group("Geberweg").GroupCaptionText(text::kStickTravel);
    AddTravel(page, "Geberweg", 14, codec::kUnsigned, 0, 100, "L", "H");
    // The fail-safe positions are tested against the byte's own range only.
    page.Group("Fail Save").GroupCaptionText(text::kFailSafe);
    for (int k = 1; k <= 8; ++k) {
        page.Flag("Fail Save " + N(k), 5, Bit(k - 1)).Label("Kanal " + N(k));
        AddNumber(page, "Fail Save Position " + N(k), 5 + k, codec::kSigned, -128, 127);
        page.LabelText(text::kFailSafePosition, " " + N(k));
    }
    page.Group("ServoMitte").GroupCaptionText(text::kServoCentre);
    AddRow(page, "ServoMitte ", 8, 46, 1, codec::kSigned, -125, 125, "Kanal ");
    AddExpoDualRate(page);
    page.Group("MultiProp")
        .Choice("MultiProp 1", 97, MultiPropList())
        .LabelText(text::kMultiProp1)
        .Choice("MultiProp 2", 98, MultiPropList())
        .LabelText(text::kMultiProp2);
    page.Group("Mixtrimm REGL").GroupCaptionText(text::kMixTrim);
    for (int k = 1; k <= 8; ++k) {
        page.FlagTickedWhenClear("Mixtrimm " + N(k), 108, Bit(k - 1))
            .LabelText(text::kSlot, " " + N(k));
    }
    page.Group("Drossel")
        .GroupCaptionText(text::kThrottle)
        .FlagTickedWhenClear("DROS", kMixerFlagsOffset, 0x80)
        .LabelText(text::kThrottleMixer)
        .FlagTickedWhenClear("D-TR", kSwitchesOffset, 0x40)
        .LabelText(text::kIdleTrim)
        .Flag("D-UM", kSwitchesOffset, 0x80)
        .LabelText(text::kThrottleReverse);
    AddNumber(page, "Drossel %", 87, codec::kSigned, -40, 40);
    page.LabelText(text::kThrottle, " %");
    return page.Build();
}

}  // namespace

const PageTable& BasePage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace fx18
