#pragma once

#include <filesystem>
#include <string>

// Where the backups of written CamPacs go: $XDG_DATA_HOME/keplund/backups, else
// ~/.local/share/keplund/backups, else a "backups" folder beside the program.
std::filesystem::path DefaultBackupFolder(const std::filesystem::path& programFolder);

// Local time as "YYYYMMDD-HHMMSS", for backup file names that sort by time.
std::string BackupTimestamp();
