#include "adapters/ParportDiscovery.h"

#include <fstream>
#include <system_error>

#include "common/TextToInt.h"

std::optional<std::filesystem::path> FindParportDevice(std::uint16_t baseAddress,
                                                       const std::filesystem::path& procFolder,
                                                       const std::filesystem::path& deviceFolder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(procFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("parport", 0) != 0) {
            continue;
        }
        std::ifstream in(entry.path() / "base-addr");
        std::string line;
        if (!std::getline(in, line) || line.empty()) {
            continue;
        }
        if (TextToInt(line) == baseAddress) {
            return deviceFolder / name;
        }
    }
    return std::nullopt;
}
