#include "adapters/SimulatedUsbAdapter.h"

#include <algorithm>
#include <cstdio>

#include "adapters/CamPacAddressing.h"

namespace {

constexpr const char* kInfoText = "FW=1.3/PC=%d/TC=%d/TP=%d/";
constexpr const char* kAdapterPath = "/dev/hidraw-simulated";
// How far a skipping READ answer claims to start beyond the bytes sent so far.
constexpr int kSkippedBytes = 16;

UsbReport ReadyAnswer() {
    UsbReport answer{};
    answer[usb::kReadyMark] = usb::kReady;
    return answer;
}

// An open handle on the simulated adapter: every report goes to its one firmware.
class FirmwareHandle : public HidDevice {
  public:
    explicit FirmwareHandle(SimulatedUsbFirmware& firmware) : firmware_(firmware) {}
    bool SetFeature(std::span<const Byte> report) override { return firmware_.SetFeature(report); }
    bool GetFeature(std::span<Byte> report) override { return firmware_.GetFeature(report); }

  private:
    SimulatedUsbFirmware& firmware_;
};

}  // namespace

void SimulatedUsbFirmware::Queue(const UsbReport& answer, std::int64_t delayUs) {
    if (answers_.empty()) {
        readyAtUs_ = clock_.NowMicroseconds() + delayUs;
    }
    answers_.push_back({answer, delayUs});
}

bool SimulatedUsbFirmware::SetFeature(std::span<const Byte> report) {
    if (faults_.transportFails || report.size() != static_cast<std::size_t>(usb::kReportLength)) {
        return false;
    }
    UsbReport request{};
    CopyBytes(request, 0, report, 0, request.size());
    const std::string command(reinterpret_cast<const char*>(&request[usb::kCommand]), 4);
    commands_.push_back(command);
    if (command == "WRIT" && faults_.noWriteCommand) {
        Queue(lastFetched_, 0);
        return true;
    }
    answers_.clear();
    if (command == "CHCK") {
        AnswerSizeCheck();
    } else if (command == "READ") {
        AnswerRead(request);
    } else if (command == "INFO") {
        AnswerInfo();
    } else if (command == "WAIT") {
        prescalerIndex_ = request[5];
        divisor_ = request[6];
        Queue(ReadyAnswer(), answerDelayMs_ * 1000LL);
    } else if (command == "WRIT") {
        AnswerWrite(request);
    }
    return true;
}

bool SimulatedUsbFirmware::GetFeature(std::span<Byte> report) {
    if (faults_.transportFails || report.size() != static_cast<std::size_t>(usb::kReportLength)) {
        return false;
    }
    const std::int64_t now = clock_.NowMicroseconds();
    if (faults_.neverReady || answers_.empty() || now < readyAtUs_) {
        std::fill(report.begin() + 1, report.end(), Byte{0});
        return true;
    }
    CopyBytes(report, 1, answers_.front().report, 1, report.size() - 1);
    lastFetched_ = answers_.front().report;
    answers_.pop_front();
    if (!answers_.empty()) {
        readyAtUs_ = now + answers_.front().delayUs;
    }
    return true;
}

void SimulatedUsbFirmware::AnswerSizeCheck() {
    UsbReport answer = ReadyAnswer();
    const int size = eeprom_.size();
    const int lastBlock = size / campac::kBlockSize - 1;
    const Byte probe = campac::DeviceAddress(size, lastBlock * campac::kBlockSize);
    answer[usb::kSizeUnits] =
        eeprom_.AnswersDevice(probe, clock_.NowMicroseconds()) ? static_cast<Byte>(size / 256) : 0;
    Queue(answer, answerDelayMs_ * 1000LL);
}

