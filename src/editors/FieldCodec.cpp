#include "editors/FieldCodec.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "common/Cp1252.h"
#include "common/TextToInt.h"
#include "editors/EditorTexts.h"

namespace {

constexpr int kTenthsPerSecond = 10;
constexpr int kGyroCentre = 100;
// The framework's exchange refuses numbers beyond a 32-bit integer.
constexpr long long kIntegerLimit = 2147483647LL;

Byte ByteAt(ConstModelRecord record, int offset) {
    if (offset < 0 || static_cast<std::size_t>(offset) >= record.size()) {
        return 0;
    }
    return record[static_cast<std::size_t>(offset)];
}

void PutByte(ModelRecord record, int offset, Byte value) {
    if (offset >= 0 && static_cast<std::size_t>(offset) < record.size()) {
        record[static_cast<std::size_t>(offset)] = value;
    }
}

std::uint16_t PatternBytes(const Field& field, ConstModelRecord record) {
    std::uint16_t bits = ByteAt(record, field.offset);
    if (field.secondOffset >= 0) {
        bits = static_cast<std::uint16_t>(bits | (ByteAt(record, field.secondOffset) << 8));
    }
    return bits;
}

long long DecodeChoice(const Field& field, ConstModelRecord record) {
    const std::uint16_t bits = PatternBytes(field, record);
    long long best = -1;
    int bestWeight = -1;
    for (std::size_t i = 0; i < field.choices->entries.size(); ++i) {
        const BitPattern& read = field.choices->entries[i].read;
        const int weight = std::popcount(read.care);
        if ((bits & read.care) == read.value && weight > bestWeight) {
            best = static_cast<long long>(i);
            bestWeight = weight;
        }
    }
    if (best < 0 && field.choices->fallback) {
        best = *field.choices->fallback;
    }
    return best;
}

void WriteChoice(const Field& field, std::size_t entry, ModelRecord record) {
    const BitPattern& write = field.choices->entries[entry].write;
    const std::uint16_t bits = PatternBytes(field, record);
    const auto changed = static_cast<std::uint16_t>((bits & ~write.care) | write.value);
    PutByte(record, field.offset, static_cast<Byte>(changed & 0xFF));
    if (field.secondOffset >= 0) {
        PutByte(record, field.secondOffset, static_cast<Byte>(changed >> 8));
    }
}

bool InGyroMode(const Field& field, ConstModelRecord record) {
    return (ByteAt(record, field.secondOffset) & field.mask) == field.mask;
}

int GyroDistance(Byte stored) {
    return stored >= kGyroCentre ? stored - kGyroCentre : kGyroCentre - stored;
}

Byte GyroByte(bool avc, int distance) {
    const int value = avc ? kGyroCentre + distance : kGyroCentre - distance;
    return static_cast<Byte>(std::clamp(value, 0, 255));
}

int TimerTenths(const Field& field, ConstModelRecord record) {
    return ByteAt(record, field.offset) | (ByteAt(record, field.offset + 1) << 8);
}

std::string TimerText(int tenths) {
    const int seconds = tenths / kTenthsPerSecond;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
    return text;
}

std::string NameText(const Field& field, ConstModelRecord record) {
    std::string bytes;
    for (int i = 0; i < field.length; ++i) {
        bytes += static_cast<char>(ByteAt(record, field.offset + i));
    }
    return Cp1252ToUtf8(bytes);
}

std::string HalvesText(long long halves) {
    std::string text = std::to_string(halves / 2);
    if (halves % 2 != 0) {
        text = (halves < 0 && halves / 2 == 0 ? "-" : "") + text + ".5";
    }
    return text;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A whole number with optional sign, nothing else; nothing when the text is not one.
std::optional<long long> WholeNumber(std::string_view text, bool signAllowed) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || (signAllowed && text.front() == '-'))) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > kIntegerLimit) {
            return std::nullopt;
        }
    }
    return negative ? -value : value;
}

// A decimal number doubled and truncated toward zero, computed from its digits so that no
// rounding of binary fractions moves an entry such as 37.5 to the wrong half.
std::optional<long long> DoubledDecimal(std::string_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (char c : whole) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = std::min(value * 10 + (c - '0'), kIntegerLimit);
    }
    for (char c : fraction) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    const long long halves = value * 2 + (!fraction.empty() && fraction.front() >= '5' ? 1 : 0);
    return negative ? -halves : halves;
}

Message WrongEntry(const std::string& name, std::string_view tail) {
    return Message::Literal(std::string(literal::kWrongEntryHead) + name + std::string(tail),
                            MessageIcon::Warning);
}

Message Prompt(std::string_view text) {
    return Message::Literal(std::string(text), MessageIcon::Warning);
}

