#pragma once

#include <span>
#include <string>

#include "common/NumberedText.h"

// Page numbers of the tab area: the four fixed pages and the editor pages of each type.
namespace page {
inline constexpr int kGetData = 0;
inline constexpr int kModels = 1;
inline constexpr int kContent = 2;
inline constexpr int kSave = 3;
inline constexpr int kFc18v3Base = 10;
inline constexpr int kFc16Base = 20;
inline constexpr int kFx18Base = 30;
inline constexpr int kFf9Base = 40;
inline constexpr int kFf10Base = 50;
// A tab whose page the base editor page chooses: it keeps the page number it had.
inline constexpr int kUnchanged = -1;
}  // namespace page

struct TabEntry {
    NumberedText caption;
    int page;
};

namespace tabset {
inline constexpr int kNoDataSet = 0;
inline constexpr int kWithoutEditor = 3;
}  // namespace tabset

// The tabs of one set in their order; an empty span for a set number that does not exist.
std::span<const TabEntry> TabSet(int set);

// The tab set and the first tab a data set of this type opens with.
struct TypeTabs {
    int set;
    int firstTab;
};
TypeTabs TabsForType(const std::string& typeName, bool ff9SuperAsFf9);

// The sets shown while an edit is open: only the editor tabs of the type.
bool IsEditingTabSet(int set);

// Which step label is coloured while a page is shown: 0 get data, 1 view/change, 2 save.
int StepOfPage(int pageNumber);
