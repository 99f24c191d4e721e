#pragma once

#include "common/UserDialogs.h"
#include "shell/Session.h"

// The start of a run before any window exists: the settings file and the language file,
// with their messages. False when the language file cannot be opened; the program then
// ends, since it has no texts to show.
bool StartUp(Session& session, UserDialogs& dialogs);

// Where the file dialogs of a run start: the data set dialogs in the folder of the last file
// while it exists, every dialog else in the documents folder (while it exists).
void ChooseStartFolders(Session& session, const std::filesystem::path& documents);

// The end of a run: closes the language file and writes the settings file.
void ShutDown(Session& session);

enum class LanguageSwitch { Switched, KeptOld, Fatal };

// Opens the file of another language, falling back to the one in use when that fails.
LanguageSwitch SwitchLanguage(Session& session, UserDialogs& dialogs, int language);
