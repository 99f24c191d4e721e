#pragma once

#include <string_view>

// A numbered text of the language files together with the printf arguments it takes:
// one letter per argument, 'd' for an integer and 's' for a text, in order.
struct NumberedText {
    int number;
    std::string_view arguments;
};
