#pragma once

#include <cstdint>

#include "adapters/Clock.h"
#include "adapters/LptI2cBus.h"
#include "adapters/ModuleAccess.h"
#include "adapters/UsbAdapter.h"
#include "common/Result.h"

// Which adapter a connection uses, and how: the settings of the parallel port and of the
// USB adapter.
struct AdapterChoice {
    AdapterKind kind = AdapterKind::Usb;
    std::uint16_t lptAddress = lpt::kDefaultBase;
    int waitStates = 150;
    std::uint16_t usbVendor = usb::kDefaultVendor;
    std::uint16_t usbProduct = usb::kDefaultProduct;
    bool clockFor64k = false;
};

// The CamPac the program reaches for a run: a real module behind a real adapter, or a
// simulated one. The transfer engine takes its clock and its module access; the adapter
// dialog switches it between the adapters and drives the lines and the USB adapter.
class CamPacConnection {
  public:
    virtual ~CamPacConnection() = default;
    virtual Clock& clock() = 0;
    virtual ModuleAccess& module() = 0;
    AdapterKind kind() { return module().kind(); }
    // The port-access flag of the parallel-port adapter; nothing for the USB adapter.
    virtual PortAccessSwitch* portAccess() = 0;
    // The bus on the parallel port while that adapter is chosen and its port is open;
    // nothing otherwise, so that no port is touched while the USB adapter is chosen.
    virtual LptI2cBus* lptBus() = 0;
    virtual UsbAdapter& usb() = 0;
    // Uses the adapter, address and waitstates of `choice` from now on. Choosing the
    // parallel port opens its port (anew when the address changed), switches port access
    // on and releases both lines; failure gives the port's message with port access off.
    virtual Status UseAdapter(const AdapterChoice& choice) = 0;
    // How this connection reaches the ports, as one line of the system information.
    virtual Message PortAccessInfo() = 0;
    // After each transfer: a simulated module keeps what was written to it.
    virtual Status AfterTransfer() { return {}; }
};
