#include "adapters/ModuleAccess.h"

#include <algorithm>

#include "adapters/AdapterTexts.h"
#include "adapters/CamPacAddressing.h"

namespace {

constexpr int kDeviceAddressTries = 10;
// How long the write engine polls for the end of a write cycle (24Cxx parts need up to
// 10 ms), and how long one poll waits for the acknowledge.
constexpr std::int64_t kWriteCycleLimitMs = 100;
constexpr int kPollAckLimitMs = 1;

Message Failure(NumberedText numbered) {
    return Message::Numbered(numbered, {}, MessageIcon::Stop);
}

Message AddressFailure(NumberedText numbered, int address) {
    return Message::Numbered(numbered, {static_cast<long long>(address)}, MessageIcon::Stop);
}

Message RefusedAnswer(int count, int start) {
    return Message::Numbered(txt::kUsbAnswerRefused,
                             {static_cast<long long>(count), static_cast<long long>(start)},
                             MessageIcon::Stop);
}

}  // namespace

bool ModuleAccess::Connect() {
    if (kind_ == AdapterKind::Usb) {
        return usb_ != nullptr && usb_->FindUsbAdapter();
    }
    if (lpt_ == nullptr || !lpt_->access().on()) {
        return false;
    }
    lpt_->ClearClockStuck();
    return lpt_->CheckLptAdapter() && lpt_->access().on();
}

void ModuleAccess::Disconnect() {
    if (kind_ == AdapterKind::Usb && usb_ != nullptr) {
        usb_->CloseUsbAdapter();
    }
}

int ModuleAccess::DetectCamPacSize() {
    if (kind_ == AdapterKind::Usb) {
        if (usb_ == nullptr || (!usb_->IsOpen() && !usb_->FindUsbAdapter())) {
            return 0;
        }
        return usb_->CheckCamPacSize();
    }
    // The highest block that answers tells the size: block 31 of the 64k addressing,
    // then blocks 7, 3, 1 and 0 of the 0xA0 addressing.
    struct Probe {
        Byte address;
        int size;
    };
    constexpr Probe kProbes[] = {
        {0x3E, 8192}, {0xAE, 2048}, {0xA6, 1024}, {0xA2, 512}, {0xA0, 256}};
    lpt_->I2cStop();
    for (const Probe& probe : kProbes) {
        lpt_->I2cStart();
        lpt_->I2cWriteByte(probe.address);
        lpt_->I2cCheckAck();
        lpt_->I2cWriteByte(0xFF);
        const bool answered = lpt_->I2cCheckAck();
        lpt_->I2cStop();
        if (answered) {
            return probe.size;
        }
    }
    return 0;
}

Message ModuleAccess::PortFaultOr(Message failure) const {
    if (lpt_ != nullptr && lpt_->access().fault()) {
        return PortFaultMessage(*lpt_->access().fault());
    }
    return failure;
}

Status ModuleAccess::LptFault() const {
    return PortFaultOr(
        Failure(txt::kAdapterNotAnswering).FollowedBy(Message::Numbered(txt::kCheckAdapter)));
}

Message ModuleAccess::ConnectFailure() const {
    if (kind_ == AdapterKind::Usb) {
        return Failure(txt::kUsbNotFound);
    }
    return LptFault().error();
}

Status ModuleAccess::LptAddressForWrite(int size, int address) {
    const Byte device = campac::DeviceAddress(size, address);
    int tries = kDeviceAddressTries;
    for (;;) {
        lpt_->I2cStart();
        if (!lpt_->I2cWriteByte(device)) {
            return LptFault();
        }
        if (--tries == 0) {
            lpt_->I2cStop();
            return Failure(txt::kDeviceAddressNotAcknowledged);
        }
        if (lpt_->I2cCheckAck()) {
            break;
        }
    }
    if (!lpt_->I2cWriteByte(campac::WordAddress(address))) {
        return LptFault();
    }
    if (!lpt_->I2cCheckAck()) {
        lpt_->I2cStop();
        return Failure(txt::kWordAddressNotAcknowledged);
    }
    return Status::Ok();
}

Result<Byte> ModuleAccess::LptRandomRead(int size, int address, bool stopAfter) {
    if (!lpt_->access().on()) {
        return LptFault().error();
    }
    if (Status addressed = LptAddressForWrite(size, address); !addressed) {
        return addressed.error();
    }
    lpt_->I2cStop();
    lpt_->I2cStart();
    if (!lpt_->I2cWriteByte(static_cast<Byte>(campac::DeviceAddress(size, address) + 1))) {
        return LptFault().error();
    }
    if (!lpt_->I2cCheckAck()) {
        lpt_->I2cStop();
        return Failure(txt::kReadAddressNotAcknowledged);
    }
    const std::optional<Byte> value = lpt_->I2cReadByte();
    if (!value) {
        return LptFault().error();
    }
    lpt_->I2cSendBit(1);
    if (size == 8192 && clockFor64k_) {
        lpt_->I2cSendBit(1);
    }
    if (stopAfter) {
        lpt_->I2cStop();
    }
    if (!lpt_->access().on()) {
        return LptFault().error();
    }
    return *value;
}

