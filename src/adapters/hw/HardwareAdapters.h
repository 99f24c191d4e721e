#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "adapters/CamPacConnection.h"
#include "adapters/Clock.h"
#include "adapters/HidTransport.h"
#include "adapters/LptI2cBus.h"
#include "adapters/ModuleAccess.h"
#include "adapters/UsbAdapter.h"
#include "adapters/hw/PpdevPort.h"
#include "common/Result.h"

class UserDialogs;

// What the real adapters reach on this machine. Tests give folders without parallel
// ports, no direct port access and a HID system without devices: a machine without any
// adapter, whatever machine the tests run on.
struct HardwareMachine {
    PortFolders ports;
    // Port instructions (ioperm) where no ppdev device has the address.
    bool directPortAccess = true;
    // The HID devices; empty: the machine's own through hidapi.
    std::function<std::unique_ptr<HidSystem>()> hid;
};

// The real adapters, ready for the transfer engine: the parallel port (through ppdev, or
// directly where no ppdev device has the address and the process may reach the ports)
// with the LPT bus at the chosen waitstates, or the USB adapter through hidapi. The port
// is held only while the parallel-port adapter is chosen.
class HardwareAdapters : public CamPacConnection {
  public:
    // No adapter in use yet: UseAdapter chooses one.
    explicit HardwareAdapters(UserDialogs& dialogs, HardwareMachine machine = {});

    Clock& clock() override { return clock_; }
    ModuleAccess& module() override { return *module_; }
    PortAccessSwitch* portAccess() override {
        return choice_.kind == AdapterKind::Lpt ? &access_ : nullptr;
    }
    LptI2cBus* lptBus() override { return bus_.get(); }
    UsbAdapter& usb() override { return usb_; }
    // Fails with the port's message (texts 70 and 75, with what the system said) when
    // the parallel port cannot be had, or with text 76 when releasing the lines fails.
    Status UseAdapter(const AdapterChoice& choice) override;
    Message PortAccessInfo() override;

  private:
    Status OpenPort(std::uint16_t address);
    void MakeModule();

    HardwareMachine machine_;
    AdapterChoice choice_;
    SteadyClock clock_;
    PortAccessSwitch access_;
    std::unique_ptr<ParallelPort> port_;
    std::string portDevice_;  // the ppdev device, or empty for port instructions
    std::optional<Message> portProblem_;
    std::unique_ptr<LptI2cBus> bus_;
    std::unique_ptr<HidSystem> hid_;
    UsbAdapter usb_;
    std::unique_ptr<ModuleAccess> module_;
};
