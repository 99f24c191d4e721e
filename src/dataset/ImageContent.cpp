#include "dataset/ImageContent.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/TextToInt.h"
#include "dataset/ModelTexts.h"

namespace {

constexpr const char* kAddressFormat = "[%04d]: ";
constexpr const char* kByteFormat = "   %03d";
constexpr const char* kAddressesFormat = "%i\t %i\t %i\t %i\t %i\t %i\t %i\t %i";
constexpr std::string_view kUnknownName = "Unbekannt ";

Message OutOfRange() {
    return Message::Numbered(txt::kOutOfRange, {}, MessageIcon::Warning);
}

}  // namespace

std::string ContentLine(const CamPacData& data, int address) {
    char field[32];
    std::snprintf(field, sizeof field, kAddressFormat, address);
    std::string line = field;
    std::string characters;
    for (int i = address; i < address + kBytesPerContentLine && i < data.imageSize; ++i) {
        const Byte b = data.image[i];
        std::snprintf(field, sizeof field, kByteFormat, b);
        line += field;
        characters += std::isprint(b) ? static_cast<char>(b) : '.';
    }
    return line + "\t" + characters;
}

std::vector<std::string> ContentLines(const CamPacData& data) {
    std::vector<std::string> lines;
    for (int address = 0; address < data.imageSize; address += kBytesPerContentLine) {
        lines.push_back(ContentLine(data, address));
    }
    return lines;
}

std::string LineAddresses(int a) {
    char text[128];
    std::snprintf(text, sizeof text, kAddressesFormat, a, a + 1, a + 2, a + 3, a + 4, a + 5, a + 6,
                  a + 7);
    return text;
}

std::optional<Message> StoreLineBytes(CamPacData& data, const TransmitterCatalogue& catalogue,
                                      int address,
                                      const std::array<std::string, kBytesPerContentLine>& typed) {
    for (int i = 0; i < kBytesPerContentLine; ++i) {
        const int at = address + i;
        if (at >= 0 && at < data.imageSize) {
            data.image[at] = static_cast<Byte>(TextToInt(typed[i]) & 0xFF);
        }
    }
    auto warning = IdentifyFromImage(data, catalogue);
    data.state = DataSetState::Changed;
    return warning;
}

Result<int> FillFirstAddress(const CamPacData& data, std::string_view typed) {
    const int first = TextToInt(typed);
    if (first < 0 || first >= data.imageSize) {
        return OutOfRange();
    }
    return first;
}

Result<int> FillLastAddress(const CamPacData& data, int first, std::string_view typed) {
    const int last = TextToInt(typed);
    if (last < first) {
        return OutOfRange();
    }
    return std::min(last, data.imageSize - 1);
}

Result<int> FillValue(std::string_view typed) {
    const int value = TextToInt(typed);
    if (value < 0 || value > 255) {
        return OutOfRange();
    }
    return value;
}

std::optional<Message> FillImage(CamPacData& data, const TransmitterCatalogue& catalogue, int first,
                                 int last, int value) {
    for (int i = std::max(first, 0); i <= last && i < data.imageSize; ++i) {
        data.image[i] = static_cast<Byte>(value);
    }
    data.typeName = kUnknownName;
    auto warning = IdentifyFromImage(data, catalogue);
    data.state = DataSetState::Changed;
    return warning;
}

void EraseDataSet(CamPacData& data, const TransmitterCatalogue& catalogue) {
    for (int i = 0; i < data.imageSize; ++i) {
        data.image[i] = kErasedByte;
    }
    data.typeName = kUnknownName;
    IdentifyFromName(data, catalogue);
    data.state = DataSetState::Editing;
}
