#pragma once

#include <functional>
#include <optional>
#include <span>

#include "adapters/LptI2cBus.h"
#include "adapters/UsbAdapter.h"
#include "common/Result.h"

enum class AdapterKind { Lpt, Usb };

// How a whole-module pass ended.
enum class PassEnd { Done, Cancelled, Failed };
struct PassResult {
    PassEnd end = PassEnd::Done;
    std::optional<Message> failure;
    // True when the failure is the USB adapter giving no ready answer in time.
    bool usbTimeout = false;
};

// The byte-level traffic with the module through either adapter, shared by read,
// compare, backup, write and verify.
class ModuleAccess {
  public:
    // Called with every byte as it arrives.
    using ByteSink = std::function<void(int address, Byte value)>;
    // Called after every byte (LPT) or answer (USB) with the end address reached; false
    // stops the pass (cancelled).
    using Checkpoint = std::function<bool(int end)>;

    ModuleAccess(AdapterKind kind, LptI2cBus* lpt, UsbAdapter* usb, bool clockFor64k)
        : kind_(kind), lpt_(lpt), usb_(usb), clockFor64k_(clockFor64k) {}

    AdapterKind kind() const { return kind_; }
    // LPT: port access on and the adapter check; USB: the adapter is found (left open).
    bool Connect();
    void Disconnect();
    // Why Connect failed: the failed port access (text 76), the adapter not answering
    // (texts 86 and 87) or the USB adapter not found (text 101).
    Message ConnectFailure() const;
    // The CamPac size in bytes, or 0.
    int DetectCamPacSize();

    // Reads the addresses of `addresses` (all of them in order when empty); the USB
    // adapter always sends every byte, so the sink picks out the ones it wants. `stopEach`
    // ends every LPT byte with a stop condition (compare) instead of a repeated start.
    PassResult ReadPass(int size, std::span<const int> addresses, bool stopEach,
                        const ByteSink& sink, const Checkpoint& checkpoint);
    // Writes `bytes` (at most one 8-byte page, LPT; at most 112 bytes, USB) at `start`
    // and waits for the end of the write cycle.
    Status WriteRun(int size, int start, std::span<const Byte> bytes);
    // Most bytes one WriteRun takes.
    int RunLimit() const;

  private:
    Result<Byte> LptRandomRead(int size, int address, bool stopAfter);
    Status LptAddressForWrite(int size, int address);
    Status LptFault() const;
    // The failed port access when one switched port access off, else `failure`.
    Message PortFaultOr(Message failure) const;
    Status LptWriteRun(int size, int start, std::span<const Byte> bytes);
    PassResult UsbReadPass(int size, std::span<const int> addresses, const ByteSink& sink,
                           const Checkpoint& checkpoint);

    AdapterKind kind_;
    LptI2cBus* lpt_;
    UsbAdapter* usb_;
    bool clockFor64k_;
};
