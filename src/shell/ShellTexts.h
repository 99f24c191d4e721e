#pragma once

#include "common/TextSpec.h"

// Numbered texts of the main window, its menu and the language handling.
namespace txt {
inline constexpr TextSpec kMenuFile{0, ""};
inline constexpr TextSpec kMenuLoad{1, ""};
inline constexpr TextSpec kMenuImport{2, ""};
inline constexpr TextSpec kMenuSave{3, ""};
inline constexpr TextSpec kMenuExit{4, ""};
inline constexpr TextSpec kMenuSettings{5, ""};
inline constexpr TextSpec kMenuAdapter{6, ""};
inline constexpr TextSpec kMenuClockFor64k{7, ""};
inline constexpr TextSpec kMenuAlwaysCompare{8, ""};
inline constexpr TextSpec kMenuFf9SuperAsFf9{9, ""};
inline constexpr TextSpec kMenuInfo{10, ""};
inline constexpr TextSpec kMenuAbout{11, ""};
inline constexpr TextSpec kStepGetData{12, ""};
inline constexpr TextSpec kStepViewChange{13, ""};
inline constexpr TextSpec kStepSave{14, ""};
inline constexpr TextSpec kHeaderRcSystem{15, ""};
inline constexpr TextSpec kHeaderFileName{17, ""};
inline constexpr TextSpec kHeaderComment{18, ""};
inline constexpr TextSpec kCommentTooltip{19, ""};
inline constexpr TextSpec kLanguageSwitched{43, ""};
inline constexpr TextSpec kConfirmDiscardChanges{44, ""};
inline constexpr TextSpec kTabGetData{52, ""};
inline constexpr TextSpec kTabModels{53, ""};
inline constexpr TextSpec kTabContent{54, ""};
inline constexpr TextSpec kTabBaseEditor{55, ""};
inline constexpr TextSpec kTabMixers{56, ""};
inline constexpr TextSpec kTabMixingProgram{57, ""};
inline constexpr TextSpec kTabSave{58, ""};
inline constexpr TextSpec kLanguageSwitchFailed{526, ""};
}  // namespace txt
