#include "adapters/SimulatedParallelPort.h"

#include <cerrno>

SimulatedParallelPort::SimulatedParallelPort(ModelledClock& clock, SimulatedEeprom* eeprom,
                                             std::uint16_t base)
    : clock_(clock), eeprom_(eeprom), base_(base) {
    Settle();
}

SimulatedParallelPort::~SimulatedParallelPort() {
    StopTrace();
}

bool SimulatedParallelPort::StartTrace(const std::filesystem::path& path) {
    return trace_.Open(path, scl_, sda_);
}

void SimulatedParallelPort::StopTrace() {
    trace_.Close(accesses_ + 1);
}

void SimulatedParallelPort::Step() {
    ++accesses_;
    clock_.Advance(kMicrosecondsPerAccess);
}

// The levels on the bus: open-drain lines that anyone may pull low.
void SimulatedParallelPort::Settle() {
    const bool masterScl = (control_ & lpt::kSclOutMask) != 0;
    const bool masterSda = (data_ & lpt::kSdaOutMask) == 0;
    bool scl = masterScl;
    const EepromFaults* faults = eeprom_ != nullptr ? &eeprom_->faults() : nullptr;
    if (faults != nullptr && faults->scl == SclFault::StuckLow) {
        scl = false;
    } else if (faults != nullptr && faults->scl == SclFault::StuckHigh) {
        scl = true;
    }
    const auto sdaLevel = [&] {
        bool sda = masterSda;
        if (eeprom_ != nullptr && (eeprom_->PullsSdaLow() || eeprom_->faults().sdaStuckLow)) {
            sda = false;
        }
        return sda;
    };
    bool sda = sdaLevel();
    if (eeprom_ != nullptr) {
        eeprom_->OnBus(scl, sda, clock_.NowMicroseconds());
        const bool answered = sdaLevel();
        if (answered != sda) {
            sda = answered;
            eeprom_->OnBus(scl, sda, clock_.NowMicroseconds());
        }
    }
    if (scl && !scl_) {
        ++clockPulses_;
    }
    scl_ = scl;
    sda_ = sda;
    trace_.Record(accesses_, scl_, sda_);
}

std::optional<Byte> SimulatedParallelPort::ReadPort(std::uint16_t port) {
    if (accessDenied_) {
        SetLastError(EACCES);
        return std::nullopt;
    }
    Step();
    if (port == base_) {
        return data_;
    }
    if (port == base_ + 1) {
        if (!adapterConnected_) {
            return static_cast<Byte>(kStatusOtherBits | lpt::kSdaInMask | lpt::kSclInMask);
        }
        Byte status = kStatusOtherBits;
        if (sda_) {
            status |= lpt::kSdaInMask;
        }
        if (scl_) {
            status |= lpt::kSclInMask;
        }
        return status;
    }
    if (port == base_ + 2) {
        return control_;
    }
    return 0xFF;
}

bool SimulatedParallelPort::WritePort(std::uint16_t port, Byte value) {
    if (accessDenied_) {
        SetLastError(EACCES);
        return false;
    }
    Step();
    if (port == base_) {
        data_ = value;
    } else if (port == base_ + 2) {
        control_ = value;
    } else {
        return true;
    }
    Settle();
    return true;
}
