#pragma once

#include <memory>

#include "adapters/CamPacConnection.h"
#include "adapters/Clock.h"
#include "adapters/LptI2cBus.h"
#include "adapters/ModuleAccess.h"
#include "adapters/UsbAdapter.h"
#include "adapters/hw/HidapiSystem.h"
#include "adapters/hw/PpdevPort.h"
#include "common/Result.h"

class UserDialogs;

// The real adapter of one kind, ready for the transfer engine: the parallel port (through
// ppdev, or directly where no ppdev device has the address and the process may reach the
// ports) with the LPT bus at the settings' waitstates, or the USB adapter through hidapi.
class HardwareAdapters : public CamPacConnection {
  public:
    struct Choice {
        AdapterKind kind = AdapterKind::Usb;
        std::uint16_t lptAddress = lpt::kDefaultBase;
        int waitStates = 150;
        std::uint16_t usbVendor = usb::kDefaultVendor;
        std::uint16_t usbProduct = usb::kDefaultProduct;
        bool clockFor64k = false;
    };

    // Fails with the port's message when the parallel port cannot be had.
    static Result<std::unique_ptr<HardwareAdapters>> Open(const Choice& choice,
                                                          UserDialogs& dialogs);

    Clock& clock() override { return clock_; }
    ModuleAccess& module() override { return *module_; }
    PortAccessSwitch* portAccess() override { return bus_ != nullptr ? &access_ : nullptr; }

  private:
    HardwareAdapters(UserDialogs& dialogs) : usb_(hid_, clock_, dialogs) {}

    SteadyClock clock_;
    PortAccessSwitch access_;
    std::unique_ptr<ParallelPort> port_;
    std::unique_ptr<LptI2cBus> bus_;
    HidapiSystem hid_;
    UsbAdapter usb_;
    std::unique_ptr<ModuleAccess> module_;
};
