#include <cstdio>
#include <vector>

#include "common/Cp1252.h"
#include "common/TextToInt.h"
#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"
#include "editors/codecs/CodecSupport.h"
#include "editors/codecs/Codecs.h"

namespace codec {
namespace {

constexpr int kTenthsPerSecond = 10;
constexpr int kSeconds13Limit = 8191;

std::string TwoNumbers(const char* format, int first, int second) {
    char text[32];
    std::snprintf(text, sizeof text, format, first, second);
    return text;
}

Byte BcdByte(int value) {
    return static_cast<Byte>((value / 10) * 16 + value % 10);
}

class TimerCodec : public FieldCodec {
  public:
    explicit TimerCodec(TimerFormat format) : format_(format) {}

    std::string_view Kind() const override { return "timer"; }
    ShownKind Shown() const override { return ShownKind::Text; }

    FieldValue Decode(const Field& field, ConstModelRecord record) const override {
        const Byte first = ByteAt(record, field.offset);
        const Byte second = ByteAt(record, field.offset + format_.secondsDelta);
        switch (format_.layout) {
            case TimerLayout::Tenths16: {
                const int seconds = (first | (second << 8)) / kTenthsPerSecond;
                return {0, TwoNumbers("%02d:%02d", seconds / 60, seconds % 60)};
            }
            case TimerLayout::MinSecBytes:
                return {0, TwoNumbers("%02d:%02d", first, second)};
            case TimerLayout::Bcd: {
                char text[32];
                std::snprintf(text, sizeof text, "%01d%01d:%01d%01d", first >> 4, first & 15,
                              second >> 4, second & 15);
                return {0, text};
            }
            case TimerLayout::Seconds13: {
                const int seconds = ((first & 0x1F) << 8) | second;
                return {0, TwoNumbers("%02d:%02d", seconds / 60, seconds % 60)};
            }
        }
        return {};
    }
    std::string Show(const Field&, const FieldValue& value) const override { return value.text; }
    Result<FieldValue> Parse(const Field&, std::string_view text) const override {
        return FieldValue{0, std::string(text)};
    }

    // A time left as it shows is not tested: a stored time beyond what may be typed (the
    // 13-bit timer holds up to 136:31) keeps its bytes while the rest of its group commits.
    Status Commit(const Field& field, const FieldValue& value, ModelRecord record,
                  const GroupPolicy& policy) const override {
        const std::string& text = value.text;
        if (policy.skipUnchanged && text == Decode(field, record).text) {
            return Status::Ok();
        }
        const std::size_t colon = text.find(':');
        if (colon == std::string::npos || colon >= static_cast<std::size_t>(format_.colonLimit)) {
            if (format_.wholeEntryText.number != 0) {
                return Message::Numbered(format_.wholeEntryText, {}, MessageIcon::Warning);
            }
            return WrongEntry(RefusalName(field), literal::kTimerWholeEntryTail);
        }
        const int minutes = TextToInt(std::string_view(text).substr(0, colon));
        if (auto refusal = CheckPart(minutes, format_.maxMinutes, field.minutesName)) {
            return *refusal;
        }
        const std::string before = Decode(field, record).text;
        if (format_.minutesFirst) {
            PutByte(record, field.offset, Stored(minutes));
        }
        const int seconds = TextToInt(std::string_view(text).substr(colon + 1));
        if (auto refusal = CheckPart(seconds, 59, field.secondsName)) {
            return *refusal;
        }
        if (format_.layout == TimerLayout::Seconds13 && minutes * 60 + seconds > kSeconds13Limit) {
            return *CheckPart(seconds, -1, field.secondsName);
        }
        std::vector<Byte> written(record.begin(), record.end());
        StoreSeconds(field, minutes * 60 + seconds, written);
        if (!policy.skipUnchanged || Decode(field, written).text != before) {
            StoreSeconds(field, minutes * 60 + seconds, record);
        }
        return Status::Ok();
    }

    // An entry that passed the tests: "mm:ss".
    void Write(const Field& field, const FieldValue& value, ModelRecord record) const override {
        const std::size_t colon = value.text.find(':');
        if (colon == std::string::npos) {
            return;
        }
        const std::string_view text = value.text;
        StoreSeconds(field,
                     TextToInt(text.substr(0, colon)) * 60 + TextToInt(text.substr(colon + 1)),
                     record);
    }

