#pragma once

#include <ctime>
#include <filesystem>

#include "common/UserDialogs.h"
#include "shell/Session.h"

enum class CommandOutcome { Cancelled, Done, Failed };

// Asks text 44 while the data set holds unsaved changes; true when the user may go on.
bool ConfirmDiscardChanges(const Session& session, UserDialogs& dialogs);
// Asks before an existing file is replaced; true when there is none or the user says Yes.
bool ConfirmReplace(UserDialogs& dialogs, const std::filesystem::path& path);

// Reads a CamPac file as the program's Load does, showing its messages. The file is read
// into a data set of its own, so a failure leaves the data set that was open as it was; on
// success it replaces the data set (unchanged, state 1) and the path becomes the last file.
CommandOutcome LoadDataSetFrom(Session& session, UserDialogs& dialogs,
                               const std::filesystem::path& path);
// Load: the confirmation, the file dialog in the remembered folder, then the read.
CommandOutcome LoadCommand(Session& session, UserDialogs& dialogs);
// Last file: the confirmation and the read of the remembered path, without a dialog.
CommandOutcome LastFileCommand(Session& session, UserDialogs& dialogs);

enum class SaveTarget {
    KnownFile,  // the file the data set was loaded from or saved to, if it has one
    Choose,     // always the file dialog
};
// Save: the file (chosen, or the known one), then the write; afterwards the data set names
// the written file. A chosen file that exists is replaced only after Yes.
CommandOutcome SaveCommand(Session& session, UserDialogs& dialogs,
                           SaveTarget target = SaveTarget::Choose);

// The name a save dialog proposes: the file the data set came from, else its type and the
// date ("FX18V1-2_2026-03-09.rom").
std::string ProposedDataSetName(const CamPacData& data, const std::tm& date);
// The proposal of today.
std::string ProposedDataSetName(const CamPacData& data);
