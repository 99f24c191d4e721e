#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editors/FieldModel.h"
#include "editors/OffsetMap.h"

// The settings the FF10 keeps as the FF9 does, only elsewhere in its larger record: where
// each FF9 byte lies in the FF10 record. The FF10 pages take those fields from the FF9
// tables through these maps (names, codecs and ranges as there); an FF9 byte without a
// place here has no FF10 field.
namespace ff10 {

const OffsetMap& BaseFromFf9();
const OffsetMap& AcrobaticFromFf9();  // also the glider's wing mixers
const OffsetMap& HeliFromFf9();
const OffsetMap& MixersFromFf9();

// Picks fields of an FF9 table: the fields of a group (not the shown-only ones after
// it), or fields by key.
std::function<bool(const Field&)> InGroup(std::string group);
std::function<bool(const Field&)> Keyed(std::vector<std::string> keys);

}  // namespace ff10
