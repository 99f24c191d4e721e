#include "dataset/ModelNames.h"

#include <array>

#include "common/Cp1252.h"

namespace {

using Decoding = NameCharset;

struct NameRule {
    std::string_view typeName;
    NameField field;
    Decoding decoding;
};

constexpr std::array<NameRule, 14> kRules{{
    {"FC18V3    ", {0, 8}, Decoding::Plain},
    {"FC16      ", {32, 4}, Decoding::Low7Bits},
    {"FC18V1    ", {45, 8}, Decoding::Low7Bits},
    {"FC28V2    ", {0, 8}, Decoding::Set4},
    {"FC28V3    ", {0, 12}, Decoding::Set4},
    {"FF3       ", {0, 6}, Decoding::Set3},
    {"FF8       ", {2, 6}, Decoding::Plain},
    {"FF8 Super ", {2, 6}, Decoding::Plain},
    {"FF9       ", {4, 8}, Decoding::Plain},
    {"FF9 Super ", {4, 8}, Decoding::Plain},
    {"FF10      ", {0, 10}, Decoding::Ff10},
    {"T3PK      ", {0, 10}, Decoding::Set2},
    {"FX14      ", {0, 4}, Decoding::Digit},
    {"FX18V1/2  ", {0, 4}, Decoding::Set1},
}};

const NameRule* RuleOf(std::string_view typeName) {
    for (const NameRule& rule : kRules) {
        if (rule.typeName == typeName) {
            return &rule;
        }
    }
    return nullptr;
}

char FromSet(std::string_view set, Byte code) {
    return code < set.size() ? set[code] : '.';
}

// The FF10 keeps a few characters of its own display under other codes.
Byte Ff10Character(Byte b) {
    switch (b) {
        case 0x5C:
            return 0xA5;  // yen sign
        case 0x81:
            return 0xFC;  // ü
        case 0x84:
            return 0xE4;  // ä
        case 0x89:
            return 0xEB;  // ë
        case 0x94:
            return 0xF6;  // ö
        default:
            return b;
    }
}

// Windows-1252 codes that stand for no visible character (control codes and the five
// codes the code page leaves out) show as "." so that a name never carries them.
Byte Visible(Byte b) {
    const bool control =
        b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    return control ? static_cast<Byte>('.') : b;
}

}  // namespace

Byte DecodeNameByte(NameCharset decoding, Byte b) {
    switch (decoding) {
        case Decoding::Plain:
            return b;
        case Decoding::Low7Bits:
            return static_cast<Byte>(b & 0x7F);
        case Decoding::Ff10:
            return Ff10Character(b);
        case Decoding::Digit:
            return static_cast<Byte>('0' + b);
        case Decoding::Set1:
            return static_cast<Byte>(FromSet(charset::kSet1, b));
        case Decoding::Set2:
            return static_cast<Byte>(FromSet(charset::kSet2, b));
        case Decoding::Set3:
            return static_cast<Byte>(FromSet(charset::kSet3, b));
        case Decoding::Set4:
            return static_cast<Byte>(FromSet(charset::kSet4, b));
    }
    return b;
}

NameField NameFieldOf(std::string_view typeName) {
    const NameRule* rule = RuleOf(typeName);
    return rule == nullptr ? NameField{} : rule->field;
}

NameCharset NameCharsetOf(std::string_view typeName) {
    const NameRule* rule = RuleOf(typeName);
    return rule == nullptr ? NameCharset::Plain : rule->decoding;
}

std::string DecodeName(NameField field, NameCharset charset, std::span<const Byte> record) {
    std::string bytes;
    for (int i = 0; i < field.length; ++i) {
        const std::size_t position = static_cast<std::size_t>(field.offset + i);
        if (position >= record.size()) {
            break;
        }
        bytes += static_cast<char>(Visible(DecodeNameByte(charset, record[position])));
    }
    return Cp1252ToUtf8(bytes);
}

std::string DecodeModelName(std::string_view typeName, std::span<const Byte> record) {
    const NameRule* rule = RuleOf(typeName);
    if (rule == nullptr) {
        return {};
    }
    return DecodeName(rule->field, rule->decoding, record);
}
