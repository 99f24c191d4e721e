#include "dataset/TransmitterCatalogue.h"

namespace {

constexpr std::array<TransmitterType, TransmitterCatalogue::kEntryCount> kEntries{{
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
}};

}  // namespace

int TransmitterType::ModelCountFor(int imageSize) const {
    switch (imageSize) {
        case 512:
            return modelCount4k;
        case 1024:
            return modelCount8k;
        case 2048:
            return modelCount16k;
        case 8192:
            return modelCount64k;
        default:
            return 0;
    }
}

const TransmitterType& TransmitterCatalogue::Entry(int index) const {
    if (index < 0 || index >= kEntryCount) {
        return kEntries[kUnknownIndex];
    }
    return kEntries[index];
}

int TransmitterCatalogue::IndexOfCode(int typeCode) const {
    int index = 0;
    while (typeCode != kEntries[index].typeCode && index < kKnownTypes) {
        ++index;
    }
    return index;
}

int TransmitterCatalogue::IndexOfName(std::string_view typeName) const {
    int index = 0;
    while (typeName != kEntries[index].typeName && index < kKnownTypes) {
        ++index;
    }
    return index;
}

bool TransmitterCatalogue::Contains(std::string_view typeName) const {
    for (const auto& entry : kEntries) {
        if (entry.typeName == typeName) {
            return true;
        }
    }
    return false;
}

bool IsCamPacSize(int bytes) {
    return bytes == 256 || bytes == 512 || bytes == 1024 || bytes == 2048 || bytes == 8192;
}

int SizeCodeOf(int imageSize) {
    switch (imageSize) {
        case 512:
            return 1;
        case 1024:
            return 2;
        case 2048:
            return 3;
        case 8192:
            return 4;
        default:
            return 0;
    }
}

std::string SizeLabel(int imageSize) {
    if (imageSize == 0) {
        return {};
    }
    return std::to_string(imageSize / 128) + "k";
}
