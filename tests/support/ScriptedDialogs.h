#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/UserDialogs.h"

// Dialogs for tests: every message is recorded; answers, chosen files and typed texts
// come from queues the test fills (an empty queue answers Ok/No/Cancel, chooses nothing).
class ScriptedDialogs : public UserDialogs {
  public:
    Answer Show(const Message& message) override;
    std::optional<std::string> ChooseFileToOpen(const FileRequest& request) override;
    std::optional<std::string> ChooseFileToSave(const FileRequest& request) override;
    std::optional<std::string> ChooseFolder(const FileRequest& request) override;
    std::optional<std::string> PromptText(const std::string& prompt) override;
    bool SetUpPage(QPrinter& printer) override;
    bool ChoosePrinter(QPrinter& printer) override;

    std::vector<Message> shown;
    std::vector<FileRequest> fileRequests;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> files;
    std::deque<std::optional<std::string>> texts;
    // The page-setup and print dialogs: each queued function does what the user does in one
    // dialog (sets margins, chooses a PDF file) and gives whether OK was pressed; an empty
    // queue cancels. The counts say how often each dialog was shown.
    std::deque<std::function<bool(QPrinter&)>> pageSetups;
    std::deque<std::function<bool(QPrinter&)>> printDialogs;
    int pageSetupsShown = 0;
    int printDialogsShown = 0;

    // Text numbers of the messages shown so far, in order (-1 for literal texts).
    std::vector<int> ShownNumbers() const;
};
