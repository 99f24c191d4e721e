#include "editors/fx18/Fx18Pages.h"

namespace fx18 {

// FX18V1 files name the type "FX18V1    "; the file readers take that name as
// "FX18V1/2  ", so both open these pages.
const EditorFamily& Family() {
    static const EditorFamily family{"FX18",
                                     {"FX18V1/2  "},
                                     "",
                                     6,
                                     7,
                                     {0, 4},
                                     NameCharset::Set1,
                                     &MixingPrograms(),
                                     &BasePage(),
                                     {&BasicPage(), &MotorflugPage(), &SeglerPage(), &HeliPage()},
                                     {}};
    return family;
}

}  // namespace fx18
