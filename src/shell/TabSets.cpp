#include "shell/TabSets.h"

#include <array>

#include "editors/EditorFamilies.h"
#include "shell/ShellTexts.h"

namespace {

using namespace txt;
using page::kUnchanged;

constexpr TabEntry kGetDataTab{kTabGetData, page::kGetData};
constexpr TabEntry kModelsTab{kTabModels, page::kModels};
constexpr TabEntry kContentTab{kTabContent, page::kContent};
constexpr TabEntry kSaveTab{kTabSave, page::kSave};

constexpr std::array<TabEntry, 1> kSet0{kGetDataTab};
constexpr std::array<TabEntry, 6> kSet1{kGetDataTab,          kModelsTab,       kContentTab,
                                        {kTabBaseEditor, 10}, {kTabMixers, 11}, kSaveTab};
constexpr std::array<TabEntry, 2> kSet2{{{kTabBaseEditor, 10}, {kTabMixers, kUnchanged}}};
constexpr std::array<TabEntry, 4> kSet3{kGetDataTab, kModelsTab, kContentTab, kSaveTab};
constexpr std::array<TabEntry, 6> kSet4{kGetDataTab,          kModelsTab,       kContentTab,
                                        {kTabBaseEditor, 20}, {kTabMixers, 21}, kSaveTab};
constexpr std::array<TabEntry, 2> kSet5{{{kTabBaseEditor, 20}, {kTabMixers, kUnchanged}}};
constexpr std::array<TabEntry, 6> kSet6{kGetDataTab,          kModelsTab,       kContentTab,
                                        {kTabBaseEditor, 30}, {kTabMixers, 31}, kSaveTab};
constexpr std::array<TabEntry, 2> kSet7{{{kTabBaseEditor, 30}, {kTabMixers, kUnchanged}}};
constexpr std::array<TabEntry, 7> kSet8{
    kGetDataTab,      kModelsTab, kContentTab, {kTabBaseEditor, 40}, {kTabMixingProgram, 41},
    {kTabMixers, 49}, kSaveTab};
constexpr std::array<TabEntry, 3> kSet9{
    {{kTabBaseEditor, 40}, {kTabMixingProgram, kUnchanged}, {kTabMixers, 49}}};
constexpr std::array<TabEntry, 7> kSet10{
    kGetDataTab,      kModelsTab, kContentTab, {kTabBaseEditor, 50}, {kTabMixingProgram, 51},
    {kTabMixers, 59}, kSaveTab};
constexpr std::array<TabEntry, 3> kSet11{
    {{kTabBaseEditor, 50}, {kTabMixingProgram, kUnchanged}, {kTabMixers, 59}}};

constexpr std::array<std::span<const TabEntry>, 12> kSets{
    kSet0, kSet1, kSet2, kSet3, kSet4, kSet5, kSet6, kSet7, kSet8, kSet9, kSet10, kSet11};

}  // namespace

std::span<const TabEntry> TabSet(int set) {
    if (set < 0 || set >= static_cast<int>(kSets.size())) {
        return {};
    }
    return kSets[set];
}

TypeTabs TabsForType(const std::string& typeName, bool ff9SuperAsFf9) {
    constexpr int kBaseEditorTab = 3;
    if (const EditorFamily* family = EditorFamilyRowFor(typeName, ff9SuperAsFf9)) {
        return {family->normalTabSet, kBaseEditorTab};
    }
    return {tabset::kWithoutEditor, 1};
}

int StepOfPage(int pageNumber) {
    if (pageNumber == page::kGetData)
        return 0;
    if (pageNumber == page::kSave)
        return 2;
    return 1;
}

bool IsEditingTabSet(int set) {
    for (const EditorFamily* family : EditorFamilyRows()) {
        if (family->editingTabSet == set) {
            return true;
        }
    }
    return false;
}
