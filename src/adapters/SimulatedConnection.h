#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "adapters/CamPacConnection.h"
#include "adapters/SimulatedCamPac.h"
#include "adapters/SimulatedFaults.h"

// A simulated CamPac whose content lives in a raw image file: the file's length is the
// module's size, and what a transfer writes goes back to the file. It starts with the
// faults given, sits at whatever LPT address is chosen, and the bus of the simulated
// parallel port can be recorded as a VCD trace.
class SimulatedConnection : public CamPacConnection {
  public:
    // What one pass of a counted delay loop costs on the modelled clock: a machine that
    // counts a billion passes a second.
    static constexpr std::int64_t kPassNanoseconds = 1;

    struct Options {
        std::filesystem::path image;
        AdapterKind kind = AdapterKind::Usb;
        bool clockFor64k = false;
        SimulatedFaults faults;
        std::optional<std::filesystem::path> trace;  // parallel port only
    };

    // Fails with a literal message when the image cannot be read or has no CamPac size,
    // when a flipped byte lies beyond it, or when the trace cannot be written.
    static Result<std::unique_ptr<SimulatedConnection>> Open(const Options& options,
                                                             UserDialogs& dialogs);
    ~SimulatedConnection() override;

    Clock& clock() override { return camPac_.clock; }
    ModuleAccess& module() override { return camPac_.module; }
    Status AfterTransfer() override;
    PortAccessSwitch* portAccess() override {
        return kind() == AdapterKind::Lpt ? &camPac_.access : nullptr;
    }
    LptI2cBus* lptBus() override { return kind() == AdapterKind::Lpt ? &camPac_.bus : nullptr; }
    UsbAdapter& usb() override { return camPac_.usb; }
    Status UseAdapter(const AdapterChoice& choice) override;
    Message PortAccessInfo() override;
    SimulatedCamPac& camPac() { return camPac_; }

  private:
    SimulatedConnection(std::vector<Byte> image, const Options& options, UserDialogs& dialogs)
        : imagePath_(options.image),
          faultNames_(options.faults.names),
          camPac_(std::move(image), options.kind, dialogs, options.clockFor64k) {}

    std::filesystem::path imagePath_;
    std::vector<std::string> faultNames_;
    SimulatedCamPac camPac_;
};
