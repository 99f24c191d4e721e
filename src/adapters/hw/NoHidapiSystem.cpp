#include "adapters/hw/HidapiSystem.h"

// A build without hidapi (KEPLUND_WITH_HIDAPI=OFF, or a platform with no hidapi to link):
// the machine shows no HID device, so the USB adapter is reported as not found, with the
// same message as when it is unplugged.

HidapiSystem::HidapiSystem() = default;

HidapiSystem::~HidapiSystem() = default;

int HidapiSystem::FeatureReportLengthOf(const std::string&) {
    return 0;
}

std::vector<HidDeviceEntry> HidapiSystem::Enumerate() {
    return {};
}

std::unique_ptr<HidDevice> HidapiSystem::Open(const std::string&) {
    return nullptr;
}
