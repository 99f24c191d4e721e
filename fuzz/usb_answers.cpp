#include <algorithm>
#include <memory>

#include "FuzzSupport.h"
#include "adapters/Clock.h"
#include "adapters/ModuleAccess.h"

namespace {

// A USB adapter whose every fetched feature report is the next 128 bytes of the input (the
// report number stays 0); the input running out is a failed exchange. Requests are taken.
class AnswerStream {
  public:
    AnswerStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Next(std::span<Byte> report) {
        if (position_ >= size_) {
            return false;
        }
        std::fill(report.begin(), report.end(), Byte{0});
        const std::size_t count = std::min(report.size() - 1, size_ - position_);
        std::copy_n(data_ + position_, count, report.begin() + 1);
        position_ += count;
        return true;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

class FakeDevice : public HidDevice {
  public:
    explicit FakeDevice(AnswerStream& answers) : answers_(answers) {}
    bool SetFeature(std::span<const Byte> report) override {
        return report.size() == usb::kReportLength;
    }
    bool GetFeature(std::span<Byte> report) override { return answers_.Next(report); }

  private:
    AnswerStream& answers_;
};

class FakeSystem : public HidSystem {
  public:
    explicit FakeSystem(AnswerStream& answers) : answers_(answers) {}
    std::vector<HidDeviceEntry> Enumerate() override {
        return {{"fake", usb::kDefaultVendor, usb::kDefaultProduct, usb::kReportLength}};
    }
    std::unique_ptr<HidDevice> Open(const std::string&) override {
        return std::make_unique<FakeDevice>(answers_);
    }

  private:
    AnswerStream& answers_;
};

}  // namespace

// The answers of a USB adapter to a size check and a whole read, then to the information
// request. Every byte an answer delivers must lie inside the CamPac.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AnswerStream answers(data, size);
    FakeSystem system(answers);
    ModelledClock clock;
    NoUserDialogs dialogs;
    UsbAdapter adapter(system, clock, dialogs);
    ModuleAccess access(AdapterKind::Usb, nullptr, &adapter, false);
    if (access.Connect()) {
        const int camPacSize = access.DetectCamPacSize();
        if (camPacSize > 0) {
            std::vector<Byte> image(static_cast<std::size_t>(camPacSize), 0xFF);
            (void)access.ReadPass(
                camPacSize, {}, false,
                [&](int address, Byte value) {
                    Require(address >= 0 && address < camPacSize);
                    image[static_cast<std::size_t>(address)] = value;
                },
                [](int) { return true; });
        }
        access.Disconnect();
    }
    (void)adapter.ShowUsbAdapterInfo();
    return 0;
}
