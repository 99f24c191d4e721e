#include <gtest/gtest.h>

#include "dataset/TransmitterCatalogue.h"

namespace {

// The catalogue as the transmitters lay out their CamPacs, entry by entry.
TEST(CatalogueTest, EveryEntryHoldsItsTransmittersValues) {
    const TransmitterType expected[] = {
        {"FC18V3    ", 20, 2, 5, 11, 45, 180, 0x0002, true, true, 168},
        {"FC16      ", 32, 6, 0, 25, 102, 80, 0x0301, true, true, 173},
        {"FC18V1    ", 5, 3, 0, 12, 0, 150, 0x0001, true, false, 168},
        {"FC28V3    ", 10, 0, 0, 1, 4, 1870, 0x0103, true, false, 188},
        {"FX18V1/2  ", 10, 3, 0, 12, 49, 166, 0x0901, true, true, 187},
        {"FF3       ", 16, 0, 0, 8, 0, 96, 0x0500, true, false, 151},
        {"FF8       ", 10, 2, 4, 8, 33, 246, 0x0400, true, false, 151},
        {"FF9       ", 10, 1, 3, 6, 24, 330, 0x0701, true, true, 177},
        {"FF9 Super ", 10, 1, 3, 6, 24, 330, 0x0702, true, false, 177},
        {"FF10      ", 16, 1, 0, 4, 16, 488, 0x0A01, true, true, 186},
        {"T3PK      ", 16, 0, 0, 10, 0, 96, 0x0800, true, false, 178},
        {"FX14      ", 10, 0, 0, 16, 0, 124, 0x0601, true, false, 151},
        {"FC28V2    ", 10, 1, 0, 4, 16, 500, 0x0101, true, false, 188},
        {"FF8 Super ", 10, 2, 4, 8, 33, 246, 0x0402, true, false, 151},
        {"Unbekannt ", 0, 0, 0, 0, 0, 0, 0x0000, false, false, 151},
    };
    const TransmitterCatalogue catalogue;
    ASSERT_EQ(catalogue.Count(), 15);
    for (int i = 0; i < catalogue.Count(); ++i) {
        const TransmitterType& want = expected[i];
        const TransmitterType& got = catalogue.Entry(i);
        EXPECT_EQ(got.typeName, want.typeName) << i;
        EXPECT_EQ(got.firstModelOffset, want.firstModelOffset) << want.typeName;
        EXPECT_EQ(got.modelCount4k, want.modelCount4k) << want.typeName;
        EXPECT_EQ(got.modelCount8k, want.modelCount8k) << want.typeName;
        EXPECT_EQ(got.modelCount16k, want.modelCount16k) << want.typeName;
        EXPECT_EQ(got.modelCount64k, want.modelCount64k) << want.typeName;
        EXPECT_EQ(got.modelSize, want.modelSize) << want.typeName;
        EXPECT_EQ(got.typeCode, want.typeCode) << want.typeName;
        EXPECT_EQ(got.isKnown, want.isKnown) << want.typeName;
        EXPECT_EQ(got.hasEditor, want.hasEditor) << want.typeName;
        EXPECT_EQ(got.pictureId, want.pictureId) << want.typeName;
        if (want.isKnown) {
            EXPECT_EQ(catalogue.IndexOfCode(want.typeCode), i) << want.typeName;
        }
        EXPECT_EQ(catalogue.IndexOfName(want.typeName), i) << want.typeName;
    }
}

TEST(CatalogueTest, EveryTypeFitsItsModelsOnEachCamPacSize) {
    const TransmitterCatalogue catalogue;
    for (int i = 0; i < catalogue.Count(); ++i) {
        const TransmitterType& type = catalogue.Entry(i);
        EXPECT_EQ(type.typeName.size(), 10u) << i;
        for (int size : {512, 1024, 2048, 8192}) {
            const int count = type.ModelCountFor(size);
            EXPECT_LE(type.firstModelOffset + count * type.modelSize, size)
                << type.typeName << " on " << size;
        }
        EXPECT_EQ(type.ModelCountFor(256), 0) << "no type uses a 2k CamPac";
    }
}

TEST(CatalogueTest, TypeCodesAndNamesFindTheirEntries) {
    const TransmitterCatalogue catalogue;
    EXPECT_EQ(catalogue.IndexOfCode(0x0002), 0);
    EXPECT_EQ(catalogue.IndexOfCode(0x0702), 8);
    EXPECT_EQ(catalogue.IndexOfCode(0x0402), 13);
    EXPECT_EQ(catalogue.IndexOfCode(0xFFFF), 14);
    EXPECT_EQ(catalogue.IndexOfName("FF9 Super "), 8);
    EXPECT_EQ(catalogue.IndexOfName("ff9 super "), 14) << "names compare exactly";
    EXPECT_EQ(catalogue.IndexOfName(""), 14);
    EXPECT_TRUE(catalogue.Contains("Unbekannt "));
    EXPECT_FALSE(catalogue.Contains("FC18V3"));
}

TEST(CatalogueTest, SizesHaveTheirCodesAndLabels) {
    const std::tuple<int, int, const char*> sizes[] = {
        {256, 0, "2k"}, {512, 1, "4k"}, {1024, 2, "8k"}, {2048, 3, "16k"}, {8192, 4, "64k"}};
    for (const auto& [bytes, code, label] : sizes) {
        EXPECT_TRUE(IsCamPacSize(bytes));
        EXPECT_EQ(SizeCodeOf(bytes), code);
        EXPECT_EQ(SizeLabel(bytes), label);
    }
    EXPECT_FALSE(IsCamPacSize(4096));
    EXPECT_EQ(SizeLabel(0), "");
}

}  // namespace
