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

TEST(HidReportDescriptor, LongItemsAreSkipped) {
    std::vector<Byte> descriptor = {0xFE, 0x02, 0x10, 0xAA, 0xBB};
    descriptor.insert(descriptor.end(), kAdapterDescriptor.begin(), kAdapterDescriptor.end());
    EXPECT_EQ(FeatureReportLength(descriptor), 129);
}

}  // namespace
