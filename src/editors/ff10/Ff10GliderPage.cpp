#include <string>
#include <vector>

#include "editors/PageBuilder.h"
#include "editors/ff10/Ff10FromFf9.h"
#include "editors/ff10/Ff10Lists.h"
#include "editors/ff10/Ff10Pages.h"
#include "editors/ff10/Ff10Rules.h"
#include "editors/ff10/Ff10Switches.h"
#include "editors/ff9/Ff9Pages.h"

namespace ff10 {
namespace {

const std::vector<std::string> kConditions = {"Normal", "Start", "Speed", "Distance", "Landung"};

// A group of values for each flight condition from `first`: value k of condition c at
// first + stride x c + k, refused as "<prefix k><condition>". Conditions before
// `firstCondition` have no values (the bytes there belong to other fields).
void AddConditionGroup(PageBuilder& page, const std::string& group, int first, int stride,
                       const std::vector<std::string>& prefixes, int firstCondition = 0) {
    page.Group(group);
    for (int c = firstCondition; c < static_cast<int>(kConditions.size()); ++c) {
        page.VariantFromHere(c);
        for (std::size_t k = 0; k < prefixes.size(); ++k) {
            page.Signed(prefixes[k] + kConditions[static_cast<std::size_t>(c)],
                        first + stride * c + static_cast<int>(k), -100, 100)
                .Label(prefixes[k]);
        }
    }
    page.VariantFromHere(-1);
}

// Camber trim: per condition a controller byte at 351 + 8c, a byte the page leaves, and six
// values from 353 + 8c (the default block holds six equal values there).
void AddCamberTrim(PageBuilder& page) {
    const char* prefixes[] = {"Wölb-Trimm Quer L ", "Wölb-Trimm Quer R ", "Wölb-Trimm Flap L ",
                              "Wölb-Trimm Flap R ", "Wölb-Trimm Höhe L ", "Wölb-Trimm Höhe H "};
    page.Group("Wölb-Trimm");
    for (int c = 0; c < static_cast<int>(kConditions.size()); ++c) {
        const std::string& condition = kConditions[static_cast<std::size_t>(c)];
        page.VariantFromHere(c)
            .Choice("Wölb-Trimm Geber " + condition, 351 + 8 * c, CamberControllerList())
            .Label("Wölb-Trimm Geber");
        for (int k = 0; k < 6; ++k) {
            page.Signed(prefixes[k] + condition, 353 + 8 * c + k, -100, 100).Label(prefixes[k]);
        }
    }
    page.VariantFromHere(-1);
}

// Butterfly `suffix` ("" or "2") from its switch byte: flap, aileron 1, aileron 2, spoiler,
// then its elevator compensation (mid, end, delay).
void AddButterfly(PageBuilder& page, const std::string& suffix, int switchOffset) {
    const std::string name = "Butterfly" + suffix;
    page.Group(name);
    AddSwitch(page, name, switchOffset, SwitchSet::Plain);
    page.Signed(name + " Flap", switchOffset + 2, -125, 125)
        .Signed(name + " Quer 1", switchOffset + 1, -125, 125)
        .Signed(name + " Quer 2", switchOffset + 3, -125, 125)
        .Signed(name + " Spoi", switchOffset + 4, 0, 100);
    const std::string elevator = "Butt-Höhe" + suffix;
    page.Group(elevator)
        .Signed(elevator + " Mid", switchOffset + 6, -100, 100)
        .Signed(elevator + " End", switchOffset + 8, -100, 100)
        .Signed(elevator + " Delay", switchOffset + 10, 0, 100);
}

void AddSpoiler(PageBuilder& page) {
    page.Group("Spoiler");
    AddSwitch(page, "Spoiler", 438, SwitchSet::Plain);
    page.Signed("Spoiler 1 Off", 440, -100, 100)
        .Signed("Spoiler 1 On", 441, -100, 100)
        .Signed("Spoiler 2 Off", 443, -100, 100)
        .Signed("Spoiler 2 On", 444, -100, 100)
        .Signed("Spoiler Höhe", 445, -100, 100)
        .Signed("Spoiler Höhe Delay", 446, -100, 100);
}

PageTable Build() {
    const PageTable& glider = ff9::GliderPage();
    const OffsetMap& fromFf9 = AcrobaticFromFf9();
    PageBuilder page(kGliderPage, "Mischprogramm Glider");
    page.Types(ModelTypes());
    page.Variants("Flugzustand", kConditions);
    AddThrottleCut(page, -30, 30);
    for (const char* group : {"V-Leitwerk", "FLP/AIL/ELE"}) {
        page.Group(group).Reuse(glider, fromFf9, InGroup(group));
    }
    page.Group("FlapTrim")
        .Signed("FlapTrim L", 447, -100, 100)
        .Signed("FlapTrim H", 448, -100, 100);
    page.Group("Wölb-Flap")
        .Signed("Wölb-Flap 1L", 449, -100, 100)
        .Signed("Wölb-Flap 1R", 450, -100, 100)
        .Signed("Wölb-Flap 2L", 451, -100, 100)
        .Signed("Wölb-Flap 2R", 452, -100, 100)
        .Signed("Wölb-Flap Cnt", 453, -100, 100);
    page.Group("Ele->Flap");
    AddSwitch(page, "Ele->Flap", 283, SwitchSet::Plain);
    AddConditionGroup(page, "Ele->Flap", 286, 4,
                      {"Ele->Flap L ", "Ele->Flap H ", "Ele->Quer L ", "Ele->Quer H "});
    AddConditionGroup(page, "Ail->Flap", 331, 4,
                      {"Ail->Flap 1R ", "Ail->Flap 1L ", "Ail->Flap 2R ", "Ail->Flap 2L "});
    AddCamberTrim(page);
    AddConditionGroup(page, "Quer - Seite Mix", 396, 2,
                      {"Quer - Seite Mix R ", "Quer - Seite Mix L "});
    AddConditionGroup(page, "Offset", 404, 6,
                      {"Offset->Quer 1 ", "Offset->Höhe ", "Offset->Seite ", "Offset->Flap 2 ",
                       "Offset->Flap 1 ", "Offset->Quer 2 "},
                      1);
    page.Group("Offset->Delay")
        .Signed("Offset->Delay Quer", 406, 0, 100)
        .Signed("Offset->Delay Höhe", 407, 0, 100)
        .Signed("Offset->Delay Seite", 408, 0, 100)
        .Signed("Offset->Delay Flap", 409, 0, 100);
    AddButterfly(page, "", 308);
    AddButterfly(page, "2", 319);
    AddSpoiler(page);
    page.Group("Startverz.")
        .Signed("Startverz. Höhe", 455, 0, 100)
        .Signed("Startverz. Seite", 456, 0, 100)
        .Signed("Startverz. Quer", 457, 0, 100);
    return page.Build();
}

}  // namespace

const PageTable& GliderPage() {
    static const PageTable page = Build();
    return page;
}

}  // namespace ff10
