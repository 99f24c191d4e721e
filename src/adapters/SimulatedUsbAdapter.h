#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "adapters/Clock.h"
#include "adapters/HidTransport.h"
#include "adapters/SimulatedEeprom.h"
#include "adapters/UsbAdapter.h"

// Faults of the simulated USB adapter itself.
struct UsbFirmwareFaults {
    bool neverReady = false;      // answers stay "not ready"
    bool transportFails = false;  // every report exchange fails
    int oversizedCountAt = -1;    // the READ answer starting here claims 113 bytes
    int beyondSizeAt = -1;        // the READ answer starting here claims to end beyond the size
    int skipAheadAt = -1;         // the READ answer starting here claims to start 16 bytes on
    bool noWriteCommand = false;  // WRIT is unknown: the last answer fetched stays ready
    std::string infoText;         // another information text (empty: the normal one)
};

// The firmware of the USB adapter, simulated: it answers CHCK, READ, INFO, WAIT and WRIT
// from a simulated EEPROM, each answer ready a configurable time after the command (or
// after the previous answer was fetched), and a write answer only after the write cycles
// of its pages.
class SimulatedUsbFirmware : public HidDevice {
  public:
    static constexpr int kDefaultAnswerDelayMs = 20;
    static constexpr int kProcessorClock = 12000000;

    SimulatedUsbFirmware(SimulatedEeprom& eeprom, Clock& clock) : eeprom_(eeprom), clock_(clock) {}

    bool SetFeature(std::span<const Byte> report) override;
    bool GetFeature(std::span<Byte> report) override;

    void SetAnswerDelayMilliseconds(int ms) { answerDelayMs_ = ms; }
    void SetWriteCycleMilliseconds(int ms) { writeCycleMs_ = ms; }
    UsbFirmwareFaults& faults() { return faults_; }
    int divisor() const { return divisor_; }
    int prescalerIndex() const { return prescalerIndex_; }
    const std::vector<std::string>& commands() const { return commands_; }

  private:
    void Queue(const UsbReport& answer, std::int64_t delayUs);
    void AnswerSizeCheck();
    void AnswerRead(const UsbReport& request);
    void AnswerInfo();
    void AnswerWrite(const UsbReport& request);

    SimulatedEeprom& eeprom_;
    Clock& clock_;
    UsbFirmwareFaults faults_;
    int answerDelayMs_ = kDefaultAnswerDelayMs;
    int writeCycleMs_ = 5;
    int divisor_ = 52;
    int prescalerIndex_ = 0;
    struct Pending {
        UsbReport report;
        std::int64_t delayUs;
    };
    std::deque<Pending> answers_;
    UsbReport lastFetched_{};
    std::int64_t readyAtUs_ = 0;
    std::vector<std::string> commands_;
};

// A HID system with the simulated adapter plugged in (and, for tests, other devices).
class SimulatedHidSystem : public HidSystem {
  public:
    SimulatedHidSystem(SimulatedEeprom& eeprom, Clock& clock);

    std::vector<HidDeviceEntry> Enumerate() override { return entries_; }
    std::unique_ptr<HidDevice> Open(const std::string& path) override;

    SimulatedUsbFirmware& firmware() { return firmware_; }
    // Adds a device in front of the adapter (one with another report length, say).
    void AddDeviceFirst(HidDeviceEntry entry) { entries_.insert(entries_.begin(), entry); }
    void Unplug() { entries_.clear(); }

  private:
    SimulatedUsbFirmware firmware_;
    std::vector<HidDeviceEntry> entries_;
};
