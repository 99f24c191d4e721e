#pragma once

#include <QString>

#include "common/UserDialogs.h"

class LanguageTable;
class QWidget;

// Real dialogs: QMessageBox, QFileDialog and QInputDialog over the given parent window.
class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(const LanguageTable& language) : language_(language) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Show(const Message& message) override;
    std::optional<std::string> ChooseFileToOpen(const FileRequest& request) override;
    std::optional<std::string> ChooseFileToSave(const FileRequest& request) override;
    std::optional<std::string> ChooseFolder(const FileRequest& request) override;
    std::optional<std::string> PromptText(const std::string& prompt) override;

  private:
    const LanguageTable& language_;
    QWidget* parent_ = nullptr;
};

// A text of the program (UTF-8, "\r\n" line breaks) as Qt shows it.
QString DisplayText(const std::string& text);
// "Name(*.ext)|*.ext|...||" as a Qt name filter list.
QString QtFileFilter(const std::string& filter);
