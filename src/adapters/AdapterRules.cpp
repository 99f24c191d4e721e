#include "adapters/AdapterRules.h"

#include <cstdio>

#include "adapters/AdapterTexts.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        c = static_cast<char>(c - 'a' + 'A');
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

Message Refused(NumberedText numbered) {
    return Message::Numbered(numbered, {}, MessageIcon::Stop);
}

}  // namespace

Result<std::uint16_t> ParseLptAddress(std::string_view text) {
    if (text.size() != 4) {
        return Refused(txt::kLptAddressLength);
    }
    int address = 0;
    for (const char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return Refused(txt::kLptAddressNotHex);
        }
        address = address * 16 + digit;
    }
    return static_cast<std::uint16_t>(address);
}

Result<int> ParseWaitStates(std::string_view text) {
    if (text.empty()) {
        return Refused(txt::kWaitStatesRange);
    }
    int value = 0;
    for (const char c : text) {
        // Checked at every digit, so that no length of text can overflow the number.
        if (c < '0' || c > '9' || (value = value * 10 + (c - '0')) > kMaxWaitStates) {
            return Refused(txt::kWaitStatesRange);
        }
    }
    return value;
}

std::string LptAddressText(std::uint16_t address) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", address);
    return text;
}
