#include "dataset/ImageContent.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/TextToInt.h"
#include "dataset/ModelTexts.h"

namespace {

constexpr const char* kAddressFormat = "[%04d]: ";
constexpr const char* kByteFormat = "   %03d";
constexpr std::string_view kUnknownName = "Unbekannt ";

Message OutOfRange() {
    return Message::Numbered(txt::kOutOfRange, {}, MessageIcon::Warning);
}

// A byte as a field holds it: decimal digits (blanks around them allowed) of 0 to 255.
std::optional<Byte> ByteValue(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(' ');
    const std::size_t last = typed.find_last_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : typed.substr(first, last - first + 1)) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > 255) {
            return std::nullopt;
        }
    }
    return static_cast<Byte>(value);
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

LineStore StoreLineBytes(CamPacData& data, const TransmitterCatalogue& catalogue, int address,
                         const std::array<std::string, kBytesPerContentLine>& typed) {
    std::array<Byte, kBytesPerContentLine> values{};
    for (int i = 0; i < kBytesPerContentLine; ++i) {
        const std::optional<Byte> value = ByteValue(typed[i]);
        const int at = address + i;
        if (at >= 0 && at < data.imageSize && !value) {
            return {OutOfRange(), std::nullopt};
        }
        values[i] = value.value_or(0);
    }
    for (int i = 0; i < kBytesPerContentLine; ++i) {
        const int at = address + i;
        if (at >= 0 && at < data.imageSize) {
            data.image[at] = values[i];
        }
    }
    LineStore stored;
    stored.warning = IdentifyFromImage(data, catalogue);
    data.state = DataSetState::Changed;
    return stored;
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
    auto warning = IdentifyFromImage(data, catalogue);
    data.typeName = kUnknownName;
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
    // An erased image is no longer the file it was loaded from: a plain save must not
    // overwrite that file with it, so it asks for a file.
    data.filePath.clear();
}
