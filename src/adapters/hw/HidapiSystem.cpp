#include "adapters/hw/HidapiSystem.h"

#include <hidapi/hidapi.h>

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
