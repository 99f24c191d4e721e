#include "editors/MixingTab.h"

#include <algorithm>

std::optional<int> MixingTabStart(const EditorFamily& family, int proposed,
                                  const PageExists& exists) {
    if (family.IsMixingPage(proposed) && exists(proposed)) {
        return proposed;
    }
    for (const PageTable* page : family.mixingPages) {
        if (exists(page->pageNumber)) {
            return page->pageNumber;
        }
    }
    return std::nullopt;
}

std::optional<TabChange> ChooseMixingTab(const EditorFamily& family, ConstModelRecord record,
                                         std::span<const int> tabPages, const PageExists& exists) {
    if (family.basePage == nullptr) {
        return std::nullopt;
    }
    const auto base = std::find(tabPages.begin(), tabPages.end(), family.basePage->pageNumber);
    if (base == tabPages.end() || base + 1 == tabPages.end()) {
        return std::nullopt;
    }
    const int position = static_cast<int>(base - tabPages.begin()) + 1;
    const int current = *(base + 1);
    const int wanted = family.MixingPageOf(record);
    const bool wantedExists = family.IsMixingPage(wanted) && exists(wanted);
    if (!family.IsMixingPage(current) || !wantedExists || wanted == current) {
        return std::nullopt;
    }
    return TabChange{position, wanted};
}
