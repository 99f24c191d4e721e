#include "editors/EditorFamilies.h"

#include "editors/ff9/Ff9Pages.h"

const EditorFamily* EditorFamilyFor(std::string_view typeName, bool ff9SuperAsFf9) {
    if (typeName == "FF9       " || (typeName == "FF9 Super " && ff9SuperAsFf9)) {
        return &ff9::Family();
    }
    return nullptr;
}