void SimulatedUsbFirmware::AnswerRead(const UsbReport& request) {
    const int size = BigEndian16(request, 7);
    for (int start = 0; start < size; start += usb::kMaxData) {
        UsbReport answer = ReadyAnswer();
        const int count = std::min(usb::kMaxData, size - start);
        for (int i = 0; i < count; ++i) {
            Byte value = 0;
            if (!eeprom_.ReadForFirmware(start + i, value)) {
                return;  // the module does not answer: no more answers come
            }
            answer[usb::kData + static_cast<std::size_t>(i)] = value;
        }
        int claimed = count;
        if (start == faults_.oversizedCountAt) {
            claimed = usb::kMaxData + 1;
        } else if (start == faults_.beyondSizeAt) {
            claimed = count;
            PutBigEndian16(answer, usb::kStart, size - count / 2);
        }
        PutBigEndian16(answer, usb::kCount, claimed);
        if (start == faults_.skipAheadAt) {
            PutBigEndian16(answer, usb::kStart, start + kSkippedBytes);
        } else if (start != faults_.beyondSizeAt) {
            PutBigEndian16(answer, usb::kStart, start);
        }
        Queue(answer, answerDelayMs_ * 1000LL);
    }
}

void SimulatedUsbFirmware::AnswerInfo() {
    UsbReport answer = ReadyAnswer();
    std::string text = faults_.infoText;
    if (text.empty()) {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, kInfoText, kProcessorClock, divisor_, prescalerIndex_);
        text = buffer;
    }
    const std::size_t room = answer.size() - usb::kData - 1;
    for (std::size_t i = 0; i < text.size() && i < room; ++i) {
        answer[usb::kData + i] = static_cast<Byte>(text[i]);
    }
    Queue(answer, answerDelayMs_ * 1000LL);
}

// Writes the bytes page by page (8 bytes, never across a page boundary) and answers when
// the last write cycle is over, with the status of the whole command.
void SimulatedUsbFirmware::AnswerWrite(const UsbReport& request) {
    UsbReport answer = ReadyAnswer();
    const int size = BigEndian16(request, 7);
    const int count = BigEndian16(request, usb::kCount);
    const int start = BigEndian16(request, usb::kStart);
    answer[usb::kCount] = request[usb::kCount];
    answer[usb::kCount + 1] = request[usb::kCount + 1];
    answer[usb::kStart] = request[usb::kStart];
    answer[usb::kStart + 1] = request[usb::kStart + 1];
    if (size != eeprom_.size() || request[5] != campac::DeviceBase(size) || count == 0 ||
        count > usb::kMaxData || start + count > size) {
        answer[usb::kWriteStatus] = usb::kWriteBadRequest;
        Queue(answer, answerDelayMs_ * 1000LL);
        return;
    }
    int pages = 0;
    int pageOfLastByte = -1;
    answer[usb::kWriteStatus] = usb::kWriteOk;
    for (int i = 0; i < count; ++i) {
        const int address = start + i;
        if (address / campac::kWritePage != pageOfLastByte) {
            pageOfLastByte = address / campac::kWritePage;
            ++pages;
        }
        if (!eeprom_.WriteForFirmware(address, request[usb::kData + static_cast<std::size_t>(i)])) {
            answer[usb::kWriteStatus] = usb::kWriteDeviceFailed;
            PutBigEndian16(answer, usb::kStart, address);
            break;
        }
    }
    Queue(answer, (answerDelayMs_ + static_cast<std::int64_t>(pages) * writeCycleMs_) * 1000LL);
}

SimulatedHidSystem::SimulatedHidSystem(SimulatedEeprom& eeprom, Clock& clock)
    : firmware_(eeprom, clock) {
    entries_.push_back(
        {kAdapterPath, usb::kDefaultVendor, usb::kDefaultProduct, usb::kReportLength});
}

std::unique_ptr<HidDevice> SimulatedHidSystem::Open(const std::string& path) {
    if (path != kAdapterPath) {
        return nullptr;
    }
    return std::make_unique<FirmwareHandle>(firmware_);
}
