#pragma once

#include "common/NumberedText.h"

// Numbered texts of the printouts.
namespace txt {
inline constexpr NumberedText kPrintCaptureFailed{77, ""};
inline constexpr NumberedText kPrintJobFailed{78, ""};
inline constexpr NumberedText kPrintDataSetComment{79, ""};
inline constexpr NumberedText kPrintModelComment{80, ""};
inline constexpr NumberedText kPrintColumnNumber{137, ""};
inline constexpr NumberedText kPrintColumnName{138, ""};
inline constexpr NumberedText kPrintColumnComment{139, ""};
inline constexpr NumberedText kPrintModelListTitle{140, ""};
}  // namespace txt
