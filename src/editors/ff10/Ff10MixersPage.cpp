#include <string>

#include "editors/PageBuilder.h"
#include "editors/ff10/Ff10FromFf9.h"
#include "editors/ff10/Ff10Pages.h"
#include "editors/ff10/Ff10Rules.h"
#include "editors/ff10/Ff10Switches.h"
#include "editors/ff9/Ff9Lists.h"
#include "editors/ff9/Ff9Pages.h"

namespace ff10 {
namespace {

constexpr int kLinkBits = 193;
constexpr int kFirstCurveMixer = 218;
// Mixers 7 and 8 of a helicopter model lie in its revolution mixing and offset switch.
constexpr int kLastHeliMixer = 6;

// Linear mixers 1 to 4 as on the FF9: on flag, master and slave, trim and link, then the
// FF10's switch and position, then the rates and the offset shown.
void AddLinearMixer(PageBuilder& page, int number) {
    const std::string name = "Mischer " + std::to_string(number);
    const PageTable& ff9Mixers = ff9::MixersPage();
    const OffsetMap& fromFf9 = MixersFromFf9();
    page.Group(name).Reuse(
        ff9Mixers, fromFf9,
        Keyed({name + " Ein", name + " Master", name + " Slave", name + " Trim.", name + " Link"}));
    AddSwitch(page, name, 195 + 6 * (number - 1), SwitchSet::Mixer, true);
    page.Reuse(ff9Mixers, fromFf9, Keyed({name + " L", name + " R", name + " Offset"}));
}

// Curve mixers 5 to 8, eight bytes each: on flag, master and slave (one byte, as the
// linear mixers'), switch, a byte the page leaves, five points.
void AddCurveMixer(PageBuilder& page, int number) {
    const std::string name = "Mischer " + std::to_string(number);
    const int offset = kFirstCurveMixer + 8 * (number - 5);
    page.Group(name);
    if (number > kLastHeliMixer) {
        page.ShownFromHereForHeli(false);
    }
    page.Flag(name + " Ein", offset, 0x80)
        .Choice(name + " Master", offset, ff9::MixerMasterList())
        .Choice(name + " Slave", offset, ff9::MixerSlaveList())
        .Flag(name + " Link", kLinkBits, static_cast<Byte>(1 << (number - 1)));
    AddSwitch(page, name, offset + 1, SwitchSet::Mixer, true);
    page.SignedCurve(name + " - ", offset + 3, -100, 100);
}

PageTable Build() {
    PageBuilder page(kMixersPage, "Programmierbare Mischer");
    page.Types(ModelTypes());
    for (int number = 1; number <= 4; ++number) {
        AddLinearMixer(page, number);
    }
    for (int number = 5; number <= 8; ++number) {
        AddCurveMixer(page, number);
    }
    return page.Build();
}

}  // namespace

const PageTable& MixersPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff10