    std::vector<BitRef> OwnedBits(const Field& field) const override {
        const Byte first = format_.layout == TimerLayout::Seconds13 ? 0x1F : 0xFF;
        return {{field.offset, first}, {field.offset + format_.secondsDelta, 0xFF}};
    }

  private:
    void StoreSeconds(const Field& field, int total, ModelRecord record) const {
        const int secondsAt = field.offset + format_.secondsDelta;
        switch (format_.layout) {
            case TimerLayout::Tenths16: {
                const int tenths = total * kTenthsPerSecond;
                PutByte(record, field.offset, static_cast<Byte>(tenths & 0xFF));
                PutByte(record, secondsAt, static_cast<Byte>(tenths >> 8));
                break;
            }
            case TimerLayout::MinSecBytes:
            case TimerLayout::Bcd:
                PutByte(record, field.offset, Stored(total / 60));
                PutByte(record, secondsAt, Stored(total % 60));
                break;
            case TimerLayout::Seconds13:
                PutBits(record, field.offset, 0x1F, static_cast<Byte>(total >> 8));
                PutByte(record, secondsAt, static_cast<Byte>(total & 0xFF));
                break;
        }
    }

    Byte Stored(int part) const {
        return format_.layout == TimerLayout::Bcd ? BcdByte(part) : static_cast<Byte>(part);
    }
    std::optional<Message> CheckPart(int value, int max, const std::string& name) const {
        if (value >= 0 && value <= max) {
            return std::nullopt;
        }
        if (format_.partText.number != 0) {
            return Message::Numbered(format_.partText, {}, MessageIcon::Warning);
        }
        return WrongEntry(name, literal::kTimerPartTail);
    }

    TimerFormat format_;
};

// The FF10 shows five of its codes as other letters; a name typed with those letters gets
// the FF10's codes back, so that a name kept as it is keeps its bytes.
Byte Ff10Code(Byte character) {
    switch (character) {
        case 0xA5:
            return 0x5C;
        case 0xFC:
            return 0x81;
        case 0xE4:
            return 0x84;
        case 0xEB:
            return 0x89;
        case 0xF6:
            return 0x94;
        default:
            return character;
    }
}

std::string_view SetOf(NameCharset charset) {
    switch (charset) {
        case NameCharset::Set1:
            return charset::kSet1;
        case NameCharset::Set2:
            return charset::kSet2;
        case NameCharset::Set3:
            return charset::kSet3;
        case NameCharset::Set4:
            return charset::kSet4;
        default:
            return {};
    }
}

class NameCodec : public FieldCodec {
  public:
    explicit NameCodec(NameFormat format) : format_(format) {}

    std::string_view Kind() const override { return "name"; }
    ShownKind Shown() const override { return ShownKind::Text; }

    FieldValue Decode(const Field& field, ConstModelRecord record) const override {
        std::string bytes;
        for (int i = 0; i < format_.length; ++i) {
            bytes += static_cast<char>(
                DecodeNameByte(format_.charset, ByteAt(record, field.offset + i)));
        }
        return {0, Cp1252ToUtf8(bytes)};
    }
    std::string Show(const Field&, const FieldValue& value) const override { return value.text; }
    Result<FieldValue> Parse(const Field&, std::string_view text) const override {
        return FieldValue{0, std::string(text)};
    }

    // A plain name longer than its bytes is refused as a whole, and so is a name that
    // stores characters + 128 (its field takes no more than its bytes either). A name left
    // as it shows is not tested (it may show "." for codes of no character).
    std::optional<Message> Check(const Field& field, const FieldValue& value,
                                 ConstModelRecord record,
                                 const GroupPolicy& policy) const override {
        if (policy.skipUnchanged && value == Decode(field, record)) {
            return std::nullopt;
        }
        const bool plain = format_.charset == NameCharset::Plain ||
                           format_.charset == NameCharset::Ff10 ||
                           format_.charset == NameCharset::Low7Bits;
        if (plain && Utf8ToCp1252(value.text).size() > static_cast<std::size_t>(format_.length)) {
            return WrongEntry(RefusalName(field), std::string(literal::kNameTooLongHead) +
                                                      std::to_string(format_.length) +
                                                      std::string(literal::kNameTooLongEnd));
        }
        if (format_.checkAllFirst && Encoded(value.text).size() < Padded(value.text).size()) {
            return Message::Numbered(format_.badCharacterText, {}, MessageIcon::Warning);
        }
        return std::nullopt;
    }

