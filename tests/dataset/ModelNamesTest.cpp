#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dataset/ModelNames.h"

namespace {

struct NameCase {
    const char* typeName;
    int offset;
    std::vector<Byte> bytes;
    std::string expected;  // UTF-8
};

std::vector<Byte> RecordWith(int offset, const std::vector<Byte>& bytes) {
    std::vector<Byte> record(1870, 0);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        record[offset + i] = bytes[i];
    }
    return record;
}

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.typeName << "-> " << c.expected;
}

class ModelNameDecoding : public testing::TestWithParam<NameCase> {};

TEST_P(ModelNameDecoding, ShowsTheNameAsTheTransmitterDoes) {
    const NameCase& c = GetParam();
    EXPECT_EQ(DecodeModelName(c.typeName, RecordWith(c.offset, c.bytes)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, ModelNameDecoding,
    testing::Values(
        NameCase{"FC18V3    ", 0, {'M', 'O', 'D', 'E', 'L', '-', '0', '3'}, "MODEL-03"},
        NameCase{"FC16      ", 32, {0xC1, 0xB0, 0xB0, 0xB3}, "A003"},
        NameCase{"FC18V1    ", 45, {0xD3, 'E', 'G', 'L', 0xC5, 'R', ' ', '1'}, "SEGLER 1"},
        // Character set 4: blank, letters, digits, signs, and ä ö ü at 71 to 73.
        NameCase{"FC28V2    ", 0, {1, 27, 53, 63, 71, 72, 73, 0}, "Aa0-äöü "},
        NameCase{"FC28V3    ", 0, {26, 52, 62, 67, 68, 74, 200, 0, 0, 0, 0, 1}, "Zz9>...    A"},
        // Character set 3: blank to "?" in code order, then A-Z, a-z; 84 and above ".".
        NameCase{"FF3       ", 0, {0, 31, 32, 58, 83, 84}, " ?Aaz."},
        NameCase{"FF8       ", 2, {'H', 'E', 'L', 'I', ' ', '1'}, "HELI 1"},
        NameCase{"FF8 Super ", 2, {'S', 'U', 'P', 'E', 'R', '8'}, "SUPER8"},
        NameCase{"FF9       ", 4, {'M', 'O', 'D', 'E', 'L', '-', '0', '9'}, "MODEL-09"},
        NameCase{"FF9 Super ", 4, {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}, "abcdefgh"},
        // The FF10 shows yen sign, ü, ä, ë and ö under codes of its own.
        NameCase{"FF10      ",
                 0,
                 {0x5C, 0x81, 0x84, 0x89, 0x94, 'A', 0xE9, '1', '2', '3'},
                 "¥üäëöAé123"},
        // Character set 2: digits, letters, then signs from 36 on; 70 and above ".".
        NameCase{"T3PK      ", 0, {0, 10, 36, 37, 45, 49, 61, 68, 69, 70}, "0A%v\"'?_ ."},
        NameCase{"FX14      ", 0, {0, 1, 9, 5}, "0195"},
        // Character set 1: digits, blank, + - /, letters; 40 and above ".".
        NameCase{"FX18V1/2  ", 0, {18, 12, 0, 1}, "E-01"},
        NameCase{"FX18V1/2  ", 0, {10, 11, 13, 39}, " +/Z"},
        NameCase{"FX18V1/2  ", 0, {40, 41, 255, 14}, "...A"},
        NameCase{"Unbekannt ", 0, {'A', 'B'}, ""}));

TEST(ModelNameDecoding, CodesWithoutVisibleCharacterShowAsFullStops) {
    EXPECT_EQ(
        DecodeModelName("FC18V3    ", RecordWith(0, {0, 0x1F, 0x7F, 0x81, 'A', 'B', 'C', 'D'})),
        "....ABCD");
}

TEST(ModelNameDecoding, CharacterSetsHaveTheirLengths) {
    EXPECT_EQ(charset::kSet1.size(), 40u);
    EXPECT_EQ(charset::kSet2.size(), 70u);
    EXPECT_EQ(charset::kSet3.size(), 84u);
    EXPECT_EQ(charset::kSet4.size(), 74u);
}

TEST(ModelNameDecoding, ARecordShorterThanTheNameFieldGivesWhatItHolds) {
    const std::vector<Byte> record{'A', 'B', 'C'};
    EXPECT_EQ(DecodeModelName("FC18V3    ", record), "ABC");
}

}  // namespace
