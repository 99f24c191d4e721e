#include "dataset/DataSetCommands.h"

#include "dataset/DataSetFiles.h"
#include "shell/ShellTexts.h"

namespace {

constexpr const char* kDataSetFilter = "CamPac Daten(*.rom)|*.rom|Alle Dateien(*.*)|*.*||";

FileRequest DataSetFileRequest(const Session& session) {
    return {kDataSetFilter, "rom", session.data.fileName,
            session.FolderOrProgram(session.dataSetFolder)};
}

void NameDataSetAfter(Session& session, const std::filesystem::path& path) {
    const std::string full = std::filesystem::absolute(path).string();
    session.settings.lastFilePath = full;
    session.data.fileName = path.filename().string();
    session.data.displayPath = DisplayPathOf(full);
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

CommandOutcome LoadDataSetFrom(Session& session, UserDialogs& dialogs,
                               const std::filesystem::path& path) {
    const DataSetFileRead read = ReadDataSetFile(path, session.data, session.catalogue);
    for (const Message& warning : read.warnings) {
        dialogs.Show(warning);
    }
    if (!read.status) {
        dialogs.Show(read.status.error());
        return CommandOutcome::Failed;
    }
    session.data.state = DataSetState::Unchanged;
    NameDataSetAfter(session, path);
    return CommandOutcome::Done;
}

CommandOutcome LoadCommand(Session& session, UserDialogs& dialogs) {
    if (!ConfirmDiscardChanges(session, dialogs)) {
        return CommandOutcome::Cancelled;
    }
    FileRequest request = DataSetFileRequest(session);
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

CommandOutcome SaveCommand(Session& session, UserDialogs& dialogs) {
    if (session.data.state == DataSetState::None) {
        return CommandOutcome::Cancelled;
    }
    const auto chosen = dialogs.ChooseFileToSave(DataSetFileRequest(session));
    if (!chosen) {
        return CommandOutcome::Cancelled;
    }
    session.dataSetFolder = std::filesystem::path(*chosen).parent_path().string();
    if (const Status written = WriteDataSetFile(*chosen, session.data); !written) {
        dialogs.Show(written.error());
        return CommandOutcome::Failed;
    }
    session.data.state = DataSetState::Unchanged;
    NameDataSetAfter(session, *chosen);
    return CommandOutcome::Done;
}
