#pragma once

#include <memory>
#include <optional>
#include <string>

#include "adapters/CamPacConnection.h"
#include "adapters/hw/HardwareAdapters.h"
#include "common/Message.h"
#include "shell/ProgramOptions.h"

struct Settings;
class UserDialogs;

// The adapter of a run: the settings' choice, address and waitstates, each overridden by
// the command line where it gives one.
AdapterChoice ChooseAdapter(const ProgramOptions& options, const Settings& settings);

struct OpenedConnection {
    // Nothing only when the simulated CamPac cannot be had (its image, its trace).
    std::unique_ptr<CamPacConnection> connection;
    // Why there is no connection, or why its adapter cannot be used (the parallel port
    // cannot be opened, or its first access failed): port access is off then.
    std::optional<Message> problem;
};

// The CamPac of a run: the simulated one of --simulate (with its --fault list), else the
// real adapters of this machine. The USB adapter is looked for at each transfer; the
// parallel port is opened here, and its lines released.
OpenedConnection OpenConnection(const ProgramOptions& options, const Settings& settings,
                                UserDialogs& dialogs, const HardwareMachine& machine = {});

// Where a run reaches its CamPac, as the status bar names it: the image file of the
// simulated CamPac, the /dev/parportN of the LPT address (its address in hexadecimal when
// the ports are reached directly), or the USB adapter's vendor and product number.
struct PortInUse {
    std::string name;
    bool simulated = false;
};
PortInUse DescribePort(const ProgramOptions& options, const AdapterChoice& choice);
