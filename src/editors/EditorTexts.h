#pragma once

#include <string_view>

#include "common/NumberedText.h"

// Numbered texts of the model editor pages.
namespace txt {
inline constexpr NumberedText kRangeRefused{219, "sddd"};
inline constexpr NumberedText kModelNameTooltip{226, ""};
inline constexpr NumberedText kFc16NameTooltip{227, ""};
inline constexpr NumberedText kApplyRefused{229, ""};
inline constexpr NumberedText kEditModeOff{230, ""};
inline constexpr NumberedText kFc16NameCharacter{231, ""};
inline constexpr NumberedText kStickSwitchOnHeli{236, ""};
inline constexpr NumberedText kCondSwitchOnAeroplane{237, ""};
inline constexpr NumberedText kNeedleWithAilevator{238, ""};
inline constexpr NumberedText kGovernorRefused{240, ""};
inline constexpr NumberedText kDualRateSwitchPrefix{344, ""};
inline constexpr NumberedText kTimerUp{512, ""};
inline constexpr NumberedText kTimerDown{513, ""};
inline constexpr NumberedText kStickSwitchAil{514, ""};
inline constexpr NumberedText kStickSwitchEle{515, ""};
inline constexpr NumberedText kStickSwitchThr{516, ""};
inline constexpr NumberedText kStickSwitchRud{517, ""};
inline constexpr NumberedText kConditionSwitch{518, ""};
inline constexpr NumberedText kSecondAileronOff{519, ""};
inline constexpr NumberedText kSecondAileronOn{520, ""};
}  // namespace txt

// Literal texts of the editor pages: the prompts of the field exchange and the timer
// refusals, which the program holds itself rather than in the language files.
namespace literal {
inline constexpr std::string_view kEnterWholeNumber = "Geben Sie bitte eine ganze Zahl ein.";
inline constexpr std::string_view kEnterPositiveWholeNumber =
    "Geben Sie bitte eine positive ganze Zahl ein.";
inline constexpr std::string_view kEnterNumber = "Geben Sie bitte eine Zahl ein.";
inline constexpr std::string_view kEnterCheckMark = "Geben Sie bitte 1 (angekreuzt) oder 0 ein.";
// "Falsche Eingabe '<name>'" + one of the two tails.
inline constexpr std::string_view kWrongEntryHead = "Falsche Eingabe '";
inline constexpr std::string_view kTimerWholeEntryTail =
    "'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt";
inline constexpr std::string_view kTimerPartTail =
    "'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt";
// The field exchange's range prompt: head, min, "and", max, end.
inline constexpr std::string_view kEnterNumberBetweenHead =
    "Geben Sie bitte eine ganze Zahl zwischen ";
inline constexpr std::string_view kEnterNumberBetweenAnd = " und ";
inline constexpr std::string_view kEnterNumberBetweenEnd = " ein.";
inline constexpr std::string_view kNameTooLongHead = "'\r\nHöchstens ";
inline constexpr std::string_view kNameTooLongEnd = " Zeichen";
inline constexpr std::string_view kNotInListTail = "'\r\nKein Eintrag der Liste: ";
inline constexpr std::string_view kNoSuchField = "Kein solches Feld: '";
inline constexpr std::string_view kFieldShownOnlyTail = "' wird nur angezeigt";
inline constexpr std::string_view kFieldDisabledTail = "' ist gesperrt";
// What the pages show for a list whose stored code matches no entry.
inline constexpr std::string_view kUnlistedCodePrefix = "Code ";
}  // namespace literal
