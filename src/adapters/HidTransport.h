#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "common/Bytes.h"

// One HID device as the enumeration shows it.
struct HidDeviceEntry {
    std::string path;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    int featureReportLength = 0;  // from the report descriptor, report number byte included
};

// An open HID device that exchanges feature reports. Byte 0 of a report is its number.
class HidDevice {
  public:
    virtual ~HidDevice() = default;
    virtual bool SetFeature(std::span<const Byte> report) = 0;
    virtual bool GetFeature(std::span<Byte> report) = 0;
};

// The HID devices of the machine (or of a simulation).
class HidSystem {
  public:
    virtual ~HidSystem() = default;
    // Every present device, in the system's enumeration order.
    virtual std::vector<HidDeviceEntry> Enumerate() = 0;
    // Nothing when the device cannot be opened.
    virtual std::unique_ptr<HidDevice> Open(const std::string& path) = 0;
};
