#pragma once

#include <string_view>

// The usual text-to-integer rule: optional leading blanks and sign, then digits up to the
// first other character; no digits give 0. Values beyond the 32-bit range are clamped.
int TextToInt(std::string_view text);
