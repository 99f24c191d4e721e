#include <string>

#include "editors/CommonLists.h"
#include "editors/PageBuilder.h"
#include "editors/ff9/Ff9Lists.h"
#include "editors/ff9/Ff9Pages.h"
#include "editors/ff9/Ff9Rules.h"

namespace ff9 {
namespace {

constexpr int kTrimBits = 127;
constexpr int kLinkBits = 128;
// Mixers 3 to 7 share their bytes with the helicopter program.
constexpr int kLastHeliMixer = 2;
// Masters 0 to 3 are the sticks: bits 5 and 6 of the master (bits 3 to 6) are clear.
constexpr Byte kMasterAboveSticks = 0x60;

// The head of mixer `number` at `offset`: on flag, master and slave, switch and position,
// trim and link.
void AddMixerHead(PageBuilder& page, int number, int offset) {
    const std::string name = "Mischer " + std::to_string(number);
    const auto bit = static_cast<Byte>(1 << (number - 1));
    page.Group(name);
    if (number > kLastHeliMixer) {
        page.EnabledFromHereForTypes({kAcro, kGlider1, kGlider2});
    }
    page.Flag(name + " Ein", offset, 0x80)
        .Choice(name + " Master", offset, MixerMasterList())
        .Choice(name + " Slave", offset, MixerSlaveList())
        .Choice(name + " Schalter", offset + 1, MixerSwitchList())
        .Choice(name + " Position", offset + 1, SwitchPositionsNullAll())
        .Flag(name + " Trim.", kTrimBits, bit)
        .EnabledIfBits(offset, kMasterAboveSticks, 0)
        .Flag(name + " Link", kLinkBits, bit);
}

PageTable Build() {
    PageBuilder page(kMixersPage, "Programmierbare Mischer");
    page.Types(ModelTypes());
    for (int number = 1; number <= 5; ++number) {
        const int offset = 129 + 6 * (number - 1);
        const std::string name = "Mischer " + std::to_string(number);
        AddMixerHead(page, number, offset);
        page.Signed(name + " L", offset + 5, -100, 100)
            .Signed(name + " R", offset + 4, -100, 100)
            .ShownOnly()
            .Signed(name + " Offset", offset + 3, -128, 127);
    }
    for (int number = 6; number <= 7; ++number) {
        const int offset = 159 + 8 * (number - 6);
        AddMixerHead(page, number, offset);
        page.SignedCurve("Mischer " + std::to_string(number) + " - ", offset + 3, -100, 100);
    }
    return page.Build();
}

}  // namespace

const PageTable& MixersPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff9
