#pragma once

#include <cstdint>
#include <memory>

#include "adapters/ParallelPort.h"
#include "common/Result.h"

// A parallel port reached with the processor's own port instructions, where the kernel
// grants the process those three ports (ioperm: root or CAP_SYS_RAWIO, x86 only).
class DirectParallelPort : public ParallelPort {
  public:
    static Result<std::unique_ptr<ParallelPort>> Open(std::uint16_t baseAddress);
    ~DirectParallelPort() override;
    DirectParallelPort(const DirectParallelPort&) = delete;
    DirectParallelPort& operator=(const DirectParallelPort&) = delete;

    std::optional<Byte> ReadPort(std::uint16_t port) override;
    bool WritePort(std::uint16_t port, Byte value) override;

  private:
    explicit DirectParallelPort(std::uint16_t baseAddress) : base_(baseAddress) {}
    bool Owns(std::uint16_t port) const { return port >= base_ && port - base_ < 3; }

    std::uint16_t base_;
};
