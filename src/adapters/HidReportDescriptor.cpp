#include "adapters/HidReportDescriptor.h"

#include <map>
#include <vector>

// A report descriptor is a row of items. A short item starts with a prefix byte: bits 0-1
// the data size (0, 1, 2 or 4 bytes), bits 2-3 the type (0 main, 1 global, 2 local), bits
// 4-7 the tag. A long item starts with 0xFE, then its data size and tag. The global items
// Report Size (bits per field), Report Count and Report ID hold for every main item after
// them until changed (Push and Pop save and restore them); each Feature main item adds
// size x count bits to the feature report of the current report ID.

namespace {

constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kTagFeature = 0xB;
constexpr int kTagReportSize = 0x7;
constexpr int kTagReportId = 0x8;
constexpr int kTagReportCount = 0x9;
constexpr int kTagPush = 0xA;
constexpr int kTagPop = 0xB;
constexpr Byte kLongItem = 0xFE;

// The most a report may declare, as the kernel's HID parser takes them: 256 bits per field,
// 12288 fields per item and 16384 bytes per report. A descriptor that declares more makes
// no sense and is not used.
constexpr unsigned long kMostReportSize = 256;
constexpr unsigned long kMostReportCount = 12288;
constexpr long long kMostReportBits = 16384LL * 8;

struct Globals {
    long long reportSize = 0;
    long long reportCount = 0;
    int reportId = 0;
};

}  // namespace

int FeatureReportLength(std::span<const Byte> descriptor) {
    std::map<int, long long> featureBits;
    Globals globals;
    std::vector<Globals> stack;
    std::size_t i = 0;
    while (i < descriptor.size()) {
        const Byte prefix = descriptor[i];
        if (prefix == kLongItem) {
            if (i + 1 >= descriptor.size()) {
                return 0;
            }
            i += 3 + descriptor[i + 1];
            continue;
        }
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (i + 1 + size > descriptor.size()) {
            return 0;
        }
        unsigned long value = 0;
        for (std::size_t b = 0; b < size; ++b) {
            value |= static_cast<unsigned long>(descriptor[i + 1 + b]) << (8 * b);
        }
        const int type = (prefix >> 2) & 3;
        const int tag = (prefix >> 4) & 0xF;
        if (type == kTypeGlobal) {
            switch (tag) {
                case kTagReportSize:
                    if (value > kMostReportSize) {
                        return 0;
                    }
                    globals.reportSize = static_cast<long long>(value);
                    break;
                case kTagReportCount:
                    if (value > kMostReportCount) {
                        return 0;
                    }
                    globals.reportCount = static_cast<long long>(value);
                    break;
                case kTagReportId:
                    globals.reportId = static_cast<int>(value);
                    break;
                case kTagPush:
                    stack.push_back(globals);
                    break;
                case kTagPop:
                    if (!stack.empty()) {
                        globals = stack.back();
                        stack.pop_back();
                    }
                    break;
                default:
                    break;
            }
        } else if (type == kTypeMain && tag == kTagFeature) {
            long long& bits = featureBits[globals.reportId];
            bits += globals.reportSize * globals.reportCount;
            if (bits > kMostReportBits) {
                return 0;
            }
        }
        i += 1 + size;
    }
    long long longest = 0;
    for (const auto& [id, bits] : featureBits) {
        longest = std::max(longest, (bits + 7) / 8);
    }
    return longest == 0 ? 0 : static_cast<int>(longest + 1);
}
