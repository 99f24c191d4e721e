#include <gtest/gtest.h>

#include "cli/Json.h"

namespace {

TEST(JsonTest, QuotesControlCharactersAndKeepsUtf8) {
    EXPECT_EQ(JsonQuoted("a\"b\\c\r\n\x01ä"), "\"a\\\"b\\\\c\\r\\n\\u0001ä\"");
}

TEST(JsonTest, NestsObjectsAndArraysWithCommas) {
    JsonWriter w;
    w.BeginObject().Key("n").Number(-3).Key("list").BeginArray().String("x").Bool(true);
    w.BeginObject().Key("k").Number(1).EndObject().EndArray().Key("e").BeginArray().EndArray();
    w.EndObject();
    EXPECT_EQ(w.Text(), R"({"n": -3, "list": ["x", true, {"k": 1}], "e": []})");
}

}  // namespace
