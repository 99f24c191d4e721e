#pragma once

#include <functional>
#include <optional>
#include <span>

#include "editors/FieldModel.h"

// Whether the main window has a page of this number.
using PageExists = std::function<bool(int pageNumber)>;

// A change of the tab-to-page map: the tab at `position` shows `page`.
struct TabChange {
    int position = 0;
    int page = 0;
};

// The mixing-page choice. The tab that follows the family's base page shows the mixing
// page of the model's type. Only a tab that shows one of the family's mixing pages is
// ever rewritten, never a data page or the save page (which follows the base page while a
// family has no mixing page yet). A type without a mixing page, or one whose page does
// not exist yet, leaves the tab as it is.
std::optional<TabChange> ChooseMixingTab(const EditorFamily& family, ConstModelRecord record,
                                         std::span<const int> tabPages, const PageExists& exists);

// The page a mixing tab starts with when a tab set is built: `proposed` when it is an
// existing mixing page of the family, otherwise the first one that exists, or nothing when
// the family has none yet (the tab is left out).
std::optional<int> MixingTabStart(const EditorFamily& family, int proposed,
                                  const PageExists& exists);
