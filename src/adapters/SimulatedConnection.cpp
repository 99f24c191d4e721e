#include "adapters/SimulatedConnection.h"

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
    std::unique_ptr<SimulatedConnection> connection(
        new SimulatedConnection(std::move(file.bytes), options, dialogs));
    if (options.trace && !connection->camPac_.port.StartTrace(*options.trace)) {
        return Message::Literal(options.trace->string() + ": the trace cannot be written",
                                MessageIcon::Stop);
    }
    return connection;
}

SimulatedConnection::~SimulatedConnection() {
    camPac_.port.StopTrace();
}

Status SimulatedConnection::AfterTransfer() {
    return WriteFileSafely(imagePath_, camPac_.eeprom.memory());
}
