#include "common/ProgramFolder.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

std::filesystem::path ProgramFolder() {
#ifdef _WIN32
    std::wstring executable(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, executable.data(), static_cast<DWORD>(executable.size()));
        if (length == 0) {
            return std::filesystem::current_path();
        }
        if (length < executable.size()) {
            executable.resize(length);
            return std::filesystem::path(executable).parent_path();
        }
        executable.resize(executable.size() * 2);
    }
#else
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path();
    }
    return executable.parent_path();
#endif
}
