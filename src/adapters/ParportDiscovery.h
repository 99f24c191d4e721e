#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

// Linux lists each parallel port it drives under /proc/sys/dev/parport/parportN with the
// I/O base address in the file "base-addr" ("888\t1912": base, then the ECP high base).
// The port of an LPT address is the /dev/parportN whose base matches.
std::optional<std::filesystem::path> FindParportDevice(
    std::uint16_t baseAddress, const std::filesystem::path& procFolder = "/proc/sys/dev/parport",
    const std::filesystem::path& deviceFolder = "/dev");
