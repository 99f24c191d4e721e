#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

using Byte = std::uint8_t;

// Bounds-checked byte access: every helper refuses a range that does not lie inside its
// buffer instead of touching memory beyond it.
inline bool InRange(std::size_t size, std::size_t offset, std::size_t count) {
    return offset <= size && count <= size - offset;
}

inline bool CopyBytes(std::span<Byte> target, std::size_t targetOffset,
                      std::span<const Byte> source, std::size_t sourceOffset, std::size_t count) {
    if (!InRange(target.size(), targetOffset, count) ||
        !InRange(source.size(), sourceOffset, count)) {
        return false;
    }
    if (count > 0) {
        std::memmove(target.data() + targetOffset, source.data() + sourceOffset, count);
    }
    return true;
}

// A 16-bit big-endian number (high byte first); 0 when it lies outside the buffer.
inline int BigEndian16(std::span<const Byte> bytes, std::size_t offset) {
    if (!InRange(bytes.size(), offset, 2)) {
        return 0;
    }
    return bytes[offset] * 256 + bytes[offset + 1];
}

// Reads a byte buffer front to back; a read past the end fails and reads nothing.
class ByteCursor {
  public:
    explicit ByteCursor(std::span<const Byte> bytes) : bytes_(bytes) {}

    bool Read(std::span<Byte> out) {
        if (!CopyBytes(out, 0, bytes_, position_, out.size())) {
            return false;
        }
        position_ += out.size();
        return true;
    }
    bool Skip(std::size_t count) {
        if (!InRange(bytes_.size(), position_, count)) {
            return false;
        }
        position_ += count;
        return true;
    }
    std::size_t Remaining() const { return bytes_.size() - position_; }

  private:
    std::span<const Byte> bytes_;
    std::size_t position_ = 0;
};
