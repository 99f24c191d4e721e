#pragma once

#include <memory>
#include <string>
#include <vector>

#include "adapters/HidTransport.h"

// The machine's HID devices through hidapi (hidraw backend). hidapi 0.13 cannot give a
// device's report descriptor, so the feature-report length is read with the hidraw
// ioctls from the device node the path names.
class HidapiSystem : public HidSystem {
  public:
    HidapiSystem();
    ~HidapiSystem() override;
    HidapiSystem(const HidapiSystem&) = delete;
    HidapiSystem& operator=(const HidapiSystem&) = delete;

    std::vector<HidDeviceEntry> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;

    // The longest feature report of a hidraw node, report number included; 0 when its
    // descriptor cannot be read.
    static int FeatureReportLengthOf(const std::string& hidrawPath);
};
