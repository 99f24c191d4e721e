#include "dataset/DataSetFiles.h"

#include <unistd.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

#include "common/Cp1252.h"
#include "common/FileAccess.h"
#include "common/TextToInt.h"
#include "dataset/DataSetTexts.h"

// Both file kinds are made of fixed-width fields, each introduced by a 10-byte tag in
// square brackets. Numbers are decimal text in a 10-byte field followed by 0 bytes, text
// fields are bytes followed by 0 filler, bulk bytes follow unchanged. The 290-byte head is
// the same in both: tags "[Keplund ]" and "[Version ]", the version, "[RCAnlage]" and the
// 10-character type name, then "[CamPac  ]" and the image size (CamPac file) or
// "[Groesse ]" and the model size (model file), "[Kommenta]" and a 200-byte comment area
// (a model file uses its first 40 bytes), and "[Daten   ]" before the bulk bytes. A CamPac
// file may end with "[MDLKomtr]" and one 40-byte comment per model.

namespace {

constexpr int kFieldWidth = 10;
constexpr int kWrittenVersion = 309;
constexpr int kCommentArea = kDataSetCommentLength;

namespace tag {
constexpr std::string_view kKeplund = "[Keplund ]";
constexpr std::string_view kVersion = "[Version ]";
constexpr std::string_view kRcSystem = "[RCAnlage]";
constexpr std::string_view kCamPac = "[CamPac  ]";
constexpr std::string_view kModelSize = "[Groesse ]";
constexpr std::string_view kComment = "[Kommenta]";
constexpr std::string_view kData = "[Daten   ]";
constexpr std::string_view kModelComments = "[MDLKomtr]";
}  // namespace tag

constexpr std::string_view kOldFx18Name = "FX18V1    ";
constexpr std::string_view kFx18Name = "FX18V1/2  ";

std::string Suffix(std::string_view value) {
    return "\n\r (" + std::string(value) + ")";
}

// A field of the file as a message shows it: its text up to the first 0 filler byte, in
// UTF-8.
std::string Shown(std::string_view field) {
    return Cp1252ToUtf8(field.substr(0, field.find('\0')));
}

Message Failure(NumberedText numbered, std::string_view suffixValue) {
    return Message::Numbered(numbered, {}, MessageIcon::Warning).WithSuffix(Suffix(suffixValue));
}

Message Failure(NumberedText numbered) {
    return Message::Numbered(numbered, {}, MessageIcon::Warning);
}

// Reads the fields of a file front to back; a field that the file does not hold in full
// reads as empty, so a cut file fails the next check instead of loading as if complete.
class FieldReader {
  public:
    explicit FieldReader(std::span<const Byte> bytes) : cursor_(bytes) {}

    std::string Raw(std::size_t width) {
        std::string field(width, '\0');
        if (!cursor_.Read({reinterpret_cast<Byte*>(field.data()), width})) {
            return {};
        }
        return field;
    }
    bool Tag(std::string_view expected) { return Raw(kFieldWidth) == expected; }
    // A text field: every byte but 0, in order.
    std::string Text(std::size_t width) {
        std::string text;
        for (char c : Raw(width)) {
            if (c != '\0') {
                text += c;
            }
        }
        return text;
    }
    bool Bulk(std::span<Byte> out) { return cursor_.Read(out); }
    bool Skip(std::size_t count) { return cursor_.Skip(count); }

