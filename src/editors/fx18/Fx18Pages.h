#pragma once

#include "editors/FieldModel.h"

// The FX18V1/2 editor pages as tables, its mixing programs, and the family they form.
// A model record is 166 bytes.
namespace fx18 {

inline constexpr int kBasePage = 30;
inline constexpr int kBasicPage = 31;
inline constexpr int kMotorflugPage = 32;
inline constexpr int kSeglerPage = 33;
inline constexpr int kHeliPage = 34;

inline constexpr int kRecordSize = 166;
// Byte 109 holds the mixing program (0 Basic, 1 Motorflug, 2 Segler, 128 to 131 Heli); a
// change writes the program's defaults to the block 113 to 142 and to bytes 93 and 95.
inline constexpr int kProgramOffset = 109;
inline constexpr int kProgramBlock = 113;
inline constexpr int kProgramBlockSize = 30;

const ModelTypeTable& MixingPrograms();
const PageTable& BasePage();
const PageTable& BasicPage();
const PageTable& MotorflugPage();
const PageTable& SeglerPage();
const PageTable& HeliPage();
const EditorFamily& Family();

}  // namespace fx18
