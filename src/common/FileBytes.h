#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/Bytes.h"

// Reading a whole file of outside data. Only a regular file is opened: a folder cannot be
// read, a FIFO blocks in the opening and a device such as /dev/zero never ends. A file
// larger than the largest valid file of its kind is refused before a byte of it is read.
enum class FileFault { None, CannotOpen, NotAFile, TooLarge };

struct FileBytes {
    FileFault fault = FileFault::None;
    std::vector<Byte> bytes;
};

// Checks that `path` names a regular file of at most `largest` bytes.
FileFault CheckFileToRead(const std::filesystem::path& path, std::uintmax_t largest);
// Reads the whole file after that check; a file that grew past `largest` meanwhile is
// refused too.
FileBytes ReadFileBytes(const std::filesystem::path& path, std::uintmax_t largest);
