#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "common/Bytes.h"
#include "common/Message.h"

// Byte-wide access to the I/O ports of a PC parallel port: the two primitives
// the LPT I2C bus is built on. An access that faults (no permission, port gone) reports
// it instead of raising: ReadPort gives nothing, WritePort gives false, and lastError()
// the system's error code of that access.
class ParallelPort {
  public:
    virtual ~ParallelPort() = default;
    virtual std::optional<Byte> ReadPort(std::uint16_t port) = 0;
    virtual bool WritePort(std::uint16_t port, Byte value) = 0;
    int lastError() const { return lastError_; }

  protected:
    void SetLastError(int systemError) { lastError_ = systemError; }

  private:
    int lastError_ = 0;
};

// A port access that failed: the register and the system's error code.
struct PortFault {
    std::uint16_t port = 0;
    int systemError = 0;
};

// Text 76 with the system's error code, and the register and the system's own words for
// the error after it.
Message PortFaultMessage(const PortFault& fault);

// The "port access on" flag with its switch-off: the first fault clears it, keeps what
// failed, and tells the owner once (the program posts "transfer off" to its pages).
class PortAccessSwitch {
  public:
    bool on() const { return on_; }
    // Port access on again (the parallel-port adapter chosen anew); the old fault is gone.
    void SwitchOn() {
        on_ = true;
        fault_.reset();
    }
    void SwitchPortAccessOff() {
        if (!on_) {
            return;
        }
        on_ = false;
        if (onSwitchedOff_) {
            onSwitchedOff_();
        }
    }
    // A port access failed: only the first failure while access is on is kept.
    void SwitchOffAfterFault(PortFault fault) {
        if (on_) {
            fault_ = fault;
        }
        SwitchPortAccessOff();
    }
    // What switched port access off, when a failed access did.
    const std::optional<PortFault>& fault() const { return fault_; }
    void SetSwitchedOffHandler(std::function<void()> handler) {
        onSwitchedOff_ = std::move(handler);
    }

  private:
    bool on_ = true;
    std::optional<PortFault> fault_;
    std::function<void()> onSwitchedOff_;
};
