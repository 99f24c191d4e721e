#include "dataset/TextExport.h"

#include <cstdio>
#include <vector>

#include "dataset/DataSetFiles.h"

// The export writes the `imageSize` bytes of the image, 16 to a line. A line starts with
// the address of its first byte and a colon, then each byte after one blank:
//   decimal:      "0000:" and " %3d" per byte, e.g. "0016: 100 100   0 255"
//   hexadecimal:  "0000:" and " %02X" per byte, the address in hex too, e.g. "0010: 64 64 00 FF"
// Every line ends with "\r\n", the last one included; the last line holds the bytes left.

namespace {

constexpr int kBytesPerLine = 16;
constexpr const char* kDecimalAddress = "%04d:";
constexpr const char* kDecimalByte = " %3d";
constexpr const char* kHexAddress = "%04X:";
constexpr const char* kHexByte = " %02X";
constexpr const char* kLineEnd = "\r\n";

void Append(std::string& out, const char* format, int value) {
    char field[16];
    std::snprintf(field, sizeof field, format, value);
    out += field;
}

}  // namespace

std::string ExportedText(const CamPacData& data, ExportFormat format) {
    const bool hex = format == ExportFormat::Hexadecimal;
    const auto image = data.Image();
    std::string out;
    for (std::size_t line = 0; line < image.size(); line += kBytesPerLine) {
        Append(out, hex ? kHexAddress : kDecimalAddress, static_cast<int>(line));
        for (std::size_t i = line; i < line + kBytesPerLine && i < image.size(); ++i) {
            Append(out, hex ? kHexByte : kDecimalByte, image[i]);
        }
        out += kLineEnd;
    }
    return out;
}

Status ExportText(const std::filesystem::path& path, const CamPacData& data, ExportFormat format) {
    const std::string text = ExportedText(data, format);
    return WriteFileSafely(path, std::vector<Byte>(text.begin(), text.end()));
}
