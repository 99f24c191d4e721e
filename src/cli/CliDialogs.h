#pragma once

#include <string>
#include <vector>

#include "common/UserDialogs.h"

class LanguageTable;

// One message as the command-line tool reports it: its text number and the full text.
struct ShownMessage {
    int text;
    std::string message;
};

// The command-line tool's dialogs: messages are recorded in order with their texts,
// questions are answered No, and no file or input dialog is ever chosen.
class CliDialogs : public UserDialogs {
  public:
    explicit CliDialogs(const LanguageTable& language) : language_(language) {}

    Answer Show(const Message& message) override;
    std::optional<std::string> ChooseFileToOpen(const FileRequest&) override { return {}; }
    std::optional<std::string> ChooseFileToSave(const FileRequest&) override { return {}; }
    std::optional<std::string> ChooseFolder(const FileRequest&) override { return {}; }
    std::optional<std::string> PromptText(const std::string&) override { return {}; }

    const std::vector<ShownMessage>& shown() const { return shown_; }
    ShownMessage Render(const Message& message) const;

  private:
    const LanguageTable& language_;
    std::vector<ShownMessage> shown_;
};
