#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dataset/ImageContent.h"
#include "dataset/ModelDirectory.h"

namespace {

CamPacData Erased(int size) {
    CamPacData data;
    data.imageSize = size;
    return data;
}

TEST(ContentLines, OneLinePerEightBytesInTheFixedFormat) {
    const CamPacData erased = Erased(512);
    const auto lines = ContentLines(erased);
    ASSERT_EQ(lines.size(), 64u);
    EXPECT_EQ(lines[0], "[0000]:    255   255   255   255   255   255   255   255\t........");
    EXPECT_EQ(lines[63].substr(0, 8), "[0504]: ");

    TransmitterCatalogue catalogue;
    CamPacData data;
    ASSERT_TRUE(InitialiseImage(data, catalogue, "FC18V3    ", 512));
    EXPECT_EQ(ContentLine(data, 16),
              "[0016]:    255   255   255   255   077   079   068   069\t....MODE");
    EXPECT_EQ(ContentLine(data, 24),
              "[0024]:    076   045   048   051   128   000   000   000\tL-03....");
}

TEST(StoreLineBytes, StoresTheBytesAndIdentifiesTheTypeAnew) {
    CamPacData data = Erased(512);
    TransmitterCatalogue catalogue;
    const LineStore stored =
        StoreLineBytes(data, catalogue, 0, {"0", "1", "7", "1", " 255", "0", "17 ", "200"});
    ASSERT_TRUE(stored.status.ok());
    EXPECT_FALSE(stored.warning.has_value());
    EXPECT_EQ(data.typeName, "FF9       ");
    EXPECT_EQ(data.modelCount, 1);
    EXPECT_EQ(data.state, DataSetState::Changed);
    const std::vector<Byte> bytes(data.image.begin(), data.image.begin() + 8);
    EXPECT_EQ(bytes, (std::vector<Byte>{0, 1, 7, 1, 255, 0, 17, 200}));
}

// A field that holds no byte value (above 255, negative, no number, empty) is refused with
// text 120 and no byte of the line changes: 300 must never be stored as 44.
TEST(StoreLineBytes, RefusesAFieldThatHoldsNoByteValue) {
    TransmitterCatalogue catalogue;
    for (const char* wrong : {"300", "256", "-1", "x", "", "1 2", "0x10"}) {
        CamPacData data = Erased(512);
        data.state = DataSetState::Unchanged;
        const LineStore stored =
            StoreLineBytes(data, catalogue, 8, {"1", "2", "3", wrong, "5", "6", "7", "8"});
        ASSERT_FALSE(stored.status.ok()) << wrong;
        EXPECT_EQ(stored.status.error().text, 120) << wrong;
        for (int i = 8; i < 16; ++i) {
            EXPECT_EQ(data.image[i], 0xFF) << wrong;
        }
        EXPECT_EQ(data.state, DataSetState::Unchanged) << wrong;
    }
}

TEST(Fill, ChecksEachAnswer) {
    const CamPacData data = Erased(8192);
    EXPECT_EQ(FillFirstAddress(data, "8191").value(), 8191);
    EXPECT_EQ(FillFirstAddress(data, "8192").error().text, 120);
    EXPECT_EQ(FillFirstAddress(data, "-1").error().text, 120);
    EXPECT_EQ(FillLastAddress(data, 10, "9").error().text, 120);
    EXPECT_EQ(FillLastAddress(data, 10, "10").value(), 10);
    EXPECT_EQ(FillLastAddress(data, 10, "9000").value(), 8191);
    EXPECT_EQ(FillValue("255").value(), 255);
    EXPECT_EQ(FillValue("0").value(), 0);
    EXPECT_EQ(FillValue("256").error().text, 120);
    EXPECT_EQ(FillValue("-1").error().text, 120);
}

TEST(Fill, OverTheHeaderLeavesAnUnknownTypeWithTheSizeWarning) {
    TransmitterCatalogue catalogue;
    CamPacData data;
    ASSERT_TRUE(InitialiseImage(data, catalogue, "FF9       ", 2048));
    const auto warning = FillImage(data, catalogue, 0, 3, 0);
    ASSERT_TRUE(warning.has_value());
    EXPECT_EQ(warning->text, 62);
    EXPECT_EQ(data.typeName, "Unbekannt ");
    EXPECT_EQ(data.modelCount, 0);
    EXPECT_EQ(data.state, DataSetState::Changed);
    EXPECT_EQ(data.image[4], 0xFF);
}

TEST(Fill, FillsBothEndsIncludedAndNothingBeyond) {
    TransmitterCatalogue catalogue;
    CamPacData data;
    ASSERT_TRUE(InitialiseImage(data, catalogue, "FF9       ", 2048));
    const auto before = data.image;
    EXPECT_FALSE(FillImage(data, catalogue, 100, 103, 7).has_value());
    for (int i = 0; i < kImageCapacity; ++i) {
        ASSERT_EQ(data.image[i], (i >= 100 && i <= 103) ? 7 : before[i]) << i;
    }
    // Any fill leaves the type name "Unbekannt ", even one that leaves the header alone;
    // the geometry still follows the FF9 the header names.
    EXPECT_EQ(data.typeName, "Unbekannt ");
    EXPECT_EQ(data.typeIndex, 7);
    EXPECT_EQ(data.modelCount, 6);
    EXPECT_EQ(data.modelSize, 330);
}

TEST(EraseDataSet, LeavesAnErasedImageOfTheSameSizeAndUnknownType) {
    TransmitterCatalogue catalogue;
    CamPacData data;
    ASSERT_TRUE(InitialiseImage(data, catalogue, "FC16      ", 2048));
    data.filePath = "/archiv/fc16.rom";
    EraseDataSet(data, catalogue);
    EXPECT_EQ(data.filePath, "");
    EXPECT_EQ(data.imageSize, 2048);
    EXPECT_EQ(data.typeName, "Unbekannt ");
    EXPECT_EQ(data.modelCount, 0);
    EXPECT_EQ(data.state, DataSetState::Editing);
    for (int i = 0; i < 2048; ++i) {
        ASSERT_EQ(data.image[i], 0xFF) << i;
    }
}

}  // namespace
