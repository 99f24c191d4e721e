#pragma once

#include "editors/FieldModel.h"

// The FC16 editor pages as tables, its two mixing programs, and the family they form.
// A model record is 80 bytes; byte 55 bit 7 chooses the program (clear Universal, set
// Heli), and bytes 55 to 72 hold the program's switches and values.
namespace fc16 {

inline constexpr int kBasePage = 20;
inline constexpr int kUniversalPage = 21;
inline constexpr int kHeliPage = 22;

inline constexpr int kProgramOffset = 55;
inline constexpr Byte kProgramBit = 0x80;
inline constexpr int kProgramBlockSize = 18;

const ModelTypeTable& Programs();
const PageTable& BasePage();
const PageTable& UniversalPage();
const PageTable& HeliPage();
const EditorFamily& Family();

}  // namespace fc16
