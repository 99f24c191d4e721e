#include "common/FileAccess.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

bool MayWrite(const std::filesystem::path& path) {
#ifdef _WIN32
    constexpr int kWriteAccess = 2;
    return _waccess(path.c_str(), kWriteAccess) == 0;
#else
    return ::access(path.c_str(), W_OK) == 0;
#endif
}
