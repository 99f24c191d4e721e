#pragma once

#include "common/NumberedText.h"

// Numbered texts of the data set, its identification and its files.
namespace txt {
inline constexpr NumberedText kCannotOpenFile{45, ""};
inline constexpr NumberedText kNotADataSetFile{46, ""};
inline constexpr NumberedText kBadFileVersion{47, ""};
inline constexpr NumberedText kUnknownType{48, ""};
inline constexpr NumberedText kBadImageSize{49, ""};
inline constexpr NumberedText kBadModelFileTag{60, ""};
inline constexpr NumberedText kModelSizeMismatch{61, ""};
inline constexpr NumberedText kSizeCodeMismatch{62, ""};
inline constexpr NumberedText kNotARegularFile{640, ""};
inline constexpr NumberedText kFileTooLarge{641, ""};
}  // namespace txt
