#include "dataset/Version2Import.h"

#include <memory>
#include <string>
#include <vector>

#include "common/FileBytes.h"
#include "common/TextToInt.h"
#include "dataset/DataSetFiles.h"
#include "dataset/DataSetTexts.h"
#include "dataset/ModelTexts.h"
#include "shell/Session.h"

// A version 2.x file is text with one value per line, numbers in decimal:
//   1  version, 20 to 29
//   2  kind: 1 a raw image without type, 2 the image of a known transmitter
//   3  kind 1: size code 1 = 256, 2 = 512, 3 = 1024, 4 = 2048 bytes;
//      kind 2: tens digit the transmitter (0 FC18V3, 1 FC18V2, 2 FF8, 3 FC16),
//      units digit the size (1 = 512, 2 = 2048, 3 = 8192 bytes)
//   4  not used
//   5  the data set comment
//   6… one image byte per line from byte 0 on
// A size code or digit other than those listed is refused (text 49).

namespace {

constexpr int kLowestVersion = 20;
constexpr int kHighestVersion = 29;
// The head lines, a comment line and 8192 byte lines of at most five characters ("255"
// and a line end) fit with ample room.
constexpr std::uintmax_t kLargestFile = 64 * 1024;
constexpr const char* kDataSetFilter = "CamPac Daten(*.rom)|*.rom|Alle Dateien(*.*)|*.*||";
constexpr std::string_view kUnknownName = "Unbekannt ";

// The lines of the file without their line ends; a line the file lacks reads as empty.
class Lines {
  public:
    explicit Lines(const std::string& text) {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos) {
                end = text.size();
            }
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines_.push_back(std::move(line));
            start = end + 1;
        }
    }
    const std::string& Next() {
        static const std::string kMissing;
        return next_ < lines_.size() ? lines_[next_++] : kMissing;
    }

  private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

int Kind1Size(int code) {
    switch (code) {
        case 1:
            return 256;
        case 2:
            return 512;
        case 3:
            return 1024;
        case 4:
            return 2048;
        default:
            return 0;
    }
}

int Kind2Size(int digit) {
    switch (digit) {
        case 1:
            return 512;
        case 2:
            return 2048;
        case 3:
            return 8192;
        default:
            return 0;
    }
}

// The FC18V2 of that generation has no entry of its own: its data sets keep the name of
// the unknown type, so that a saved file of them loads again.
std::string_view Kind2Name(int digit) {
    switch (digit) {
        case 0:
            return "FC18V3    ";
        case 2:
            return "FF8       ";
        case 3:
            return "FC16      ";
        default:
            return kUnknownName;
    }
}

}  // namespace

Status ReadVersion2File(const std::filesystem::path& path, CamPacData& data,
                        const TransmitterCatalogue& catalogue) {
    const FileBytes file = ReadFileBytes(path, kLargestFile);
    if (file.fault != FileFault::None) {
        ResetDataSet(data, catalogue, true);
        return FileReadFailure(file.fault);
    }
    Status decoded = DecodeVersion2File(file.bytes, data, catalogue);
    if (decoded) {
        data.fileName = path.filename().string();
    }
    return decoded;
}

Status DecodeVersion2File(std::span<const Byte> bytes, CamPacData& data,
                          const TransmitterCatalogue& catalogue) {
    ResetDataSet(data, catalogue, true);
    Lines lines(std::string(bytes.begin(), bytes.end()));
    const int version = TextToInt(lines.Next());
    if (version < kLowestVersion || version > kHighestVersion) {
        return Message::Numbered(txt::kNotADataSetFile, {}, MessageIcon::Warning);
    }
    const int kind = TextToInt(lines.Next());
    const int sizeField = TextToInt(lines.Next());
    if (kind == 1) {
        data.typeName = kUnknownName;
        data.imageSize = Kind1Size(sizeField);
    } else if (kind == 2) {
        data.typeName = Kind2Name(sizeField / 10);
        data.imageSize = Kind2Size(sizeField % 10);
    } else {
        ResetDataSet(data, catalogue, true);
        return Message::Numbered(txt::kUnknownV2Kind, {}, MessageIcon::Warning);
    }
    // Without a size no byte of the file would be taken, and a data set of no bytes can be
    // neither written to a CamPac nor saved and loaded again.
    if (data.imageSize == 0) {
        ResetDataSet(data, catalogue, true);
        return Message::Numbered(txt::kBadImageSize, {}, MessageIcon::Warning);
    }
    lines.Next();
    data.dataSetComment = lines.Next().substr(0, kDataSetCommentLength);
    for (int i = 0; i < data.imageSize; ++i) {
        data.image[i] = static_cast<Byte>(TextToInt(lines.Next()) & 0xFF);
    }
    IdentifyFromName(data, catalogue);
    data.state = DataSetState::Unchanged;
    return {};
}

// The file is read into a data set of its own: cancelling the dialog or a file that cannot
// be imported leaves the data set that was open as it was.
CommandOutcome ImportVersion2File(Session& session, UserDialogs& dialogs) {
    if (!ConfirmDiscardChanges(session, dialogs)) {
        return CommandOutcome::Cancelled;
    }
    const auto chosen = dialogs.ChooseFileToOpen({kDataSetFilter, "rom", "noname",
                                                  session.FolderOrStart(session.dataSetFolder),
                                                  txt::kTitleImport.number});
    if (!chosen) {
        return CommandOutcome::Cancelled;
    }
    session.dataSetFolder = std::filesystem::path(*chosen).parent_path().string();
    auto imported = std::make_unique<CamPacData>();
    if (const Status read = ReadVersion2File(*chosen, *imported, session.catalogue); !read) {
        dialogs.Show(read.error());
        return CommandOutcome::Failed;
    }
    session.data = std::move(*imported);
    session.data.displayPath = DisplayPathOf(std::filesystem::absolute(*chosen).string());
    return CommandOutcome::Done;
}
