#pragma once

#include <cstdint>
#include <memory>

#include "adapters/ParallelPort.h"
#include "common/Result.h"

// The parallel port on Windows NT and later, where user programs may not touch I/O ports:
// every access is a device-control request to the PortTalk driver. Opening starts the
// driver's service when it is installed but stopped.
class PortTalkParallelPort : public ParallelPort {
  public:
    // Fails with text 70 (no administrator rights to start the driver), 71, 74 (the
    // service would not start) or 75 (the driver cannot be opened).
    static Result<std::unique_ptr<ParallelPort>> Open(std::uint16_t baseAddress);
    ~PortTalkParallelPort() override;
    PortTalkParallelPort(const PortTalkParallelPort&) = delete;
    PortTalkParallelPort& operator=(const PortTalkParallelPort&) = delete;

    std::optional<Byte> ReadPort(std::uint16_t port) override;
    bool WritePort(std::uint16_t port, Byte value) override;

  private:
    // The driver's handle, kept as an opaque pointer so this header needs no windows.h.
    PortTalkParallelPort(void* driver, std::uint16_t base) : driver_(driver), base_(base) {}
    bool Owns(std::uint16_t port) const { return port >= base_ && port - base_ < 3; }

    void* driver_;
    std::uint16_t base_;
};
