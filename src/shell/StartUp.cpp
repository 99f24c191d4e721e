#include "shell/StartUp.h"

#include "shell/LiteralTexts.h"
#include "shell/ShellTexts.h"

bool StartUp(Session& session, UserDialogs& dialogs) {
    session.language.SetFailureSink(&dialogs);
    const SettingsLocation location = LocateSettings(session.programFolder);
    const SettingsLoad load = LoadSettings(location.readFrom, session.settings);
    if (!load.loaded) {
        dialogs.Show(Message::Literal(literal::kSettingsMissing));
    } else if (load.waitStatesMissing && session.settings.useUsb == 0) {
        dialogs.Show(Message::Literal(literal::kWaitStatesMissing, MessageIcon::Warning));
    }
    if (!session.language.LoadLanguage(session.settings.language)) {
        dialogs.Show(Message::Literal(literal::kLanguageFileMissing, MessageIcon::Stop));
        return false;
    }
    ResetDataSet(session.data, session.catalogue, true);
    return true;
}

void ChooseStartFolders(Session& session, const std::filesystem::path& documents) {
    std::error_code error;
    if (!documents.empty() && std::filesystem::is_directory(documents, error)) {
        session.startFolder = documents;
    }
    const std::filesystem::path last = session.settings.lastFilePath;
    if (!last.empty() && std::filesystem::is_directory(last.parent_path(), error)) {
        session.dataSetFolder = last.parent_path().string();
    }
}

void ShutDown(Session& session) {
    session.language.Close();
    SaveSettings(LocateSettings(session.programFolder).writeTo, session.settings);
}

LanguageSwitch SwitchLanguage(Session& session, UserDialogs& dialogs, int language) {
    if (session.language.LoadLanguage(language)) {
        session.settings.language = language;
        dialogs.Show(Message::Numbered(txt::kLanguageSwitched));
        return LanguageSwitch::Switched;
    }
    if (session.language.LoadLanguage(session.settings.language)) {
        dialogs.Show(Message::Numbered(txt::kLanguageSwitchFailed, {}, MessageIcon::Warning));
        return LanguageSwitch::KeptOld;
    }
    dialogs.Show(Message::Literal(literal::kLanguageSwitchFailed, MessageIcon::Stop));
    return LanguageSwitch::Fatal;
}
