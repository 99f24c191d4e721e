#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "dataset/ModelDirectory.h"
#include "dataset/TextExport.h"
#include "support/TestFiles.h"

namespace {

// Reads an export back: the address of each line and the values after its colon.
std::vector<Byte> ParseExport(const std::string& text, int base, std::vector<int>& addresses) {
    std::vector<Byte> bytes;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        EXPECT_EQ(line.back(), '\r');
        const auto colon = line.find(':');
        addresses.push_back(std::stoi(line.substr(0, colon), nullptr, base));
        std::istringstream values(line.substr(colon + 1));
        std::string value;
        while (values >> value) {
            bytes.push_back(static_cast<Byte>(std::stoi(value, nullptr, base)));
        }
    }
    return bytes;
}

CamPacData NewImage(int size) {
    TransmitterCatalogue catalogue;
    CamPacData data;
    InitialiseImage(data, catalogue, "FC18V3    ", size);
    return data;
}

TEST(TextExport, ReadsBackToTheImageInBothFormats) {
    for (const int size : {512, 1024, 2048, 8192}) {
        const CamPacData data = NewImage(size);
        for (const auto& [format, base] : std::vector<std::pair<ExportFormat, int>>{
                 {ExportFormat::Decimal, 10}, {ExportFormat::Hexadecimal, 16}}) {
            std::vector<int> addresses;
            const auto bytes = ParseExport(ExportedText(data, format), base, addresses);
            EXPECT_EQ(bytes, std::vector<Byte>(data.image.begin(), data.image.begin() + size));
            ASSERT_EQ(addresses.size(), static_cast<std::size_t>(size / 16));
            for (std::size_t i = 0; i < addresses.size(); ++i) {
                ASSERT_EQ(addresses[i], static_cast<int>(i * 16));
            }
        }
    }
}

TEST(TextExport, LinesLookAsDocumented) {
    const CamPacData data = NewImage(512);
    const std::string decimal = ExportedText(data, ExportFormat::Decimal);
    const std::string decimalStart =
        "0000:   0   1   0   2 255 255 255 255 255 255 255 255 255 255 255 255\r\n"
        "0016: 255 255 255 255  77  79  68  69  76  45  48  51 128   0   0   0\r\n";
    EXPECT_EQ(decimal.substr(0, decimalStart.size()), decimalStart);
    const std::string hex = ExportedText(data, ExportFormat::Hexadecimal);
    const std::string hexStart =
        "0000: 00 01 00 02 FF FF FF FF FF FF FF FF FF FF FF FF\r\n"
        "0010: FF FF FF FF 4D 4F 44 45 4C 2D 30 33 80 00 00 00\r\n";
    EXPECT_EQ(hex.substr(0, hexStart.size()), hexStart);
    EXPECT_EQ(hex.substr(hex.size() - 55, 6), "01F0: ");
}

TEST(TextExport, AnEmptyDataSetGivesAnEmptyText) {
    EXPECT_EQ(ExportedText(CamPacData{}, ExportFormat::Decimal), "");
}

TEST(TextExport, WritesTheFileAndReportsAFolderThatCannotBeWritten) {
    TempFolder folder;
    const CamPacData data = NewImage(1024);
    ASSERT_TRUE(ExportText(folder / "out.txt", data, ExportFormat::Hexadecimal));
    const auto written = ReadBytes(folder / "out.txt");
    const std::string expected = ExportedText(data, ExportFormat::Hexadecimal);
    EXPECT_EQ(std::string(written.begin(), written.end()), expected);
    const Status failed = ExportText(folder / "missing" / "out.txt", data, ExportFormat::Decimal);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().text, 45);
}

}  // namespace
