#include "adapters/SimulatedConnection.h"

#include <fstream>
#include <iterator>

#include "adapters/CamPacAddressing.h"
#include "dataset/DataSetFiles.h"

namespace {

std::optional<std::vector<Byte>> ReadImage(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return std::nullopt;
    }
    return std::vector<Byte>((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
}

}  // namespace

Result<std::unique_ptr<SimulatedConnection>> SimulatedConnection::Open(const Options& options,
                                                                       UserDialogs& dialogs) {
    std::optional<std::vector<Byte>> bytes = ReadImage(options.image);
    if (!bytes) {
        return Message::Literal(options.image.string() + ": cannot be read", MessageIcon::Stop);
    }
    if (!campac::IsSize(static_cast<int>(bytes->size()))) {
        return Message::Literal(
            options.image.string() + ": no CamPac image (256, 512, 1024, 2048 or 8192 bytes)",
            MessageIcon::Stop);
    }
    std::unique_ptr<SimulatedConnection> connection(
        new SimulatedConnection(std::move(*bytes), options, dialogs));
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
