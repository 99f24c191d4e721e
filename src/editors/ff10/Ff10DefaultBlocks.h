#pragma once

#include <array>

#include "common/Bytes.h"

// Record bytes 58 to 487 hold the base settings a model type brings and the mixing program
// of its family; a change of the model type replaces them with the new family's block.
namespace ff10 {

inline constexpr int kTypeBlockOffset = 58;
inline constexpr int kTypeBlockSize = 430;

extern const std::array<Byte, kTypeBlockSize> kAeroplaneBlock;
extern const std::array<Byte, kTypeBlockSize> kGliderBlock;
extern const std::array<Byte, kTypeBlockSize> kHelicopterBlock;

}  // namespace ff10
