#include <string>

#include "editors/CommonLists.h"
#include "editors/EditorTexts.h"
#include "editors/PageBuilder.h"
#include "editors/fc16/Fc16Lists.h"
#include "editors/fc16/Fc16Pages.h"

namespace fc16 {
namespace {

constexpr int kNameOffset = 32;
constexpr int kNameLength = 4;

const char* const kPercentTip = "0 ... 100";
const char* const kRateTip = "-100 ... +100";
const char* const kCentreTip = "...0...";
// The servo travel takes 10 to 110 (the transmitter's own limit), so its tooltip says so.
const char* const kTravelTip = "10 ... 110";
const char* const kStopwatchRefusal = "Stopuhr 1/ Zeit";

std::string N(int number) {
    return std::to_string(number);
}

// Every bit of one byte a check box: "<key> 1" ... "<key> 8" for bits 0 to 7.
void AddEightFlags(PageBuilder& page, const std::string& key, int offset,
                   const std::string& label) {
    for (int k = 1; k <= 8; ++k) {
        page.Flag(key + " " + N(k), offset, static_cast<Byte>(1 << (k - 1))).Label(label + N(k));
    }
}

// A free mixer: byte `offset` bit 7 off, bits 4-6 master, bits 0-2 slave; the next byte
// the rate (bits 0-6) and its sign (bit 7).
void AddMixer(PageBuilder& page, int number, int offset) {
    const std::string name = "Mischer " + N(number);
    page.Group(name + " Ein", name)
        .FlagTickedWhenClear(name + " Ein", offset, 0x80)
        .Label("Ein (Schalter 12)");
    page.Group(name + " Funktion", name)
        .Choice(name + " Steuer Funkt.", offset, MixerFunctionList(4))
        .Label("Steuer Funkt.")
        .Choice(name + " auf", offset, MixerFunctionList(0))
        .Label("auf");
    page.Group(name + " %", name)
        .Unsigned(name + " %", offset + 1, 0, 100, 0x7F)
        .Refusal(name)
        .Label("%")
        .Tooltip(kPercentTip)
        .Flag(name + " NEG", offset + 1, 0x80)
        .Label("NEG");
}

void AddStopwatch(PageBuilder& page) {
    page.Group("Stopuhr Aktiv", "Stopuhr")
        .FlagTickedWhenClear("Stopuhr Aktiv", 41, 0x40)
        .Label("Aktiv");
    page.Group("Stopuhr Schalter", "Stopuhr")
        .Choice("Stopuhr Schalter", 50, StopwatchSwitchList())
        .Label("Schalter");
    codec::TimerFormat format;
    format.layout = codec::TimerLayout::Bcd;
    format.secondsDelta = 1;
    format.colonLimit = 3;
    page.Group("Stopuhr Zeit", "Stopuhr")
        .Timer("Stopuhr", 48, format, kStopwatchRefusal, kStopwatchRefusal, kStopwatchRefusal)
        .Label("Zeit")
        .Tooltip("Format: mm:ss");
}

// Dual rate or exponential of functions 1, 2 and 4, tested all before any is written.
void AddFunctions124(PageBuilder& page, const std::string& caption, const std::string& key,
                     int offset, codec::ByteFormat format, int min, int max, const char* tooltip) {
    page.Group(caption).Policy(policy::kCheckAllFirst);
    int at = offset;
    for (const int function : {1, 2, 4}) {
        page.Number(key + " " + N(function), at++, format, min, max)
            .Label(N(function) + "%")
            .Tooltip(tooltip);
    }
}

PageTable Build() {
    PageBuilder page(kBasePage, "Grundeinstellungen");
    page.Types(Programs());
    codec::NameFormat name{NameCharset::Low7Bits, kNameLength, txt::kFc16NameCharacter, true};
    page.Group("Name").Name("Name", kNameOffset, name).TooltipText(txt::kFc16NameTooltip.number);
    page.Group("Modulation").Choice("Modulation", 41, ModulationList()).Label("PCM/PPM");
    page.Group("Programm").ModelType("Programm", Programs()).Label("Mischprogramm");
    page.Group("StickMode").Choice("StickMode", 42, StickModeList()).Label("Modus");
    page.Group("MultiSwitch / MultiProp")
        .FlagTickedWhenClear("Kanal 7", 41, 0x10)
        .FlagTickedWhenClear("Kanal 8", 41, 0x20);
    AddMixer(page, 1, 44);
    AddMixer(page, 2, 46);
    page.Group("TREV Gas v/h").Choice("TREV Gas v/h", 42, ThrottleSideList()).Label("Gas");
    page.Group("Extern Trimmer");
    AddEightFlags(page, "Steckplatz", 43, "Steckplatz: ");
    AddStopwatch(page);
    page.Group("Umpolung");
    AddEightFlags(page, "Umpolung", 36, "");
    // Tested L1 to L8, then R1 to R8; nothing is written while one is out of range.
    page.Group("Servoweg").Policy(policy::kCheckAllFirst);
    for (const auto& [side, offset] : {std::pair{"L", 8}, std::pair{"R", 0}}) {
        for (int k = 1; k <= 8; ++k) {
            page.Unsigned(std::string("Servoweg ATV ") + side + N(k), offset + k - 1, 10, 110)
                .Label(std::string(side) + "% " + N(k))
                .Tooltip(kTravelTip);
        }
    }
    page.Group("Fail Save Ein", "Fail Save");
    AddEightFlags(page, "Fail Save Ein", 40, "Ein ");
    page.Group("Fail Save Position", "Fail Save").Policy(policy::kCheckAllFirst);
    for (int k = 1; k <= 8; ++k) {
        page.Signed("Fail Safe " + N(k), 23 + k, -100, 100)
            .Label("Pos. " + N(k))
            .Tooltip(kCentreTip);
    }
    page.Group("Zus.Trimmung").Policy(policy::kCheckAllFirst);
    for (int k = 1; k <= 8; ++k) {
        page.Signed("Zus.Trimmung " + N(k), 15 + k, -100, 100).Label(N(k)).Tooltip(kCentreTip);
    }
    page.Group("Trimmspeicher").Policy(policy::kCheckAllFirst);
    for (int k = 1; k <= 4; ++k) {
        page.Signed("TrimmSpeicher " + N(k), 50 + k, -100, 100).Label("Fkt." + N(k));
    }
    AddFunctions124(page, "Dual Rate", "DualRate", 37, codec::kUnsigned, 0, 100, kPercentTip);
    AddFunctions124(page, "Expo", "Expo", 77, codec::kSigned, -100, 100, kRateTip);
    page.Group("DRSW DualRate Schalter").Choice("DRSW", 41, DualRateSwitchList()).Label("Schalter");
    return page.Build();
}

}  // namespace

const PageTable& BasePage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace fc16
