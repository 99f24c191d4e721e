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
