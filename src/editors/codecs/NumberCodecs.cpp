#include <algorithm>
#include <bit>

#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"
#include "editors/codecs/CodecSupport.h"
#include "editors/codecs/Codecs.h"

std::optional<Message> FieldCodec::Check(const Field&, const FieldValue&, ConstModelRecord,
                                         const GroupPolicy&) const {
    return std::nullopt;
}

Status FieldCodec::Commit(const Field& field, const FieldValue& value, ModelRecord record,
                          const GroupPolicy& policy) const {
    if (auto refusal = Check(field, value, record, policy)) {
        return *refusal;
    }
    if (!policy.skipUnchanged || value != Decode(field, record)) {
        Write(field, value, record);
    }
    return Status::Ok();
}

std::vector<BitRef> FieldCodec::WrittenBits(const Field& field, const FieldValue&) const {
    return OwnedBits(field);
}

// A value must pass every range the field tests, so what it takes is where they overlap.
std::optional<std::pair<double, double>> FieldCodec::ShownRange(const Field& field) const {
    if (field.ranges.empty()) {
        return std::nullopt;
    }
    std::pair<double, double> taken{field.ranges.front().min, field.ranges.front().max};
    for (const ValueRange& range : field.ranges) {
        taken.first = std::max<double>(taken.first, range.min);
        taken.second = std::min<double>(taken.second, range.max);
    }
    return taken;
}

