#pragma once

#include "editors/FieldModel.h"

// The FF9 editor pages as tables, and the family they form (also used for "FF9 Super"
// data sets when the menu option says so).
namespace ff9 {
const PageTable& BasePage();
const PageTable& AcrobaticPage();
const PageTable& GliderPage();
const PageTable& HeliPage();
const PageTable& MixersPage();
const EditorFamily& Family();
}  // namespace ff9
