#include "adapters/LptI2cBus.h"

#include "adapters/AdapterTexts.h"
#include "common/TextFormat.h"
#include "common/UserDialogs.h"

namespace {

constexpr int kCalibrationStep = 10;
constexpr int kCalibrationPasses = 10;
constexpr std::int64_t kCalibrationLimitMs = 500;
// The setting is limited to 5000 (text 212); the search stops where its result would pass it.
constexpr int kCalibrationMaximum = 5000 * kCalibrationStep;

}  // namespace

// ---- line primitives ----------------------------------------------------------------

void LptI2cBus::WriteLine(std::uint16_t offset, Byte mask, bool setBit) {
    const std::uint16_t reg = static_cast<std::uint16_t>(base_ + offset);
    const std::optional<Byte> value = ReadRegister(offset);
    if (!value) {
        return;
    }
    const Byte changed = setBit ? static_cast<Byte>(*value | mask)
                                : static_cast<Byte>(*value & static_cast<Byte>(~mask));
    if (!port_.WritePort(reg, changed)) {
        access_.SwitchOffAfterFault({reg, port_.lastError()});
    }
}

std::optional<Byte> LptI2cBus::ReadRegister(std::uint16_t offset) {
    const std::uint16_t reg = static_cast<std::uint16_t>(base_ + offset);
    const std::optional<Byte> value = port_.ReadPort(reg);
    if (!value) {
        access_.SwitchOffAfterFault({reg, port_.lastError()});
    }
    return value;
}

bool LptI2cBus::ReadLine(Byte mask) {
    const std::optional<Byte> status = ReadRegister(lpt::kStatusOffset);
    return status && (*status & mask) != 0;
}

std::optional<LineLevels> LptI2cBus::ReadLevels() {
    const std::optional<Byte> data = ReadRegister(lpt::kDataOffset);
    const std::optional<Byte> status = ReadRegister(lpt::kStatusOffset);
    const std::optional<Byte> control = ReadRegister(lpt::kControlOffset);
    if (!data || !status || !control) {
        return std::nullopt;
    }
    return LineLevels{(*control & lpt::kSclOutMask) != 0, (*data & lpt::kSdaOutMask) == 0,
                      (*status & lpt::kSclInMask) != 0, (*status & lpt::kSdaInMask) != 0};
}

void LptI2cBus::ToggleSclOut() {
    if (const std::optional<Byte> control = ReadRegister(lpt::kControlOffset)) {
        SetScl((*control & lpt::kSclOutMask) != 0 ? 0 : 1);
    }
}

void LptI2cBus::ToggleSdaOut() {
    if (const std::optional<Byte> data = ReadRegister(lpt::kDataOffset)) {
        SetSda((*data & lpt::kSdaOutMask) != 0 ? 1 : 0);
    }
}

// SDA-out is inverted: level 1 clears bit 7 of the data register.
void LptI2cBus::SetSda(int level) {
    WriteLine(lpt::kDataOffset, lpt::kSdaOutMask, level == 0);
}

void LptI2cBus::SetScl(int level) {
    WriteLine(lpt::kControlOffset, lpt::kSclOutMask, level != 0);
}

bool LptI2cBus::GetSda() {
    return ReadLine(lpt::kSdaInMask);
}

bool LptI2cBus::GetScl() {
    return ReadLine(lpt::kSclInMask);
}

// ---- delays -------------------------------------------------------------------------

void LptI2cBus::ShortDelay() {
    clock_.CountedPasses(waitStates_);
}

void LptI2cBus::LongDelay() {
    clock_.CountedPasses(static_cast<std::int64_t>(waitStates_) * waitStates_);
}

// ---- bus primitives -----------------------------------------------------------------

bool LptI2cBus::WaitForSclHigh() {
    const std::int64_t start = clock_.NowMilliseconds();
    while (!GetScl()) {
        if (clock_.NowMilliseconds() - start > kSclLimitMs) {
            clockStuck_ = true;
            return false;
        }
    }
    return true;
}

