#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "adapters/HidTransport.h"
#include "adapters/hw/HardwareAdapters.h"

// A HID system with no device plugged in.
class NoHidDevices : public HidSystem {
  public:
    std::vector<HidDeviceEntry> Enumerate() override { return {}; }
    std::unique_ptr<HidDevice> Open(const std::string&) override { return nullptr; }
};

// A machine without any adapter, whatever machine the tests run on: Linux lists no
// parallel port (an empty folder stands for /proc/sys/dev/parport), the ports cannot be
// reached directly, and no HID device is plugged in.
inline HardwareMachine NoAdapterMachine(const std::filesystem::path& emptyFolder) {
    HardwareMachine machine;
    machine.ports.parport = emptyFolder;
    machine.ports.devices = emptyFolder;
    machine.directPortAccess = false;
    machine.hid = [] { return std::make_unique<NoHidDevices>(); };
    return machine;
}
