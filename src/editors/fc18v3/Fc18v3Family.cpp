#include "editors/fc18v3/Fc18v3Pages.h"

namespace fc18v3 {

const EditorFamily& Family() {
    static const EditorFamily family{"FC18V3",
                                     {"FC18V3    "},
                                     "",
                                     1,
                                     2,
                                     {0, 8},
                                     NameCharset::Plain,
                                     &MixingPrograms(),
                                     &BasePage(),
                                     {&StandardPage(), &HeliPage(), &MotorflugPage(),
                                      &Segler5Page(), &Segler4Page(), &Segler2Page()},
                                     {}};
    return family;
}

}  // namespace fc18v3
