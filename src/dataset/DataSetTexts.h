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
// Questions before a file is replaced.
inline constexpr NumberedText kConfirmReplaceFile{570, "s"};
inline constexpr NumberedText kConfirmReplaceModelFiles{571, "d"};
// Titles of the file and folder dialogs.
inline constexpr NumberedText kTitleLoadDataSet{573, ""};
inline constexpr NumberedText kTitleSaveDataSet{574, ""};
inline constexpr NumberedText kTitleImport{575, ""};
inline constexpr NumberedText kTitleLoadModel{576, ""};
inline constexpr NumberedText kTitleSaveModel{577, ""};
inline constexpr NumberedText kTitleSaveAllModels{578, ""};
inline constexpr NumberedText kTitleExport{579, ""};
inline constexpr NumberedText kNotARegularFile{640, ""};
inline constexpr NumberedText kFileTooLarge{641, ""};
}  // namespace txt
