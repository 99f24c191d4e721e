#include "editors/EditorPages.h"

#include <memory>

#include "editors/EditorFamilies.h"
#include "editors/ModelEditorPage.h"

std::vector<std::pair<int, CPage*>> CreateEditorPages(const std::string& typeName,
                                                      bool ff9SuperAsFf9, EditorHost& host,
                                                      QWidget* parent) {
    const EditorFamily* family = EditorFamilyFor(typeName, ff9SuperAsFf9);
    if (family == nullptr) {
        return {};
    }
    auto editor = std::make_shared<ModelEditor>(host.data(), *family);
    std::vector<std::pair<int, CPage*>> pages;
    for (const PageTable* table : family->AllPages()) {
        pages.emplace_back(table->pageNumber, new ModelEditorPage(host, parent, *table, editor));
    }
    return pages;
}
