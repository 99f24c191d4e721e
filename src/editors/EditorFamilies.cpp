#include "editors/EditorFamilies.h"

#include <algorithm>

#include "editors/fc16/Fc16Pages.h"
#include "editors/fc18v3/Fc18v3Pages.h"
#include "editors/ff9/Ff9Pages.h"
#include "editors/fx18/Fx18Pages.h"

namespace {

// Rows of the families whose pages are still to come: tab sets and name decoding.
EditorFamily Row(std::string name, std::string typeName, int normalSet, NameField nameField,
                 NameCharset charset) {
    EditorFamily row;
    row.name = std::move(name);
    row.typeNames = {std::move(typeName)};
    row.normalTabSet = normalSet;
    row.editingTabSet = normalSet + 1;
    row.nameField = nameField;
    row.nameCharset = charset;
    return row;
}

}  // namespace

const std::vector<const EditorFamily*>& EditorFamilyRows() {
    static const EditorFamily fc18v3 = Row("FC18V3", "FC18V3    ", 1, {0, 8}, NameCharset::Plain);
    static const EditorFamily ff10 = Row("FF10", "FF10      ", 10, {0, 10}, NameCharset::Ff10);
    static const std::vector<const EditorFamily*> rows{&fc18v3::Family(), &fc16::Family(),
                                                       &fx18::Family(), &ff9::Family(), &ff10};
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