    Status Commit(const Field& field, const FieldValue& value, ModelRecord record,
                  const GroupPolicy& policy) const override {
        if (policy.skipUnchanged && value == Decode(field, record)) {
            return Status::Ok();
        }
        if (auto refusal = Check(field, value, record, policy)) {
            return *refusal;
        }
        return Store(field, value.text, record);
    }

    void Write(const Field& field, const FieldValue& value, ModelRecord record) const override {
        Store(field, value.text, record);
    }

    std::vector<BitRef> OwnedBits(const Field& field) const override {
        std::vector<BitRef> bits;
        for (int i = 0; i < format_.length; ++i) {
            bits.push_back({field.offset + i, 0xFF});
        }
        return bits;
    }

  private:
    // The entry blank padded (or cut) to the name's length, in Windows-1252.
    std::string Padded(const std::string& text) const {
        std::string bytes = Utf8ToCp1252(text);
        bytes.resize(static_cast<std::size_t>(format_.length), ' ');
        return bytes;
    }

    // The stored codes of the padded entry up to the first character the set cannot hold.
    std::vector<Byte> Encoded(const std::string& text) const {
        std::vector<Byte> codes;
        for (const char character : Padded(text)) {
            const auto stored = Encode(static_cast<Byte>(character));
            if (!stored) {
                break;
            }
            codes.push_back(*stored);
        }
        return codes;
    }

    // Writes the characters one by one; a character the set cannot hold stops the entry
    // (those before it stay written).
    Status Store(const Field& field, const std::string& text, ModelRecord record) const {
        const std::vector<Byte> codes = Encoded(text);
        for (std::size_t i = 0; i < codes.size(); ++i) {
            PutByte(record, field.offset + static_cast<int>(i), codes[i]);
        }
        if (codes.size() < static_cast<std::size_t>(format_.length)) {
            return Message::Numbered(format_.badCharacterText, {}, MessageIcon::Warning);
        }
        return Status::Ok();
    }

    std::optional<Byte> Encode(Byte character) const {
        const bool upper = format_.charset == NameCharset::Low7Bits ||
                           format_.charset == NameCharset::Set1 ||
                           format_.charset == NameCharset::Set2;
        if (upper && character >= 'a' && character <= 'z') {
            character = static_cast<Byte>(character - 'a' + 'A');
        }
        switch (format_.charset) {
            case NameCharset::Plain:
                return character;
            case NameCharset::Ff10:
                return Ff10Code(character);
            case NameCharset::Low7Bits:
                if (character == ' ') {
                    character = ':';
                }
                if (character < ')' || character > '[') {
                    return std::nullopt;
                }
                return static_cast<Byte>(character + 128);
            case NameCharset::Digit:
                if (character < '0' || character > '9') {
                    return std::nullopt;
                }
                return static_cast<Byte>(character - '0');
            default: {
                if (character == '.') {
                    return DotCode();
                }
                const std::size_t position =
                    SetOf(format_.charset).find(static_cast<char>(character));
                if (position == std::string_view::npos) {
                    return std::nullopt;
                }
                return static_cast<Byte>(position);
            }
        }
    }

    // The sets also show "." for codes that stand for nothing; a typed full stop is the
    // set's own full stop, where it has one.
    std::optional<Byte> DotCode() const {
        switch (format_.charset) {
            case NameCharset::Set2:
                return 54;
            case NameCharset::Set3:
                return 14;
            case NameCharset::Set4:
                return 64;
            default:
                return std::nullopt;
        }
    }

    NameFormat format_;
};

}  // namespace

CodecPtr Timer(TimerFormat format) {
    return std::make_shared<TimerCodec>(format);
}

CodecPtr Name(NameFormat format) {
    return std::make_shared<NameCodec>(format);
}

}  // namespace codec
