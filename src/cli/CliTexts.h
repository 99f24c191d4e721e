#pragma once

#include "common/NumberedText.h"

// Numbered texts of the command-line tool's own reports.
namespace txt {
inline constexpr NumberedText kCliReadSummary{562, "dss"};
}  // namespace txt
