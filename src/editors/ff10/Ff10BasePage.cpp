#include <string>
#include <vector>

#include "editors/CommonLists.h"
#include "editors/EditorTexts.h"
#include "editors/PageBuilder.h"
#include "editors/ff10/Ff10FromFf9.h"
#include "editors/ff10/Ff10Lists.h"
#include "editors/ff10/Ff10Pages.h"
#include "editors/ff10/Ff10Rules.h"
#include "editors/ff10/Ff10Switches.h"
#include "editors/ff9/Ff9Pages.h"

namespace ff10 {
namespace {

constexpr int kNameLength = 10;
constexpr int kModulationOffset = 84;
constexpr int kDualRate = 132;
constexpr int kHeliExpo = kDualRate + 15;

std::string N(int number) {
    return std::to_string(number);
}

// Logic switch `number`: input A (switch code and positions) at `offset`, input B and the
// operator two bytes further.
void AddLogicSwitch(PageBuilder& page, int number, int offset) {
    const std::string name = "Ls" + N(number);
    page.Group("Logic LSW " + N(number))
        .Choice(name + " A Schalter", offset, LogicInputAList())
        .Label("A Schalter")
        .Choice(name + " A Position", offset, SwitchPositionsNullClear())
        .Label("A Position")
        .Choice(name + " B Schalter", offset + 2, LogicInputBList())
        .Label("B Schalter")
        .Choice(name + " B Position", offset + 2, SwitchPositionsNullClear())
        .Label("B Position")
        .Choice(name + " Verknüpfung", offset + 2, LogicOperatorList())
        .Label("Verknüpfung");
}

// Timer `number`: mode byte, start switch, companion byte, reset switch, time.
void AddTimer(PageBuilder& page, int number, int modeOffset) {
    const std::string prefix = "Stopuhr " + N(number) + "/";
    page.Group("Stopuhr " + N(number));
    AddSwitch(page, prefix + " Start", modeOffset + 1, SwitchSet::Start, false, "Start");
    AddSwitch(page, prefix + " Reset", modeOffset + 3, SwitchSet::Plain, false, "Reset");
    page.Choice(prefix + " Modus", modeOffset, number == 3 ? Timer3ModeList() : TimerModeList())
        .Label("Modus")
        .Timer(prefix, modeOffset + 4)
        .Label("Zeit")
        .ShownOnly()
        .Unsigned(prefix + " Begleitbyte", modeOffset + 2, 0, 255)
        .Label("Begleitbyte");
}

void AddChannels(PageBuilder& page) {
    page.Group("Kanalzuordnung");
    for (int k = 5; k <= 8; ++k) {
        page.Choice("Kanal " + N(k), 103 + k, ChannelList());
        if (k == 6) {
            page.EnabledForTypes({kAcro, kGlider1A1F, kGlider2A1F, kGlider2A2F});
        }
    }
    for (int k = 9; k <= 10; ++k) {
        const int offset = 103 + k;
        page.Choice("Kanal " + N(k), offset, Channel9List())
            .Choice("Kanal " + N(k) + " Position", offset, SwitchPositionsNullClear())
            .ShownIf(HoldsChannelSwitch)
            .Choice("Kanal " + N(k) + " Position Ls", offset, LogicPositionsNullClear())
            .ShownIf(HoldsChannelLogicSwitch);
    }
}

// Dual rate and exponential of one channel. Aeroplanes and gliders keep the FF9's rows;
// helicopters one value per flight condition: 132 + 3 x condition + column, exponential 15
// further.
void AddDualRate(PageBuilder& page, int channel, int column) {
    const std::string number = N(channel);
    const std::string group = "DualRate " + number;
    const int switchOffset = 123 + 2 * column;
    page.Group(group)
        .Refuse(RefuseDualRateSwitch)
        .Reuse(ff9::BasePage(), BaseFromFf9(), Keyed({"DualRate Schalter " + number}))
        .Choice("DualRate Position " + number, switchOffset, SwitchPositionsNullClear())
        .ShownIf(HoldsDualRateSwitchAToH)
        .Reuse(ff9::BasePage(), BaseFromFf9(), [&group](const Field& field) {
            return field.group == group && field.shownForHeli == false;
        });
    // The group's title carries the channel; the labels name the condition only.
    const char* conditions[] = {"Up/Norm", "Cnt/Idle1", "Dwn/Idle2", "Idle3", "Hold"};
    for (int condition = 0; condition < 5; ++condition) {
        page.Unsigned(std::string("DualRate ") + conditions[condition] + " " + number,
                      kDualRate + 3 * condition + column, 0, 140)
            .Label(std::string("DR ") + conditions[condition])
            .ShownForHeli(true);
    }
    for (int condition = 0; condition < 5; ++condition) {
        const std::string name = std::string("Expo ") + conditions[condition] + " " + number;
        page.Signed(name, kHeliExpo + 3 * condition + column, -100, 100)
            .Label(std::string("Expo ") + conditions[condition])
            .ShownForHeli(true);
        if (channel == 4 && condition >= 3) {
            page.Refusal(name + "R");
        }
    }
    page.ShownOnly().Reuse(ff9::BasePage(), BaseFromFf9(), Keyed({"Schaltpunkt " + number}));
}

PageTable Build() {
    const PageTable& ff9Base = ff9::BasePage();
    const OffsetMap& fromFf9 = BaseFromFf9();
    PageBuilder page(kBasePage, "Grundeinstellungen");
    page.Types(ModelTypes());
    page.Group("Name")
        .Name("Modellname", 0, codec::NameFormat{NameCharset::Ff10, kNameLength})
        .TooltipText(txt::kModelNameTooltip.number);
    page.Group("Modulation").Choice("Modulation", kModulationOffset, ModulationList());
    page.Group(kModelTypeField).ModelType(kModelTypeField, ModelTypes());
    for (int k = 1; k <= 3; ++k) {
        AddLogicSwitch(page, k, 8 + 3 * k);
    }
    for (int k = 1; k <= 3; ++k) {
        AddTimer(page, k, 14 + 6 * k);
    }
    for (const char* group : {"Trimmung", "SubTrimm", "Reverse", "Servoweg", "Fail-Safe"}) {
        page.Group(group).Reuse(ff9Base, fromFf9, InGroup(group));
    }
    std::vector<std::string> positions;
    for (int k = 1; k <= 8; ++k) {
        positions.push_back("Fail-Safe Position " + N(k));
    }
    page.ShownOnly().Reuse(ff9Base, fromFf9, Keyed(positions));
    AddChannels(page);
    page.Group("AIL-2")
        .Reuse(ff9Base, fromFf9, InGroup("AIL-2"))
        .EnabledForTypes({kAcro, kGlider1A1F});
    AddDualRate(page, 1, 0);
    AddDualRate(page, 2, 1);
    AddDualRate(page, 4, 2);
    // Helicopters keep the Idle 1 roll offset in this byte.
    page.Group("Expo Kanal 3").Reuse(ff9Base, fromFf9, InGroup("Expo Kanal 3")).ShownForHeli(false);
    return page.Build();
}

}  // namespace

const PageTable& BasePage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff10
