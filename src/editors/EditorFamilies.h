#pragma once

#include <string_view>

#include "editors/FieldModel.h"

// The editor pages of a data set's transmitter type, or none for a type without them.
// "FF9 Super " data sets get the FF9 pages when the menu option says so.
const EditorFamily* EditorFamilyFor(std::string_view typeName, bool ff9SuperAsFf9);
