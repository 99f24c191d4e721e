#pragma once

#include <cstdint>
#include <vector>

#include "common/Bytes.h"

// Where a simulated EEPROM may refuse its acknowledge.
enum class AckFault {
    None,
    DeviceAddress,  // the device address in write form (the first byte of every access)
    WordAddress,    // the word address after it
    ReadAddress,    // the device address in read form
    WriteData,      // a data byte of a page write
    Everything,     // every acknowledge
};

// What the SCL line does when the master drives it.
enum class SclFault { None, StuckLow, StuckHigh };

// Switchable faults of the simulated CamPac.
struct EepromFaults {
    bool sdaStuckLow = false;
    SclFault scl = SclFault::None;
    AckFault noAck = AckFault::None;
    int flipAddress = -1;  // a read of this byte address returns it with `flipMask` flipped
    Byte flipMask = 0x01;
    bool writeProtected = false;  // acknowledges page writes but keeps the old bytes
};

// A serial EEPROM of one CamPac size, simulated bit by bit: it watches the SCL and SDA
// levels on the bus, answers the CamPac device addresses (0xA0 + 2 x block up to
// 2048 bytes, 0x00 + 2 x block for 8192 bytes), acknowledges, keeps a page buffer with
// roll-over inside its page, and after a page write is busy for the write cycle, during
// which it acknowledges nothing.
class SimulatedEeprom {
  public:
    static constexpr int kDefaultPageSize = 8;
    static constexpr std::int64_t kDefaultWriteCycleUs = 5000;

    explicit SimulatedEeprom(std::vector<Byte> image);

    int size() const { return static_cast<int>(memory_.size()); }
    const std::vector<Byte>& memory() const { return memory_; }
    std::vector<Byte>& memory() { return memory_; }
    EepromFaults& faults() { return faults_; }
    const EepromFaults& faults() const { return faults_; }
    void SetPageSize(int bytes) { pageSize_ = bytes > 0 ? bytes : 1; }
    void SetWriteCycleMicroseconds(std::int64_t us) { writeCycleUs_ = us; }

    // The bus levels after a change, at a time in microseconds.
    void OnBus(bool scl, bool sda, std::int64_t nowUs);
    // True while the EEPROM pulls SDA low (acknowledge or a 0 data bit).
    bool PullsSdaLow() const { return pullSdaLow_; }
    bool Busy(std::int64_t nowUs) const { return nowUs < busyUntilUs_; }

    // Byte-level access for the simulated USB firmware, with the same faults: nothing
    // when the device would not acknowledge.
    bool AnswersDevice(Byte deviceAddress, std::int64_t nowUs) const;
    bool ReadForFirmware(int address, Byte& value) const;
    bool WriteForFirmware(int address, Byte value);

    // Counters for tests and the benchmark.
    int startConditions() const { return starts_; }
    int stopConditions() const { return stops_; }
    int pageWrites() const { return pageWrites_; }

  private:
    enum class Phase { Idle, DeviceAddress, WordAddress, WriteData, ReadData, Ignore };

    bool Matches(Byte deviceAddress, int& block) const;
    bool Refuses(AckFault place) const;
    Byte ByteForRead(int address) const;
    void OnRise(bool sda, std::int64_t nowUs);
    void OnFall(std::int64_t nowUs);
    void EndOfReceivedByte(std::int64_t nowUs);
    void CommitPage(std::int64_t nowUs);

    std::vector<Byte> memory_;
    EepromFaults faults_;
    int pageSize_ = kDefaultPageSize;
    std::int64_t writeCycleUs_ = kDefaultWriteCycleUs;

    bool scl_ = true;
    bool sda_ = true;
    bool pullSdaLow_ = false;
    Phase phase_ = Phase::Idle;
    Phase nextPhase_ = Phase::Idle;  // the phase after the acknowledge clock
    int bits_ = 0;                   // clock rises seen in the current byte (9: the ack clock)
    int shift_ = 0;
    int block_ = 0;
    int address_ = 0;  // the address counter, 0 to size - 1
    Byte outByte_ = 0;
    bool masterAcked_ = false;
    std::vector<Byte> pageBuffer_;
    std::vector<bool> pageFilled_;
    int pageBase_ = 0;
    int pageBytes_ = 0;
    std::int64_t busyUntilUs_ = 0;

    int starts_ = 0;
    int stops_ = 0;
    int pageWrites_ = 0;
};
