#include <gtest/gtest.h>

#include "dataset/TransmitterCatalogue.h"

namespace {

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