void LptI2cBus::I2cStart() {
    SetSda(1);
    SetScl(1);
    LongDelay();
    SetSda(0);
    LongDelay();
    SetScl(0);
    LongDelay();
}

void LptI2cBus::I2cStop() {
    SetScl(0);
    SetSda(0);
    LongDelay();
    SetScl(1);
    LongDelay();
    SetSda(1);
    LongDelay();
}

bool LptI2cBus::I2cWriteByte(Byte value) {
    for (int bit = 7; bit >= 0; --bit) {
        SetSda((value >> bit) & 1);
        SetScl(1);
        LongDelay();
        if (!WaitForSclHigh()) {
            SetScl(0);
            return false;
        }
        SetScl(0);
    }
    SetSda(0);
    return true;
}

std::optional<Byte> LptI2cBus::I2cReadByte() {
    int value = 0;
    for (int index = 0; index < 8; ++index) {
        SetSda(1);
        ShortDelay();
        SetScl(1);
        if (!WaitForSclHigh()) {
            SetScl(0);
            return std::nullopt;
        }
        if (GetSda()) {
            value += 1;
        }
        if (index < 7) {
            value <<= 1;
        }
        SetScl(0);
        ShortDelay();
    }
    return static_cast<Byte>(value);
}

bool LptI2cBus::I2cCheckAck(int limitMilliseconds) {
    SetScl(0);
    SetSda(1);
    ShortDelay();
    const std::int64_t start = clock_.NowMilliseconds();
    SetScl(1);
    while (GetSda()) {
        if (clock_.NowMilliseconds() - start > limitMilliseconds) {
            SetScl(0);
            SetSda(0);
            return false;
        }
    }
    LongDelay();
    SetScl(0);
    SetSda(0);
    return true;
}

void LptI2cBus::I2cSendBit(int bit) {
    SetSda(bit);
    ShortDelay();
    SetScl(1);
    ShortDelay();
    SetScl(0);
}

void LptI2cBus::ReleaseLines() {
    SetSda(1);
    SetScl(1);
}

bool LptI2cBus::CheckLptAdapter() {
    SetSda(1);
    if (!GetSda()) {
        return false;
    }
    ShortDelay();
    SetScl(1);
    if (!GetScl()) {
        return false;
    }
    ShortDelay();
    SetScl(0);
    if (GetScl()) {
        return false;
    }
    ShortDelay();
    SetScl(1);
    return GetScl();
}

int LptI2cBus::CalibrateWaitstates(UserDialogs& dialogs, WindowTitle& title) {
    if (dialogs.Show(Message::Numbered(txt::kCalibrateQuestion)
                         .WithButtons(MessageButtons::OkCancel, MessageIcon::Question)) !=
        Answer::Ok) {
        return 0;
    }
    const std::string keptTitle = title.Get();
    int n = 0;
    for (;;) {
        waitStates_ = n;
        const std::int64_t start = clock_.NowMilliseconds();
        for (int i = 0; i < kCalibrationPasses; ++i) {
            const Byte b = static_cast<Byte>(i);
            I2cStart();
            I2cWriteByte(b);
            I2cWriteByte(b);
            I2cStop();
            I2cStart();
            I2cWriteByte(static_cast<Byte>(b + 1));
            I2cReadByte();
            I2cSendBit(1);
            I2cStop();
        }
        if (clock_.NowMilliseconds() - start > kCalibrationLimitMs || n >= kCalibrationMaximum) {
            break;
        }
        n += kCalibrationStep;
        title.SetAndRedraw(FormatText(literal::kCalibrationTitle, {static_cast<long long>(n)}));
    }
    title.SetAndRedraw(keptTitle);
    clockStuck_ = false;
    waitStates_ = n / kCalibrationStep;
    return waitStates_;
}
