#include "adapters/SimulatedConnection.h"

#include "adapters/AdapterTexts.h"
#include "adapters/CamPacAddressing.h"
#include "common/FileBytes.h"
#include "dataset/DataSetFiles.h"

Result<std::unique_ptr<SimulatedConnection>> SimulatedConnection::Open(const Options& options,
                                                                       UserDialogs& dialogs) {
    FileBytes file = ReadFileBytes(options.image, kImageCapacity);
    if (file.fault == FileFault::CannotOpen) {
        return Message::Literal(options.image.string() + ": cannot be read", MessageIcon::Stop);
    }
    if (file.fault == FileFault::NotAFile) {
        return Message::Literal(options.image.string() + ": not a regular file", MessageIcon::Stop);
    }
    if (file.fault == FileFault::TooLarge || !campac::IsSize(static_cast<int>(file.bytes.size()))) {
        return Message::Literal(
            options.image.string() + ": no CamPac image (256, 512, 1024, 2048 or 8192 bytes)",
            MessageIcon::Stop);
    }
    const int flip = options.faults.eeprom.flipAddress;
    if (flip >= static_cast<int>(file.bytes.size())) {
        return Message::Literal("flip:" + std::to_string(flip) + " lies beyond the " +
                                    std::to_string(file.bytes.size()) + " bytes of " +
                                    options.image.string(),
                                MessageIcon::Stop);
    }
    std::unique_ptr<SimulatedConnection> connection(
        new SimulatedConnection(std::move(file.bytes), options, dialogs));
    SimulatedCamPac& camPac = connection->camPac_;
    camPac.eeprom.faults() = options.faults.eeprom;
    camPac.port.SetAccessDenied(options.faults.portDenied);
    camPac.clock.SetPassNanoseconds(kPassNanoseconds);
    if (options.trace && !connection->camPac_.port.StartTrace(*options.trace)) {
        return Message::Literal(options.trace->string() + ": the trace cannot be written",
                                MessageIcon::Stop);
    }
    return connection;
}

SimulatedConnection::~SimulatedConnection() {
    camPac_.port.StopTrace();
}

Status SimulatedConnection::UseAdapter(const AdapterChoice& choice) {
    // The simulated adapter answers at whatever address is chosen, and the simulated USB
    // adapter is always the one the settings name.
    camPac_.module = ModuleAccess(choice.kind, &camPac_.bus, &camPac_.usb, choice.clockFor64k);
    camPac_.bus.SetBaseAddress(choice.lptAddress);
    camPac_.port.SetBase(choice.lptAddress);
    camPac_.bus.SetWaitStates(choice.waitStates);
    if (choice.kind != AdapterKind::Lpt) {
        return Status::Ok();
    }
    camPac_.access.SwitchOn();
    camPac_.bus.ReleaseLines();
    if (const std::optional<PortFault>& fault = camPac_.access.fault()) {
        return PortFaultMessage(*fault);
    }
    return Status::Ok();
}

Message SimulatedConnection::PortAccessInfo() {
    std::string what = imagePath_.filename().string();
    for (const std::string& fault : faultNames_) {
        what += ", " + fault;
    }
    return Message::Numbered(txt::kSimulatedCamPac, {what});
}

Status SimulatedConnection::AfterTransfer() {
    return WriteFileSafely(imagePath_, camPac_.eeprom.memory());
}
