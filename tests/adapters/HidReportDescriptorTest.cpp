#include <gtest/gtest.h>

#include <vector>

#include "adapters/HidReportDescriptor.h"

namespace {

// A vendor-defined HID device with one 128-byte feature report and no report IDs, the
// layout of the USB CamPac adapter.
const std::vector<Byte> kAdapterDescriptor = {
    0x06, 0x00, 0xFF,  // usage page (vendor defined)
    0x09, 0x01,        // usage
    0xA1, 0x01,        // collection (application)
    0x15, 0x00,        //   logical minimum 0
    0x26, 0xFF, 0x00,  //   logical maximum 255
    0x75, 0x08,        //   report size 8
    0x96, 0x80, 0x00,  //   report count 128 (two data bytes)
    0x09, 0x00,        //   usage
    0xB2, 0x02, 0x01,  //   feature (data, var, abs, buffered bytes)
    0xC0,              // end collection
};

TEST(HidReportDescriptor, AdapterFeatureReportIs129BytesWithTheNumber) {
    EXPECT_EQ(FeatureReportLength(kAdapterDescriptor), 129);
}

TEST(HidReportDescriptor, LongestFeatureReportOfSeveralIds) {
    const std::vector<Byte> descriptor = {
        0x85, 0x01,              // report ID 1
        0x75, 0x08,              // report size 8
        0x95, 0x07,              // report count 7
        0xB1, 0x02,              // feature: 7 bytes
        0x85, 0x02,              // report ID 2
        0x95, 0x3F,              // report count 63
        0xB1, 0x02,              // feature: 63 bytes
        0x95, 0x10,              // report count 16
        0x81, 0x02,              // input: not a feature
        0xA4,                    // push
        0x95, 0x50,              // report count 80
        0xB4,                    // pop: back to 16
        0x85, 0x01, 0xB1, 0x02,  // 16 more bytes for report 1: 23
    };
    EXPECT_EQ(FeatureReportLength(descriptor), 64);
}

TEST(HidReportDescriptor, NoFeatureOrCutDescriptorGivesZero) {
    EXPECT_EQ(FeatureReportLength(std::vector<Byte>{0x75, 0x08, 0x95, 0x40, 0x81, 0x02}), 0);
    EXPECT_EQ(FeatureReportLength(std::vector<Byte>{0x75, 0x08, 0x96, 0x80}), 0);
    EXPECT_EQ(FeatureReportLength(std::vector<Byte>{}), 0);
}

// Report Size and Report Count are 32-bit values: multiplied and added up unchecked they
// overflow. These descriptors add up to 2^32 + 128 bytes, which cut to an int would pass
// for the adapter's 129, and to more than a 64-bit count holds; none is used.
TEST(HidReportDescriptor, SizesBeyondWhatADeviceCanHaveAreNotUsed) {
    const std::vector<Byte> wrapsToTheAdapter = {
        0x75, 0x08,                    // report size 8
        0x97, 0x00, 0x00, 0x00, 0x80,  // report count 2^31
        0xB1, 0x02,                    // feature: 2^31 bytes
        0xB1, 0x02,                    // feature: 2^31 bytes more
        0x95, 0x80,                    // report count 128
        0xB1, 0x02,                    // feature: 128 bytes more
    };
    EXPECT_EQ(FeatureReportLength(wrapsToTheAdapter), 0);
    const std::vector<Byte> overflowsSixtyFourBits = {
        0x77, 0xFF, 0xFF, 0xFF, 0xFF,  // report size 2^32 - 1
        0x97, 0xFF, 0xFF, 0xFF, 0xFF,  // report count 2^32 - 1
        0xB1, 0x02,                    // feature
    };
    EXPECT_EQ(FeatureReportLength(overflowsSixtyFourBits), 0);
    // The largest a report may be: 256-bit fields, 12288 of them in one item, and 16384
    // bytes in all (with the report number 16385).
    const std::vector<Byte> largestReport = {
        0x75, 0x08, 0x96, 0x00, 0x30, 0xB1, 0x02,  // 12288 bytes
        0x96, 0x00, 0x10, 0xB1, 0x02,              // 4096 bytes more
    };
    EXPECT_EQ(FeatureReportLength(largestReport), 16385);
    std::vector<Byte> oneByteMore = largestReport;
    oneByteMore.insert(oneByteMore.end(), {0x95, 0x01, 0xB1, 0x02});
    EXPECT_EQ(FeatureReportLength(oneByteMore), 0);
    EXPECT_EQ(FeatureReportLength(std::vector<Byte>{0x76, 0x01, 0x01, 0x95, 0x01, 0xB1, 0x02}),
              0);  // a 257-bit field
}

TEST(HidReportDescriptor, LongItemsAreSkipped) {
    std::vector<Byte> descriptor = {0xFE, 0x02, 0x10, 0xAA, 0xBB};
    descriptor.insert(descriptor.end(), kAdapterDescriptor.begin(), kAdapterDescriptor.end());
    EXPECT_EQ(FeatureReportLength(descriptor), 129);
}

}  // namespace