std::optional<Message> CheckRanges(const Field& field, long long value) {
    for (const ValueRange& range : field.ranges) {
        if (auto refusal = CheckRange(value, range, field.name)) {
            return refusal;
        }
    }
    return std::nullopt;
}

Status WriteTimer(const Field& field, const std::string& text, ModelRecord record) {
    constexpr std::size_t kLastColonPosition = 4;
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon > kLastColonPosition) {
        return WrongEntry(field.name, literal::kTimerWholeEntryTail);
    }
    const int minutes = TextToInt(std::string_view(text).substr(0, colon));
    if (auto refusal = CheckMinSec(minutes, field.minutesName)) {
        return *refusal;
    }
    const int seconds = TextToInt(std::string_view(text).substr(colon + 1));
    if (auto refusal = CheckMinSec(seconds, field.secondsName)) {
        return *refusal;
    }
    const int tenths = (minutes * 60 + seconds) * kTenthsPerSecond;
    if (TimerText(tenths) != TimerText(TimerTenths(field, record))) {
        PutByte(record, field.offset, static_cast<Byte>(tenths & 0xFF));
        PutByte(record, field.offset + 1, static_cast<Byte>(tenths >> 8));
    }
    return Status::Ok();
}

Status WriteName(const Field& field, const std::string& text, ModelRecord record) {
    std::string bytes = Utf8ToCp1252(text);
    if (bytes.size() > static_cast<std::size_t>(field.length)) {
        return WrongEntry(field.name, std::string(literal::kNameTooLongHead) +
                                          std::to_string(field.length) +
                                          std::string(literal::kNameTooLongEnd));
    }
    bytes.resize(static_cast<std::size_t>(field.length), ' ');
    for (int i = 0; i < field.length; ++i) {
        PutByte(record, field.offset + i, static_cast<Byte>(bytes[static_cast<std::size_t>(i)]));
    }
    return Status::Ok();
}

}  // namespace

ShownKind KindOf(const Field& field) {
    switch (field.codec) {
        case Codec::SignedByte:
        case Codec::UnsignedByte:
        case Codec::HalfPercent:
        case Codec::GyroRate:
            return ShownKind::Number;
        case Codec::Flag:
            return ShownKind::CheckMark;
        case Codec::Choice:
        case Codec::Timer:
        case Codec::Name:
        case Codec::GyroAvc:
            return ShownKind::Text;
    }
    return ShownKind::Text;
}

FieldValue DecodeField(const Field& field, ConstModelRecord record) {
    const Byte stored = ByteAt(record, field.offset);
    FieldValue value;
    switch (field.codec) {
        case Codec::SignedByte:
            value.number = static_cast<std::int8_t>(stored);
            break;
        case Codec::UnsignedByte:
            value.number = stored & field.mask;
            break;
        case Codec::HalfPercent:
            value.number = stored;
            break;
        case Codec::Flag:
            value.number = ((stored & field.mask) != 0) != field.tickedWhenClear ? 1 : 0;
            break;
        case Codec::Choice:
            value.number = DecodeChoice(field, record);
            if (value.number < 0) {
                value.text = std::string(literal::kUnlistedCodePrefix) +
                             std::to_string(PatternBytes(field, record));
            }
            break;
        case Codec::Timer:
            value.text = TimerText(TimerTenths(field, record));
            break;
        case Codec::Name:
            value.text = NameText(field, record);
            break;
        case Codec::GyroRate:
            value.number = InGyroMode(field, record) ? 2LL * GyroDistance(stored) : stored;
            break;
        case Codec::GyroAvc:
            value.number = stored >= kGyroCentre ? 1 : 0;
            break;
    }
    return value;
}

std::string ShowField(const Field& field, const FieldValue& value) {
    switch (field.codec) {
        case Codec::SignedByte:
        case Codec::UnsignedByte:
        case Codec::Flag:
            return std::to_string(value.number);
        case Codec::HalfPercent:
        case Codec::GyroRate:
            return HalvesText(value.number);
        case Codec::Choice:
            if (value.number >= 0 &&
                static_cast<std::size_t>(value.number) < field.choices->entries.size()) {
                return field.choices->entries[static_cast<std::size_t>(value.number)].text;
            }
            return value.text;
        case Codec::Timer:
        case Codec::Name:
            return value.text;
        case Codec::GyroAvc:
            return value.number != 0 ? "AVC" : "Norm";
    }
    return value.text;
}

