#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Message.h"

// printf-style formatting of a text from a language file. The format comes from a file,
// so every conversion is checked against its argument: a conversion without a fitting
// argument is copied literally instead of reading memory it does not own.
std::string FormatText(std::string_view format, const std::vector<MessageArgument>& arguments);

// The argument letters ('d' for integer conversions, 's' for text) of a format, in order.
std::string ConversionLetters(std::string_view format);
