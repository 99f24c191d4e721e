#include <string>

#include "editors/PageBuilder.h"
#include "editors/fc16/Fc16Lists.h"
#include "editors/fc16/Fc16Pages.h"

namespace fc16 {
namespace {

// The program pages commit on every keystroke and tell the user when edit mode is off.
// Their fields take what their bits can hold (a rate 0 to 127 beside its "neg" box, a
// whole byte 0 to 255 or -128 to 127): a larger number is refused by the field exchange's
// own prompt rather than stored as its low bits, which would show another value than the
// one typed.
constexpr GroupPolicy kProgramPolicy{
    GroupPolicy::Order::AsWritten, GroupPolicy::Trigger::EveryKeystroke,
    GroupPolicy::OutsideEditMode::Notice230, GroupPolicy::RangeMessage::ExchangePrompt};

constexpr Byte kAmountBits = 0x7F;
constexpr Byte kSignBit = 0x80;
constexpr int kAmountMax = 127;

// A rate: bits 0 to 6 the amount, bit 7 its "neg" box.
PageBuilder& Rate(PageBuilder& page, const std::string& key, int offset, const std::string& label) {
    return page.Unsigned(key, offset, 0, kAmountMax, kAmountBits)
        .Label(label)
        .Flag(key + " neg", offset, kSignBit)
        .Label("neg");
}

PageBuilder& WholeByte(PageBuilder& page, const std::string& key, int offset, bool isSigned,
                       const std::string& label) {
    if (isSigned) {
        return page.Signed(key, offset, -128, 127).Label(label);
    }
    return page.Unsigned(key, offset, 0, 255).Label(label);
}

// A mixer row: its "Aus"/"Aktiv" list on bit `bit` of byte `switchOffset`.
PageBuilder& Row(PageBuilder& page, const std::string& caption, const std::string& key,
                 int switchOffset, int bit) {
    return page.Group(caption).Choice(key, switchOffset, OnOffList(bit)).Label("Aus/Aktiv");
}

constexpr BitRef kDelta{kProgramOffset, 0x02};
constexpr BitRef kFlaperon{kProgramOffset, 0x04};
constexpr BitRef kDifferential{kProgramOffset, 0x08};
constexpr BitRef kVTail{kProgramOffset, 0x01};

PageTable BuildUniversal() {
    PageBuilder page(kUniversalPage, "Mischprogramm Universal");
    page.DefaultPolicy(kProgramPolicy).Types(Programs());
    // DIFF, FLPR and DELTA share their aileron rate (byte 57), and the transmitter mixes
    // only one of them, nor DELTA with VTAL: every commit of one of these rows switches the
    // others off, whatever the row itself is set to.
    Row(page, "DIFF Querruder Differenzierung", "DIFF", kProgramOffset, 3)
        .OnEveryCommit({kFlaperon, kDelta});
    Rate(page, "DIFF %", 57, "%");
    Row(page, "FLPR Flaperon", "FLPR", kProgramOffset, 2).OnEveryCommit({kDifferential, kDelta});
    Rate(page, "FLPR %", 57, "%");
    Row(page, "DELTA", "DELTA", kProgramOffset, 1)
        .OnEveryCommit({kDifferential, kFlaperon, kVTail});
    Rate(page, "DELTA Quer %", 57, "Quer %");
    Rate(page, "DELTA Höhe %", 58, "Höhe %");
    Row(page, "VTAL V-Leitwerk", "VTAL", kProgramOffset, 0).OnEveryCommit({kDelta});
    Rate(page, "VTAL Höhe %", 60, "Höhe %");
    Rate(page, "VTAL Seite %", 59, "Seite %");
    Row(page, "FLTR Flaperon Trimmer", "FLTR", 56, 3);
    Rate(page, "FLTR %", 61, "%");
    Row(page, "1 -> 4 Combi Switch", "1 -> 4", 56, 4);
    Rate(page, "1 -> 4 %", 64, "%");
    Row(page, "5 -> 2 Flap Höhenruder", "5 -> 2", 56, 5);
    Rate(page, "5 -> 2 %", 62, "%");
    WholeByte(page, "5 -> 2 Offset", 63, false, "Offset");
    Row(page, "3 -> 2 Störklappen Höhenruder", "3 -> 2", 56, 6);
    Rate(page, "3 -> 2 %", 65, "%");
    WholeByte(page, "3 -> 2 Offset", 66, false, "Offset");
    Row(page, "CROW Mischer Krähe", "CROW", 56, 7);
    Rate(page, "CROW Kanal1 %", 67, "Kanal1 %");
    Rate(page, "CROW Kanal5 %", 68, "Kanal5 %");
    WholeByte(page, "CROW Offset", 69, false, "Offset");
    page.Group("FUNC Wechsel 3/5")
        .Choice("FUNC Wechsel 3/5", 42, FunctionSwapList())
        .Label("Funktion 3/5");
    return page.Build();
}

PageTable BuildHeli() {
    PageBuilder page(kHeliPage, "Mischprogramm Heli");
    page.DefaultPolicy(kProgramPolicy).Types(Programs());
    Row(page, "REVO Heckrotorausgleich", "REVO", kProgramOffset, 0);
    Rate(page, "REVO % R", 58, "% R");
    Rate(page, "REVO % L", 57, "% L");
    page.Group("LO-P Pitch Minimum");
    WholeByte(page, "LO-P", 60, false, "%");
    page.Group("HI-P Pitch Maximum");
    WholeByte(page, "HI-P", 59, false, "%");
    page.Group("HV-T Schwebeflug Gas");
    WholeByte(page, "HV-T", 63, true, "Wert");
    page.Group("HV-P Schwebeflug Pitch");
    WholeByte(page, "HV-P", 64, true, "Wert");
    page.Group("PTRM Pitch Trimmung");
    WholeByte(page, "PTRM", 61, true, "Wert");
    // IDLE and HOLD write their value before their switch.
    page.Group("IDLE Gasvorwahl");
    WholeByte(page, "IDLE %", 65, false, "%")
        .Choice("IDLE", kProgramOffset, OnOffList(2))
        .Label("Aus/Aktiv");
    page.Group("HOLD Autorotation");
    WholeByte(page, "HOLD %", 62, true, "%")
        .Choice("HOLD", kProgramOffset, OnOffList(3))
        .Label("Aus/Aktiv");
    page.Group("SWSH Taumelscheibentyp")
        .Choice("SWSH", kProgramOffset, SwashplateList())
        .Label("Typ");
    return page.Build();
}

}  // namespace

const PageTable& UniversalPage() {
    static const PageTable page = BuildUniversal();
    return page;
}

const PageTable& HeliPage() {
    static const PageTable page = BuildHeli();
    return page;
}

}  // namespace fc16
