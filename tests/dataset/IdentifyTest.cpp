#include <gtest/gtest.h>

#include <algorithm>

#include "dataset/CamPacData.h"
#include "support/TestFiles.h"

namespace {

class IdentifyTest : public testing::Test {
  protected:
    void Use(const std::vector<Byte>& image) {
        data.image.fill(kErasedByte);
        std::copy(image.begin(), image.end(), data.image.begin());
        data.imageSize = static_cast<int>(image.size());
    }

    TransmitterCatalogue catalogue;
    CamPacData data;
};

TEST_F(IdentifyTest, FindsTypeAndGeometryFromTheHeader) {
    struct Case {
        int size, sizeCode, typeCode;
        const char* type;
        int index, models, first, modelSize;
    };
    const Case cases[] = {
        {2048, 3, 0x0002, "FC18V3    ", 0, 11, 20, 180},
        {8192, 4, 0x0301, "FC16      ", 1, 102, 32, 80},
        {1024, 2, 0x0301, "FC16      ", 1, 0, 32, 80},  // FC16 does not use 8k CamPacs
        {2048, 3, 0x0702, "FF9 Super ", 8, 6, 10, 330},
        {512, 1, 0x0A01, "FF10      ", 9, 1, 16, 488},
        {2048, 3, 0x1234, "Unbekannt ", 14, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Use(HeaderedImage(c.size, c.sizeCode, c.typeCode));
        EXPECT_FALSE(IdentifyFromImage(data, catalogue).has_value()) << c.type;
        EXPECT_EQ(data.typeName, c.type);
        EXPECT_EQ(data.typeIndex, c.index);
        EXPECT_EQ(data.modelCount, c.models) << c.type << " " << c.size;
        EXPECT_EQ(data.firstModelOffset, c.first);
        EXPECT_EQ(data.modelSize, c.modelSize);
        EXPECT_EQ(data.currentModel, 0);
    }
}

TEST_F(IdentifyTest, ASizeCodeThatDoesNotFitWarnsAndGoesOn) {
    Use(std::vector<Byte>(2048, kErasedByte));
    const auto warning = IdentifyFromImage(data, catalogue);
    ASSERT_TRUE(warning.has_value());
    EXPECT_EQ(warning->text, 62);
    EXPECT_EQ(data.typeName, "Unbekannt ");
    EXPECT_EQ(data.modelCount, 0);

    Use(HeaderedImage(2048, 4, 0x0002));
    EXPECT_TRUE(IdentifyFromImage(data, catalogue).has_value());
    EXPECT_EQ(data.modelCount, 11) << "the geometry follows the image size";

    Use(HeaderedImage(256, 0, 0x0002));
    EXPECT_TRUE(IdentifyFromImage(data, catalogue).has_value()) << "no code stands for 2k";
    EXPECT_EQ(data.modelCount, 0);
}

TEST_F(IdentifyTest, SlotsHoldEachModelsRecord) {
    Use(HeaderedImage(2048, 3, 0x0002));
    IdentifyFromImage(data, catalogue);
    for (int model : {0, 5, 10}) {
        const auto slot = data.modelSlots.Slot(model);
        const int start = 20 + model * 180;
        EXPECT_TRUE(std::equal(slot.begin(), slot.begin() + 180, data.image.begin() + start));
    }
}

TEST_F(IdentifyTest, RecordsLargerThanASlotAreKeptWhole) {
    // FC28V3 records take 1870 bytes: a slot must hold all of them, and writing the slots
    // back must neither cut a record nor spill past it.
    Use(HeaderedImage(8192, 4, 0x0103));
    IdentifyFromImage(data, catalogue);
    ASSERT_EQ(data.modelCount, 4);
    ASSERT_GE(data.modelSlots.SlotSize(), 1870);
    const auto before = data.image;
    data.modelSlots.Slot(1)[1869] ^= 0x5A;
    data.modelSlots.StoreModelSlots(data.image, data.firstModelOffset, data.modelCount,
                                    data.modelSize);
    auto expected = before;
    expected[10 + 1 * 1870 + 1869] ^= 0x5A;
    EXPECT_EQ(data.image, expected);
}

TEST_F(IdentifyTest, IdentifyingByNameNeedsTheExactName) {
    data.imageSize = 2048;
    data.typeName = "FF9       ";
    IdentifyFromName(data, catalogue);
    EXPECT_EQ(data.typeIndex, 7);
    EXPECT_EQ(data.modelCount, 6);
    data.typeName = "FF9";
    IdentifyFromName(data, catalogue);
    EXPECT_EQ(data.typeIndex, 14);
    EXPECT_EQ(data.modelCount, 0);
}

TEST_F(IdentifyTest, ResetEmptiesTheDataSetAndKeepsCommentsWhenAsked) {
    Use(HeaderedImage(2048, 3, 0x0002));
    IdentifyFromImage(data, catalogue);
    data.state = DataSetState::Changed;
    data.fileName = "fc18.rom";
    data.displayPath = "/x/fc18.rom";
    data.dataSetComment = "Halle";
    data.modelComments[3] = "Segler";

    ResetDataSet(data, catalogue, false);
    EXPECT_TRUE(
        std::all_of(data.image.begin(), data.image.end(), [](Byte b) { return b == kErasedByte; }));
    EXPECT_EQ(data.imageSize, 0);
    EXPECT_EQ(data.typeName, "");
    EXPECT_EQ(data.typeIndex, 14);
    EXPECT_EQ(data.modelCount, 0);
    EXPECT_EQ(data.state, DataSetState::None);
    EXPECT_EQ(data.fileName, "noname");
    EXPECT_EQ(data.displayPath, "");
    EXPECT_EQ(data.dataSetComment, "Halle");
    EXPECT_EQ(data.modelComments[3], "Segler");

    ResetDataSet(data, catalogue, true);
    EXPECT_EQ(data.dataSetComment, "");
    EXPECT_EQ(data.modelComments[3], "");
}

TEST(DisplayPathTest, LongPathsShowTheirLastThirtyCharacters) {
    EXPECT_EQ(DisplayPathOf("/short/path.rom"), "/short/path.rom");
    const std::string thirty = "/abcdefghijklmnopqrstuvwxy.rom";
    ASSERT_EQ(thirty.size(), 30u);
    EXPECT_EQ(DisplayPathOf(thirty), thirty);
    EXPECT_EQ(DisplayPathOf("/home" + thirty), "..." + thirty);
}

TEST(DisplayPathTest, PathsAreCutByCharactersNotBytes) {
    // File names are UTF-8: a cut inside a character would show a broken one.
    std::string umlauts;
    for (int i = 0; i < 40; ++i) {
        umlauts += "\xC3\xA4";  // ä
    }
    std::string thirtyUmlauts;
    for (int i = 0; i < 30; ++i) {
        thirtyUmlauts += "\xC3\xA4";
    }
    EXPECT_EQ(DisplayPathOf("/" + umlauts), "..." + thirtyUmlauts);
    EXPECT_EQ(DisplayPathOf(thirtyUmlauts), thirtyUmlauts) << "30 characters fit";
    EXPECT_EQ(DisplayPathOf("/Modelle/M\xC3\xBCller/Segler-2026.rom"),
              "...Modelle/M\xC3\xBCller/Segler-2026.rom");
}

}  // namespace
