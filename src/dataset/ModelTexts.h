#pragma once

#include "common/TextSpec.h"

// Numbered texts of the model directory, the import and the operations on single models.
namespace txt {
inline constexpr TextSpec kUnknownV2Kind{51, ""};
inline constexpr TextSpec kNoModelsForSize{83, ""};
inline constexpr TextSpec kNoModelSelected{113, ""};
inline constexpr TextSpec kOutOfRange{120, ""};
inline constexpr TextSpec kModelsEqual{121, "dd"};
inline constexpr TextSpec kModelsDiffer{122, "ddd"};
inline constexpr TextSpec kNoSuchModel{124, ""};
inline constexpr TextSpec kModelCopied{125, ""};
inline constexpr TextSpec kNotAModelFile{129, ""};
inline constexpr TextSpec kCommentTooLong{136, ""};
inline constexpr TextSpec kNumberingOutOfRange{142, ""};
}  // namespace txt
