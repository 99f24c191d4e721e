#include "dataset/ModelFileBrowse.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>
#include <string_view>
#include <system_error>

#include "common/Bytes.h"
#include "common/Cp1252.h"
#include "common/FileBytes.h"
#include "common/TextToInt.h"
#include "dataset/DataSetFiles.h"
#include "dataset/DataSetTexts.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelTexts.h"

namespace {

constexpr std::size_t kField = 10;
constexpr std::size_t kCommentField = 40;
constexpr const char* kModelFileNumber = "%03d ";
constexpr std::string_view kModelFileExtension = ".mdl";

// The head of a model file: "[Keplund ]", "[Version ]", the version, "[RCAnlage]", the
// type name, "[Groesse ]", the model size, "[Kommenta]" and the 40-byte comment.
class HeadReader {
  public:
    explicit HeadReader(std::span<const Byte> bytes) : cursor_(bytes) {}
    std::string Field(std::size_t width) {
        std::string field(width, '\0');
        if (!cursor_.Read({reinterpret_cast<Byte*>(field.data()), width})) {
            return {};
        }
        return field;
    }
    bool Tag(std::string_view tag) { return Field(kField) == tag; }

  private:
    ByteCursor cursor_;
};

std::string WithoutZeros(const std::string& field) {
    std::string text;
    std::copy_if(field.begin(), field.end(), std::back_inserter(text),
                 [](char c) { return c != '\0'; });
    return text;
}

Message Refused(NumberedText numbered) {
    return Message::Numbered(numbered, {}, MessageIcon::Warning);
}

bool IsModelFileName(const std::string& name) {
    if (name.size() < kModelFileExtension.size()) {
        return false;
    }
    const std::string tail = name.substr(name.size() - kModelFileExtension.size());
    return std::equal(tail.begin(), tail.end(), kModelFileExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

}  // namespace

Result<ModelFileHead> ReadModelFileHead(const std::filesystem::path& path,
                                        const std::string& dataSetTypeName) {
    const FileBytes file = ReadFileBytes(path, kLargestModelFile);
    if (file.fault != FileFault::None) {
        return FileReadFailure(file.fault);
    }
    return DecodeModelFileHead(file.bytes, dataSetTypeName);
}

Result<ModelFileHead> DecodeModelFileHead(std::span<const Byte> bytes,
                                          const std::string& dataSetTypeName) {
    HeadReader reader(bytes);
    if (!reader.Tag("[Keplund ]") || !reader.Tag("[Version ]")) {
        return Refused(txt::kNotAModelFile);
    }
    const int version = TextToInt(reader.Field(kField));
    if (version < 300 || version > 399) {
        return Refused(txt::kBadFileVersion);
    }
    if (!reader.Tag("[RCAnlage]")) {
        return Refused(txt::kNotAModelFile);
    }
    ModelFileHead head;
    head.typeName = reader.Field(kField);
    if (head.typeName == "FX18V1    ") {
        head.typeName = "FX18V1/2  ";
    }
    if (!reader.Tag("[Groesse ]")) {
        return Refused(txt::kNotAModelFile);
    }
    head.modelSize = TextToInt(reader.Field(kField));
    if (!reader.Tag("[Kommenta]")) {
        return Refused(txt::kNotAModelFile);
    }
    const std::string comment = reader.Field(kCommentField);
    if (comment.empty()) {
        return Refused(txt::kNotAModelFile);
    }
    if (head.typeName != dataSetTypeName) {
        return Refused(txt::kUnknownType);
    }
    head.comment = Cp1252ToUtf8(WithoutZeros(comment));
    return head;
}

std::vector<BrowseEntry> BrowseFolder(const std::filesystem::path& folder) {
    std::vector<BrowseEntry> folders;
    std::vector<BrowseEntry> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        std::error_code ignored;
        if (entry.is_directory(ignored)) {
            folders.push_back({BrowseEntry::Kind::Folder, name});
        } else if (IsModelFileName(name)) {
            files.push_back({BrowseEntry::Kind::ModelFile, name});
        }
    }
    const auto byName = [](const BrowseEntry& a, const BrowseEntry& b) { return a.name < b.name; };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    std::vector<BrowseEntry> entries{{BrowseEntry::Kind::Up, ".."}};
    entries.insert(entries.end(), folders.begin(), folders.end());
    entries.insert(entries.end(), files.begin(), files.end());
    return entries;
}

std::string ModelFileName(const CamPacData& data, int model) {
    char number[16];
    std::snprintf(number, sizeof number, kModelFileNumber, model + 1);
    std::string name = ModelName(data, model);
    for (char& c : name) {
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    while (!name.empty() && name.back() == ' ') {
        name.pop_back();
    }
    return number + name + std::string(kModelFileExtension);
}

int ExistingModelFiles(const std::filesystem::path& folder, const CamPacData& data) {
    int existing = 0;
    for (int i = 0; i < data.modelCount; ++i) {
        std::error_code error;
        if (std::filesystem::exists(folder / ModelFileName(data, i), error)) {
            ++existing;
        }
    }
    return existing;
}

Status SaveAllModels(const std::filesystem::path& folder, const CamPacData& data) {
    for (int i = 0; i < data.modelCount; ++i) {
        if (const Status written = WriteModelFile(folder / ModelFileName(data, i), i, data);
            !written) {
            return written;
        }
    }
    return {};
}
