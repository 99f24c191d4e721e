#include <gtest/gtest.h>

#include "shell/TabSets.h"

namespace {

std::vector<std::pair<int, int>> Tabs(int set) {
    std::vector<std::pair<int, int>> tabs;
    for (const TabEntry& entry : TabSet(set)) {
        tabs.emplace_back(entry.caption.number, entry.page);
    }
    return tabs;
}

using Tabs_ = std::vector<std::pair<int, int>>;
constexpr int U = page::kUnchanged;

TEST(TabSetsTest, EachSetListsItsCaptionsAndPages) {
    EXPECT_EQ(Tabs(0), (Tabs_{{52, 0}}));
    EXPECT_EQ(Tabs(1), (Tabs_{{52, 0}, {53, 1}, {54, 2}, {55, 10}, {56, 11}, {58, 3}}));
    EXPECT_EQ(Tabs(2), (Tabs_{{55, 10}, {56, U}}));
    EXPECT_EQ(Tabs(3), (Tabs_{{52, 0}, {53, 1}, {54, 2}, {58, 3}}));
    EXPECT_EQ(Tabs(4), (Tabs_{{52, 0}, {53, 1}, {54, 2}, {55, 20}, {56, 21}, {58, 3}}));
    EXPECT_EQ(Tabs(5), (Tabs_{{55, 20}, {56, U}}));
    EXPECT_EQ(Tabs(6), (Tabs_{{52, 0}, {53, 1}, {54, 2}, {55, 30}, {56, 31}, {58, 3}}));
    EXPECT_EQ(Tabs(7), (Tabs_{{55, 30}, {56, U}}));
    EXPECT_EQ(Tabs(8), (Tabs_{{52, 0}, {53, 1}, {54, 2}, {55, 40}, {57, 41}, {56, 49}, {58, 3}}));
    EXPECT_EQ(Tabs(9), (Tabs_{{55, 40}, {57, U}, {56, 49}}));
    EXPECT_EQ(Tabs(10), (Tabs_{{52, 0}, {53, 1}, {54, 2}, {55, 50}, {57, 51}, {56, 59}, {58, 3}}));
    EXPECT_EQ(Tabs(11), (Tabs_{{55, 50}, {57, U}, {56, 59}}));
    EXPECT_TRUE(TabSet(12).empty());
    EXPECT_TRUE(TabSet(-1).empty());
}

TEST(TabSetsTest, ATypeOpensWithItsSetAndFirstTab) {
    struct Case {
        const char* type;
        bool ff9SuperAsFf9;
        int set;
        int firstTab;
    };
    const Case cases[] = {
        {"FC18V3    ", true, 1, 3},  {"FC16      ", true, 4, 3}, {"FX18V1/2  ", true, 6, 3},
        {"FF9       ", false, 8, 3}, {"FF9 Super ", true, 8, 3}, {"FF9 Super ", false, 3, 1},
        {"FF10      ", true, 10, 3}, {"FC28V3    ", true, 3, 1}, {"Unbekannt ", true, 3, 1},
        {"FF9", true, 3, 1},
    };
    for (const Case& c : cases) {
        const TypeTabs tabs = TabsForType(c.type, c.ff9SuperAsFf9);
        EXPECT_EQ(tabs.set, c.set) << c.type;
        EXPECT_EQ(tabs.firstTab, c.firstTab) << c.type;
    }
}

TEST(TabSetsTest, TheStepLabelFollowsThePage) {
    EXPECT_EQ(StepOfPage(page::kGetData), 0);
    EXPECT_EQ(StepOfPage(page::kSave), 2);
    for (int number : {1, 2, 10, 41, 59}) {
        EXPECT_EQ(StepOfPage(number), 1);
    }
}

}  // namespace