Result<FieldValue> ParseEntry(const Field& field, std::string_view text) {
    FieldValue value;
    switch (field.codec) {
        case Codec::SignedByte:
        case Codec::UnsignedByte: {
            const bool signedField = field.codec == Codec::SignedByte;
            const auto number = WholeNumber(text, signedField);
            if (!number) {
                return Prompt(signedField ? literal::kEnterWholeNumber
                                          : literal::kEnterPositiveWholeNumber);
            }
            value.number = *number;
            return value;
        }
        case Codec::HalfPercent:
        case Codec::GyroRate: {
            const auto halves = DoubledDecimal(text);
            if (!halves) {
                return Prompt(literal::kEnterNumber);
            }
            value.number = *halves;
            return value;
        }
        case Codec::Flag: {
            const std::string_view word = Trimmed(text);
            if (word != "0" && word != "1" && word != "true" && word != "false") {
                return Prompt(literal::kEnterCheckMark);
            }
            value.number = word == "1" || word == "true" ? 1 : 0;
            return value;
        }
        case Codec::GyroAvc:
        case Codec::Choice: {
            std::vector<std::string> texts;
            if (field.codec == Codec::GyroAvc) {
                texts = {"Norm", "AVC"};
            } else {
                for (const ChoiceEntry& entry : field.choices->entries) {
                    texts.push_back(entry.text);
                }
            }
            std::string listed;
            for (std::size_t i = 0; i < texts.size(); ++i) {
                if (texts[i] == text) {
                    value.number = static_cast<long long>(i);
                    return value;
                }
                listed += (i == 0 ? "" : ", ") + texts[i];
            }
            return WrongEntry(field.name, std::string(literal::kNotInListTail) + listed);
        }
        case Codec::Timer:
        case Codec::Name:
            value.text = std::string(text);
            return value;
    }
    return value;
}

Status CheckAndWriteField(const Field& field, const FieldValue& value, ModelRecord record) {
    if (field.IsShownOnly() || !IsFieldShown(field, record) || !IsFieldEnabled(field, record)) {
        return Status::Ok();
    }
    const bool unchanged = value == DecodeField(field, record);
    const Byte stored = ByteAt(record, field.offset);
    switch (field.codec) {
        case Codec::SignedByte:
        case Codec::UnsignedByte:
        case Codec::HalfPercent:
            if (auto refusal = CheckRanges(field, value.number)) {
                return *refusal;
            }
            if (!unchanged) {
                const auto bits = static_cast<Byte>(value.number);
                PutByte(record, field.offset,
                        field.codec == Codec::UnsignedByte
                            ? static_cast<Byte>((stored & ~field.mask) | (bits & field.mask))
                            : bits);
            }
            return Status::Ok();
        case Codec::Flag:
            if (!unchanged) {
                SetModelBit(record, field.offset, field.mask,
                            (value.number != 0) != field.tickedWhenClear);
            }
            return Status::Ok();
        case Codec::Choice:
            if (!unchanged && value.number >= 0 &&
                static_cast<std::size_t>(value.number) < field.choices->entries.size()) {
                WriteChoice(field, static_cast<std::size_t>(value.number), record);
            }
            return Status::Ok();
        case Codec::Timer:
            return WriteTimer(field, value.text, record);
        case Codec::Name:
            return unchanged ? Status::Ok() : WriteName(field, value.text, record);
        case Codec::GyroRate:
            if (InGyroMode(field, record)) {
                const long long rate = value.number / 2;
                if (auto refusal = CheckRange(rate, {0, kGyroCentre}, field.name)) {
                    return *refusal;
                }
                if (!unchanged) {
                    PutByte(record, field.offset,
                            GyroByte(stored >= kGyroCentre, static_cast<int>(rate)));
                }
                return Status::Ok();
            }
            if (auto refusal = CheckRanges(field, value.number)) {
                return *refusal;
            }
            if (!unchanged) {
                PutByte(record, field.offset, static_cast<Byte>(value.number));
            }
            return Status::Ok();
        case Codec::GyroAvc:
            if (!unchanged && InGyroMode(field, record)) {
                PutByte(record, field.offset, GyroByte(value.number != 0, GyroDistance(stored)));
            }
            return Status::Ok();
    }
    return Status::Ok();
}

std::optional<Message> CheckRange(long long value, const ValueRange& range,
                                  const std::string& name) {
    if (value >= range.min && value <= range.max) {
        return std::nullopt;
    }
    return Message::Numbered(
        txt::kRangeRefused,
        {name, static_cast<long long>(range.min), static_cast<long long>(range.max), value},
        MessageIcon::Warning);
}

std::optional<Message> CheckMinSec(long long value, const std::string& name) {
    if (value >= 0 && value < 60) {
        return std::nullopt;
    }
    return WrongEntry(name, literal::kTimerPartTail);
}

void SetModelBit(ModelRecord record, int offset, Byte mask, bool on) {
    const Byte stored = ByteAt(record, offset);
    PutByte(record, offset,
            on ? static_cast<Byte>(stored | mask) : static_cast<Byte>(stored & ~mask));
}
