#include <optional>
#include <string>

#include "editors/fx18/Fx18Lists.h"
#include "editors/fx18/Fx18Pages.h"
#include "editors/fx18/Fx18SharedGroups.h"
#include "editors/fx18/Fx18Texts.h"

namespace fx18 {
namespace {

constexpr int kMixerSwitches = 110;
constexpr int kWingFlags = 111;
constexpr Byte kWingModeBits = 0x06;
constexpr Byte kDeltaMode = 0x02;  // wing mode 1
constexpr Byte kVTailOff = 0x10;

// After the wing mode or the V-tail is committed: a delta wing with a V-tail is told, and
// both stay as written.
std::optional<Message> WarnDeltaWithVTail(ModelRecord record, const GroupInput&) {
    const Byte flags = record[static_cast<std::size_t>(kWingFlags)];
    if ((flags & kWingModeBits) == kDeltaMode && (flags & kVTailOff) == 0) {
        return Message::Numbered(text::kDeltaWithVTail, {}, MessageIcon::Information);
    }
    return std::nullopt;
}

void AddPercents(PageBuilder& page, const std::string& name,
                 std::initializer_list<std::pair<const char*, int>> values) {
    for (const auto& [label, offset] : values) {
        AddPercent(page, name + " " + label, offset, -100, 100, label);
    }
}

PageTable BuildMotorflug() {
    PageBuilder page(kMotorflugPage, "Mischprogramm MOTO Motorflug");
    page.DefaultPolicy(policy::kExchangePrompt);
    AddAileronToRudder(page);
    // The wing mode and the flaperon's second channel; the flaperon's limit and mixer
    // commit with them.
    page.Group("Flügel")
        .Choice("Flügel", kWingFlags, WingModeList())
        .RadioButtons()
        .Label("Flügel")
        .AfterWrite(WarnDeltaWithVTail);
    AddFlaperonLimitAndMixer(page);
    page.Choice("Flaperon Kanal", kWingFlags, MotorflugFlaperonChannelList()).Label("Kanal");
    AddFlaperon(page);
    // The delta wing's two channels and its differential share their bytes with the
    // V-tail and with the flaperon mixer.
    page.Group("Delta");
    AddPercents(page, "Delta", {{"Kanal 1 %", 119}, {"Kanal 2 %", 120}});
    page.Unsigned("Delta Differenz. %", 116, 0, 100, 0x7F)
        .Label("Differenz. %")
        .Tooltip("0 ... 100")
        .Flag("Delta Neg", 116, 0x80)
        .Label("Neg");
    AddCamberFlaps(page);
    AddVTail(page, WarnDeltaWithVTail);
    page.Group("Snap Roll").FlagTickedWhenClear("Snap Roll Ein", kMixerSwitches, 0x80).Label("Ein");
    AddPercents(page, "Snap Roll", {{"1 Quer %", 124}, {"2 Höhe %", 125}, {"3 Seite %", 126}});
    page.Group("Landeklappen")
        .FlagTickedWhenClear("Landeklappen Ein", kMixerSwitches, 0x40)
        .Label("Ein");
    AddPercents(page, "Landeklappen", {{"1 Quer L%", 121}, {"2 Höhe %", 123}, {"6 Quer R%", 122}});
    AddElevatorMixers(page);
    return page.Build();
}

}  // namespace

const PageTable& BasicPage() {
    static const PageTable page =
        PageBuilder(kBasicPage, "Mischprogramm Basic")
            .Note("Im Basic Mischprogramm gibt es keine weiteren Einstellungen.")
            .Build();
    return page;
}

const PageTable& MotorflugPage() {
    static const PageTable page = BuildMotorflug();
    return page;
}

}  // namespace fx18
