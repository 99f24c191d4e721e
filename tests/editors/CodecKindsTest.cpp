#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "editors/FieldCodec.h"
#include "editors/codecs/Codecs.h"
#include "editors/fc18v3/Fc18v3Lists.h"

// Every codec kind the families use, by table: the bytes in the record, the text the page
// shows, an entry and the bytes it writes. The expected bytes are worked out by hand from
// the record descriptions, never from the codecs.
namespace {

constexpr std::size_t kSize = 16;
using Bytes = std::vector<std::pair<int, Byte>>;

struct KindCase {
    std::string what;
    codec::CodecPtr codec;
    std::vector<ValueRange> ranges;
    Bytes stored;       // record bytes before (the rest 0)
    std::string shown;  // what the page shows for them
    std::string entry;  // typed or chosen
    Bytes written;      // record bytes after the entry
};

std::ostream& operator<<(std::ostream& out, const KindCase& c) {
    return out << c.what;
}

KindCase Kind(std::string what, codec::CodecPtr codec, std::vector<ValueRange> ranges, Bytes stored,
              std::string shown, std::string entry, Bytes written) {
    return {std::move(what),  std::move(codec), std::move(ranges), std::move(stored),
            std::move(shown), std::move(entry), std::move(written)};
}

Field At(const KindCase& c, int offset = 2) {
    Field field;
    field.key = c.what;
    field.group = "g";
    field.offset = offset;
    field.codec = c.codec;
    field.ranges = c.ranges;
    field.minutesName = c.what + " min";
    field.secondsName = c.what + " sek";
    return field;
}

std::array<Byte, kSize> Record(const Bytes& bytes) {
    std::array<Byte, kSize> record{};
    for (const auto& [offset, value] : bytes) {
        record[static_cast<std::size_t>(offset)] = value;
    }
    return record;
}

class CodecKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(CodecKindTest, ShowsAndWritesAsTheRecordSays) {
    const KindCase& c = GetParam();
    const Field field = At(c);
    std::array<Byte, kSize> record = Record(c.stored);
    EXPECT_EQ(ShowField(field, DecodeField(field, record)), c.shown);
    const Result<FieldValue> entered = ParseEntry(field, c.entry);
    ASSERT_TRUE(entered.ok()) << entered.error().literal;
    const Status written = CheckAndWriteField(field, entered.value(), record);
    ASSERT_TRUE(written.ok()) << written.error().literal << written.error().text;
    std::array<Byte, kSize> expected = Record(c.stored);
    for (const auto& [offset, value] : c.written) {
        expected[static_cast<std::size_t>(offset)] = value;
    }
    EXPECT_EQ(record, expected);
}

codec::ByteFormat Masked(codec::ByteFormat format, Byte mask) {
    format.mask = mask;
    return format;
}

// The FX18 limit code: shown v = 100 - (b + 120) * 100 / 240, stored
// b = (100 - v) * 240 / 100 - 119, both divisions truncated.
int LimitShown(int stored) {
    return 100 - (stored + 120) * 100 / 240;
}
int LimitStored(int shown) {
    return (100 - shown) * 240 / 100 - 119;
}
const codec::MappedFormat kLimit{true, LimitShown, LimitStored, "limit"};

codec::TimerFormat MinSec() {
    codec::TimerFormat format;
    format.layout = codec::TimerLayout::MinSecBytes;
    format.secondsDelta = -1;
    format.minutesFirst = true;
    return format;
}

codec::TimerFormat Bcd() {
    codec::TimerFormat format;
    format.layout = codec::TimerLayout::Bcd;
    format.colonLimit = 3;
    format.minutesFirst = true;
    return format;
}

codec::TimerFormat Seconds13() {
    codec::TimerFormat format;
    format.layout = codec::TimerLayout::Seconds13;
    format.colonLimit = 3;
    format.maxMinutes = 136;
    return format;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CodecKindTest,
    testing::Values(
        Kind("signed", codec::Number(codec::kSigned), {{-120, 120}}, {{2, 0xFB}}, "-5", "-120",
             {{2, 0x88}}),
        Kind("unsigned", codec::Number(codec::kUnsigned), {{0, 140}}, {{2, 0xFB}}, "251", "140",
             {{2, 0x8C}}),
        Kind("low seven bits", codec::Number(Masked(codec::kUnsigned, 0x7F)), {{0, 100}},
             {{2, 0xE4}}, "100", "40", {{2, 0xA8}}),
        Kind("half-percent whole", codec::Number(codec::kHalfPercent), {{0, 200}}, {{2, 50}},
             "25.0", "37.5", {{2, 75}}),
        Kind("half-percent half", codec::Number(codec::kHalfPercent), {{0, 200}}, {{2, 75}}, "37.5",
             "100", {{2, 200}}),
        Kind("quarter", codec::Number(codec::kQuarter), {{-100, 100}}, {{2, 12}}, "48", "50", {}),
        Kind("quarter negative", codec::Number(codec::kQuarter), {{-100, 100}}, {{2, 0xFB}}, "-20",
             "-22", {{2, 0xFA}}),
        Kind("quarter minus hundred", codec::Number(codec::kQuarter), {{-100, 100}}, {}, "0",
             "-100", {{2, 0xE7}}),
        Kind("plus one", codec::Number(codec::kPlusOne), {{1, 8}}, {{2, 0}}, "1", "8", {{2, 7}}),
        Kind("hundred minus", codec::Number(codec::kHundredMinus), {}, {{2, 70}}, "30", "30", {}),
        Kind("hundred minus entered", codec::Number(codec::kHundredMinus), {}, {{2, 0}}, "100",
             "30", {{2, 70}}),
        Kind("plus hundred", codec::Number(codec::kMinusHundred), {{-100, 100}}, {{2, 0}}, "-100",
             "25", {{2, 125}}),
        Kind("low eight bits", codec::Number(codec::kSigned), {}, {}, "0", "200", {{2, 0xC8}}),
        Kind("limit 100", codec::Mapped(kLimit), {{0, 100}}, {{2, 121}}, "0", "100", {{2, 0x89}}),
        Kind("limit 0", codec::Mapped(kLimit), {{0, 100}}, {{2, 0x89}}, "100", "0", {{2, 121}}),
        Kind("sign-magnitude raised", codec::SignMagnitude(10), {{-110, 110}}, {{2, 138}}, "-10",
             "5", {{2, 10}}),
        Kind("sign-magnitude negative", codec::SignMagnitude(10), {{-110, 110}}, {}, "0", "-5",
             {{2, 138}}),
        Kind("sign-magnitude end", codec::SignMagnitude(10), {{-110, 110}}, {}, "0", "-110",
             {{2, 238}})));

INSTANTIATE_TEST_SUITE_P(
    Timers, CodecKindTest,
    testing::Values(Kind("tenths", codec::Timer({}), {}, {{2, 0x2C}, {3, 0x01}}, "00:30", "5:7",
                         {{2, 0xFE}, {3, 0x0B}}),
                    Kind("minutes and seconds", codec::Timer(MinSec()), {}, {{1, 59}, {2, 12}},
                         "12:59", "3:07", {{2, 3}, {1, 7}}),
                    Kind("bcd", codec::Timer(Bcd()), {}, {{2, 0x01}, {3, 0x30}}, "01:30", "12:05",
                         {{2, 0x12}, {3, 0x05}}),
                    Kind("13-bit seconds", codec::Timer(Seconds13()), {}, {{2, 0xE1}, {3, 0x2C}},
                         "05:00", "99:30", {{2, 0xF7}, {3, 0x52}}),
                    Kind("13-bit seconds keeps bits 5 to 7", codec::Timer(Seconds13()), {},
                         {{2, 0xA0}}, "00:00", "10:00", {{2, 0xA2}, {3, 0x58}})));

INSTANTIATE_TEST_SUITE_P(
    Names, CodecKindTest,
    testing::Values(Kind("plain", codec::Name({NameCharset::Plain, 4}), {},
                         {{2, 'W'}, {3, 'X'}, {4, 'Y'}, {5, 'Z'}}, "WXYZ", "ab",
                         {{2, 'a'}, {3, 'b'}, {4, ' '}, {5, ' '}}),
                    Kind("plus 128", codec::Name({NameCharset::Low7Bits, 4}), {},
                         {{2, 0xC1}, {3, 0xBA}, {4, 0xBA}, {5, 0xBA}}, "A:::", "ab",
                         {{2, 0xC1}, {3, 0xC2}, {4, 0xBA}, {5, 0xBA}}),
                    Kind("table indexes", codec::Name({NameCharset::Set1, 4}), {},
                         {{2, 14}, {3, 40}, {4, 0}, {5, 39}}, "A.0Z", "z9-",
                         {{2, 39}, {3, 9}, {4, 12}, {5, 10}}),
                    Kind("FF10 letters", codec::Name({NameCharset::Ff10, 4}), {},
                         {{2, 0x81}, {3, 0x5C}, {4, 'a'}, {5, 'b'}}, "ü¥ab", "öä",
                         {{2, 0x94}, {3, 0x84}, {4, ' '}, {5, ' '}})));

INSTANTIATE_TEST_SUITE_P(
    Lists, CodecKindTest,
    testing::Values(Kind("flag", codec::Flag(0x08), {}, {{2, 0x01}}, "0", "1", {{2, 0x09}}),
                    Kind("flag ticked when clear", codec::Flag(0x80, true), {}, {{2, 0x80}}, "0",
                         "1", {{2, 0x00}}),
                    Kind("switch code off", codec::Choice(fc18v3::SwitchCodeList()), {},
                         {{2, 0xE1}}, "+2", "Aus", {{2, 0xFF}}),
                    Kind("switch code -B", codec::Choice(fc18v3::SwitchCodeList()), {}, {{2, 0x1F}},
                         "Aus", "-B", {{2, 26}}),
                    Kind("mixer switch stars", codec::Choice(fc18v3::MixerSwitchList()), {},
                         {{2, 0x21}}, "+2", "**", {{2, 0x28}}),
                    Kind("mixer switch 31", codec::Choice(fc18v3::MixerSwitchList()), {},
                         {{2, 0x3F}}, "**", "+1", {{2, 0x20}}),
                    Kind("mixer switch -8", codec::Choice(fc18v3::MixerSwitchList()), {},
                         {{2, 0x08}}, "**", "-8", {{2, 0x17}}),
                    Kind("dual-rate switch", codec::Choice(fc18v3::DualRateSwitchList()), {},
                         {{2, 255}}, "Aus", "Schalter D", {{2, 12}}),
                    Kind("function nibble", codec::Choice(fc18v3::FunctionList(4)), {}, {{2, 0x81}},
                         "NTP", "8", {{2, 0x71}}),
                    Kind("multiprop", codec::Choice(fc18v3::MultiPropList(4)), {}, {{2, 0x6B}},
                         "Aus", "K. 6", {{2, 0x1B}}),
                    Kind("channel switch", codec::Choice(fc18v3::ChannelSwitchList()), {},
                         {{2, 0x83}}, "Kanal -4", "Kanal -1", {{2, 0x80}}),
                    Kind("gyro rate", codec::GyroRate(3, 0x30), {{0, 200}}, {{2, 75}}, "37.5", "25",
                         {{2, 50}}),
                    Kind("gyro rate AVC", codec::GyroRate(3, 0x30), {{0, 200}},
                         {{2, 130}, {3, 0x30}}, "30", "45", {{2, 145}}),
                    Kind("gyro side", codec::GyroSide(3, 0x30), {}, {{2, 70}, {3, 0x30}}, "Norm",
                         "AVC", {{2, 130}})));

// Entries the kinds refuse, with what the user is told.
struct RefusedCase {
    std::string what;
    codec::CodecPtr codec;
    std::vector<ValueRange> ranges;
    std::string entry;
    int text;             // the language text, or -1 for the program's own message
    std::string literal;  // that message, or the name given to text 219
    Bytes written;        // what the refused entry still wrote (the rest stays 0)
};

std::ostream& operator<<(std::ostream& out, const RefusedCase& c) {
    return out << c.what;
}

RefusedCase Refusal(std::string what, codec::CodecPtr codec, std::vector<ValueRange> ranges,
                    std::string entry, int text, std::string literal, Bytes written = {}) {
    return {std::move(what),    std::move(codec),  std::move(ranges), std::move(entry), text,
            std::move(literal), std::move(written)};
}

class CodecRefusalTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(CodecRefusalTest, RefusesAndTellsWhy) {
    const RefusedCase& c = GetParam();
    KindCase kind{c.what, c.codec, c.ranges, {}, "", "", {}};
    Field field = At(kind);
    field.refusal = "Name " + c.what;
    std::array<Byte, kSize> record{};
    Message message;
    const Result<FieldValue> entered = ParseEntry(field, c.entry);
    if (!entered.ok()) {
        message = entered.error();
    } else {
        const Status written = CheckAndWriteField(field, entered.value(), record);
        ASSERT_FALSE(written.ok());
        message = written.error();
    }
    EXPECT_EQ(message.subject, c.what);
    EXPECT_EQ(message.text, c.text);
    if (c.text == 219) {
        EXPECT_EQ(std::get<std::string>(message.arguments.at(0)), c.literal);
    } else {
        EXPECT_EQ(message.literal, c.literal);
    }
    EXPECT_EQ(record, Record(c.written));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CodecRefusalTest,
    testing::Values(
        Refusal("quarter", codec::Number(codec::kQuarter), {{-100, 100}}, "-101", 219,
                "Name quarter", {}),
        Refusal("plus one", codec::Number(codec::kPlusOne), {{1, 8}}, "0", 219, "Name plus one",
                {}),
        Refusal("plus one sign", codec::Number(codec::kPlusOne), {{1, 8}}, "-1", -1,
                "Geben Sie bitte eine positive ganze Zahl ein.", {}),
        Refusal("half-percent", codec::Number(codec::kHalfPercent), {{0, 200}}, "100.5", 219,
                "Name half-percent", {}),
        Refusal("sign-magnitude", codec::SignMagnitude(10), {{-110, 110}}, "111", 219,
                "Name sign-magnitude", {}),
        Refusal("seconds after minutes", codec::Timer(MinSec()), {}, "3:75", -1,
                "Falsche Eingabe 'seconds after minutes sek'\r\nFormat: mm:ss\r\n\r\nWert "
                "wird zurückgesetzt",
                {{2, 3}}),
        Refusal("colon too late", codec::Timer(Bcd()), {}, "123:00", -1,
                "Falsche Eingabe 'Name colon too late'\r\nFormat: mm:ss\r\n\r\nWert wird "
                "zurückgesetzt",
                {}),
        Refusal("bad character", codec::Name({NameCharset::Low7Bits, 4, {231, ""}}), {}, "A_1", 231,
                "", {{2, 0xC1}}),
        Refusal("not in the set", codec::Name({NameCharset::Set1, 4, {232, ""}}), {}, "AB!", 232,
                "", {{2, 14}, {3, 15}}),
        Refusal("whole name or nothing", codec::Name({NameCharset::Set1, 4, {232, ""}, true}), {},
                "AB!", 232, "", {}),
        Refusal("exchange prompt", codec::Number(codec::kSigned), {{-125, 125}}, "x", -1,
                "Geben Sie bitte eine ganze Zahl ein.", {})));

TEST(CodecRange, TheExchangePromptNamesTheBounds) {
    KindCase kind{"x", codec::Number(codec::kSigned), {{-125, 125}}, {}, "", "", {}};
    const Field field = At(kind);
    std::array<Byte, kSize> record{};
    const Status written =
        CheckAndWriteField(field, FieldValue{126, {}}, record, policy::kExchangePrompt);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().literal,
              "Geben Sie bitte eine ganze Zahl zwischen -125 und 125 ein.");
}

