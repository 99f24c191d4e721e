#include "dataset/DataSetCommands.h"

#include <cctype>
#include <memory>

#include "dataset/DataSetFiles.h"
#include "dataset/DataSetTexts.h"
#include "shell/ShellTexts.h"

namespace {

constexpr const char* kDataSetFilter = "CamPac Daten(*.rom)|*.rom|Alle Dateien(*.*)|*.*||";

FileRequest DataSetFileRequest(const Session& session, NumberedText title) {
    return {kDataSetFilter, "rom", ProposedDataSetName(session.data),
            session.FolderOrStart(session.dataSetFolder), title.number};
}

void NameDataSetAfter(Session& session, const std::filesystem::path& path) {
    const std::string full = std::filesystem::absolute(path).string();
    session.settings.lastFilePath = full;
    session.data.fileName = path.filename().string();
    session.data.displayPath = DisplayPathOf(full);
    session.data.filePath = full;
}

}  // namespace

bool ConfirmDiscardChanges(const Session& session, UserDialogs& dialogs) {
    if (static_cast<int>(session.data.state) < static_cast<int>(DataSetState::Changed)) {
        return true;
    }
    return dialogs.Show(Message::Numbered(txt::kConfirmDiscardChanges)
                            .WithButtons(MessageButtons::YesNo, MessageIcon::Question)) ==
           Answer::Yes;
}

bool ConfirmReplace(UserDialogs& dialogs, const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return true;
    }
    return dialogs.Show(Message::Numbered(txt::kConfirmReplaceFile, {path.filename().string()})
                            .WithButtons(MessageButtons::YesNo, MessageIcon::Question)) ==
           Answer::Yes;
}

CommandOutcome LoadDataSetFrom(Session& session, UserDialogs& dialogs,
                               const std::filesystem::path& path) {
    auto loaded = std::make_unique<CamPacData>();
    const DataSetFileRead read = ReadDataSetFile(path, *loaded, session.catalogue);
    for (const Message& warning : read.warnings) {
        dialogs.Show(warning);
    }
    if (!read.status) {
        dialogs.Show(read.status.error());
        return CommandOutcome::Failed;
    }
    loaded->state = DataSetState::Unchanged;
    session.data = std::move(*loaded);
    NameDataSetAfter(session, path);
    return CommandOutcome::Done;
}

CommandOutcome LoadCommand(Session& session, UserDialogs& dialogs) {
    if (!ConfirmDiscardChanges(session, dialogs)) {
        return CommandOutcome::Cancelled;
    }
    FileRequest request = DataSetFileRequest(session, txt::kTitleLoadDataSet);
    request.proposedName = "noname";
    const auto chosen = dialogs.ChooseFileToOpen(request);
    if (!chosen) {
        return CommandOutcome::Cancelled;
    }
    session.dataSetFolder = std::filesystem::path(*chosen).parent_path().string();
    return LoadDataSetFrom(session, dialogs, *chosen);
}

CommandOutcome LastFileCommand(Session& session, UserDialogs& dialogs) {
    if (!ConfirmDiscardChanges(session, dialogs)) {
        return CommandOutcome::Cancelled;
    }
    const std::filesystem::path path = session.settings.lastFilePath;
    if (!path.empty()) {
        session.dataSetFolder = path.parent_path().string();
    }
    return LoadDataSetFrom(session, dialogs, path);
}

CommandOutcome SaveCommand(Session& session, UserDialogs& dialogs, SaveTarget target) {
    if (session.data.state == DataSetState::None) {
        return CommandOutcome::Cancelled;
    }
    std::filesystem::path path = session.data.filePath;
    if (target == SaveTarget::Choose || path.empty()) {
        const auto chosen =
            dialogs.ChooseFileToSave(DataSetFileRequest(session, txt::kTitleSaveDataSet));
        if (!chosen) {
            return CommandOutcome::Cancelled;
        }
        path = *chosen;
        session.dataSetFolder = path.parent_path().string();
        if (!ConfirmReplace(dialogs, path)) {
            return CommandOutcome::Cancelled;
        }
    }
    if (const Status written = WriteDataSetFile(path, session.data); !written) {
        dialogs.Show(written.error());
        return CommandOutcome::Failed;
    }
    session.data.state = DataSetState::Unchanged;
    NameDataSetAfter(session, path);
    return CommandOutcome::Done;
}

std::string ProposedDataSetName(const CamPacData& data, const std::tm& date) {
    if (!data.filePath.empty()) {
        return std::filesystem::path(data.filePath).filename().string();
    }
    // Letters and digits of the type name; a blank or slash inside it becomes "-".
    std::string type;
    for (const char c : data.typeName) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            type += c;
        } else if (!type.empty() && type.back() != '-') {
            type += '-';
        }
    }
    while (!type.empty() && type.back() == '-') {
        type.pop_back();
    }
    if (type.empty() || type == "Unbekannt") {
        type = "CamPac";
    }
    char day[16];
    std::strftime(day, sizeof day, "%Y-%m-%d", &date);
    return type + "_" + day + ".rom";
}

std::string ProposedDataSetName(const CamPacData& data) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return ProposedDataSetName(data, local);
}
