#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "adapters/SimulatedEeprom.h"
#include "common/Result.h"

// The faults a simulated CamPac can be started with, by name:
//   sda-stuck-low, scl-stuck-low, scl-stuck-high  a bus line that does not follow
//   no-ack                                        the module acknowledges nothing
//   write-protected                               writes are acknowledged but not kept
//   flip:ADDRESS                                  a read of that byte returns bit 0 flipped
//   port-denied                                   every parallel-port access fails
struct SimulatedFaults {
    EepromFaults eeprom;
    bool portDenied = false;
    std::vector<std::string> names;  // as given, for the system information
};

inline constexpr const char* kSimulatedFaultNames =
    "sda-stuck-low, scl-stuck-low, scl-stuck-high, no-ack, write-protected, flip:ADDRESS, "
    "port-denied";

// Adds one fault; an unknown name or a flip address that is no number from 0 to 8191 is
// refused with a literal message.
Status AddSimulatedFault(std::string_view name, SimulatedFaults& faults);
