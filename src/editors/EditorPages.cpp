#include "editors/EditorPages.h"

#include <memory>

#include "editors/EditorFamilies.h"
#include "editors/ModelEditorPage.h"
#include "shell/CMainDialog.h"
#include "shell/Session.h"

std::vector<std::pair<int, CPage*>> CreateEditorPages(const std::string& typeName,
                                                      CMainDialog& mainDialog, QWidget* parent) {
    Session& session = mainDialog.session();
    const EditorFamily* family = EditorFamilyFor(typeName, session.settings.ff9SuperAsFf9);
    if (family == nullptr) {
        return {};
    }
    auto editor = std::make_shared<ModelEditor>(session.data, *family);
    std::vector<const PageTable*> tables{family->basePage};
    tables.insert(tables.end(), family->mixingPages.begin(), family->mixingPages.end());
    tables.insert(tables.end(), family->otherPages.begin(), family->otherPages.end());
    std::vector<std::pair<int, CPage*>> pages;
    for (const PageTable* table : tables) {
        pages.emplace_back(table->pageNumber,
                           new ModelEditorPage(mainDialog, parent, *table, editor));
    }
    return pages;
}
