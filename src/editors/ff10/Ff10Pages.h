#pragma once

#include "editors/FieldModel.h"

// The FF10 editor pages as tables, and the family they form.
namespace ff10 {
const PageTable& BasePage();
const PageTable& AcrobaticPage();
const PageTable& GliderPage();
const PageTable& HeliPage();
const PageTable& MixersPage();
const EditorFamily& Family();
}  // namespace ff10
