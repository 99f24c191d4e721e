#include "editors/ff9/Ff9Pages.h"
#include "editors/ff9/Ff9Rules.h"

namespace ff9 {

const EditorFamily& Family() {
    static const EditorFamily family{"FF9",
                                     {"FF9       "},
                                     "FF9 Super ",
                                     8,
                                     9,
                                     {4, 8},
                                     NameCharset::Plain,
                                     &ModelTypes(),
                                     &BasePage(),
                                     {&AcrobaticPage(), &GliderPage(), &HeliPage()},
                                     {&MixersPage()}};
    return family;
}

}  // namespace ff9
