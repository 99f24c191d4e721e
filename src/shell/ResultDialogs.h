#pragma once

#include <functional>
#include <string>

#include "common/UserDialogs.h"

class LanguageTable;

// The dialogs of the main window: every call goes on to the dialogs of the run, and every
// message that is no question (a failure, a warning, a report) is also handed on as its
// text, so that the status bar can show the last result.
class ResultDialogs : public UserDialogs {
  public:
    using ResultSink = std::function<void(const std::string& text)>;

    ResultDialogs(UserDialogs& dialogs, const LanguageTable& language)
        : dialogs_(dialogs), language_(language) {}
    void SetResultSink(ResultSink sink) { sink_ = std::move(sink); }

    Answer Show(const Message& message) override;
    std::optional<std::string> ChooseFileToOpen(const FileRequest& request) override {
        return dialogs_.ChooseFileToOpen(request);
    }
    std::optional<std::string> ChooseFileToSave(const FileRequest& request) override {
        return dialogs_.ChooseFileToSave(request);
    }
    std::optional<std::string> ChooseFolder(const FileRequest& request) override {
        return dialogs_.ChooseFolder(request);
    }
    std::optional<std::string> PromptText(const std::string& prompt) override {
        return dialogs_.PromptText(prompt);
    }

  private:
    UserDialogs& dialogs_;
    const LanguageTable& language_;
    ResultSink sink_;
};
