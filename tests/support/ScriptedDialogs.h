#pragma once

#include <deque>
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

    std::vector<Message> shown;
    std::vector<FileRequest> fileRequests;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> files;
    std::deque<std::optional<std::string>> texts;

    // Text numbers of the messages shown so far, in order (-1 for literal texts).
    std::vector<int> ShownNumbers() const;
};
