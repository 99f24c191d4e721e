#include "support/TestFiles.h"

#include <fstream>
#include <iterator>
#include <random>

TempFolder::TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("keplund-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path LanguageSourceFolder() {
    return std::filesystem::path(KEPLUND_SOURCE_DIR) / "languages";
}

void CopyLanguageFiles(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(LanguageSourceFolder())) {
        std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

std::vector<Byte> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<Byte>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

namespace {

void Append(std::vector<Byte>& out, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        out.push_back(i < text.size() ? static_cast<Byte>(text[i]) : 0);
    }
}

// The head both file kinds share: ten-byte fields, the ninth (the comment) 200 bytes.
void AppendHead(std::vector<Byte>& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Append(out, fields[i], i == 8 ? 200 : 10);
    }
}

}  // namespace

std::vector<Byte> HeaderedImage(int size, int sizeCode, int typeCode) {
    std::vector<Byte> image(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        image[i] = static_cast<Byte>(i * 7 + 3);
    }
    image[0] = static_cast<Byte>(sizeCode >> 8);
    image[1] = static_cast<Byte>(sizeCode);
    image[2] = static_cast<Byte>(typeCode >> 8);
    image[3] = static_cast<Byte>(typeCode);
    return image;
}

std::vector<Byte> BuildRomFile(const RomFileFields& f) {
    std::vector<Byte> out;
    AppendHead(out, {f.keplundTag, f.versionTag, f.version, f.rcTag, f.typeName, f.camPacTag,
                     f.size, f.commentTag, f.comment, f.dataTag});
    const std::vector<Byte> image = f.image.empty() ? HeaderedImage(2048, 3, 0x0002) : f.image;
    out.insert(out.end(), image.begin(), image.end());
    if (f.withModelComments) {
        Append(out, "[MDLKomtr]", 10);
        for (const auto& comment : f.modelComments) {
            Append(out, comment, 40);
        }
    }
    return out;
}

std::vector<Byte> BuildMdlFile(const MdlFileFields& f) {
    std::vector<Byte> out;
    AppendHead(out, {f.keplundTag, f.versionTag, f.version, f.rcTag, f.typeName, f.sizeTag, f.size,
                     f.commentTag, f.comment, f.dataTag});
    for (std::size_t i = 0; i < f.recordBytes; ++i) {
        out.push_back(static_cast<Byte>(0xA0 + i % 32));
    }
    return out;
}
