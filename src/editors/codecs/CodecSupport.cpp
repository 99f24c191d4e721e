#include "editors/codecs/CodecSupport.h"

#include <algorithm>

#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"

namespace codec {
namespace {

// The field exchange refuses numbers beyond a 32-bit integer.
constexpr long long kIntegerLimit = 2147483647LL;

}  // namespace

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

void PutBits(ModelRecord record, int offset, Byte mask, Byte bits) {
    PutByte(record, offset, static_cast<Byte>((ByteAt(record, offset) & ~mask) | (bits & mask)));
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

std::string HalvesText(long long halves) {
    const long long size = halves < 0 ? -halves : halves;
    return (halves < 0 ? "-" : "") + std::to_string(size / 2) + (size % 2 != 0 ? ".5" : ".0");
}

const std::string& RefusalName(const Field& field) {
    return field.refusal.empty() ? field.key : field.refusal;
}

Message WrongEntry(const std::string& name, std::string_view tail) {
    return Message::Literal(std::string(literal::kWrongEntryHead) + name + std::string(tail),
                            MessageIcon::Warning);
}

Message Prompt(std::string_view text) {
    return Message::Literal(std::string(text), MessageIcon::Warning);
}

std::optional<Message> CheckRanges(const Field& field, long long value, const GroupPolicy& policy) {
    for (const ValueRange& range : field.ranges) {
        if (value >= range.min && value <= range.max) {
            continue;
        }
        if (field.exchangePrompt ||
            policy.rangeMessage == GroupPolicy::RangeMessage::ExchangePrompt) {
            return Prompt(std::string(literal::kEnterNumberBetweenHead) +
                          std::to_string(range.min) + std::string(literal::kEnterNumberBetweenAnd) +
                          std::to_string(range.max) + std::string(literal::kEnterNumberBetweenEnd));
        }
        return CheckRange(value, range, RefusalName(field));
    }
    return std::nullopt;
}

}  // namespace codec
