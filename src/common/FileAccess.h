#pragma once

#include <filesystem>

// Whether this process may write the file or folder (the system's own access check; on
// Windows the read-only attribute).
bool MayWrite(const std::filesystem::path& path);
