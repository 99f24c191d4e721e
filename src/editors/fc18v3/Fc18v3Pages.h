#pragma once

#include "editors/FieldModel.h"

// The FC18V3 editor pages as tables, its mixing programs, and the family they form.
namespace fc18v3 {

inline constexpr int kBasePage = 10;
inline constexpr int kStandardPage = 11;
inline constexpr int kHeliPage = 12;
inline constexpr int kMotorflugPage = 13;
inline constexpr int kSegler5Page = 14;
inline constexpr int kSegler4Page = 15;
inline constexpr int kSegler2Page = 16;

// Byte 115 holds the mixing program; a change writes the program's 65 default bytes to
// 115 to 179 and sets the "Ein" dual rates of aileron and elevator (56 to 59) to 100.
inline constexpr int kProgramOffset = 115;
inline constexpr int kProgramBlockSize = 65;

const ModelTypeTable& MixingPrograms();
const PageTable& BasePage();
// The mixing-program pages; the tab after the base page shows the one of the model's
// program.
const PageTable& StandardPage();
const PageTable& MotorflugPage();
const PageTable& Segler5Page();
const PageTable& Segler4Page();
const PageTable& Segler2Page();
const PageTable& HeliPage();
const EditorFamily& Family();

}  // namespace fc18v3
