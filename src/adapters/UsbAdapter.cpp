#include "adapters/UsbAdapter.h"

#include <algorithm>

#include "adapters/AdapterTexts.h"
#include "adapters/CamPacAddressing.h"
#include "common/TextFormat.h"
#include "common/UserDialogs.h"

namespace {

constexpr std::array<int, 4> kPrescalers{1, 4, 16, 64};

// The decimal number of a field: the characters from three places after the name up to
// the next "/" or the end; nothing when they are not all digits.
std::optional<int> FieldValue(std::string_view text, std::string_view name, bool needSlash) {
    const std::size_t at = text.find(name);
    if (at == std::string_view::npos || at + 3 > text.size()) {
        return std::nullopt;
    }
    const std::size_t from = at + 3;
    const std::size_t end = text.find('/', from);
    if (needSlash && end == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits =
        text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

Result<UsbDataAnswer> ParseUsbDataAnswer(const UsbReport& report, int camPacSize) {
    UsbDataAnswer answer;
    answer.count = BigEndian16(report, usb::kCount);
    answer.start = BigEndian16(report, usb::kStart);
    if (answer.count == 0 || answer.count > usb::kMaxData || answer.start >= camPacSize ||
        answer.count > camPacSize - answer.start) {
        return Message::Numbered(
            txt::kUsbAnswerRefused,
            {static_cast<long long>(answer.count), static_cast<long long>(answer.start)},
            MessageIcon::Stop);
    }
    answer.data =
        std::span<const Byte>(report).subspan(usb::kData, static_cast<std::size_t>(answer.count));
    return answer;
}

int UsbClockHz(int processorClock, int divisor, int prescalerIndex) {
    if (prescalerIndex < 0 || prescalerIndex > 3) {
        return 0;
    }
    const long long denominator =
        static_cast<long long>(kPrescalers[static_cast<std::size_t>(prescalerIndex)]) * divisor *
            2 +
        16;
    return static_cast<int>(processorClock / denominator);
}

std::optional<UsbInfo> ParseUsbInfo(std::string_view text) {
    const auto pc = FieldValue(text, "PC", true);
    const auto tc = FieldValue(text, "TC", false);
    const auto tp = FieldValue(text, "TP", false);
    if (!pc || !tc || !tp || *tp > 3) {
        return std::nullopt;
    }
    UsbInfo info;
    info.processorClock = *pc;
    info.divisor = *tc;
    info.prescalerIndex = *tp;
    info.clockHz = UsbClockHz(*pc, *tc, *tp);
    for (char c : text) {
        if (c == '/') {
            info.display += "\r\n";
        } else {
            info.display += c;
        }
    }
    info.display += FormatText(literal::kUsbClockLine, {static_cast<long long>(info.clockHz)});
    return info;
}

std::optional<UsbClockSetting> ChooseUsbClock(int processorClock, int targetHz) {
    if (targetHz <= 0) {
        return std::nullopt;
    }
    const int n = (processorClock / targetHz - 16) / 2;
    std::optional<UsbClockSetting> chosen;
    for (int i = 3; i >= 0; --i) {
        const int divisor = n / kPrescalers[static_cast<std::size_t>(i)];
        if (divisor < 255) {
            chosen = UsbClockSetting{i, divisor};
        }
    }
    if (!chosen || chosen->divisor < 10 || chosen->divisor > 255) {
        return std::nullopt;
    }
    return chosen;
}

bool UsbAdapter::FindUsbAdapter() {
    CloseUsbAdapter();
    for (const HidDeviceEntry& entry : system_.Enumerate()) {
        if (entry.vendor != vendor_ || entry.product != product_) {
            continue;
        }
        path_ = entry.path;
        if (entry.featureReportLength != usb::kReportLength) {
            dialogs_.Show(Message::Numbered(txt::kUsbWrongReportLength, {}, MessageIcon::Warning));
            continue;
        }
        device_ = system_.Open(entry.path);
        if (device_) {
            return true;
        }
    }
    return false;
}

int UsbAdapter::SendUsbReport() {
    report_[0] = 0;
    if (!device_) {
        return -1;
    }
    ++sent_;
    if (!device_->SetFeature(report_)) {
        CloseUsbAdapter();
        return -1;
    }
    return 0;
}

int UsbAdapter::FetchUsbReport() {
    report_[0] = 0;
    if (!device_) {
        return -1;
    }
    ++fetched_;
    if (!device_->GetFeature(report_)) {
        CloseUsbAdapter();
        return -1;
    }
    return report_[usb::kReadyMark] == usb::kReady ? 0 : -2;
}

bool UsbAdapter::SendCommand(std::string_view letters) {
    for (std::size_t i = 0; i < 4; ++i) {
        report_[usb::kCommand + i] = i < letters.size() ? static_cast<Byte>(letters[i]) : 0;
    }
    return SendUsbReport() == 0;
}

bool UsbAdapter::AwaitAnswer(int waitMs, int fetches) {
    for (int i = 0; i < fetches; ++i) {
        clock_.SleepMilliseconds(waitMs);
        if (FetchUsbReport() == 0) {
            return true;
        }
    }
    return false;
}

int UsbAdapter::CheckCamPacSize() {
    for (int attempt = 0; attempt < 2; ++attempt) {
        SendCommand("CHCK");
        if (!AwaitAnswer(usb::kSizeWaitMs, usb::kSizeFetches)) {
            return 0;
        }
        const int units = static_cast<signed char>(report_[usb::kSizeUnits]);
        if (units != 0) {
            const int size = units * 256;
            return campac::IsSize(size) ? size : 0;
        }
    }
    return 0;
}

bool UsbAdapter::SendRead(int size) {
    report_[5] = 0;
    report_[6] = 0;
    PutBigEndian16(report_, 7, size);
    report_[9] = campac::DeviceBase(size);
    return SendCommand("READ");
}

bool UsbAdapter::SendWrite(int size, int start, std::span<const Byte> data) {
    if (data.empty() || data.size() > static_cast<std::size_t>(usb::kMaxData)) {
        return false;
    }
    report_.fill(0);
    report_[5] = campac::DeviceBase(size);
    PutBigEndian16(report_, 7, size);
    PutBigEndian16(report_, usb::kCount, static_cast<int>(data.size()));
    PutBigEndian16(report_, usb::kStart, start);
    CopyBytes(report_, usb::kData, data, 0, data.size());
    return SendCommand("WRIT");
}

bool UsbAdapter::ExchangeAndClose(std::string_view letters) {
    SendCommand(letters);
    const bool answered = AwaitAnswer(usb::kInfoWaitMs, usb::kInfoFetches);
    CloseUsbAdapter();
    return answered;
}

Result<std::string> UsbAdapter::ExchangeInfo() {
    if (!FindUsbAdapter()) {
        return Message::Numbered(txt::kUsbInfoNotFound);
    }
    if (!ExchangeAndClose("INFO")) {
        return Message::Numbered(txt::kUsbInfoNoAnswer);
    }
    std::string text;
    for (std::size_t i = usb::kData; i < report_.size() && report_[i] != 0; ++i) {
        text += static_cast<char>(report_[i]);
    }
    return text;
}

Result<UsbInfo> UsbAdapter::ShowUsbAdapterInfo() {
    Result<std::string> text = ExchangeInfo();
    if (!text) {
        return text.error();
    }
    std::optional<UsbInfo> info = ParseUsbInfo(text.value());
    if (!info) {
        return Message::Numbered(txt::kUsbInfoNoAnswer);
    }
    return *info;
}

Result<UsbInfo> UsbAdapter::SetUsbAdapterClock(int targetHz) {
    if (std::find(kUsbClockChoices.begin(), kUsbClockChoices.end(), targetHz) ==
        kUsbClockChoices.end()) {
        return Message::Numbered(txt::kUsbNoClockChosen);
    }
    Result<UsbInfo> info = ShowUsbAdapterInfo();
    if (!info) {
        return info.error();
    }
    const std::optional<UsbClockSetting> setting =
        ChooseUsbClock(info.value().processorClock, targetHz);
    if (!setting) {
        return Message::Numbered(txt::kUsbClockImpossible);
    }
    if (!FindUsbAdapter()) {
        return Message::Numbered(txt::kUsbInfoNotFound);
    }
    report_[5] = static_cast<Byte>(setting->prescalerIndex);
    report_[6] = static_cast<Byte>(setting->divisor);
    report_[7] = 5;
    if (!ExchangeAndClose("WAIT")) {
        return Message::Numbered(txt::kUsbInfoNoAnswer);
    }
    return ShowUsbAdapterInfo();
}
