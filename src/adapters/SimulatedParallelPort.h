#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "adapters/Clock.h"
#include "adapters/LptI2cBus.h"
#include "adapters/ParallelPort.h"
#include "adapters/SimulatedEeprom.h"
#include "adapters/VcdWriter.h"

// A PC parallel port with the passive CamPac adapter and, optionally, a simulated EEPROM
// in its socket. The registers behave as the adapter's wiring makes them: SDA-out is bit 7
// of the data register (inverted), SCL-out bit 3 of the control register, and the status
// register reads the bus levels at bit 7 (SDA-in) and bit 3 (SCL-in); its other bits hold
// a fixed pattern that the bus must mask away. Every access takes one modelled
// microsecond on the clock and is one time step of the optional VCD trace.
class SimulatedParallelPort : public ParallelPort {
  public:
    static constexpr Byte kStatusOtherBits = 0x37;
    static constexpr std::int64_t kMicrosecondsPerAccess = 1;

    SimulatedParallelPort(ModelledClock& clock, SimulatedEeprom* eeprom,
                          std::uint16_t base = lpt::kDefaultBase);
    ~SimulatedParallelPort() override;

    std::optional<Byte> ReadPort(std::uint16_t port) override;
    bool WritePort(std::uint16_t port, Byte value) override;

    // Records the bus into a VCD file from now on; false when the file cannot be made.
    bool StartTrace(const std::filesystem::path& path);
    void StopTrace();

    // Without the adapter the status inputs float high and follow nothing.
    void SetAdapterConnected(bool connected) { adapterConnected_ = connected; }
    // The adapter moves to another base address (the one the user chose).
    void SetBase(std::uint16_t base) { base_ = base; }
    // Every access faults (as a port the process may not reach), with EACCES.
    void SetAccessDenied(bool denied) { accessDenied_ = denied; }

    bool scl() const { return scl_; }
    bool sda() const { return sda_; }
    Byte dataRegister() const { return data_; }
    Byte controlRegister() const { return control_; }
    std::uint64_t accesses() const { return accesses_; }
    std::uint64_t clockPulses() const { return clockPulses_; }

  private:
    void Step();
    void Settle();

    ModelledClock& clock_;
    SimulatedEeprom* eeprom_;
    std::uint16_t base_;
    Byte data_ = 0x00;     // SDA-out released
    Byte control_ = 0x0C;  // SCL-out released
    bool scl_ = true;
    bool sda_ = true;
    bool adapterConnected_ = true;
    bool accessDenied_ = false;
    std::uint64_t accesses_ = 0;
    std::uint64_t clockPulses_ = 0;
    VcdWriter trace_;
};
