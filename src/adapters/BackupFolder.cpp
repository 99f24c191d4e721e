#include "adapters/BackupFolder.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

std::filesystem::path DefaultBackupFolder(const std::filesystem::path& programFolder) {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0') {
        return std::filesystem::path(data) / "keplund" / "backups";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".local" / "share" / "keplund" / "backups";
    }
    return programFolder / "backups";
}

std::string BackupTimestamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", std::localtime(&now));
    return text;
}
