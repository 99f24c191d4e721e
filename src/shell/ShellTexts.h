#pragma once

#include "common/NumberedText.h"

// Numbered texts of the main window, its menu and the language handling.
namespace txt {
inline constexpr NumberedText kMenuFile{0, ""};
inline constexpr NumberedText kMenuLoad{1, ""};
inline constexpr NumberedText kMenuImport{2, ""};
inline constexpr NumberedText kMenuSave{3, ""};
inline constexpr NumberedText kMenuExit{4, ""};
inline constexpr NumberedText kMenuSettings{5, ""};
inline constexpr NumberedText kMenuAdapter{6, ""};
inline constexpr NumberedText kMenuClockFor64k{7, ""};
inline constexpr NumberedText kMenuAlwaysCompare{8, ""};
inline constexpr NumberedText kMenuFf9SuperAsFf9{9, ""};
inline constexpr NumberedText kMenuInfo{10, ""};
inline constexpr NumberedText kMenuAbout{11, ""};
inline constexpr NumberedText kStepGetData{12, ""};
inline constexpr NumberedText kStepViewChange{13, ""};
inline constexpr NumberedText kStepSave{14, ""};
inline constexpr NumberedText kHeaderRcSystem{15, ""};
inline constexpr NumberedText kHeaderFileName{17, ""};
inline constexpr NumberedText kHeaderComment{18, ""};
inline constexpr NumberedText kCommentTooltip{19, ""};
inline constexpr NumberedText kLanguageSwitched{43, ""};
inline constexpr NumberedText kConfirmDiscardChanges{44, ""};
inline constexpr NumberedText kTabGetData{52, ""};
inline constexpr NumberedText kTabModels{53, ""};
inline constexpr NumberedText kTabContent{54, ""};
inline constexpr NumberedText kTabBaseEditor{55, ""};
inline constexpr NumberedText kTabMixers{56, ""};
inline constexpr NumberedText kTabMixingProgram{57, ""};
inline constexpr NumberedText kTabSave{58, ""};
inline constexpr NumberedText kLanguageSwitchFailed{526, ""};
// The adapter names of the status bar.
inline constexpr NumberedText kLptAdapter{178, ""};
inline constexpr NumberedText kUsbAdapter{179, ""};
// The last result and the port in the status bar.
inline constexpr NumberedText kResultLoaded{563, "s"};
inline constexpr NumberedText kResultSaved{564, "s"};
inline constexpr NumberedText kStatusSimulatedCamPac{565, "s"};
inline constexpr NumberedText kPortNotAvailable{566, ""};
inline constexpr NumberedText kResultNew{567, "s"};
inline constexpr NumberedText kResultImported{568, "s"};
inline constexpr NumberedText kResultRead{569, "ds"};
inline constexpr NumberedText kMenuSaveAs{572, ""};
}  // namespace txt
