#include <gtest/gtest.h>

#include <array>
#include <string>

#include "editors/CommonLists.h"
#include "editors/FieldCodec.h"
#include "editors/PageBuilder.h"

namespace {

constexpr int kRecordSize = 64;
using Record = std::array<Byte, kRecordSize>;

const ChoiceList& ControllerLikeList() {
    static const ChoiceList list = [] {
        ChoiceList built = CodeList({"+ A", "- A", "+ B", "- B"}, 0xFF);
        built.entries[1].write = built.entries[1].read = {0x10, 0xFF};
        built.entries[2].write = built.entries[2].read = {0x01, 0xFF};
        built.entries[3].write = built.entries[3].read = {0x11, 0xFF};
        built.entries.push_back({"NULL", {0x80, 0xFF}, {0x80, 0x80}, 0});
        return built;
    }();
    return list;
}

const ChoiceList& TwoByteList() {
    static const ChoiceList list = {{{"On", {0x4040, 0x4040}, {0x4040, 0x4040}, 0},
                                     {"Off", {0x0040, 0x4040}, {0x0040, 0x4040}, 0}},
                                    std::nullopt};
    return list;
}

// One field of every codec, at offsets that do not overlap.
const PageTable& Sample() {
    static const PageTable page = PageBuilder(1, "sample")
                                      .Group("g")
                                      .Signed("signed", 0, -120, 120)
                                      .Unsigned("unsigned", 1, 0, 140)
                                      .Unsigned("low bits", 2, 0, 100, 0x7F)
                                      .HalfPercent("half", 3)
                                      .Flag("flag", 4, 0x08)
                                      .FlagTickedWhenClear("inverse flag", 4, 0x10)
                                      .Choice("position", 5, SwitchPositionsNullClear())
                                      .Choice("position all", 6, SwitchPositionsNullAll())
                                      .Choice("controller", 7, ControllerLikeList())
                                      .Choice("two bytes", 8, TwoByteList(), 9)
                                      .Timer("timer", 10)
                                      .Name("name", 12, 8)
                                      .Gyro("gyro", 20, 21, 0x30)
                                      .Build();
    return page;
}

const Field& F(const std::string& name) {
    const Field* field = Sample().FindField(name);
    EXPECT_NE(field, nullptr) << name;
    return *field;
}

struct DecodeCase {
    std::string field;
    std::vector<std::pair<int, Byte>> bytes;
    std::string shown;
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, ShowsStoredBytes) {
    Record record{};
    for (const auto& [offset, value] : GetParam().bytes) {
        record[static_cast<std::size_t>(offset)] = value;
    }
    const Field& field = F(GetParam().field);
    EXPECT_EQ(ShowField(field, DecodeField(field, record)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Codecs, DecodeTest,
    testing::Values(
        DecodeCase{"signed", {{0, 0xFB}}, "-5"}, DecodeCase{"signed", {{0, 0x80}}, "-128"},
        DecodeCase{"unsigned", {{1, 0xFB}}, "251"}, DecodeCase{"low bits", {{2, 0xE4}}, "100"},
        DecodeCase{"half", {{3, 75}}, "37.5"}, DecodeCase{"half", {{3, 200}}, "100.0"},
        DecodeCase{"flag", {{4, 0x08}}, "1"}, DecodeCase{"inverse flag", {{4, 0x10}}, "0"},
        DecodeCase{"inverse flag", {{4, 0x00}}, "1"}, DecodeCase{"position", {{5, 0x13}}, "Down"},
        DecodeCase{"position", {{5, 0x30}}, "Dn&Ct"}, DecodeCase{"position", {{5, 0x20}}, "Center"},
        DecodeCase{"position", {{5, 0x60}}, "Ct&Up"}, DecodeCase{"position", {{5, 0x40}}, "Up"},
        DecodeCase{"position", {{5, 0x00}}, "Null"}, DecodeCase{"position", {{5, 0x50}}, "Null"},
        DecodeCase{"position", {{5, 0x70}}, "Null"}, DecodeCase{"controller", {{7, 0x11}}, "- B"},
        DecodeCase{"controller", {{7, 0x83}}, "NULL"},
        DecodeCase{"controller", {{7, 0x07}}, "Code 7"},
        DecodeCase{"two bytes", {{8, 0x40}, {9, 0x40}}, "On"},
        DecodeCase{"two bytes", {{8, 0x40}}, "Off"}, DecodeCase{"two bytes", {}, "Code 0"},
        DecodeCase{"timer Zeit", {{10, 0xFE}, {11, 0x0B}}, "05:07"},
        DecodeCase{"name", {{12, 'A'}, {13, 'B'}}, std::string("AB\0\0\0\0\0\0", 8)},
        DecodeCase{"gyro", {{20, 75}}, "37.5"}, DecodeCase{"gyro", {{20, 130}, {21, 0x30}}, "30"},
        DecodeCase{"gyro", {{20, 70}, {21, 0x30}}, "30"},
        DecodeCase{"gyro AVC", {{20, 130}, {21, 0x30}}, "AVC"},
        DecodeCase{"gyro AVC", {{20, 70}, {21, 0x30}}, "Norm"}));

struct WriteCase {
    std::string field;
    std::string entry;
    std::vector<std::pair<int, Byte>> before;
    std::vector<std::pair<int, Byte>> after;
};

class WriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteTest, StoresEntry) {
    Record record{};
    for (const auto& [offset, value] : GetParam().before) {
        record[static_cast<std::size_t>(offset)] = value;
    }
    const Field& field = F(GetParam().field);
    const Result<FieldValue> entered = ParseEntry(field, GetParam().entry);
    ASSERT_TRUE(entered.ok()) << entered.error().literal;
    ASSERT_TRUE(CheckAndWriteField(field, entered.value(), record).ok());
    for (const auto& [offset, value] : GetParam().after) {
        EXPECT_EQ(record[static_cast<std::size_t>(offset)], value) << "offset " << offset;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codecs, WriteTest,
    testing::Values(
        WriteCase{"signed", "-5", {}, {{0, 0xFB}}}, WriteCase{"signed", " +120 ", {}, {{0, 120}}},
        WriteCase{"low bits", "100", {{2, 0x80}}, {{2, 0xE4}}},
        WriteCase{"half", "37.5", {}, {{3, 75}}}, WriteCase{"half", "37.4", {}, {{3, 74}}},
        WriteCase{"half", "37,9", {}, {{3, 75}}}, WriteCase{"flag", "1", {{4, 0x01}}, {{4, 0x09}}},
        WriteCase{"inverse flag", "1", {{4, 0x1F}}, {{4, 0x0F}}},
        WriteCase{"position", "Up", {{5, 0x83}}, {{5, 0xC3}}},
        WriteCase{"position", "Null", {{5, 0x43}}, {{5, 0x03}}},
        WriteCase{"position all", "Null", {{6, 0x43}}, {{6, 0x73}}},
        WriteCase{"controller", "- B", {}, {{7, 0x11}}},
        WriteCase{"controller", "NULL", {{7, 0x11}}, {{7, 0x80}}},
        WriteCase{"controller", "+ A", {{7, 0x80}}, {{7, 0x00}}},
        WriteCase{"two bytes", "Off", {{8, 0x47}, {9, 0x45}}, {{8, 0x47}, {9, 0x05}}},
        WriteCase{"timer Zeit", "5:7", {}, {{10, 0xFE}, {11, 0x0B}}},
        WriteCase{"timer Zeit", ":30", {}, {{10, 0x2C}, {11, 0x01}}},
        WriteCase{"timer Zeit", "59:59", {}, {{10, 0x96}, {11, 0x8C}}},
        WriteCase{"name", "ABC", {}, {{12, 'A'}, {14, 'C'}, {15, ' '}, {19, ' '}}},
        WriteCase{"name", "Ä", {}, {{12, 0xC4}, {13, ' '}}},
        WriteCase{"gyro", "37.5", {}, {{20, 75}}},
        WriteCase{"gyro", "30", {{20, 150}, {21, 0x30}}, {{20, 130}}},
        WriteCase{"gyro", "30", {{20, 50}, {21, 0x30}}, {{20, 70}}},
        WriteCase{"gyro AVC", "AVC", {{20, 70}, {21, 0x30}}, {{20, 130}}},
        WriteCase{"gyro AVC", "AVC", {{20, 70}, {21, 0x20}}, {{20, 70}}}));

struct RefusalCase {
    std::string field;
    std::string entry;
    int text;                   // -1: a literal message
    std::string literalOrName;  // the literal text, or the name given to text 219
    long long min = 0;
    long long max = 0;
    long long value = 0;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, RefusesAndKeepsBytes) {
    Record record{};
    record.fill(0x11);
    const Record before = record;
    const RefusalCase& c = GetParam();
    const Field& field = F(c.field);
    Message message;
    const Result<FieldValue> entered = ParseEntry(field, c.entry);
    if (!entered.ok()) {
        message = entered.error();
    } else {
        const Status written = CheckAndWriteField(field, entered.value(), record);
        ASSERT_FALSE(written.ok());
        message = written.error();
    }
    EXPECT_EQ(record, before);
    EXPECT_EQ(message.text, c.text);
    if (c.text < 0) {
        EXPECT_EQ(message.literal, c.literalOrName);
    } else {
        ASSERT_EQ(message.arguments.size(), 4u);
        EXPECT_EQ(std::get<std::string>(message.arguments[0]), c.literalOrName);
        EXPECT_EQ(std::get<long long>(message.arguments[1]), c.min);
        EXPECT_EQ(std::get<long long>(message.arguments[2]), c.max);
        EXPECT_EQ(std::get<long long>(message.arguments[3]), c.value);
    }
}

const std::string kWholeTimer =
    "Falsche Eingabe 'timer Zeit'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt";

INSTANTIATE_TEST_SUITE_P(
    Codecs, RefusalTest,
    testing::Values(
        RefusalCase{"signed", "121", 219, "signed", -120, 120, 121},
        RefusalCase{"signed", "-121", 219, "signed", -120, 120, -121},
        RefusalCase{"unsigned", "141", 219, "unsigned", 0, 140, 141},
        RefusalCase{"half", "130", 219, "half", 0, 200, 260},
        RefusalCase{"gyro", "101", 219, "gyro", 0, 200, 202},
        RefusalCase{"signed", "5x", -1, "Geben Sie bitte eine ganze Zahl ein."},
        RefusalCase{"signed", "", -1, "Geben Sie bitte eine ganze Zahl ein."},
        RefusalCase{"unsigned", "-1", -1, "Geben Sie bitte eine positive ganze Zahl ein."},
        RefusalCase{"half", "abc", -1, "Geben Sie bitte eine Zahl ein."},
        RefusalCase{"timer Zeit", "0530", -1, kWholeTimer},
        RefusalCase{"timer Zeit", "123456:00", -1, kWholeTimer},
        RefusalCase{"timer Zeit", "60:00", -1,
                    "Falsche Eingabe 'timer min'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt"},
        RefusalCase{"timer Zeit", "00:60", -1,
                    "Falsche Eingabe 'timer sek'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt"},
        RefusalCase{"name", "NINECHARS", -1, "Falsche Eingabe 'name'\r\nHöchstens 8 Zeichen"},
        RefusalCase{"position", "Middle", -1,
                    "Falsche Eingabe 'position'\r\nKein Eintrag der Liste: Down, Dn&Ct, Center, "
                    "Ct&Up, Up, Null"}));

TEST(CheckRange, AcceptsBothEnds) {
    EXPECT_FALSE(CheckRange(-120, {-120, 120}, "x").has_value());
    EXPECT_FALSE(CheckRange(120, {-120, 120}, "x").has_value());
    EXPECT_TRUE(CheckRange(121, {-120, 120}, "x").has_value());
    EXPECT_FALSE(CheckMinSec(0, "x").has_value());
    EXPECT_FALSE(CheckMinSec(59, "x").has_value());
    EXPECT_TRUE(CheckMinSec(60, "x").has_value());
    EXPECT_TRUE(CheckMinSec(-1, "x").has_value());
}

// Bits that no entry stands for are not lost when the group of a list is committed with
// the value the list shows.
TEST(CheckAndWriteField, UnchangedValueKeepsUnknownBits) {
    for (const std::string name : {"position", "controller", "two bytes", "timer Zeit"}) {
        Record record{};
        record[5] = 0x55;
        record[7] = 0x27;
        record[9] = 0x04;
        record[10] = 0x0F;  // 1.5 seconds: the display shows whole seconds
        const Record before = record;
        const Field& field = F(name);
        ASSERT_TRUE(CheckAndWriteField(field, DecodeField(field, record), record).ok());
        EXPECT_EQ(record, before) << name;
    }
}

}  // namespace
