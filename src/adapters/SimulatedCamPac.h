#pragma once

#include <vector>

#include "adapters/LptI2cBus.h"
#include "adapters/ModuleAccess.h"
#include "adapters/SimulatedParallelPort.h"
#include "adapters/SimulatedUsbAdapter.h"
#include "adapters/UsbAdapter.h"

class UserDialogs;

// A CamPac in a simulated socket, reachable through either simulated adapter: the
// EEPROM, the parallel port with the LPT bus, the USB firmware with the adapter
// protocol, all on one modelled clock.
class SimulatedCamPac {
  public:
    SimulatedCamPac(std::vector<Byte> image, AdapterKind kind, UserDialogs& dialogs,
                    bool clockFor64k = false)
        : eeprom(std::move(image)),
          port(clock, &eeprom),
          bus(port, clock, access),
          hid(eeprom, clock),
          usb(hid, clock, dialogs),
          module(kind, &bus, &usb, clockFor64k) {
        bus.SetWaitStates(0);
    }

    ModelledClock clock;
    SimulatedEeprom eeprom;
    SimulatedParallelPort port;
    PortAccessSwitch access;
    LptI2cBus bus;
    SimulatedHidSystem hid;
    UsbAdapter usb;
    ModuleAccess module;
};
