#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dataset/CamPacData.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelNames.h"

namespace {

// The default records exactly as the transmitters lay them out, one string per record in
// lines of "offset: bytes in hex".

const std::vector<std::pair<std::string, std::string>> kWrittenRecords{
    {"FC18V3    ",
     "0: 4D 4F 44 45 4C 2D 20 20 80 00 00 00 00 00 00 00\n"
     "16: 00 00 00 00 64 64 64 64 64 64 64 64 64 64 64 64\n"
     "32: 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64\n"
     "48: 64 64 64 64 FF FF FF 00 64 64 64 64 64 64 00 00\n"
     "64: 00 00 00 00 C0 01 00 00 00 C1 01 00 00 00 44 00\n"
     "80: 01 02 03 04 05 06 07 64 64 64 64 00 00 00 00 07\n"
     "96: 00 87 00 00 00 1F 00 00 1F 00 19 32 4B 64 00 00\n"
     "112: 00 00 00 00 FF FF FF FF FF FF FF FF FF FF FF FF\n"
     "128: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF\n"
     "144: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF\n"
     "160: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF\n"
     "176: FF FF FF FF\n"},
    {"FC16      ",
     "0: 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64\n"
     "16: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "32: B0 B0 B0 B3 00 64 64 64 00 F3 D1 00 81 32 81 32\n"
     "48: 01 00 00 00 00 00 00 0F FF 32 32 32 32 32 32 00\n"
     "64: 32 32 00 32 32 00 00 00 00 00 00 00 00 00 00 00\n"},
    {"FX18V1/2  ",
     "0: 12 0C 00 01 00 04 00 00 4C 00 00 00 00 00 64 64\n"
     "16: 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64 64\n"
     "32: 64 64 64 64 64 64 64 64 64 64 64 64 64 64 00 00\n"
     "48: 00 00 00 00 00 00 00 00 00 00 04 04 04 04 64 64\n"
     "64: 64 64 00 00 00 00 00 00 64 64 64 81 00 00 81 00\n"
     "80: 00 81 00 00 93 32 32 00 00 00 80 00 00 0C 80 40\n"
     "96: 00 04 04 00 00 00 00 00 00 00 00 00 FF 00 FF FF\n"
     "112: FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "128: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "144: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "160: 00 00 00 00 00 00\n"},
    {"FF9       ",
     "0: 00 00 00 00 4D 4F 44 45 4C 2D 31 30 00 00 00 70\n"
     "16: 17 01 00 00 70 17 04 04 04 04 00 00 00 00 64 64\n"
     "32: 64 64 64 64 64 64 64 64 64 64 64 64 64 64 00 00\n"
     "48: 00 00 00 00 00 00 00 04 00 00 4C 00 00 00 00 00\n"
     "64: 44 00 00 00 00 00 00 00 0B 00 02 01 06 00 00 00\n"
     "80: 00 00 13 23 10 23 11 23 64 64 64 64 64 64 64 64\n"
     "96: 64 64 64 64 64 64 64 64 64 64 00 00 00 00 00 00\n"
     "112: 00 00 00 00 00 00 00 00 00 00 00 00 00 A8 00 00\n"
     "128: 00 03 71 00 00 00 00 0D 72 00 00 00 00 29 14 00\n"
     "144: 00 00 00 13 15 00 00 00 00 18 15 00 00 00 00 18\n"
     "160: 15 00 00 00 00 00 00 19 15 00 00 00 00 00 00 00\n"
     "176: 32 CE 32 32 00 64 64 64 64 64 9C CE CE 9C 64 42\n"
     "192: 00 32 32 12 00 32 F6 32 32 58 00 17 80 80 64 9C\n"
     "208: 64 9C 64 64 9C 9C 64 9C 9C 64 80 32 00 00 00 00\n"
     "224: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "240: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "256: 00 00 00 00 00 00 00 32 64 96 C8 00 00 00 00 00\n"
     "272: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "288: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "304: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "320: 00 00 00 00 00 00 00 00 00 00\n"},
    {"FF10      ",
     "0: 4D 4F 44 45 4C 2D 30 30 31 37 00 00 00 00 00 00\n"
     "16: 00 00 00 00 00 00 00 00 70 17 01 00 00 00 70 17\n"
     "32: 04 00 00 00 00 00 04 04 04 04 00 00 00 00 00 00\n"
     "48: 00 00 00 00 00 00 00 04 00 00 4C 00 00 00 00 00\n"
     "64: 48 00 64 64 64 64 64 64 64 64 64 64 64 64 64 64\n"
     "80: 64 64 00 0F 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "96: 00 00 00 00 00 00 00 00 00 00 00 00 0B 00 02 01\n"
     "112: 16 15 00 00 00 00 00 80 80 80 80 13 23 10 23 11\n"
     "128: 23 00 A8 00 64 64 64 64 64 64 64 64 64 64 64 64\n"
     "144: 64 64 64 64 64 64 64 64 64 64 64 64 10 00 10 00\n"
     "160: 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "176: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "192: 00 00 03 71 00 00 00 00 0D 72 00 00 00 00 29 74\n"
     "208: 00 00 00 00 13 75 00 00 00 00 18 75 00 00 00 00\n"
     "224: 00 00 18 75 00 00 00 00 00 00 19 75 00 00 00 00\n"
     "240: 00 00 19 75 00 00 00 00 00 00 00 32 CE 32 32 00\n"
     "256: 64 9C 64 64 64 64 64 64 64 64 64 64 64 64 64 64\n"
     "272: 64 64 00 00 00 00 80 CE CE 9C 64 42 00 00 32 32\n"
     "288: 32 32 32 32 32 32 16 64 64 64 64 00 16 64 64 64\n"
     "304: 64 02 00 58 12 32 32 32 F6 00 02 32 32 32 F6 00\n"
     "320: 14 80 80 00 32 4B 64 7D 96 C8 CE E7 00 19 32 00\n"
     "336: 32 4B 64 7D 96 C8 CE E7 00 19 32 00 32 4B 64 7D\n"
     "352: 96 C8 CE E7 00 19 32 00 32 4B 64 7D 96 C8 CE E7\n"
     "368: 00 19 32 80 32 00 00 80 80 80 00 00 00 00 00 32\n"
     "384: 64 96 C8 00 32 64 96 C8 00 32 64 96 C8 00 32 64\n"
     "400: 96 C8 00 14 80 80 00 00 00 00 00 00 00 00 00 00\n"
     "416: 00 00 00 00 00 00 00 00 00 00 00 00 17 80 80 64\n"
     "432: 9C 64 9C 64 64 9C 9C 64 9C 9C 64 00 00 00 00 00\n"
     "448: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "464: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
     "480: 00 00 00 00 00 00 00 00\n"},
};

std::vector<Byte> ParseRecord(const std::string& written) {
    std::vector<Byte> bytes;
    std::istringstream lines(written);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line.substr(line.find(':') + 1));
        std::string hex;
        while (fields >> hex) {
            bytes.push_back(static_cast<Byte>(std::stoi(hex, nullptr, 16)));
        }
    }
    return bytes;
}

struct NumberedName {
    int offset;
    std::vector<Byte> digitsOfModel0;  // the number of model 0 as stored
    int firstNumber;
    int digitCount;
    Byte zero;
};

NumberedName NameNumberOf(const std::string& typeName) {
    if (typeName == "FC18V3    ")
        return {6, {'0', '3'}, 3, 2, '0'};
    if (typeName == "FC16      ")
        return {33, {0xB0, 0xB0, 0xB3}, 3, 3, 0xB0};
    if (typeName == "FX18V1/2  ")
        return {2, {0, 1}, 1, 2, 0};
    if (typeName == "FF9       ")
        return {10, {'0', '9'}, 9, 2, '0'};
    return {8, {'1', '6'}, 16, 2, '0'};  // FF10
}

std::vector<Byte> Expected(const std::vector<Byte>& record, const NumberedName& number, int model) {
    std::vector<Byte> expected = record;
    int n = number.firstNumber + model;
    for (int i = number.digitCount - 1; i >= 0; --i) {
        expected[number.offset + i] = static_cast<Byte>(number.zero + n % 10);
        n /= 10;
    }
    return expected;
}

class DefaultRecords : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(DefaultRecords, ANewImageHoldsTheDefaultRecordWithTheModelNumberInEveryModel) {
    const auto& [typeName, written] = GetParam();
    const std::vector<Byte> record = ParseRecord(written);
    TransmitterCatalogue catalogue;
    for (const int size : {512, 1024, 2048, 8192}) {
        CamPacData data;
        if (!InitialiseImage(data, catalogue, typeName, size)) {
            continue;  // sizes the type does not use are tested elsewhere
        }
        ASSERT_EQ(static_cast<std::size_t>(data.modelSize), record.size()) << typeName;
        const NumberedName number = NameNumberOf(typeName);
        for (int model = 0; model < data.modelCount; ++model) {
            const std::vector<Byte> expected = Expected(record, number, model);
            const std::size_t at = data.firstModelOffset + model * record.size();
            const std::vector<Byte> actual(data.image.begin() + at,
                                           data.image.begin() + at + record.size());
            ASSERT_EQ(actual, expected) << typeName << " model " << model << " size " << size;
            const auto slot = data.modelSlots.Slot(model);
            ASSERT_TRUE(std::equal(expected.begin(), expected.end(), slot.begin()));
        }
        // Model 0 carries the first number of its type.
        for (std::size_t i = 0; i < number.digitsOfModel0.size(); ++i) {
            EXPECT_EQ(data.modelSlots.Slot(0)[number.offset + i], number.digitsOfModel0[i]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EditorTypes, DefaultRecords, testing::ValuesIn(kWrittenRecords),
                         [](const auto& param) {
                             std::string name;
                             for (char c : param.param.first) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     name += c;
                                 }
                             }
                             return name;
                         });

TEST(InitialiseImage, WritesHeaderAndLeavesEveryOtherByteErased) {
    TransmitterCatalogue catalogue;
    CamPacData data;
    ASSERT_TRUE(InitialiseImage(data, catalogue, "FC18V3    ", 512));
    EXPECT_EQ(data.imageSize, 512);
    EXPECT_EQ(data.state, DataSetState::Unchanged);
    EXPECT_EQ(data.modelCount, 2);
    const std::vector<Byte> header(data.image.begin(), data.image.begin() + 4);
    EXPECT_EQ(header, (std::vector<Byte>{0x00, 0x01, 0x00, 0x02}));
    for (int i = 4; i < 20; ++i) {
        EXPECT_EQ(data.image[i], 0xFF) << i;
    }
    for (int i = 20 + 2 * 180; i < kImageCapacity; ++i) {
        ASSERT_EQ(data.image[i], 0xFF) << i;
    }
    EXPECT_EQ(FillModelList(data, 1), (std::vector<std::string>{"001: MODEL-03", "002: MODEL-04"}));
}

TEST(InitialiseImage, HeaderOfEveryEditorTypeAndSize) {
    struct Case {
        const char* typeName;
        int size;
        std::vector<Byte> header;
        int models;
    };
    const std::vector<Case> cases{
        {"FC16      ", 8192, {0, 4, 0x03, 0x01}, 102},
        {"FX18V1/2  ", 2048, {0, 3, 0x09, 0x01}, 12},
        {"FF9       ", 1024, {0, 2, 0x07, 0x01}, 3},
        {"FF10      ", 512, {0, 1, 0x0A, 0x01}, 1},
    };
    TransmitterCatalogue catalogue;
    for (const Case& c : cases) {
        CamPacData data;
        ASSERT_TRUE(InitialiseImage(data, catalogue, c.typeName, c.size)) << c.typeName;
        EXPECT_EQ(std::vector<Byte>(data.image.begin(), data.image.begin() + 4), c.header);
        EXPECT_EQ(data.modelCount, c.models) << c.typeName;
    }
}

TEST(InitialiseImage, ATypeWithoutModelsAtTheSizeIsRefusedWithText83AndResets) {
    TransmitterCatalogue catalogue;
    for (const auto& [typeName, size] :
         std::vector<std::pair<const char*, int>>{{"FC16      ", 1024},
                                                  {"FX18V1/2  ", 1024},
                                                  {"FF10      ", 1024},
                                                  {"FF8       ", 2048}}) {
        CamPacData data;
        data.state = DataSetState::Changed;
        const Status status = InitialiseImage(data, catalogue, typeName, size);
        ASSERT_FALSE(status) << typeName;
        EXPECT_EQ(status.error().text, 83);
        EXPECT_EQ(data.imageSize, 0);
        EXPECT_EQ(data.state, DataSetState::None);
        EXPECT_TRUE(data.typeName.empty());
    }
}

}  // namespace
