#include <hidapi/hidapi.h>

#include <array>

#include "adapters/HidReportDescriptor.h"
#include "adapters/hw/HidapiSystem.h"

// Outside Linux, hidapi (0.14 and later) reads the report descriptor itself.
int HidapiSystem::FeatureReportLengthOf(const std::string& path) {
    hid_device* device = hid_open_path(path.c_str());
    if (device == nullptr) {
        return 0;
    }
    std::array<unsigned char, HID_API_MAX_REPORT_DESCRIPTOR_SIZE> descriptor{};
    const int size = hid_get_report_descriptor(device, descriptor.data(), descriptor.size());
    hid_close(device);
    if (size <= 0) {
        return 0;
    }
    return FeatureReportLength(
        std::span<const Byte>(descriptor.data(), static_cast<std::size_t>(size)));
}
