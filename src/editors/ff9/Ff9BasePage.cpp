#include <string>

#include "editors/CommonLists.h"
#include "editors/PageBuilder.h"
#include "editors/ff9/Ff9Lists.h"
#include "editors/ff9/Ff9Pages.h"
#include "editors/ff9/Ff9Rules.h"

namespace ff9 {
namespace {

constexpr int kNameOffset = 4;
constexpr int kNameLength = 8;

void AddTimer(PageBuilder& page, int number, int flagsOffset) {
    const std::string prefix = "Stopuhr " + std::to_string(number) + "/";
    page.Group("Stopuhr " + std::to_string(number))
        .Choice(prefix + " Schalter", flagsOffset + 1, TimerSwitchList())
        .Choice(prefix + " Position", flagsOffset + 1, SwitchPositionsNullClear())
        .ShownIf(TimerSwitchIsAToH)
        .Choice(prefix + " Richtung", flagsOffset, TimerDirectionList())
        .Timer(prefix, flagsOffset + 3)
        .ShownOnly()
        .Unsigned(prefix + " Begleitbyte", flagsOffset + 2, 0, 255);
}

// Dual rate and exponential of one channel. Aeroplane and glider models keep both sides
// for each switch position (Up at 88, Center at 94, Down at 100, exponential 18 further);
// helicopters one value per position (Up at 88, Center at 91, Down at 94, exponential 12
// further).
void AddDualRate(PageBuilder& page, int channel, int column, int heliColumn, bool leftFirst,
                 int switchOffset) {
    const std::string number = std::to_string(channel);
    page.Group("DualRate " + number)
        .Choice("DualRate Schalter " + number, switchOffset, DualRateSwitchList())
        .Refuse(RefuseDualRateSwitch);
    const std::pair<const char*, int> positions[] = {{"Center", 6}, {"Down", 12}, {"Up", 0}};
    const std::pair<const char*, int> heliPositions[] = {{"Center", 3}, {"Down", 6}, {"Up", 0}};
    struct Kind {
        const char* name;
        int shift;
        int heliShift;
    };
    for (const Kind kind : {Kind{"DualRate", 0, 0}, Kind{"Expo", 18, 12}}) {
        const bool expo = kind.shift != 0;
        for (const auto& [position, row] : positions) {
            const int left = 88 + kind.shift + row + column + (leftFirst ? 0 : 1);
            const int right = 88 + kind.shift + row + column + (leftFirst ? 1 : 0);
            const std::string name = std::string(kind.name) + " " + position + " " + number;
            for (const auto& [side, offset] : {std::pair{"L", left}, std::pair{"R", right}}) {
                if (expo) {
                    page.Signed(name + side, offset, -100, 100);
                } else {
                    page.Unsigned(name + side, offset, 0, 140);
                }
                page.ShownForHeli(false);
            }
        }
        for (const auto& [position, row] : heliPositions) {
            const int offset = 88 + kind.heliShift + row + heliColumn;
            const std::string name = std::string(kind.name) + " " + position + " " + number;
            if (expo) {
                page.Signed(name, offset, -100, 100);
            } else {
                page.Unsigned(name, offset, 0, 140);
            }
            page.ShownForHeli(true);
        }
    }
    page.ShownOnly().Signed("Schaltpunkt " + number, switchOffset + 1, -128, 127);
}

PageTable Build() {
    PageBuilder page(kBasePage, "Grundeinstellungen");
    page.Types(ModelTypes());
    page.Group("Name").Name("Modellname", kNameOffset, kNameLength);
    page.Group("Modulation").Choice("Modulation", 0, ModulationList());
    page.Group(kModelTypeField).ModelType(kModelTypeField, ModelTypes());
    AddTimer(page, 1, 12);
    AddTimer(page, 2, 17);

    page.Group("Trimmung").FlagTickedWhenClear("ATL", 0, 0x10);
    for (int k = 1; k <= 4; ++k) {
        page.Signed("Trimmung " + std::to_string(k), 25 + k, -120, 120);
    }
    for (int k = 1; k <= 4; ++k) {
        page.Unsigned("Trimmrate " + std::to_string(k), 21 + k, 1, 40);
    }
    page.Group("SubTrimm");
    for (int k = 1; k <= 8; ++k) {
        page.Signed("SubTrimm " + std::to_string(k), 45 + k, -120, 120);
    }
    page.Group("Reverse");
    for (int k = 1; k <= 8; ++k) {
        page.Flag("Reverse " + std::to_string(k), 54, static_cast<Byte>(1 << (k - 1)));
    }
    page.Flag("Kanal 9 bei PCM", 2, 0x01);
    page.Group("Servoweg");
    for (int k = 1; k <= 8; ++k) {
        page.Unsigned("Servoweg " + std::to_string(k) + "L", 29 + 2 * k, 0, 140);
    }
    for (int k = 1; k <= 8; ++k) {
        page.Unsigned("Servoweg " + std::to_string(k) + "R", 28 + 2 * k, 0, 140);
    }
    page.Group("Fail-Safe");
    for (int k = 1; k <= 8; ++k) {
        page.Flag("Fail-Safe " + std::to_string(k), 55, static_cast<Byte>(1 << (k - 1)));
    }
    page.ShownOnly();
    for (int k = 1; k <= 8; ++k) {
        page.Signed("Fail-Safe Position " + std::to_string(k), 55 + k, -128, 127);
    }
    page.Group("Kanalzuordnung");
    for (int k = 5; k <= 8; ++k) {
        page.Choice("Kanal " + std::to_string(k), 67 + k, ChannelList());
        if (k == 6) {
            page.EnabledForTypes({kAcro, kGlider1, kGlider2});
        }
    }
    page.Choice("Kanal 9", 76, Channel9List());
    page.Group("AIL-2").Choice("AIL-2", 0, SecondAileronList()).EnabledForTypes({kAcro, kGlider1});

    AddDualRate(page, 1, 0, 0, false, 82);
    AddDualRate(page, 2, 2, 1, true, 84);
    AddDualRate(page, 4, 4, 2, false, 86);
    page.Group("Expo Kanal 3").Signed("Expo Kanal 3", 175, -100, 100);
    return page.Build();
}

}  // namespace

const PageTable& BasePage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff9
