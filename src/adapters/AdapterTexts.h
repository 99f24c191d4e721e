#pragma once

#include "common/TextSpec.h"

// Numbered texts of port access, the LPT bus, the USB adapter and the transfer engine.
namespace txt {
// Port access.
inline constexpr TextSpec kPortNoPermission{70, ""};
inline constexpr TextSpec kPortDriverCannotOpen{75, ""};
inline constexpr TextSpec kPortRequestFailed{76, "d"};
// LPT I2C bus.
inline constexpr TextSpec kCalibrateQuestion{59, ""};
inline constexpr TextSpec kCalibrateResult{213, "d"};
// USB adapter.
inline constexpr TextSpec kUsbWrongReportLength{63, ""};
inline constexpr TextSpec kUsbInfoNotFound{202, ""};
inline constexpr TextSpec kUsbInfoNoAnswer{205, ""};
inline constexpr TextSpec kUsbClockSent{206, ""};
inline constexpr TextSpec kUsbNoClockChosen{208, ""};
inline constexpr TextSpec kUsbClockImpossible{209, ""};
// Transfer engine.
inline constexpr TextSpec kAddressingAdapter{85, ""};
inline constexpr TextSpec kAdapterNotAnswering{86, ""};
inline constexpr TextSpec kCheckAdapter{87, ""};
inline constexpr TextSpec kReadButtonIdle{88, ""};
inline constexpr TextSpec kSizeNotRecognised{89, ""};
inline constexpr TextSpec kInsertCamPacAgain{90, ""};
inline constexpr TextSpec kButtonRunning{91, ""};
inline constexpr TextSpec kDeviceAddressNotAcknowledged{92, ""};
inline constexpr TextSpec kWordAddressNotAcknowledged{93, ""};
inline constexpr TextSpec kReadAddressNotAcknowledged{94, ""};
inline constexpr TextSpec kByteStatus{95, "dd"};
inline constexpr TextSpec kElapsedTime{96, "d"};
inline constexpr TextSpec kCancelled{97, ""};
inline constexpr TextSpec kFinished{98, ""};
inline constexpr TextSpec kReadDiffersFromCamPac{99, ""};
inline constexpr TextSpec kReadCancelAcknowledged{100, ""};
inline constexpr TextSpec kUsbNotFound{101, ""};
inline constexpr TextSpec kUsbNotFoundStatus1{102, ""};
inline constexpr TextSpec kUsbNotFoundStatus2{103, ""};
inline constexpr TextSpec kUsbNoReadyAnswer{104, ""};
inline constexpr TextSpec kNoValidDataSet{105, ""};
inline constexpr TextSpec kCompareButtonIdle{106, ""};
inline constexpr TextSpec kComparing{107, ""};
inline constexpr TextSpec kSizesDifferDetail{108, "dd"};
inline constexpr TextSpec kSizesDiffer{109, ""};
inline constexpr TextSpec kSizesDifferStatus1{110, ""};
inline constexpr TextSpec kSizesDifferStatus2{111, ""};
inline constexpr TextSpec kCompareSummary{112, "d"};
inline constexpr TextSpec kUsbNoReadyAnswerSavePage{173, ""};
// Caption of the write button when idle.
inline constexpr TextSpec kWriteButtonIdle{159, ""};
}  // namespace txt

// Literal texts of the transfers.
namespace literal {
inline constexpr const char* kDifferenceLine = "%d. Byte %d PC: %03d Chip: %03d";
inline constexpr const char* kCalibrationTitle = "Test Waitstates (%i)";
inline constexpr const char* kUsbInfoWaiting = "Moment..";
inline constexpr const char* kUsbClockLine = "\r\nTakt: %i Hz";
// The CamPac write has no numbered texts yet: the program holds its texts itself.
inline constexpr const char* kReadingBackup = "Sicherung des CamPac wird gelesen ...";
inline constexpr const char* kBackupSaved = "Sicherung: %s";
inline constexpr const char* kBackupFailed =
    "Die Sicherung des CamPac konnte nicht gespeichert werden (%s).\r\n"
    "Es wurde nichts geschrieben.";
inline constexpr const char* kWriting = "Schreibe ...";
inline constexpr const char* kVerifying = "Prüfe ...";
inline constexpr const char* kDataNotAcknowledged =
    "Der CamPac antwortet nicht (Daten an Adresse %d nicht bestätigt).";
inline constexpr const char* kWriteCycleTimeout =
    "Der CamPac beendet den Schreibvorgang nicht (Adresse %d).";
inline constexpr const char* kUsbWriteRefused =
    "Der USB-Adapter hat das Schreiben nicht bestätigt (Adresse %d).";
inline constexpr const char* kUsbAnswerRefused =
    "Der USB-Adapter hat eine ungültige Antwort gesendet (%d Bytes ab Adresse %d). "
    "Sie wurde verworfen.";
inline constexpr const char* kWriteVerified = "%d Bytes geschrieben, Prüfung bestanden.";
inline constexpr const char* kWriteVerifyFailed =
    "%d Bytes geschrieben, Prüfung fehlgeschlagen: %d Bytes falsch.";
inline constexpr const char* kWriteStopped =
    "Schreiben nach %d Bytes beendet. Die Sicherung %s stellt den CamPac wieder her.";
}  // namespace literal
