#pragma once

#include <memory>
#include <string>
#include <vector>

#include "adapters/HidTransport.h"

// The machine's HID devices through hidapi (on Linux its hidraw backend, whose report
// descriptors are read with the hidraw ioctls from the device node the path names). A
// build without hidapi sees no device at all.
class HidapiSystem : public HidSystem {
  public:
    HidapiSystem();
    ~HidapiSystem() override;
    HidapiSystem(const HidapiSystem&) = delete;
    HidapiSystem& operator=(const HidapiSystem&) = delete;

    std::vector<HidDeviceEntry> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;

    // The longest feature report of a device, report number included; 0 when its
    // descriptor cannot be read.
    static int FeatureReportLengthOf(const std::string& path);
};
