#pragma once

#include "common/NumberedText.h"

// Numbered texts of port access, the LPT bus, the USB adapter and the transfer engine.
namespace txt {
// Port access.
inline constexpr NumberedText kPortNoPermission{70, ""};
inline constexpr NumberedText kPortDriverCannotOpen{75, ""};
inline constexpr NumberedText kPortRequestFailed{76, "d"};
// LPT I2C bus.
inline constexpr NumberedText kCalibrateQuestion{59, ""};
inline constexpr NumberedText kCalibrateResult{213, "d"};
// Adapter dialog: captions, line test, settings rules, system information.
inline constexpr NumberedText kUseLpt{176, ""};
inline constexpr NumberedText kUseUsb{177, ""};
inline constexpr NumberedText kLptGroup{178, ""};
inline constexpr NumberedText kUsbGroup{179, ""};
inline constexpr NumberedText kAllOff{180, ""};
inline constexpr NumberedText kStartLineTest{181, ""};
inline constexpr NumberedText kCloseDialog{182, ""};
inline constexpr NumberedText kUsbInfoButton{183, ""};
inline constexpr NumberedText kUsbApplyClock{184, ""};
inline constexpr int kLptInstructionsFirst = 185;  // 185 to 193: the LPT group's lines
inline constexpr int kLptInstructionsLast = 193;
inline constexpr NumberedText kLptAddressLabel{194, ""};
inline constexpr NumberedText kLineTestSdaWrong{195, ""};
inline constexpr NumberedText kLineTestSclWrong{196, ""};
inline constexpr NumberedText kLineTestPassed{197, ""};
inline constexpr NumberedText kSystemUnknown{198, ""};
inline constexpr NumberedText kUsbFound{203, ""};
inline constexpr NumberedText kAdapterUsbLine{204, ""};
inline constexpr NumberedText kUsbClockGroup{207, ""};
inline constexpr NumberedText kLptAddressLength{210, ""};
inline constexpr NumberedText kLptAddressNotHex{211, ""};
inline constexpr NumberedText kWaitStatesRange{212, ""};
// Port access on Linux, in the system information.
inline constexpr NumberedText kPortAccessPpdev{600, "s"};
inline constexpr NumberedText kPortAccessDirect{601, ""};
inline constexpr NumberedText kPortAccessNone{602, ""};
inline constexpr NumberedText kSimulatedCamPac{603, "s"};
inline constexpr NumberedText kPortAccessSwitchedOff{604, ""};
// USB adapter.
inline constexpr NumberedText kUsbWrongReportLength{63, ""};
inline constexpr NumberedText kUsbInfoNotFound{202, ""};
inline constexpr NumberedText kUsbInfoNoAnswer{205, ""};
inline constexpr NumberedText kUsbClockSent{206, ""};
inline constexpr NumberedText kUsbNoClockChosen{208, ""};
inline constexpr NumberedText kUsbClockImpossible{209, ""};
// Transfer engine.
inline constexpr NumberedText kAddressingAdapter{85, ""};
inline constexpr NumberedText kAdapterNotAnswering{86, ""};
inline constexpr NumberedText kCheckAdapter{87, ""};
inline constexpr NumberedText kReadButtonIdle{88, ""};
inline constexpr NumberedText kSizeNotRecognised{89, ""};
inline constexpr NumberedText kInsertCamPacAgain{90, ""};
inline constexpr NumberedText kButtonRunning{91, ""};
inline constexpr NumberedText kDeviceAddressNotAcknowledged{92, ""};
inline constexpr NumberedText kWordAddressNotAcknowledged{93, ""};
inline constexpr NumberedText kReadAddressNotAcknowledged{94, ""};
inline constexpr NumberedText kByteStatus{95, "dd"};
inline constexpr NumberedText kElapsedTime{96, "d"};
inline constexpr NumberedText kCancelled{97, ""};
inline constexpr NumberedText kFinished{98, ""};
inline constexpr NumberedText kReadDiffersFromCamPac{99, ""};
inline constexpr NumberedText kReadCancelAcknowledged{100, ""};
inline constexpr NumberedText kUsbNotFound{101, ""};
inline constexpr NumberedText kUsbNotFoundStatus1{102, ""};
inline constexpr NumberedText kUsbNotFoundStatus2{103, ""};
inline constexpr NumberedText kUsbNoReadyAnswer{104, ""};
inline constexpr NumberedText kNoValidDataSet{105, ""};
inline constexpr NumberedText kCompareButtonIdle{106, ""};
inline constexpr NumberedText kComparing{107, ""};
inline constexpr NumberedText kSizesDifferDetail{108, "dd"};
inline constexpr NumberedText kSizesDiffer{109, ""};
inline constexpr NumberedText kSizesDifferStatus1{110, ""};
inline constexpr NumberedText kSizesDifferStatus2{111, ""};
inline constexpr NumberedText kCompareSummary{112, "d"};
inline constexpr NumberedText kUsbNoReadyAnswerSavePage{173, ""};
// Caption of the write button when idle.
inline constexpr NumberedText kWriteButtonIdle{159, ""};
// The size of a detected CamPac, in kbit ("16k CamPac").
inline constexpr NumberedText kCamPacSizeName{549, "d"};
// The CamPac write.
inline constexpr NumberedText kReadingBackup{550, ""};
inline constexpr NumberedText kBackupSaved{551, "s"};
inline constexpr NumberedText kBackupFailed{552, "s"};
inline constexpr NumberedText kWriting{553, ""};
inline constexpr NumberedText kVerifying{554, ""};
inline constexpr NumberedText kDataNotAcknowledged{555, "d"};
inline constexpr NumberedText kWriteCycleTimeout{556, "d"};
inline constexpr NumberedText kUsbWriteRefused{557, "d"};
inline constexpr NumberedText kUsbAnswerRefused{558, "dd"};
inline constexpr NumberedText kWriteVerified{559, "d"};
inline constexpr NumberedText kWriteVerifyFailed{560, "dd"};
inline constexpr NumberedText kWriteStopped{561, "ds"};
}  // namespace txt

// Literal texts of the transfers.
namespace literal {
inline constexpr const char* kDifferenceLine = "%d. Byte %d PC: %03d Chip: %03d";
inline constexpr const char* kCalibrationTitle = "Test Waitstates (%i)";
inline constexpr const char* kUsbInfoWaiting = "Moment..";
inline constexpr const char* kUsbClockLine = "\r\nTakt: %i Hz";
inline constexpr const char* kAdapterLptLine = "\r\nAdapter: LPT h%X";
}  // namespace literal
