#pragma once

#include <span>

#include "common/Bytes.h"

namespace ff9 {

// Record bytes 58 to 279 hold the mixing program of the model's family; a change of the
// model type replaces them with the new family's defaults.
inline constexpr int kTypeBlockOffset = 58;
inline constexpr int kTypeBlockSize = 222;

enum class ModelFamily { Aeroplane, Glider, Helicopter };

std::span<const Byte> DefaultTypeBlock(ModelFamily family);

}  // namespace ff9
