#pragma once

#include <utility>
#include <vector>

#include "adapters/SimulatedCamPac.h"
#include "adapters/TransferEngine.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

// A transfer engine on a simulated CamPac holding `image`, reached through the parallel-port
// bus or the USB adapter, with scripted dialogs and a folder for the backups of writes.
struct TransferRig {
    TransferRig(AdapterKind kind, std::vector<Byte> image, bool clockFor64k = false)
        : sim(std::move(image), kind, dialogs, clockFor64k),
          engine(data, catalogue, dialogs, sim.clock, sim.module, {clockFor64k, false}) {}

    ScriptedDialogs dialogs;
    TransmitterCatalogue catalogue;
    CamPacData data;
    SimulatedCamPac sim;
    TransferEngine engine;
    TempFolder backups;
};
