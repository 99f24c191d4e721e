#include "editors/EditorPages.h"

std::vector<std::pair<int, CPage*>> CreateEditorPages(const std::string& /*typeName*/,
                                                      CMainDialog& /*mainDialog*/,
                                                      QWidget* /*parent*/) {
    return {};
}