// A name kept as the page shows it keeps its bytes, even where the display translates them.
TEST(CodecUnchanged, AKeptNameKeepsItsBytes) {
    KindCase kind{"n", codec::Name({NameCharset::Ff10, 4}), {}, {}, "", "", {}};
    const Field field = At(kind);
    std::array<Byte, kSize> record = Record({{2, 0x81}, {3, 0x01}, {4, 0x89}, {5, 'x'}});
    const std::array<Byte, kSize> before = record;
    ASSERT_TRUE(CheckAndWriteField(field, DecodeField(field, record), record).ok());
    EXPECT_EQ(record, before);
}

// A 13-bit time beyond what may be typed ("136:31" has its colon too late) keeps its bytes
// while it is left as it shows; typed into another record it is refused.
TEST(CodecUnchanged, AKeptTimeIsNotTested) {
    KindCase kind{"t", codec::Timer(Seconds13()), {}, {}, "", "", {}};
    const Field field = At(kind);
    std::array<Byte, kSize> record = Record({{2, 0xFF}, {3, 0xFF}});
    const std::array<Byte, kSize> before = record;
    const FieldValue shown = DecodeField(field, record);
    EXPECT_EQ(shown.text, "136:31");
    ASSERT_TRUE(CheckAndWriteField(field, shown, record).ok());
    EXPECT_EQ(record, before);
    std::array<Byte, kSize> other{};
    EXPECT_FALSE(CheckAndWriteField(field, shown, other).ok());
    EXPECT_EQ(other, Record({}));
}

}  // namespace
