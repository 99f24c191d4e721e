#pragma once

#include <memory>

#include "adapters/CamPacConnection.h"
#include "common/Result.h"
#include "shell/ProgramOptions.h"

struct Settings;
class UserDialogs;

// The CamPac of a run: the simulated one of --simulate, else the real adapter of the
// settings (or of --adapter). Opening the parallel port can fail (no permission, no port);
// the USB adapter is looked for at each transfer.
Result<std::unique_ptr<CamPacConnection>> OpenConnection(const ProgramOptions& options,
                                                         const Settings& settings,
                                                         UserDialogs& dialogs);

// The adapter of a run: the one of --adapter, else the one of the settings.
AdapterKind ChosenAdapter(const ProgramOptions& options, const Settings& settings);

// Where a run reaches its CamPac, as the status bar names it: the image file of the
// simulated CamPac, the /dev/parportN of the LPT address (its address in hexadecimal when
// the ports are reached directly), or the USB adapter's vendor and product number.
struct PortInUse {
    std::string name;
    bool simulated = false;
};
PortInUse DescribePort(const ProgramOptions& options, const Settings& settings);
