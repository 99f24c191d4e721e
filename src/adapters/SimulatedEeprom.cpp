#include "adapters/SimulatedEeprom.h"

#include <utility>

SimulatedEeprom::SimulatedEeprom(std::vector<Byte> image) : memory_(std::move(image)) {
    if (memory_.empty()) {
        memory_.assign(256, 0xFF);
    }
}

bool SimulatedEeprom::Matches(Byte deviceAddress, int& block) const {
    if (size() == 8192) {
        if ((deviceAddress & 0xC0) != 0) {
            return false;
        }
        block = (deviceAddress >> 1) & 0x1F;
        return true;
    }
    if ((deviceAddress & 0xF0) != 0xA0) {
        return false;
    }
    block = (deviceAddress >> 1) & 0x07;
    return block < size() / 256;
}

bool SimulatedEeprom::Refuses(AckFault place) const {
    return faults_.noAck == place || faults_.noAck == AckFault::Everything;
}

Byte SimulatedEeprom::ByteForRead(int address) const {
    Byte value = memory_[static_cast<std::size_t>(address)];
    if (address == faults_.flipAddress) {
        value = static_cast<Byte>(value ^ faults_.flipMask);
    }
    return value;
}

void SimulatedEeprom::OnBus(bool scl, bool sda, std::int64_t nowUs) {
    const bool prevScl = scl_;
    const bool prevSda = sda_;
    scl_ = scl;
    sda_ = sda;
    if (prevScl && scl) {
        if (prevSda && !sda) {
            // Start condition (or a repeated start): a page not yet ended by a stop is lost.
            ++starts_;
            phase_ = Phase::DeviceAddress;
            bits_ = 0;
            shift_ = 0;
            pageBytes_ = 0;
            pullSdaLow_ = false;
        } else if (!prevSda && sda) {
            ++stops_;
            if (phase_ == Phase::WriteData && pageBytes_ > 0) {
                CommitPage(nowUs);
            }
            pageBytes_ = 0;
            phase_ = Phase::Idle;
            pullSdaLow_ = false;
        }
        return;
    }
    if (!prevScl && scl) {
        OnRise(sda, nowUs);
    } else if (prevScl && !scl) {
        OnFall(nowUs);
    }
}

void SimulatedEeprom::OnRise(bool sda, std::int64_t) {
    switch (phase_) {
        case Phase::DeviceAddress:
        case Phase::WordAddress:
        case Phase::WriteData:
            if (bits_ < 8) {
                shift_ = ((shift_ << 1) | (sda ? 1 : 0)) & 0xFF;
                ++bits_;
            } else if (bits_ == 8) {
                bits_ = 9;
            }
            break;
        case Phase::ReadData:
            ++bits_;
            if (bits_ == 9) {
                masterAcked_ = !sda;
            }
            break;
        case Phase::Idle:
        case Phase::Ignore:
            break;
    }
}

void SimulatedEeprom::OnFall(std::int64_t nowUs) {
    switch (phase_) {
        case Phase::DeviceAddress:
        case Phase::WordAddress:
        case Phase::WriteData:
            if (bits_ == 8) {
                EndOfReceivedByte(nowUs);
            } else if (bits_ == 9) {
                pullSdaLow_ = false;
                bits_ = 0;
                shift_ = 0;
                phase_ = nextPhase_;
                if (phase_ == Phase::ReadData) {
                    outByte_ = ByteForRead(address_);
                    pullSdaLow_ = (outByte_ & 0x80) == 0;
                }
            }
            break;
        case Phase::ReadData:
            if (bits_ >= 1 && bits_ <= 7) {
                pullSdaLow_ = ((outByte_ >> (7 - bits_)) & 1) == 0;
            } else if (bits_ == 8) {
                pullSdaLow_ = false;  // the master's acknowledge slot
            } else if (bits_ == 9) {
                address_ = (address_ + 1) % size();
                if (masterAcked_) {
                    outByte_ = ByteForRead(address_);
                    bits_ = 0;
                    pullSdaLow_ = (outByte_ & 0x80) == 0;
                } else {
                    phase_ = Phase::Ignore;
                    pullSdaLow_ = false;
                }
            }
            break;
        case Phase::Idle:
        case Phase::Ignore:
            break;
    }
}

