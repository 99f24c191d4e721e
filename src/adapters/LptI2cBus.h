#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "adapters/Clock.h"
#include "adapters/ParallelPort.h"
#include "common/Bytes.h"

class UserDialogs;

// The register and bit of each bus line on the parallel port.
namespace lpt {
inline constexpr std::uint16_t kDefaultBase = 0x378;
inline constexpr std::uint16_t kDataOffset = 0;     // SDA-out: bit 7, written inverted
inline constexpr std::uint16_t kStatusOffset = 1;   // SDA-in bit 7, SCL-in bit 3
inline constexpr std::uint16_t kControlOffset = 2;  // SCL-out: bit 3, written straight
inline constexpr Byte kSdaOutMask = 0x80;
inline constexpr Byte kSclOutMask = 0x08;
inline constexpr Byte kSdaInMask = 0x80;
inline constexpr Byte kSclInMask = 0x08;
}  // namespace lpt

// The four lines as the port's registers show them: the outputs as driven, the inputs as
// read back from the bus. True is level 1 (released), false level 0 (pulled low).
struct LineLevels {
    bool sclOut = false;
    bool sdaOut = false;
    bool sclIn = false;
    bool sdaIn = false;
    bool operator==(const LineLevels&) const = default;
};

// The main window's title during the waitstate calibration.
class WindowTitle {
  public:
    virtual ~WindowTitle() = default;
    virtual std::string Get() = 0;
    // Sets the title and repaints the window at once.
    virtual void SetAndRedraw(const std::string& title) = 0;
};

// An I2C bus master driven in software on four lines of a parallel port. Every
// line change is a read-modify-write of its register; timing comes from counted loops of
// `waitStates` passes. Waits for SCL-in have a limit: a line that never rises gives an
// error instead of a hang.
class LptI2cBus {
  public:
    static constexpr int kAckLimitMs = 50;
    static constexpr int kSclLimitMs = 50;

    LptI2cBus(ParallelPort& port, Clock& clock, PortAccessSwitch& access)
        : port_(port), clock_(clock), access_(access) {}

    void SetBaseAddress(std::uint16_t base) { base_ = base; }
    std::uint16_t baseAddress() const { return base_; }
    void SetWaitStates(int waitStates) { waitStates_ = waitStates < 0 ? 0 : waitStates; }
    int waitStates() const { return waitStates_; }
    PortAccessSwitch& access() { return access_; }
    Clock& clock() { return clock_; }

    // Line primitives: level 1 is a released (high) line, level 0 a line pulled low.
    void SetSda(int level);
    void SetScl(int level);
    bool GetSda();
    bool GetScl();
    // The levels of all four lines from the data, status and control registers; nothing
    // when a register cannot be read.
    std::optional<LineLevels> ReadLevels();
    // The manual line commands: each output to the other level, as its register shows it.
    void ToggleSclOut();
    void ToggleSdaOut();

    // Counted busy loops on the clock: N passes, and N x N passes.
    void ShortDelay();
    void LongDelay();

    // Bus primitives; the order of line changes and delays in each is fixed.
    void I2cStart();
    void I2cStop();
    // False when SCL-in stayed low longer than the limit at one of the eight bits.
    bool I2cWriteByte(Byte value);
    // Nothing when SCL-in stayed low longer than the limit.
    std::optional<Byte> I2cReadByte();
    // True when the slave pulled SDA low within 50 ms; false leaves both lines low.
    bool I2cCheckAck() { return I2cCheckAck(kAckLimitMs); }
    // The same with another limit (the write engine polls the write cycle with 1 ms).
    bool I2cCheckAck(int limitMilliseconds);
    void I2cSendBit(int bit);

    // Releases both lines (bus idle), as at start-up.
    void ReleaseLines();
    // Both bus lines follow the outputs; leaves them at level 1 on success.
    bool CheckLptAdapter();
    // The automatic search: the question (text 59), then passes with growing
    // waitstates until ten take more than 500 ms. Returns the new setting (also set on the
    // bus), or 0 when cancelled or when even 0 waitstates are too slow.
    int CalibrateWaitstates(UserDialogs& dialogs, WindowTitle& title);

    // Set when a wait for SCL-in ran out; stays until cleared.
    bool clockStuck() const { return clockStuck_; }
    void ClearClockStuck() { clockStuck_ = false; }

  private:
    void WriteLine(std::uint16_t offset, Byte mask, bool setBit);
    bool ReadLine(Byte mask);
    // A register at base + offset; a failed access switches port access off with its fault.
    std::optional<Byte> ReadRegister(std::uint16_t offset);
    bool WaitForSclHigh();

    ParallelPort& port_;
    Clock& clock_;
    PortAccessSwitch& access_;
    std::uint16_t base_ = lpt::kDefaultBase;
    int waitStates_ = 0;
    bool clockStuck_ = false;
};
