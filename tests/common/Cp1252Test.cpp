#include <gtest/gtest.h>

#include "common/Cp1252.h"

namespace {

TEST(Cp1252Test, EveryByteSurvivesTheWayThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252Test, DecodesTheCharactersOfTheCodePage) {
    EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xFC\xDF"), "äöüß");
    EXPECT_EQ(Cp1252ToUtf8("\x80\x8A"), "€Š");
}

TEST(Cp1252Test, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("Modell ☃ ä"), "Modell ? \xE4");
    EXPECT_EQ(Utf8ToCp1252("cut \xC3"), "cut ?");
}

}  // namespace