PassResult ModuleAccess::ReadPass(int size, std::span<const int> addresses, bool stopEach,
                                  const ByteSink& sink, const Checkpoint& checkpoint) {
    if (kind_ == AdapterKind::Usb) {
        return UsbReadPass(size, addresses, sink, checkpoint);
    }
    const int count = addresses.empty() ? size : static_cast<int>(addresses.size());
    for (int i = 0; i < count; ++i) {
        const int address = addresses.empty() ? i : addresses[static_cast<std::size_t>(i)];
        Result<Byte> value = LptRandomRead(size, address, stopEach);
        if (!value) {
            // A failed port access shows as a bus error too; the port's failure is the cause.
            return {PassEnd::Failed, PortFaultOr(value.error()), false};
        }
        sink(address, value.value());
        // The end reached is the address after the byte just read, so the last byte of the
        // module fills the progress.
        if (!checkpoint(address + 1)) {
            if (!stopEach) {
                lpt_->I2cStop();
            }
            return {PassEnd::Cancelled, std::nullopt, false};
        }
    }
    if (!stopEach) {
        lpt_->I2cStop();
    }
    return {};
}

// One READ command; the adapter answers with runs of at most 112 bytes, each beginning at
// or before the end reached so far, until the end address reaches the size. Every byte is
// passed on; a caller that wants only some of them picks them out.
PassResult ModuleAccess::UsbReadPass(int size, std::span<const int>, const ByteSink& sink,
                                     const Checkpoint& checkpoint) {
    if (!usb_->IsOpen() && !usb_->FindUsbAdapter()) {
        return {PassEnd::Failed, Failure(txt::kUsbNotFound), false};
    }
    usb_->SendRead(size);
    int end = 0;
    // Each real answer brings at least one new byte, so more answers than bytes cannot be.
    for (int answers = 0; end < size && answers < size; ++answers) {
        if (!usb_->AwaitAnswer(usb::kReadWaitMs, usb::kReadFetches)) {
            return {PassEnd::Failed, Failure(txt::kUsbNoReadyAnswer), true};
        }
        Result<UsbDataAnswer> answer = ParseUsbDataAnswer(usb_->report(), size);
        if (!answer) {
            return {PassEnd::Failed, answer.error(), false};
        }
        const UsbDataAnswer& run = answer.value();
        if (run.start > end) {
            // The bytes between would never arrive: the module would seem read in full.
            return {PassEnd::Failed, RefusedAnswer(run.count, run.start), false};
        }
        for (int i = 0; i < run.count; ++i) {
            sink(run.start + i, run.data[static_cast<std::size_t>(i)]);
        }
        end = std::max(end, run.start + run.count);
        if (!checkpoint(end)) {
            return {PassEnd::Cancelled, std::nullopt, false};
        }
    }
    if (end < size) {
        return {PassEnd::Failed, Failure(txt::kUsbNoReadyAnswer), true};
    }
    return {};
}

int ModuleAccess::RunLimit() const {
    return kind_ == AdapterKind::Usb ? usb::kMaxData : campac::kWritePage;
}

Status ModuleAccess::WriteRun(int size, int start, std::span<const Byte> bytes) {
    if (kind_ == AdapterKind::Usb) {
        if (!usb_->SendWrite(size, start, bytes) ||
            !usb_->AwaitAnswer(usb::kReadWaitMs, usb::kReadFetches)) {
            return Failure(txt::kUsbNoReadyAnswer);
        }
        // The answer repeats the count, and on success the start: anything else is not the
        // answer to this write (a firmware without the command leaves its last answer ready).
        const UsbReport& answer = usb_->report();
        const bool repeated = BigEndian16(answer, usb::kCount) == static_cast<int>(bytes.size());
        if (!repeated) {
            return AddressFailure(txt::kUsbWriteRefused, start);
        }
        if (answer[usb::kWriteStatus] != usb::kWriteOk) {
            return AddressFailure(txt::kUsbWriteRefused, BigEndian16(answer, usb::kStart));
        }
        if (BigEndian16(answer, usb::kStart) != start) {
            return AddressFailure(txt::kUsbWriteRefused, start);
        }
        return Status::Ok();
    }
    const Status written = LptWriteRun(size, start, bytes);
    return written ? written : Status(PortFaultOr(written.error()));
}

Status ModuleAccess::LptWriteRun(int size, int start, std::span<const Byte> bytes) {
    if (!lpt_->access().on()) {
        return LptFault();
    }
    if (Status addressed = LptAddressForWrite(size, start); !addressed) {
        return addressed;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!lpt_->I2cWriteByte(bytes[i])) {
            return LptFault();
        }
        if (!lpt_->I2cCheckAck()) {
            lpt_->I2cStop();
            return AddressFailure(txt::kDataNotAcknowledged, start + static_cast<int>(i));
        }
    }
    lpt_->I2cStop();
    // Acknowledge polling: the EEPROM answers its device address again once the write
    // cycle is over.
    const Byte device = campac::DeviceAddress(size, start);
    const std::int64_t begun = lpt_->clock().NowMilliseconds();
    for (;;) {
        lpt_->I2cStart();
        if (!lpt_->I2cWriteByte(device)) {
            return LptFault();
        }
        const bool ready = lpt_->I2cCheckAck(kPollAckLimitMs);
        lpt_->I2cStop();
        if (ready) {
            break;
        }
        if (lpt_->clock().NowMilliseconds() - begun > kWriteCycleLimitMs) {
            return AddressFailure(txt::kWriteCycleTimeout, start);
        }
    }
    if (!lpt_->access().on()) {
        return LptFault();
    }
    return Status::Ok();
}
