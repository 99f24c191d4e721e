#include "common/FileBytes.h"

#include <fstream>
#include <system_error>

FileFault CheckFileToRead(const std::filesystem::path& path, std::uintmax_t largest) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return FileFault::CannotOpen;
    }
    if (!std::filesystem::is_regular_file(status)) {
        return FileFault::NotAFile;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return FileFault::CannotOpen;
    }
    return size > largest ? FileFault::TooLarge : FileFault::None;
}

FileBytes ReadFileBytes(const std::filesystem::path& path, std::uintmax_t largest) {
    FileBytes file;
    file.fault = CheckFileToRead(path, largest);
    if (file.fault != FileFault::None) {
        return file;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        file.fault = FileFault::CannotOpen;
        return file;
    }
    // One byte more than allowed tells a file that grew after the check.
    file.bytes.resize(static_cast<std::size_t>(largest) + 1);
    in.read(reinterpret_cast<char*>(file.bytes.data()),
            static_cast<std::streamsize>(file.bytes.size()));
    if (in.bad()) {
        file.fault = FileFault::CannotOpen;
        file.bytes.clear();
        return file;
    }
    file.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (file.bytes.size() > largest) {
        file.fault = FileFault::TooLarge;
        file.bytes.clear();
    }
    return file;
}
