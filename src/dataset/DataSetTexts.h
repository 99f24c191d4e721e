#pragma once

#include "common/TextSpec.h"

// Numbered texts of the data set, its identification and its files.
namespace txt {
inline constexpr TextSpec kCannotOpenFile{45, ""};
inline constexpr TextSpec kNotADataSetFile{46, ""};
inline constexpr TextSpec kBadFileVersion{47, ""};
inline constexpr TextSpec kUnknownType{48, ""};
inline constexpr TextSpec kBadImageSize{49, ""};
inline constexpr TextSpec kBadModelFileTag{60, ""};
inline constexpr TextSpec kModelSizeMismatch{61, ""};
inline constexpr TextSpec kSizeCodeMismatch{62, ""};
}  // namespace txt
