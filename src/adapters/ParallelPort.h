#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "common/Bytes.h"

// Byte-wide access to the I/O ports of a PC parallel port: the two primitives
// the LPT I2C bus is built on. An access that faults (no permission, port gone) reports
// it instead of raising: ReadPort gives nothing, WritePort gives false.
class ParallelPort {
  public:
    virtual ~ParallelPort() = default;
    virtual std::optional<Byte> ReadPort(std::uint16_t port) = 0;
    virtual bool WritePort(std::uint16_t port, Byte value) = 0;
};

// The "port access on" flag with its switch-off: the first fault clears it
// and tells the owner once (the program posts "transfer off" to its pages).
class PortAccessSwitch {
  public:
    bool on() const { return on_; }
    void SwitchOn() { on_ = true; }
    void SwitchPortAccessOff() {
        if (!on_) {
            return;
        }
        on_ = false;
        if (onSwitchedOff_) {
            onSwitchedOff_();
        }
    }
    void SetSwitchedOffHandler(std::function<void()> handler) {
        onSwitchedOff_ = std::move(handler);
    }

  private:
    bool on_ = true;
    std::function<void()> onSwitchedOff_;
};
