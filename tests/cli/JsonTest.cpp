#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "cli/Json.h"

namespace {

TEST(JsonTest, QuotesControlCharactersAndKeepsUtf8) {
    EXPECT_EQ(JsonQuoted("a\"b\\c\r\n\x01ä"), "\"a\\\"b\\\\c\\r\\n\\u0001ä\"");
}

// Bytes that are not UTF-8 (a file name in Latin-1, a cut sequence, a surrogate, an
// overlong form) become U+FFFD one byte each, so every output parses; UTF-8 stays as it is.
TEST(JsonTest, ReplacesEveryByteThatIsNotUtf8) {
    const std::pair<std::string, std::string> cases[] = {
        {"M\xFCller.rom", "\"M\\ufffdller.rom\""},
        {"\xC3", "\"\\ufffd\""},
        {"\xC3(", "\"\\ufffd(\""},
        {"\x80\xBF", "\"\\ufffd\\ufffd\""},
        {"\xC0\xAF", "\"\\ufffd\\ufffd\""},
        {"\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\""},
        {"\xF4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},
        {"\xFF\xFE", "\"\\ufffd\\ufffd\""},
        {"\xE2\x82\xAC \xF0\x9F\x9B\xA9 \xC3\xA4", "\"\xE2\x82\xAC \xF0\x9F\x9B\xA9 \xC3\xA4\""},
    };
    for (const auto& [bytes, quoted] : cases) {
        EXPECT_EQ(JsonQuoted(bytes), quoted);
    }
}

TEST(JsonTest, NestsObjectsAndArraysWithCommas) {
    JsonWriter w;
    w.BeginObject().Key("n").Number(-3).Key("list").BeginArray().String("x").Bool(true);
    w.BeginObject().Key("k").Number(1).EndObject().EndArray().Key("e").BeginArray().EndArray();
    w.EndObject();
    EXPECT_EQ(w.Text(), R"({"n": -3, "list": ["x", true, {"k": 1}], "e": []})");
}

}  // namespace
