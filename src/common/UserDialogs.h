#pragma once

#include <optional>
#include <string>

#include "common/Message.h"

// What a file or folder dialog is asked for. The filter uses the "Name(*.ext)|*.ext|...||"
// form; `title` is the number of the text that says what the dialog does (-1: none).
struct FileRequest {
    std::string filter;
    std::string defaultExtension;
    std::string proposedName;
    std::string folder;
    int title = -1;
};

// The answer that leaves everything as it was: No to a yes/no question, Cancel to an
// ok/cancel one, and Ok to a plain message. Used where no user can be asked.
inline Answer DecliningAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return Answer::No;
        case MessageButtons::OkCancel:
            return Answer::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return Answer::Ok;
}

// The one door through which the program talks to the user: message boxes, questions,
// file dialogs and the small input prompt. The program uses real dialogs; tests and the
// command-line tool script or record the answers.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    virtual Answer Show(const Message& message) = 0;
    virtual std::optional<std::string> ChooseFileToOpen(const FileRequest& request) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const FileRequest& request) = 0;
    // Uses the request's folder (where it starts) and title.
    virtual std::optional<std::string> ChooseFolder(const FileRequest& request) = 0;
    // The input dialog: a prompt line and one edit field; nullopt when cancelled.
    virtual std::optional<std::string> PromptText(const std::string& prompt) = 0;
};
