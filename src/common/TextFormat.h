#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Message.h"

// printf-style formatting of a text from a language file. The format comes from a file,
// so every conversion is checked against its argument: a conversion without a fitting
// argument is copied literally instead of reading memory it does not own.
std::string FormatText(std::string_view format, const std::vector<MessageArgument>& arguments);

// The argument letters ('d' for integer conversions, 's' for text) of a format, in order;
// '?' for a conversion that is not understood and so stays as it stands.
std::string ConversionLetters(std::string_view format);

// False when a conversion asks for a width or precision of more than two digits: such a
// text could ask for a message of gigabytes. It is copied literally by FormatText.
bool FormatIsSafe(std::string_view format);

// The letters of the arguments passed, in the form ConversionLetters gives.
std::string ArgumentLetters(const std::vector<MessageArgument>& arguments);

// Whether the conversions of a format take exactly these arguments (count and kinds).
bool TakesArguments(std::string_view format, std::string_view letters);
