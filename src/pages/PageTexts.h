#pragma once

#include "common/TextSpec.h"

// Numbered texts of the fixed pages.
namespace txt {
inline constexpr TextSpec kGroupLoadFile{21, ""};
inline constexpr TextSpec kButtonLoad{27, ""};
inline constexpr TextSpec kButtonLastFile{28, ""};
}  // namespace txt
