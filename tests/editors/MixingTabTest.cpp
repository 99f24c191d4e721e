#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "dataset/TransmitterCatalogue.h"
#include "editors/EditorFamilies.h"
#include "editors/MixingTab.h"
#include "editors/fc18v3/Fc18v3Pages.h"
#include "editors/ff9/Ff9Pages.h"

// The mixing-page choice without a window: which tab shows which page for a model.
namespace {

std::vector<Byte> RecordWith(int offset, int code) {
    std::vector<Byte> record(489, 0);
    record[static_cast<std::size_t>(offset)] = static_cast<Byte>(code);
    return record;
}

PageExists Existing(std::set<int> pages) {
    return [pages](int page) { return pages.count(page) > 0; };
}

const std::vector<int> kFf9Normal = {0, 1, 2, 40, 41, 49, 3};
const std::set<int> kFf9Pages = {0, 1, 2, 3, 40, 41, 42, 43, 49};

TEST(MixingTab, FollowsTheFf9ModelType) {
    const struct {
        int type;
        int page;  // 0: the tab stays
    } cases[] = {{0, 0},    {1, 42},   {2, 42}, {129, 43}, {133, 43},
                 {128, 43}, {200, 43}, {3, 0},  {127, 0}};
    for (const auto& c : cases) {
        const auto change =
            ChooseMixingTab(ff9::Family(), RecordWith(3, c.type), kFf9Normal, Existing(kFf9Pages));
        if (c.page == 0) {
            EXPECT_FALSE(change.has_value()) << c.type;
        } else {
            ASSERT_TRUE(change.has_value()) << c.type;
            EXPECT_EQ(change->position, 4);
            EXPECT_EQ(change->page, c.page);
        }
    }
}

TEST(MixingTab, TheEditingSetMapsItsSecondTab) {
    const std::vector<int> editing = {40, 42, 49};
    const auto change =
        ChooseMixingTab(ff9::Family(), RecordWith(3, 131), editing, Existing(kFf9Pages));
    ASSERT_TRUE(change.has_value());
    EXPECT_EQ(change->position, 1);
    EXPECT_EQ(change->page, 43);
}

// While a family has no mixing page yet, the tab after its base page is the save page:
// it is never taken over.
TEST(MixingTab, NeverRewritesATabThatShowsNoMixingPage) {
    for (int program = 0; program <= 10; ++program) {
        EXPECT_FALSE(ChooseMixingTab(fc18v3::Family(), RecordWith(115, program),
                                     std::vector<int>{0, 1, 2, 10, 3}, Existing({0, 1, 2, 3, 10}))
                         .has_value())
            << program;
    }
    EXPECT_FALSE(ChooseMixingTab(ff9::Family(), RecordWith(3, 129),
                                 std::vector<int>{0, 1, 2, 40, 3}, Existing(kFf9Pages))
                     .has_value());
    EXPECT_FALSE(ChooseMixingTab(ff9::Family(), RecordWith(3, 129), std::vector<int>{0, 1, 2, 3},
                                 Existing(kFf9Pages))
                     .has_value());
}

// The FC18V3 programs map to their pages as soon as the pages exist: 0 Standard (11),
// 1 Segler 5 (14), 2 Segler 4 (15), 3 Segler 2 (16), 4 Motorflug (13), 5 to 9 Heli (12).
TEST(MixingTab, Fc18v3ProgramsNameTheirPages) {
    const int pages[] = {11, 14, 15, 16, 13, 12, 12, 12, 12, 12};
    for (int program = 0; program < 10; ++program) {
        EXPECT_EQ(fc18v3::Family().MixingPageOf(RecordWith(115, program)), pages[program]);
        EXPECT_EQ(fc18v3::MixingPrograms().IsHeli(RecordWith(115, program)), program >= 5);
    }
    EXPECT_EQ(fc18v3::Family().MixingPageOf(RecordWith(115, 10)), 0);
}

// A family whose mixing pages exist only in part: a model whose page is missing keeps the
// page the tab shows.
TEST(MixingTab, AMissingPageLeavesTheTabAsItIs) {
    PageTable standard;
    standard.pageNumber = 11;
    PageTable heli;
    heli.pageNumber = 12;
    EditorFamily family = fc18v3::Family();
    family.mixingPages = {&standard, &heli};
    const PageExists exists = Existing({0, 1, 2, 3, 10, 11, 12});
    const std::vector<int> tabs = {0, 1, 2, 10, 11, 3};
    EXPECT_FALSE(ChooseMixingTab(family, RecordWith(115, 1), tabs, exists).has_value());
    const auto heliChange = ChooseMixingTab(family, RecordWith(115, 9), tabs, exists);
    ASSERT_TRUE(heliChange.has_value());
    EXPECT_EQ(heliChange->page, 12);

    EXPECT_EQ(MixingTabStart(family, 12, exists), 12);
    EXPECT_EQ(MixingTabStart(family, 1, exists), 11);   // the models page is no mixing page
    EXPECT_EQ(MixingTabStart(family, 14, exists), 11);  // Segler 5 is not there
    EditorFamily withoutMixingPages = family;
    withoutMixingPages.mixingPages.clear();
    EXPECT_FALSE(MixingTabStart(withoutMixingPages, 11, exists).has_value());
}

TEST(EditorFamilyRegistry, OneRowPerFamily) {
    const struct {
        const char* type;
        bool option;
        const char* family;  // nullptr: none
        bool pages;
    } cases[] = {{"FC18V3    ", false, "FC18V3", true}, {"FC16      ", false, "FC16", true},
                 {"FX18V1/2  ", false, "FX18", true},   {"FF9       ", false, "FF9", true},
                 {"FF9 Super ", true, "FF9", true},     {"FF9 Super ", false, nullptr, false},
                 {"FF10      ", false, "FF10", true},   {"FC28V3    ", true, nullptr, false},
                 {"FC18V3", true, nullptr, false}};
    for (const auto& c : cases) {
        const EditorFamily* row = EditorFamilyRowFor(c.type, c.option);
        EXPECT_EQ(row == nullptr, c.family == nullptr) << c.type;
        if (row != nullptr && c.family != nullptr) {
            EXPECT_EQ(row->name, c.family);
        }
        EXPECT_EQ(EditorFamilyFor(c.type, c.option) != nullptr, c.pages) << c.type;
    }
}

// A type whose catalogue entry says it has editor pages opens on them, never on the models
// page.
TEST(EditorFamilyRegistry, EveryTypeWithEditorPagesHasThem) {
    const TransmitterCatalogue catalogue;
    int withPages = 0;
    for (int i = 0; i < catalogue.Count(); ++i) {
        const TransmitterType& type = catalogue.Entry(i);
        if (!type.hasEditor) {
            continue;
        }
        EXPECT_NE(EditorFamilyFor(type.typeName, false), nullptr) << type.typeName;
        ++withPages;
    }
    EXPECT_EQ(withPages, 5);  // FC18V3, FC16, FX18V1/2, FF9, FF10
}

// The model lists of a family decode names as the model directory does for its type.
TEST(EditorFamilyRegistry, ModelListsUseTheTypesNameDecoding) {
    std::vector<Byte> record(489, 0);
    record[0] = 14;  // FX18: positions in "0123456789 +-/ABC..."
    record[1] = 39;
    record[2] = 40;
    record[3] = 10;
    EXPECT_EQ(EditorFamilyRowFor("FX18V1/2  ", false)->ModelName(record), "AZ. ");
    const std::vector<Byte> fc16 = [] {
        std::vector<Byte> bytes(489, 0);
        bytes[32] = 0xC1;
        bytes[33] = 0xC2;
        bytes[34] = 0xBA;
        bytes[35] = 0xBA;
        return bytes;
    }();
    EXPECT_EQ(EditorFamilyRowFor("FC16      ", false)->ModelName(fc16), "AB::");
    record[0] = 0x81;  // the FF10's ü
    record[1] = 'x';
    EXPECT_EQ(EditorFamilyRowFor("FF10      ", false)->ModelName(record).substr(0, 3), "üx");
}

}  // namespace
