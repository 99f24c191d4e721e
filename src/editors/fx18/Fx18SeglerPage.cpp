#include <optional>
#include <string>

#include "editors/fx18/Fx18Lists.h"
#include "editors/fx18/Fx18Pages.h"
#include "editors/fx18/Fx18SharedGroups.h"
#include "editors/fx18/Fx18Texts.h"

namespace fx18 {
namespace {

constexpr int kMasterChannels = 95;
constexpr int kMixerSwitches = 110;
constexpr int kWingFlags = 111;
constexpr Byte kButterflyOff = 0x40;   // byte 110
constexpr Byte kFlaperonOnCh5 = 0x01;  // byte 111: the second flaperon channel is "Kan.5"
constexpr int kButterflyOffset = 123;  // shared by the butterfly and BU-H

Byte& At(ModelRecord record, int offset) {
    return record[static_cast<std::size_t>(offset)];
}

// Channel 5 carries either the flaperon's second side or the butterfly.
bool ChannelFiveTwice(ModelRecord record) {
    return (At(record, kWingFlags) & kFlaperonOnCh5) != 0 &&
           (At(record, kMixerSwitches) & kButterflyOff) == 0;
}

// After the flaperon group: the butterfly gives way.
std::optional<Message> SwitchButterflyOff(ModelRecord record, const GroupInput&) {
    if (!ChannelFiveTwice(record)) {
        return std::nullopt;
    }
    At(record, kMixerSwitches) = static_cast<Byte>(At(record, kMixerSwitches) | kButterflyOff);
    return Message::Numbered(text::kButterflySwitchedOff, {}, MessageIcon::Warning);
}

// After the butterfly group: the flaperon's second side goes back to channel 7.
std::optional<Message> SetFlaperonChannelBack(ModelRecord record, const GroupInput&) {
    if (!ChannelFiveTwice(record)) {
        return std::nullopt;
    }
    At(record, kWingFlags) = static_cast<Byte>(At(record, kWingFlags) & ~kFlaperonOnCh5);
    return Message::Numbered(text::kFlaperonChannelBack, {}, MessageIcon::Warning);
}

PageTable Build() {
    PageBuilder page(kSeglerPage, "Mischprogramm Segler");
    page.DefaultPolicy(policy::kExchangePrompt);
    AddAileronToRudder(page);
    page.Group("FLAE")
        .FlagTickedWhenClear("FLAE Ein", kWingFlags, 0x02)
        .Label("Ein")
        .Choice("FLAE Master", kMasterChannels, FlaperonMasterList())
        .Label("Master")
        .AfterWrite(SwitchButterflyOff);
    AddFlaperonLimitAndMixer(page);
    page.Choice("Flaperon Kanal", kWingFlags, SeglerFlaperonChannelList()).Label("Kanal");
    AddFlaperon(page);
    AddCamberFlaps(page);
    AddVTail(page, nullptr);
    page.Group("BUTT Butterfly")
        .FlagTickedWhenClear("BUTT Ein", kMixerSwitches, kButterflyOff)
        .Label("Ein")
        .Choice("BUTT Master", kMasterChannels, ButterflyMasterList())
        .Label("Master")
        .AfterWrite(SetFlaperonChannelBack);
    AddPercent(page, "BUTT 1 Quer %", 121, -100, 100, "1   Quer");
    AddPercent(page, "BUTT 5 Landekl. %", 122, -100, 100, "5   Landekl.");
    AddPercent(page, "BUTT Offset", kButterflyOffset, -125, 125, "Offset");
    page.Group("BU-H Butterfly -> Höhe")
        .FlagTickedWhenClear("BU-H Ein", kMixerSwitches, 0x20)
        .Label("Ein");
    AddPercent(page, "BU-H %", 124, -100, 100, "%");
    AddPercent(page, "BU-H Offset", kButterflyOffset, -125, 125, "Offset");
    page.Group("Trimmprogramm");
    for (int program = 1; program <= 2; ++program) {
        const std::string name = "TRM " + std::to_string(program);
        const int first = program == 1 ? 127 : 130;
        page.FlagTickedWhenClear(name + " Ein", kWingFlags, program == 1 ? 0x40 : 0x80)
            .Label(name + " Ein");
        AddPercent(page, name + " K1 %", first, -100, 100, name + " K1 %");
        AddPercent(page, name + " K2 %", first + 1, -100, 100, name + " K2 %");
        AddPercent(page, name + " K5 %", first + 2, -100, 100, name + " K5 %");
    }
    AddElevatorMixers(page);
    return page.Build();
}

}  // namespace

const PageTable& SeglerPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace fx18
