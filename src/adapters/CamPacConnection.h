#pragma once

#include "adapters/Clock.h"
#include "adapters/ModuleAccess.h"
#include "common/Result.h"

// The CamPac the program reaches for a run: a real module behind a real adapter, or a
// simulated one. The transfer engine takes its clock and its module access.
class CamPacConnection {
  public:
    virtual ~CamPacConnection() = default;
    virtual Clock& clock() = 0;
    virtual ModuleAccess& module() = 0;
    AdapterKind kind() { return module().kind(); }
    // The port-access flag of the parallel-port adapter; nothing for the USB adapter.
    virtual PortAccessSwitch* portAccess() { return nullptr; }
    // After each transfer: a simulated module keeps what was written to it.
    virtual Status AfterTransfer() { return {}; }
};
