#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Result.h"

// What the adapter settings accept, in the adapter dialog and on the command line.
inline constexpr int kMaxWaitStates = 5000;

// An LPT address: exactly four hexadecimal digits, either case, the first the most
// significant. Refused with text 210 (not four characters) or 211 (not hexadecimal).
Result<std::uint16_t> ParseLptAddress(std::string_view text);
// Waitstates: a decimal number 0 to 5000, nothing else; refused with text 212.
Result<int> ParseWaitStates(std::string_view text);
// An address as the dialog shows it: "%04X".
std::string LptAddressText(std::uint16_t address);