  private:
    ByteCursor cursor_;
};

std::string TypeField(FieldReader& reader) {
    std::string name = reader.Raw(kFieldWidth);
    if (name == kOldFx18Name) {
        name = kFx18Name;
    }
    return name;
}

bool VersionAccepted(int version) {
    return version >= 300 && version <= 399;
}

// The head fields up to and including the size field, read the same way for both kinds.
struct Head {
    std::string versionField;
    std::string typeName;
    int size = 0;
};

class FieldWriter {
  public:
    void Raw(std::string_view bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
    void Number(long long value) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%lld", value);
        Text(digits, kFieldWidth);
    }
    // Text cut to the width and filled with 0 bytes.
    void Text(std::string_view text, std::size_t width) {
        const std::string_view kept = text.substr(0, width);
        Raw(kept);
        out_.insert(out_.end(), width - kept.size(), 0);
    }
    void Bulk(std::span<const Byte> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
    std::vector<Byte> Take() { return std::move(out_); }

  private:
    std::vector<Byte> out_;
};

void WriteHead(FieldWriter& w, std::string_view typeName, std::string_view sizeTag, int size) {
    w.Raw(tag::kKeplund);
    w.Raw(tag::kVersion);
    w.Number(kWrittenVersion);
    w.Raw(tag::kRcSystem);
    w.Text(typeName, kFieldWidth);
    w.Raw(sizeTag);
    w.Number(size);
    w.Raw(tag::kComment);
}

}  // namespace

Message FileReadFailure(FileFault fault) {
    switch (fault) {
        case FileFault::NotAFile:
            return Failure(txt::kNotARegularFile);
        case FileFault::TooLarge:
            return Failure(txt::kFileTooLarge);
        case FileFault::None:
        case FileFault::CannotOpen:
            break;
    }
    return Failure(txt::kCannotOpenFile);
}

DataSetFileRead ReadDataSetFile(const std::filesystem::path& path, CamPacData& data,
                                const TransmitterCatalogue& catalogue) {
    const FileBytes file = ReadFileBytes(path, kLargestDataSetFile);
    if (file.fault != FileFault::None) {
        ResetDataSet(data, catalogue, true);
        return {FileReadFailure(file.fault), {}};
    }
    DataSetFileRead result = DecodeDataSetFile(file.bytes, data, catalogue);
    if (result.status) {
        data.fileName = path.filename().string();
    }
    return result;
}

DataSetFileRead DecodeDataSetFile(std::span<const Byte> bytes, CamPacData& data,
                                  const TransmitterCatalogue& catalogue) {
    ResetDataSet(data, catalogue, true);
    DataSetFileRead result;
    auto fail = [&](Message message) {
        ResetDataSet(data, catalogue, true);
        result.status = Status(std::move(message));
        return result;
    };
    FieldReader reader(bytes);
    for (auto expected : {tag::kKeplund, tag::kVersion}) {
        if (!reader.Tag(expected)) {
            return fail(Failure(txt::kNotADataSetFile, expected));
        }
    }
    const std::string versionField = reader.Raw(kFieldWidth);
    if (!VersionAccepted(TextToInt(versionField))) {
        return fail(Failure(txt::kBadFileVersion, Shown(versionField)));
    }
    if (!reader.Tag(tag::kRcSystem)) {
        return fail(Failure(txt::kNotADataSetFile, tag::kRcSystem));
    }
    const std::string typeName = TypeField(reader);
    if (!catalogue.Contains(typeName)) {
        return fail(Failure(txt::kUnknownType, Shown(typeName)));
    }
    if (!reader.Tag(tag::kCamPac)) {
        return fail(Failure(txt::kNotADataSetFile));
    }
    const int imageSize = TextToInt(reader.Raw(kFieldWidth));
    if (!IsCamPacSize(imageSize)) {
        return fail(Failure(txt::kBadImageSize));
    }
    if (!reader.Tag(tag::kComment)) {
        return fail(Failure(txt::kNotADataSetFile, tag::kComment));
    }
    std::string comment = reader.Text(kCommentArea);
    if (!reader.Tag(tag::kData)) {
        return fail(Failure(txt::kNotADataSetFile, tag::kData));
    }
    std::array<Byte, kImageCapacity> image;
    image.fill(kErasedByte);
    if (!reader.Bulk(std::span<Byte>(image).first(imageSize))) {
        return fail(Failure(txt::kNotADataSetFile, tag::kData));
    }

    data.typeName = typeName;
    data.imageSize = imageSize;
    data.dataSetComment = std::move(comment);
    data.image = image;
    if (auto warning = IdentifyFromImage(data, catalogue)) {
        result.warnings.push_back(std::move(*warning));
    }
    // The model comments are optional; a block cut short keeps the comments it holds whole.
    if (reader.Tag(tag::kModelComments)) {
        for (int i = 0; i < data.modelCount; ++i) {
            const std::string field = reader.Raw(kModelCommentLength);
            if (field.empty()) {
                break;
            }
            data.modelComments[i].clear();
            for (char c : field) {
                if (c != '\0') {
                    data.modelComments[i] += c;
                }
            }
        }
    }
    return result;
}

Status ReadModelFile(const std::filesystem::path& path, int model, CamPacData& data) {
    const FileBytes file = ReadFileBytes(path, kLargestModelFile);
    if (file.fault != FileFault::None) {
        return FileReadFailure(file.fault);
    }
    return DecodeModelFile(file.bytes, model, data);
}

Status DecodeModelFile(std::span<const Byte> bytes, int model, CamPacData& data) {
    FieldReader reader(bytes);
    if (!reader.Tag(tag::kKeplund)) {
        return Failure(txt::kNotADataSetFile, tag::kKeplund);
    }
    if (!reader.Tag(tag::kVersion)) {
        return Failure(txt::kBadModelFileTag, tag::kVersion);
    }
    const std::string versionField = reader.Raw(kFieldWidth);
    if (!VersionAccepted(TextToInt(versionField))) {
        return Failure(txt::kBadFileVersion, Shown(versionField));
    }
    if (!reader.Tag(tag::kRcSystem)) {
        return Failure(txt::kBadModelFileTag, tag::kRcSystem);
    }
    const std::string typeName = TypeField(reader);
    if (typeName != data.typeName) {
        return Failure(txt::kUnknownType, Shown(typeName));
    }
    if (!reader.Tag(tag::kModelSize)) {
        return Failure(txt::kBadModelFileTag, tag::kModelSize);
    }
    if (TextToInt(reader.Raw(kFieldWidth)) != data.modelSize) {
        return Failure(txt::kModelSizeMismatch);
    }
    if (!reader.Tag(tag::kComment)) {
        return Failure(txt::kBadModelFileTag, tag::kComment);
    }
    const std::string comment = reader.Text(kModelCommentLength);
    reader.Skip(kCommentArea - kModelCommentLength);
    if (!reader.Tag(tag::kData)) {
        return Failure(txt::kBadModelFileTag, tag::kData);
    }
    std::vector<Byte> record(static_cast<size_t>(data.modelSize));
    if (!reader.Bulk(record)) {
        return Failure(txt::kBadModelFileTag, tag::kData);
    }
    if (model < 0 || model >= kMaxModels ||
        !CopyBytes(data.modelSlots.Slot(model), 0, record, 0, record.size())) {
        return Failure(txt::kModelSizeMismatch);
    }
    // The file's comment is appended to the one the model has; a model comment holds at
    // most 40 characters, so what goes beyond is cut here rather than at the next save.
    std::string& kept = data.modelComments[model];
    kept = (kept + comment).substr(0, kModelCommentLength);
    return {};
}

std::vector<Byte> EncodeDataSetFile(const CamPacData& data) {
    FieldWriter w;
    WriteHead(w, data.typeName, tag::kCamPac, data.imageSize);
    w.Text(data.dataSetComment, kCommentArea);
    w.Raw(tag::kData);
    w.Bulk(data.Image());
    w.Raw(tag::kModelComments);
    for (int i = 0; i < data.modelCount && i < kMaxModels; ++i) {
        w.Text(data.modelComments[i], kModelCommentLength);
    }
    return w.Take();
}

std::vector<Byte> EncodeModelFile(int model, const CamPacData& data) {
    FieldWriter w;
    WriteHead(w, data.typeName, tag::kModelSize, data.modelSize);
    w.Text(data.modelComments[model], kModelCommentLength);
    w.Text({}, kCommentArea - kModelCommentLength);
    w.Raw(tag::kData);
    w.Bulk(data.modelSlots.Slot(model).first(static_cast<size_t>(data.modelSize)));
    return w.Take();
}

Status WriteFileSafely(const std::filesystem::path& path, const std::vector<Byte>& bytes) {
    // A file that is replaced keeps its permissions, and one the user may not write (an
    // archive made read-only) is not replaced at all.
    std::error_code missing;
    const auto existing = std::filesystem::status(path, missing);
    const bool replacing = !missing && std::filesystem::is_regular_file(existing);
    if (replacing && !MayWrite(path)) {
        return Failure(txt::kCannotOpenFile, path.string());
    }
    auto temporary = path;
    temporary += ".keplund-" + std::to_string(::getpid()) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.is_open()) {
            return Failure(txt::kCannotOpenFile, path.string());
        }
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return Failure(txt::kCannotOpenFile, path.string());
        }
    }
    std::error_code error;
    if (replacing) {
        std::filesystem::permissions(temporary, existing.permissions(),
                                     std::filesystem::perm_options::replace, error);
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return Failure(txt::kCannotOpenFile, path.string());
    }
    return {};
}

Status WriteDataSetFile(const std::filesystem::path& path, const CamPacData& data) {
    return WriteFileSafely(path, EncodeDataSetFile(data));
}

Status WriteModelFile(const std::filesystem::path& path, int model, const CamPacData& data) {
    if (model < 0 || model >= data.modelCount || model >= kMaxModels) {
        return Failure(txt::kModelSizeMismatch);
    }
    return WriteFileSafely(path, EncodeModelFile(model, data));
}