namespace codec {
namespace {

constexpr int kGyroCentre = 100;
// What a gyro rate value carries while it counts whole percent.
constexpr std::string_view kWholePercent = "%";

// Division rounding toward minus infinity, as an arithmetic shift does.
long long FloorDivide(long long value, long long divisor) {
    const long long quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

class ByteCodec : public FieldCodec {
  public:
    explicit ByteCodec(ByteFormat format)
        : format_(format),
          shift_(std::countr_zero(static_cast<unsigned>(format.mask))),
          kind_(KindName(format)) {}

    std::string_view Kind() const override { return kind_; }
    ShownKind Shown() const override { return ShownKind::Number; }

    FieldValue Decode(const Field& field, ConstModelRecord record) const override {
        long long raw = (ByteAt(record, field.offset) & format_.mask) >> shift_;
        const int width = std::popcount(static_cast<unsigned>(format_.mask));
        if (format_.isSigned && width > 0 && (raw & (1LL << (width - 1))) != 0) {
            raw -= 1LL << width;
        }
        return {(format_.negate ? -raw : raw) * format_.scale + format_.bias, {}};
    }

    std::string Show(const Field&, const FieldValue& value) const override {
        return format_.halves ? HalvesText(value.number) : std::to_string(value.number);
    }

    Result<FieldValue> Parse(const Field&, std::string_view text) const override {
        if (format_.halves) {
            const auto halves = DoubledDecimal(text);
            if (!halves) {
                return Prompt(literal::kEnterNumber);
            }
            return FieldValue{*halves, {}};
        }
        const bool takesSign = TakesSign();
        const auto number = WholeNumber(text, takesSign);
        if (!number) {
            return Prompt(takesSign ? literal::kEnterWholeNumber
                                    : literal::kEnterPositiveWholeNumber);
        }
        return FieldValue{*number, {}};
    }

    std::optional<Message> Check(const Field& field, const FieldValue& value, ConstModelRecord,
                                 const GroupPolicy& policy) const override {
        return CheckRanges(field, value.number, policy);
    }

    void Write(const Field& field, const FieldValue& value, ModelRecord record) const override {
        long long raw = FloorDivide(value.number - format_.bias, format_.scale);
        if (format_.negate) {
            raw = -raw;
        }
        PutBits(record, field.offset, format_.mask,
                static_cast<Byte>(static_cast<unsigned long long>(raw) << shift_));
    }

    std::vector<BitRef> OwnedBits(const Field& field) const override {
        return {{field.offset, format_.mask}};
    }

    std::optional<std::pair<double, double>> ShownRange(const Field& field) const override {
        auto range = FieldCodec::ShownRange(field);
        if (range && format_.halves) {
            range->first /= 2;
            range->second /= 2;
        }
        // An entry without a sign is all such a byte takes, whatever its range allows.
        if (range && !format_.halves && !TakesSign()) {
            range->first = std::max(range->first, 0.0);
        }
        return range;
    }

  private:
    bool TakesSign() const { return format_.isSigned || format_.negate || format_.bias < 0; }

    // "signed", "unsigned", "half-percent", and the scaling where there is one: "signed x4",
    // "unsigned +1", "signed 100-x", "unsigned -100".
    static std::string KindName(const ByteFormat& format) {
        if (format.halves) {
            return "half-percent";
        }
        std::string name = format.isSigned ? "signed" : "unsigned";
        if (format.scale != 1) {
            name += " x" + std::to_string(format.scale);
        }
        if (format.negate) {
            name += " " + std::to_string(format.bias) + "-x";
        } else if (format.bias != 0) {
            name += (format.bias > 0 ? " +" : " ") + std::to_string(format.bias);
        }
        return name;
    }

    ByteFormat format_;
    int shift_;
    std::string kind_;
};

// A whole byte shown as a signed whole number, its ranges tested as entered.
class WholeByteCodec : public FieldCodec {
  public:
    ShownKind Shown() const override { return ShownKind::Number; }
    std::string Show(const Field&, const FieldValue& value) const override {
        return std::to_string(value.number);
    }
    Result<FieldValue> Parse(const Field&, std::string_view text) const override {
        const auto number = WholeNumber(text, true);
        if (!number) {
            return Prompt(literal::kEnterWholeNumber);
        }
        return FieldValue{*number, {}};
    }
    std::optional<Message> Check(const Field& field, const FieldValue& value, ConstModelRecord,
                                 const GroupPolicy& policy) const override {
        return CheckRanges(field, value.number, policy);
    }
    std::vector<BitRef> OwnedBits(const Field& field) const override {
        return {{field.offset, 0xFF}};
    }
};

class SignMagnitudeCodec : public WholeByteCodec {
  public:
    explicit SignMagnitudeCodec(int minAmount) : minAmount_(minAmount) {}

    std::string_view Kind() const override { return "sign-magnitude"; }

    FieldValue Decode(const Field& field, ConstModelRecord record) const override {
        const Byte stored = ByteAt(record, field.offset);
        const long long amount = stored & 0x7F;
        return {(stored & 0x80) != 0 ? -amount : amount, {}};
    }
    FieldValue Written(const Field&, const FieldValue& value) const override {
        const long long amount = Amount(value);
        return {value.number < 0 ? -amount : amount, value.text};
    }
    void Write(const Field& field, const FieldValue& value, ModelRecord record) const override {
        PutByte(record, field.offset,
                static_cast<Byte>(Amount(value) | (value.number < 0 ? 0x80 : 0x00)));
    }

  private:
    long long Amount(const FieldValue& value) const {
        const long long amount =
            std::min<long long>(value.number < 0 ? -value.number : value.number, 127);
        return std::max<long long>(amount, minAmount_);
    }

    int minAmount_;
};

class MappedCodec : public WholeByteCodec {
  public:
    explicit MappedCodec(MappedFormat format) : format_(format) {}

    std::string_view Kind() const override { return format_.kind; }

    FieldValue Decode(const Field& field, ConstModelRecord record) const override {
        const Byte stored = ByteAt(record, field.offset);
        return {format_.shown(format_.isSigned ? static_cast<std::int8_t>(stored) : stored), {}};
    }
    void Write(const Field& field, const FieldValue& value, ModelRecord record) const override {
        const int stored = format_.stored(static_cast<int>(value.number));
        PutByte(record, field.offset, static_cast<Byte>(static_cast<unsigned>(stored) & 0xFF));
    }

  private:
    MappedFormat format_;
};

bool InGyroMode(int modeOffset, Byte modeMask, ConstModelRecord record) {
    return (ByteAt(record, modeOffset) & modeMask) == modeMask;
}

int GyroDistance(Byte stored) {
    return stored >= kGyroCentre ? stored - kGyroCentre : kGyroCentre - stored;
}

Byte GyroByte(bool avc, long long distance) {
    const long long value = avc ? kGyroCentre + distance : kGyroCentre - distance;
    return static_cast<Byte>(std::clamp<long long>(value, 0, 255));
}

class GyroRateCodec : public FieldCodec {
  public:
    GyroRateCodec(int modeOffset, Byte modeMask) : modeOffset_(modeOffset), modeMask_(modeMask) {}

    std::string_view Kind() const override { return "gyro-rate"; }
    ShownKind Shown() const override { return ShownKind::Number; }
    bool SharesItsByte() const override { return true; }

    FieldValue Decode(const Field& field, ConstModelRecord record) const override {
        const Byte stored = ByteAt(record, field.offset);
        if (InGyroMode(modeOffset_, modeMask_, record)) {
            return {2LL * GyroDistance(stored), std::string(kWholePercent)};
        }
        return {stored, {}};
    }
    // In rate/AVC mode the byte counts whole percent, shown without a decimal.
    std::string Show(const Field&, const FieldValue& value) const override {
        return value.text == kWholePercent ? std::to_string(value.number / 2)
                                           : HalvesText(value.number);
    }
    Result<FieldValue> Parse(const Field&, std::string_view text) const override {
        const auto halves = DoubledDecimal(text);
        if (!halves) {
            return Prompt(literal::kEnterNumber);
        }
        return FieldValue{*halves, {}};
    }
    std::optional<Message> Check(const Field& field, const FieldValue& value,
                                 ConstModelRecord record,
                                 const GroupPolicy& policy) const override {
        if (InGyroMode(modeOffset_, modeMask_, record)) {
            return CheckRange(value.number / 2, {0, kGyroCentre}, RefusalName(field));
        }
        return CheckRanges(field, value.number, policy);
    }
    void Write(const Field& field, const FieldValue& value, ModelRecord record) const override {
        const Byte stored = ByteAt(record, field.offset);
        PutByte(record, field.offset,
                InGyroMode(modeOffset_, modeMask_, record)
                    ? GyroByte(stored >= kGyroCentre, value.number / 2)
                    : static_cast<Byte>(value.number));
    }
    std::vector<BitRef> OwnedBits(const Field& field) const override {
        return {{field.offset, 0xFF}};
    }
    std::optional<std::pair<double, double>> ShownRange(const Field& field) const override {
        auto range = FieldCodec::ShownRange(field);
        if (range) {
            range->first /= 2;
            range->second /= 2;
        }
        return range;
    }

  private:
    int modeOffset_;
    Byte modeMask_;
};

class GyroSideCodec : public FieldCodec {
  public:
    GyroSideCodec(int modeOffset, Byte modeMask) : modeOffset_(modeOffset), modeMask_(modeMask) {}

    std::string_view Kind() const override { return "gyro-side"; }
    ShownKind Shown() const override { return ShownKind::Text; }
    bool SharesItsByte() const override { return true; }
    std::vector<std::string> Entries() const override { return {"Norm", "AVC"}; }

    FieldValue Decode(const Field& field, ConstModelRecord record) const override {
        return {ByteAt(record, field.offset) >= kGyroCentre ? 1 : 0, {}};
    }
    std::string Show(const Field&, const FieldValue& value) const override {
        return value.number != 0 ? "AVC" : "Norm";
    }
    Result<FieldValue> Parse(const Field& field, std::string_view text) const override {
        if (text == "Norm" || text == "AVC") {
            return FieldValue{text == "AVC" ? 1 : 0, {}};
        }
        return WrongEntry(RefusalName(field), std::string(literal::kNotInListTail) + "Norm, AVC");
    }
    void Write(const Field& field, const FieldValue& value, ModelRecord record) const override {
        if (InGyroMode(modeOffset_, modeMask_, record)) {
            PutByte(record, field.offset,
                    GyroByte(value.number != 0, GyroDistance(ByteAt(record, field.offset))));
        }
    }
    std::vector<BitRef> OwnedBits(const Field& field) const override {
        return {{field.offset, 0xFF}};
    }

  private:
    int modeOffset_;
    Byte modeMask_;
};

}  // namespace

CodecPtr Number(ByteFormat format) {
    return std::make_shared<ByteCodec>(format);
}

CodecPtr Mapped(MappedFormat format) {
    return std::make_shared<MappedCodec>(format);
}

CodecPtr SignMagnitude(int minAmount) {
    return std::make_shared<SignMagnitudeCodec>(minAmount);
}

CodecPtr GyroRate(int modeOffset, Byte modeMask) {
    return std::make_shared<GyroRateCodec>(modeOffset, modeMask);
}

CodecPtr GyroSide(int modeOffset, Byte modeMask) {
    return std::make_shared<GyroSideCodec>(modeOffset, modeMask);
}

}  // namespace codec
