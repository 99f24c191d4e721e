#pragma once

// The few texts the program holds itself: start-up messages shown before a language file
// is open, and the language-file failures.
namespace literal {
inline constexpr const char* kWindowTitle = "KeplundV3 - Futaba CamPacs";
inline constexpr const char* kSettingsMissing =
    "Keine oder alte INI Datei gefunden. Bitte Einstellungen im Menü vornehmen";
inline constexpr const char* kWaitStatesMissing =
    "Waitstates konnten aus der INI Datei nicht galaden werden.\r\nBitte kontrollieren.";
inline constexpr const char* kLanguageFileMissing =
    "Sprachdatei konnte nicht geöffnet werden. Programm wird nicht gestartet.\r\n"
    "Can not open languagefile. Program will stoped.\r\n\r\n";
inline constexpr const char* kLanguageFileFaulty = "Language-Datei fehlerhaft (Text Nr.: %i).";
inline constexpr const char* kLanguageSwitchFailed = "Fehler Sprachdatei";
}  // namespace literal
