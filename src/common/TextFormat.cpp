#include "common/TextFormat.h"

#include <cstdio>
#include <cstring>

namespace {

// A width or precision of more digits would let a text ask for a message of gigabytes.
constexpr std::size_t kMostWidthDigits = 2;

struct Conversion {
    std::size_t length = 0;  // characters of the whole "%...x" sequence
    char letter = 0;         // 'd', 's' or 0 for "%%" and anything not understood
    bool tooWide = false;    // width or precision beyond two digits: never formatted
};

std::size_t SkipDigits(std::string_view format, std::size_t i) {
    while (i < format.size() && format[i] >= '0' && format[i] <= '9')
        ++i;
    return i;
}

// Reads one conversion starting at format[pos] == '%'. Flags, width and precision are
// accepted; length modifiers are not, since arguments are passed at their full width.
Conversion ParseConversion(std::string_view format, std::size_t pos) {
    std::size_t i = pos + 1;
    if (i < format.size() && format[i] == '%') {
        return {2, 0, false};
    }
    while (i < format.size() && std::strchr("-+ 0#", format[i]) != nullptr)
        ++i;
    const std::size_t widthStart = i;
    i = SkipDigits(format, i);
    bool tooWide = i - widthStart > kMostWidthDigits;
    if (i < format.size() && format[i] == '.') {
        const std::size_t precisionStart = ++i;
        i = SkipDigits(format, i);
        tooWide = tooWide || i - precisionStart > kMostWidthDigits;
    }
    if (i >= format.size()) {
        return {i - pos, 0, tooWide};
    }
    const char c = format[i];
    const std::size_t length = i - pos + 1;
    if (tooWide) {
        return {length, 0, true};
    }
    if (c == 'd' || c == 'i' || c == 'u' || c == 'x' || c == 'X') {
        return {length, 'd', false};
    }
    if (c == 's') {
        return {length, 's', false};
    }
    return {length, 0, false};
}

std::string FormatOne(std::string_view conversionText, const MessageArgument& argument) {
    std::string pattern(conversionText);
    char buffer[512];
    if (const auto* number = std::get_if<long long>(&argument)) {
        pattern.insert(pattern.size() - 1, "ll");
        std::snprintf(buffer, sizeof buffer, pattern.c_str(), *number);
        return buffer;
    }
    const auto& text = std::get<std::string>(argument);
    const int needed = std::snprintf(nullptr, 0, pattern.c_str(), text.c_str());
    std::string out(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    std::snprintf(out.data(), out.size() + 1, pattern.c_str(), text.c_str());
    return out;
}

bool Fits(char letter, const MessageArgument& argument) {
    return (letter == 'd' && std::holds_alternative<long long>(argument)) ||
           (letter == 's' && std::holds_alternative<std::string>(argument));
}

}  // namespace

std::string FormatText(std::string_view format, const std::vector<MessageArgument>& arguments) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t pos = 0; pos < format.size();) {
        if (format[pos] != '%') {
            out += format[pos++];
            continue;
        }
        const Conversion conversion = ParseConversion(format, pos);
        const std::string_view conversionText = format.substr(pos, conversion.length);
        if (conversion.length == 2 && format[pos + 1] == '%') {
            out += '%';
        } else if (conversion.letter != 0 && next < arguments.size() &&
                   Fits(conversion.letter, arguments[next])) {
            out += FormatOne(conversionText, arguments[next++]);
        } else {
            out += conversionText;
        }
        pos += conversion.length;
    }
    return out;
}

bool FormatIsSafe(std::string_view format) {
    for (std::size_t pos = format.find('%'); pos != std::string_view::npos;) {
        const Conversion conversion = ParseConversion(format, pos);
        if (conversion.tooWide) {
            return false;
        }
        pos = format.find('%', pos + conversion.length);
    }
    return true;
}

std::string ArgumentLetters(const std::vector<MessageArgument>& arguments) {
    std::string letters;
    for (const MessageArgument& argument : arguments) {
        letters += std::holds_alternative<long long>(argument) ? 'd' : 's';
    }
    return letters;
}

bool TakesArguments(std::string_view format, std::string_view letters) {
    std::string taken = ConversionLetters(format);
    std::erase(taken, '?');
    return taken == letters;
}

std::string ConversionLetters(std::string_view format) {
    std::string letters;
    for (std::size_t pos = 0; pos < format.size();) {
        if (format[pos] != '%') {
            ++pos;
            continue;
        }
        const Conversion conversion = ParseConversion(format, pos);
        if (conversion.letter != 0) {
            letters += conversion.letter;
        } else if (!(conversion.length == 2 && format[pos + 1] == '%')) {
            letters += '?';
        }
        pos += conversion.length;
    }
    return letters;
}
