#include "editors/fc16/Fc16Pages.h"

namespace fc16 {

const EditorFamily& Family() {
    static const EditorFamily family{
        "FC16",  {"FC16      "},        "",          4,           5,
        {32, 4}, NameCharset::Low7Bits, &Programs(), &BasePage(), {&UniversalPage(), &HeliPage()},
        {}};
    return family;
}

}  // namespace fc16
