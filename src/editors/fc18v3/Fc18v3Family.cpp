#include "editors/fc18v3/Fc18v3Pages.h"

namespace fc18v3 {

// The mixing pages (Standard, Motorflug, Segler 5, Segler 4, Segler 2, Heli) join
// `mixingPages` as their tables are written; until then the tab after the base page is
// left out and a program's page is simply not there.
const EditorFamily& Family() {
    static const EditorFamily family{
        "FC18V3",           {"FC18V3    "},    "",          1,  2, {0, 8},
        NameCharset::Plain, &MixingPrograms(), &BasePage(), {}, {}};
    return family;
}

}  // namespace fc18v3
