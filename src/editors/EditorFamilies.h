#pragma once

#include <string_view>
#include <vector>

#include "editors/FieldModel.h"

// The registry of editor families: one row per family (type names, the option that maps
// "FF9 Super " onto FF9, tab sets, name decoding, model types, pages). Families whose pages
// are still to come have rows without pages, so that their tab sets are known.
const std::vector<const EditorFamily*>& EditorFamilyRows();

// The row of a type, pages or not; none for a type without editor family. "FF9 Super "
// data sets belong to FF9 while the menu option says so.
const EditorFamily* EditorFamilyRowFor(std::string_view typeName, bool ff9SuperAsFf9);

// The editor pages of a data set's transmitter type, or none for a type without them.
const EditorFamily* EditorFamilyFor(std::string_view typeName, bool ff9SuperAsFf9);
