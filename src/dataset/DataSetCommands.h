#pragma once

#include <filesystem>

#include "common/UserDialogs.h"
#include "shell/Session.h"

enum class CommandOutcome { Cancelled, Done, Failed };

// Asks text 44 while the data set holds unsaved changes; true when the user may go on.
bool ConfirmDiscardChanges(const Session& session, UserDialogs& dialogs);

// Reads a CamPac file as the program's Load does, showing its messages; on success the
// data set is unchanged (state 1) and the path becomes the last file.
CommandOutcome LoadDataSetFrom(Session& session, UserDialogs& dialogs,
                               const std::filesystem::path& path);
// Load: the confirmation, the file dialog in the remembered folder, then the read.
CommandOutcome LoadCommand(Session& session, UserDialogs& dialogs);
// Last file: the confirmation and the read of the remembered path, without a dialog.
CommandOutcome LastFileCommand(Session& session, UserDialogs& dialogs);
// Save: the file dialog, then the write; afterwards the data set names the written file.
CommandOutcome SaveCommand(Session& session, UserDialogs& dialogs);
