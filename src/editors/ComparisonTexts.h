#pragma once

#include "common/NumberedText.h"

// Numbered texts of the comparison of two models' settings.
namespace txt {
inline constexpr NumberedText kDifferingSettings{750, "dd"};
inline constexpr NumberedText kSettingColumn{751, ""};
inline constexpr NumberedText kModelColumn{752, "d"};
inline constexpr NumberedText kDifferentModelTypes{753, "dsds"};
inline constexpr NumberedText kOtherDifferingBytes{754, "d"};
}  // namespace txt
