#include "editors/ff10/Ff10Pages.h"
#include "editors/ff10/Ff10Rules.h"

namespace ff10 {

const EditorFamily& Family() {
    static const EditorFamily family{"FF10",
                                     {"FF10      "},
                                     "",
                                     10,
                                     11,
                                     {0, 10},
                                     NameCharset::Ff10,
                                     &ModelTypes(),
                                     &BasePage(),
                                     {&AcrobaticPage(), &GliderPage(), &HeliPage()},
                                     {&MixersPage()}};
    return family;
}

}  // namespace ff10
