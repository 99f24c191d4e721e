#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "adapters/Clock.h"
#include "adapters/HidTransport.h"
#include "common/Result.h"

class UserDialogs;

// The feature-report protocol of the USB adapter. Byte 0 is the report number (0), bytes
// 1-4 a command's four letters; an answer is ready when byte 1 is '!'. Data answers carry
// the count at bytes 9-10 and the start address at 11-12 (big-endian) and the data from
// byte 17 on; the size check answers the size in 256-byte units at byte 17.
namespace usb {
inline constexpr int kReportLength = 129;
inline constexpr int kMaxData = 112;
inline constexpr std::size_t kReadyMark = 1;
inline constexpr Byte kReady = '!';
inline constexpr std::size_t kCommand = 1;
inline constexpr std::size_t kCount = 9;
inline constexpr std::size_t kStart = 11;
inline constexpr std::size_t kWriteStatus = 13;
inline constexpr std::size_t kSizeUnits = 17;
inline constexpr std::size_t kData = 17;
// The write command (our extension): 5 device address base, 7-8 CamPac size, 9-10 count,
// 11-12 start address, 17 on the data; its answer repeats count and start and gives a
// status at byte 13.
inline constexpr Byte kWriteOk = 0;
inline constexpr Byte kWriteDeviceFailed = 1;
inline constexpr Byte kWriteBadRequest = 2;

inline constexpr std::uint16_t kDefaultVendor = 0x16C0;
inline constexpr std::uint16_t kDefaultProduct = 0x05DF;

// Waits and fetch limits.
inline constexpr int kSizeWaitMs = 100;
inline constexpr int kSizeFetches = 50;
inline constexpr int kReadWaitMs = 50;
inline constexpr int kReadFetches = 50;
inline constexpr int kInfoWaitMs = 100;
inline constexpr int kInfoFetches = 19;
}  // namespace usb

using UsbReport = std::array<Byte, usb::kReportLength>;

// Puts a 16-bit number into a report, high byte first.
inline void PutBigEndian16(UsbReport& report, std::size_t offset, int value) {
    report[offset] = static_cast<Byte>((value >> 8) & 0xFF);
    report[offset + 1] = static_cast<Byte>(value & 0xFF);
}

// One data answer of the adapter, checked against the CamPac size.
struct UsbDataAnswer {
    int count = 0;
    int start = 0;
    std::span<const Byte> data;
};
// Refuses (with the message to show) an answer whose count is 0 or above 112, or whose
// bytes would end beyond the CamPac size; such an answer is never copied.
Result<UsbDataAnswer> ParseUsbDataAnswer(const UsbReport& report, int camPacSize);

// The adapter's information text: fields "NN?value" separated by "/".
struct UsbInfo {
    std::string display;  // the text with line breaks and the clock line
    int processorClock = 0;
    int divisor = 0;
    int prescalerIndex = 0;
    int clockHz = 0;
};
// Nothing when a field PC, TC or TP is missing or not a number, PC is not followed by
// "/", or the prescaler index lies outside 0 to 3.
std::optional<UsbInfo> ParseUsbInfo(std::string_view text);
// The I2C clock: PC / (P x TC x 2 + 16) with P = 1, 4, 16, 64 for index 0 to 3.
int UsbClockHz(int processorClock, int divisor, int prescalerIndex);

struct UsbClockSetting {
    int prescalerIndex = 0;
    int divisor = 0;
};
// The smallest prescaler whose divisor for `targetHz` stays below 255; nothing when none
// does or the divisor falls below 10.
std::optional<UsbClockSetting> ChooseUsbClock(int processorClock, int targetHz);
// The clock choices of the adapter dialog, fastest first.
inline constexpr std::array<int, 6> kUsbClockChoices{200000, 100000, 50000, 25000, 5000, 500};

// The USB adapter: discovery by vendor and product number, one report buffer for every
// request and answer, and the commands. The device is found anew for every operation and
// closed at its end.
class UsbAdapter {
  public:
    UsbAdapter(HidSystem& system, Clock& clock, UserDialogs& dialogs)
        : system_(system), clock_(clock), dialogs_(dialogs) {}

    void SetIds(std::uint16_t vendor, std::uint16_t product) {
        vendor_ = vendor;
        product_ = product;
    }

    // The first device with the numbers and a 129-byte feature report; a device with
    // another length is reported (text 63) and passed over. Leaves the device open.
    bool FindUsbAdapter();
    // 0 sent, -1 failed (the device is closed).
    int SendUsbReport();
    // 0 ready, -2 not ready, -1 failed (the device is closed).
    int FetchUsbReport();
    void CloseUsbAdapter() { device_.reset(); }
    bool IsOpen() const { return device_ != nullptr; }

    UsbReport& report() { return report_; }
    const std::string& devicePath() const { return path_; }

    // Puts a command's letters into bytes 1-4 and sends the buffer.
    bool SendCommand(std::string_view letters);
    // Fetches until a ready answer, each fetch after `waitMs`; false after `fetches`.
    bool AwaitAnswer(int waitMs, int fetches);

    // The size check: "CHCK", repeated once when the answer says 0. Size in bytes, or 0.
    int CheckCamPacSize();
    bool SendRead(int size);
    bool SendWrite(int size, int start, std::span<const Byte> data);

    // The information exchange; failure carries text 202 or 205 for the dialog's box.
    Result<UsbInfo> ShowUsbAdapterInfo();
    // Sets the clock nearest below a choice; failure carries text 202, 205, 208 or 209.
    // Success returns the information read back afterwards.
    Result<UsbInfo> SetUsbAdapterClock(int targetHz);

    // Reports exchanged so far (sends and fetches).
    long long reportsSent() const { return sent_; }
    long long reportsFetched() const { return fetched_; }

  private:
    // Sends a command of the adapter's own (INFO, WAIT), awaits its answer as the
    // information exchange does and closes the adapter. False when no answer came.
    bool ExchangeAndClose(std::string_view letters);
    Result<std::string> ExchangeInfo();

    HidSystem& system_;
    Clock& clock_;
    UserDialogs& dialogs_;
    std::uint16_t vendor_ = usb::kDefaultVendor;
    std::uint16_t product_ = usb::kDefaultProduct;
    std::unique_ptr<HidDevice> device_;
    std::string path_;
    UsbReport report_{};
    long long sent_ = 0;
    long long fetched_ = 0;
};
