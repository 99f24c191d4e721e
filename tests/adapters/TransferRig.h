#pragma once

#include <utility>
#include <vector>

#include "adapters/RecordingObserver.h"
#include "adapters/SimulatedCamPac.h"
#include "adapters/TransferEngine.h"
#include "dataset/DataSetFiles.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

// A transfer engine on a simulated CamPac holding `image`, reached through the parallel-port
// bus or the USB adapter, with scripted dialogs and a folder for the backups of writes.
struct TransferRig {
    TransferRig(AdapterKind kind, std::vector<Byte> image, bool clockFor64k = false)
        : sim(std::move(image), kind, dialogs, clockFor64k),
          engine(data, catalogue, dialogs, sim.clock, sim.module, {clockFor64k, false}) {}

    // The data set as a loaded file would leave it.
    void LoadDataSet(const std::vector<Byte>& image) {
        CopyBytes(data.image, 0, image, 0, image.size());
        data.imageSize = static_cast<int>(image.size());
        IdentifyFromImage(data, catalogue);
        data.state = DataSetState::Unchanged;
    }
    TransferOutcome Read(bool keepComments = false) {
        return engine.ReadCamPac(observer, keepComments);
    }
    // A write as from a fresh click on the button, or seen by the observer given.
    WriteReport Write(bool onlyChanges) {
        RecordingObserver fresh;
        return Write(onlyChanges, fresh);
    }
    WriteReport Write(bool onlyChanges, RecordingObserver& seenBy) {
        return engine.WriteCamPac(seenBy, {onlyChanges, backups.path(), "20260102-030405"});
    }
    // The texts the user was shown, each message followed by its continuations.
    std::vector<int> Said() const {
        std::vector<int> numbers;
        for (const Message& message : dialogs.shown) {
            numbers.push_back(message.text);
            for (const Message& more : message.continuation) {
                numbers.push_back(more.text);
            }
        }
        return numbers;
    }

    ScriptedDialogs dialogs;
    TransmitterCatalogue catalogue;
    CamPacData data;
    SimulatedCamPac sim;
    TransferEngine engine;
    TempFolder backups;
    RecordingObserver observer;
};
