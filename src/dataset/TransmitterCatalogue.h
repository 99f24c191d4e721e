#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One transmitter type: where its models lie on a CamPac of each size.
struct TransmitterType {
    std::string_view typeName;  // exactly 10 characters, blank padded
    int firstModelOffset;
    int modelCount4k;
    int modelCount8k;
    int modelCount16k;
    int modelCount64k;
    int modelSize;
    int typeCode;  // image bytes 2-3, big-endian
    bool isKnown;
    bool hasEditor;
    int pictureId;

    // Models on a CamPac of this many bytes; 0 where the type does not use that size.
    int ModelCountFor(int imageSize) const;
};

// The fixed catalogue; the entry index is the type index used everywhere.
class TransmitterCatalogue {
  public:
    static constexpr int kEntryCount = 15;
    static constexpr int kKnownTypes = 14;
    static constexpr int kUnknownIndex = 14;

    const TransmitterType& Entry(int index) const;
    int Count() const { return kEntryCount; }
    // The first entry with this type code, or the unknown entry.
    int IndexOfCode(int typeCode) const;
    // The entry with exactly this 10-character name (the unknown entry matches too).
    int IndexOfName(std::string_view typeName) const;
    // IndexOfName for lookups that must tell a real match from the fallback.
    bool Contains(std::string_view typeName) const;
};

// The CamPac sizes, their header size codes and labels.
bool IsCamPacSize(int bytes);
int SizeCodeOf(int imageSize);  // 0 where no code stands for the size (256 bytes)
// "16k": the size in kilobit; empty for 0.
std::string SizeLabel(int imageSize);
