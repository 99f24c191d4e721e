#pragma once

#include <span>
#include <string>
#include <string_view>

#include "common/Bytes.h"

// Where a type keeps the name inside a model record: `length` bytes from `offset`.
struct NameField {
    int offset = 0;
    int length = 0;
};

// How the bytes of a name stand for characters: as they are, their low 7 bits, the FF10's
// own codes for a few letters, a digit per byte, or a position in one of the character
// sets below.
enum class NameCharset { Plain, Low7Bits, Ff10, Digit, Set1, Set2, Set3, Set4 };

// The name field of a type; length 0 for a type without names ("Unbekannt ").
NameField NameFieldOf(std::string_view typeName);
// The character set of a type's names (Plain for a type without names).
NameCharset NameCharsetOf(std::string_view typeName);

// The Windows-1252 character a stored name byte stands for in the character set.
Byte DecodeNameByte(NameCharset charset, Byte b);
// The name in `field` of a record, with characters that show nothing as ".", in UTF-8.
std::string DecodeName(NameField field, NameCharset charset, std::span<const Byte> record);

// The name of a model record of this type as the user sees it, in UTF-8.
std::string DecodeModelName(std::string_view typeName, std::span<const Byte> record);

// The character sets of the transmitters that do not store names as plain characters: a
// code is the position in the set; a code beyond its end shows ".". Entries are
// Windows-1252 bytes.
namespace charset {
inline constexpr std::string_view kSet1 = "0123456789 +-/ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view kSet2 =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ%v+-....!\"#$&'()*,./:;<=>?......_ ";
inline constexpr std::string_view kSet3 =
    " !\"#$%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
inline constexpr std::string_view kSet4 =
    " ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-./<>...\xE4\xF6\xFC";
}  // namespace charset
