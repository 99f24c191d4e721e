#pragma once

#include <string_view>

#include "common/TextSpec.h"

// Numbered texts of the model editor pages.
namespace txt {
inline constexpr TextSpec kRangeRefused{219, "sddd"};
inline constexpr TextSpec kModelNameTooltip{226, ""};
inline constexpr TextSpec kApplyRefused{229, ""};
inline constexpr TextSpec kStickSwitchOnHeli{236, ""};
inline constexpr TextSpec kCondSwitchOnAeroplane{237, ""};
inline constexpr TextSpec kNeedleWithAilevator{238, ""};
inline constexpr TextSpec kGovernorRefused{240, ""};
inline constexpr TextSpec kDualRateSwitchPrefix{344, ""};
inline constexpr TextSpec kTimerUp{512, ""};
inline constexpr TextSpec kTimerDown{513, ""};
inline constexpr TextSpec kStickSwitchAil{514, ""};
inline constexpr TextSpec kStickSwitchEle{515, ""};
inline constexpr TextSpec kStickSwitchThr{516, ""};
inline constexpr TextSpec kStickSwitchRud{517, ""};
inline constexpr TextSpec kConditionSwitch{518, ""};
inline constexpr TextSpec kSecondAileronOff{519, ""};
inline constexpr TextSpec kSecondAileronOn{520, ""};
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
    "'\r\nFormat: ss:mm\r\n\r\nWert wird zurückgesetzt";
inline constexpr std::string_view kNameTooLongHead = "'\r\nHöchstens ";
inline constexpr std::string_view kNameTooLongEnd = " Zeichen";
inline constexpr std::string_view kNotInListTail = "'\r\nKein Eintrag der Liste: ";
inline constexpr std::string_view kNoSuchField = "Kein solches Feld: '";
inline constexpr std::string_view kFieldShownOnlyTail = "' wird nur angezeigt";
inline constexpr std::string_view kFieldDisabledTail = "' ist gesperrt";
// What the pages show for a list whose stored code matches no entry.
inline constexpr std::string_view kUnlistedCodePrefix = "Code ";
}  // namespace literal