void SimulatedEeprom::EndOfReceivedByte(std::int64_t nowUs) {
    const Byte received = static_cast<Byte>(shift_);
    bool ack = false;
    switch (phase_) {
        case Phase::DeviceAddress: {
            int block = 0;
            const bool reading = (received & 1) != 0;
            if (Matches(received, block) && !Busy(nowUs) &&
                !Refuses(reading ? AckFault::ReadAddress : AckFault::DeviceAddress)) {
                ack = true;
                block_ = block;
                if (reading) {
                    address_ = block * 256 + (address_ % 256);
                    nextPhase_ = Phase::ReadData;
                } else {
                    nextPhase_ = Phase::WordAddress;
                }
            }
            break;
        }
        case Phase::WordAddress:
            if (!Refuses(AckFault::WordAddress)) {
                ack = true;
                address_ = block_ * 256 + received;
                pageBytes_ = 0;
                nextPhase_ = Phase::WriteData;
            }
            break;
        case Phase::WriteData:
            if (!Refuses(AckFault::WriteData)) {
                ack = true;
                if (pageBytes_ == 0) {
                    pageBase_ = address_ - address_ % pageSize_;
                    pageBuffer_.assign(static_cast<std::size_t>(pageSize_), 0);
                    pageFilled_.assign(static_cast<std::size_t>(pageSize_), false);
                }
                const int offset = address_ - pageBase_;
                pageBuffer_[static_cast<std::size_t>(offset)] = received;
                pageFilled_[static_cast<std::size_t>(offset)] = true;
                ++pageBytes_;
                // Roll-over: the counter wraps inside the page, never into the next one.
                address_ = pageBase_ + (offset + 1) % pageSize_;
                nextPhase_ = Phase::WriteData;
            }
            break;
        default:
            break;
    }
    if (ack) {
        pullSdaLow_ = true;
    } else {
        phase_ = Phase::Ignore;
        pullSdaLow_ = false;
    }
}

void SimulatedEeprom::CommitPage(std::int64_t nowUs) {
    if (!faults_.writeProtected) {
        for (int i = 0; i < pageSize_; ++i) {
            if (pageFilled_[static_cast<std::size_t>(i)]) {
                memory_[static_cast<std::size_t>(pageBase_ + i)] =
                    pageBuffer_[static_cast<std::size_t>(i)];
            }
        }
    }
    ++pageWrites_;
    busyUntilUs_ = nowUs + writeCycleUs_;
}

bool SimulatedEeprom::AnswersDevice(Byte deviceAddress, std::int64_t nowUs) const {
    int block = 0;
    return !faults_.sdaStuckLow && faults_.scl == SclFault::None && Matches(deviceAddress, block) &&
           !Busy(nowUs) && !Refuses(AckFault::DeviceAddress);
}

bool SimulatedEeprom::ReadForFirmware(int address, Byte& value) const {
    if (address < 0 || address >= size() || faults_.sdaStuckLow || faults_.scl != SclFault::None ||
        Refuses(AckFault::DeviceAddress) || Refuses(AckFault::WordAddress) ||
        Refuses(AckFault::ReadAddress)) {
        return false;
    }
    value = ByteForRead(address);
    return true;
}

bool SimulatedEeprom::WriteForFirmware(int address, Byte value) {
    if (address < 0 || address >= size() || faults_.sdaStuckLow || faults_.scl != SclFault::None ||
        Refuses(AckFault::DeviceAddress) || Refuses(AckFault::WordAddress) ||
        Refuses(AckFault::WriteData)) {
        return false;
    }
    if (!faults_.writeProtected) {
        memory_[static_cast<std::size_t>(address)] = value;
    }
    return true;
}
