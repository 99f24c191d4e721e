#pragma once

#include <array>
#include <string>

#include "common/Bytes.h"

// How the bytes of a CamPac are addressed on the I2C bus: byte address A lies
// in 256-byte block A / 256 at word address A % 256; the device address byte (write form)
// is base + 2 x block, base 0xA0 up to 16k and 0x00 for the 64k CamPac; read form + 1.
namespace campac {

inline constexpr std::array<int, 5> kSizes{256, 512, 1024, 2048, 8192};
inline constexpr int kBlockSize = 256;
// The page of our writes: at most 8 bytes, never across an 8-byte boundary, which every
// 24Cxx part accepts.
inline constexpr int kWritePage = 8;

inline bool IsSize(int bytes) {
    for (int size : kSizes) {
        if (size == bytes) {
            return true;
        }
    }
    return false;
}
inline Byte DeviceBase(int size) {
    return size == 8192 ? 0x00 : 0xA0;
}
inline Byte DeviceAddress(int size, int address) {
    return static_cast<Byte>(DeviceBase(size) + 2 * (address / kBlockSize));
}
inline Byte WordAddress(int address) {
    return static_cast<Byte>(address % kBlockSize);
}
// "2k CamPac" ... "64k CamPac"; empty for any other size.
inline std::string SizeName(int size) {
    return IsSize(size) ? std::to_string(size / 128) + "k CamPac" : std::string();
}

}  // namespace campac
