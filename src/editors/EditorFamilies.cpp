#include "editors/EditorFamilies.h"

#include <algorithm>

#include "editors/fc16/Fc16Pages.h"
#include "editors/fc18v3/Fc18v3Pages.h"
#include "editors/ff10/Ff10Pages.h"
#include "editors/ff9/Ff9Pages.h"
#include "editors/fx18/Fx18Pages.h"

const std::vector<const EditorFamily*>& EditorFamilyRows() {
    static const std::vector<const EditorFamily*> rows{
        &fc18v3::Family(), &fc16::Family(), &fx18::Family(), &ff9::Family(), &ff10::Family()};
    return rows;
}

const EditorFamily* EditorFamilyRowFor(std::string_view typeName, bool ff9SuperAsFf9) {
    for (const EditorFamily* row : EditorFamilyRows()) {
        const bool named = std::find(row->typeNames.begin(), row->typeNames.end(), typeName) !=
                           row->typeNames.end();
        const bool optional =
            ff9SuperAsFf9 && !row->optionalTypeName.empty() && row->optionalTypeName == typeName;
        if (named || optional) {
            return row;
        }
    }
    return nullptr;
}

const EditorFamily* EditorFamilyFor(std::string_view typeName, bool ff9SuperAsFf9) {
    const EditorFamily* row = EditorFamilyRowFor(typeName, ff9SuperAsFf9);
    return row != nullptr && row->basePage != nullptr ? row : nullptr;
}
