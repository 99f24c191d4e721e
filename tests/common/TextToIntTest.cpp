#include <gtest/gtest.h>

#include "common/TextToInt.h"

namespace {

TEST(TextToIntTest, FollowsTheUsualTextToIntegerRule) {
    const std::pair<const char*, int> cases[] = {
        {"309", 309},
        {"  42", 42},
        {"-17abc", -17},
        {"+5", 5},
        {"", 0},
        {"abc", 0},
        {" 1", 1},
        {"2048\0\0\0", 2048},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(TextToInt(text), expected) << '"' << text << '"';
    }
}

}  // namespace
