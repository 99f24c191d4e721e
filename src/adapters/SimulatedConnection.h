#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "adapters/CamPacConnection.h"
#include "adapters/SimulatedCamPac.h"

// A simulated CamPac whose content lives in a raw image file: the file's length is the
// module's size, and what a transfer writes goes back to the file. The bus of the
// simulated parallel port can be recorded as a VCD trace.
class SimulatedConnection : public CamPacConnection {
  public:
    struct Options {
        std::filesystem::path image;
        AdapterKind kind = AdapterKind::Usb;
        bool clockFor64k = false;
        std::optional<std::filesystem::path> trace;  // parallel port only
    };

    // Fails with a literal message when the image cannot be read or has no CamPac size,
    // or when the trace cannot be written.
    static Result<std::unique_ptr<SimulatedConnection>> Open(const Options& options,
                                                             UserDialogs& dialogs);
    ~SimulatedConnection() override;

    Clock& clock() override { return camPac_.clock; }
    ModuleAccess& module() override { return camPac_.module; }
    Status AfterTransfer() override;
    PortAccessSwitch* portAccess() override {
        return kind() == AdapterKind::Lpt ? &camPac_.access : nullptr;
    }
    SimulatedCamPac& camPac() { return camPac_; }

  private:
    SimulatedConnection(std::vector<Byte> image, const Options& options, UserDialogs& dialogs)
        : imagePath_(options.image),
          camPac_(std::move(image), options.kind, dialogs, options.clockFor64k) {}

    std::filesystem::path imagePath_;
    SimulatedCamPac camPac_;
};
