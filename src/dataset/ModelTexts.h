#pragma once

#include "common/NumberedText.h"

// Numbered texts of the model directory, the import and the operations on single models.
namespace txt {
inline constexpr NumberedText kUnknownV2Kind{51, ""};
inline constexpr NumberedText kNoModelsForSize{83, ""};
inline constexpr NumberedText kNoModelSelected{113, ""};
inline constexpr NumberedText kOutOfRange{120, ""};
inline constexpr NumberedText kModelsEqual{121, "dd"};
inline constexpr NumberedText kModelsDiffer{122, "ddd"};
inline constexpr NumberedText kNoSuchModel{124, ""};
inline constexpr NumberedText kModelCopied{125, ""};
inline constexpr NumberedText kNotAModelFile{129, ""};
inline constexpr NumberedText kCommentTooLong{136, ""};
inline constexpr NumberedText kNumberingOutOfRange{142, ""};
}  // namespace txt
