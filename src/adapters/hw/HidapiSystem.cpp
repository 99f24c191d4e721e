#include "adapters/hw/HidapiSystem.h"

#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "adapters/HidReportDescriptor.h"

namespace {

class HidapiDevice : public HidDevice {
  public:
    explicit HidapiDevice(hid_device* device) : device_(device) {}
    ~HidapiDevice() override { hid_close(device_); }
    HidapiDevice(const HidapiDevice&) = delete;
    HidapiDevice& operator=(const HidapiDevice&) = delete;

    bool SetFeature(std::span<const Byte> report) override {
        return hid_send_feature_report(device_, report.data(), report.size()) >= 0;
    }
    bool GetFeature(std::span<Byte> report) override {
        if (report.empty()) {
            return false;
        }
        report[0] = 0;
        return hid_get_feature_report(device_, report.data(), report.size()) >= 0;
    }

  private:
    hid_device* device_;
};

}  // namespace

HidapiSystem::HidapiSystem() {
    hid_init();
}

HidapiSystem::~HidapiSystem() {
    hid_exit();
}

int HidapiSystem::FeatureReportLengthOf(const std::string& hidrawPath) {
    const int fd = open(hidrawPath.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        return 0;
    }
    int size = 0;
    hidraw_report_descriptor descriptor{};
    int length = 0;
    if (ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        descriptor.size = static_cast<unsigned>(size);
        if (ioctl(fd, HIDIOCGRDESC, &descriptor) == 0) {
            length = FeatureReportLength(
                std::span<const Byte>(descriptor.value, static_cast<std::size_t>(size)));
        }
    }
    close(fd);
    return length;
}

std::vector<HidDeviceEntry> HidapiSystem::Enumerate() {
    std::vector<HidDeviceEntry> entries;
    hid_device_info* all = hid_enumerate(0, 0);
    for (hid_device_info* d = all; d != nullptr; d = d->next) {
        const std::string path = d->path != nullptr ? d->path : "";
        entries.push_back({path, d->vendor_id, d->product_id, FeatureReportLengthOf(path)});
    }
    hid_free_enumeration(all);
    return entries;
}

std::unique_ptr<HidDevice> HidapiSystem::Open(const std::string& path) {
    hid_device* device = hid_open_path(path.c_str());
    if (device == nullptr) {
        return nullptr;
    }
    return std::make_unique<HidapiDevice>(device);
}
