#pragma once

#include <array>
#include <cstdint>

#include "common/Bytes.h"

// The port-access driver of the Windows NT family (PortTalk): its names and its two
// buffered device-control requests. Linux reaches the ports through ppdev instead; these
// stay here, in one place, for a Windows build.
namespace porttalk {
inline constexpr const char* kDevice = "\\\\.\\PortTalk";
inline constexpr const char* kServiceName = "PortTalk";
inline constexpr const char* kDriverFile = "PORTTALK.SYS";
inline constexpr const char* kCopyTarget = "\\Drivers\\PortTalk.sys";
inline constexpr const char* kServiceBinaryPath = "System32\\Drivers\\PortTalk.sys";

inline constexpr std::uint32_t kReadPortByte = 0x9C402410;
inline constexpr std::uint32_t kWritePortByte = 0x9C402414;

// Read request input: the port number, 16-bit little-endian; the answer is one byte.
inline std::array<Byte, 2> ReadRequest(std::uint16_t port) {
    return {static_cast<Byte>(port & 0xFF), static_cast<Byte>(port >> 8)};
}

// Write request input: the port number, 16-bit little-endian, then the value.
inline std::array<Byte, 3> WriteRequest(std::uint16_t port, Byte value) {
    return {static_cast<Byte>(port & 0xFF), static_cast<Byte>(port >> 8), value};
}
}  // namespace porttalk
