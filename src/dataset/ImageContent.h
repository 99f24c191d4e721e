#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Result.h"
#include "dataset/CamPacData.h"

// The image byte by byte as the content page shows and changes it.

inline constexpr int kBytesPerContentLine = 8;

// The line of the eight bytes from `address` on: "[%04d]: ", each byte as "   %03d", a
// tab, then each byte as itself where it is printable, else ".".
std::string ContentLine(const CamPacData& data, int address);
// Every line of the image, from address 0 on.
std::vector<std::string> ContentLines(const CamPacData& data);

// What storing the eight fields of a line gave.
struct LineStore {
    Status status;                   // text 120 when a field holds no byte value
    std::optional<Message> warning;  // the size-code warning when the header no longer fits
};
// Stores each typed number at its address of the line, then identifies the type anew (the
// header may have changed) and marks the data set changed. Every field must hold a whole
// number from 0 to 255; otherwise nothing is stored.
LineStore StoreLineBytes(CamPacData& data, const TransmitterCatalogue& catalogue, int address,
                         const std::array<std::string, kBytesPerContentLine>& typed);

// The three answers of "Fill", each checked as it is given (text 120 when out of range).
Result<int> FillFirstAddress(const CamPacData& data, std::string_view typed);
// A last address beyond the image is taken as the last byte.
Result<int> FillLastAddress(const CamPacData& data, int first, std::string_view typed);
Result<int> FillValue(std::string_view typed);
// Fills first … last with the value. The type name becomes "Unbekannt " whether or not the
// header changed; the geometry and the slots follow the type the header names.
std::optional<Message> FillImage(CamPacData& data, const TransmitterCatalogue& catalogue, int first,
                                 int last, int value);

// Erases the data set in memory: every byte of the image 0xFF at the same size, of unknown
// type without models, in the state that asks before it is given up, and no longer named
// after the file it came from.
void EraseDataSet(CamPacData& data, const TransmitterCatalogue& catalogue);
