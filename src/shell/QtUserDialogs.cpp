#include "shell/QtUserDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "common/MessageText.h"
#include "shell/LanguageTable.h"

namespace {

const QString kTitle = QStringLiteral("Keplund");

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The answer that keeps everything as it was is the default button of every question, so
// Enter never throws work away.
QMessageBox::StandardButton DefaultOf(MessageButtons buttons) {
    switch (DecliningAnswer(buttons)) {
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Ok:
        case Answer::Yes:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

Answer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return Answer::Ok;
    }
}

QString StartPath(const FileRequest& request) {
    return QString::fromStdString(request.folder) + '/' +
           QString::fromStdString(request.proposedName);
}

QString TitleOf(const FileRequest& request, const LanguageTable& language) {
    return request.title < 0 ? kTitle : DisplayText(language.GetText(request.title));
}

// A save asks before it replaces a file itself (once, with No as the default), so the
// dialog does not ask as well.
std::optional<std::string> RunFileDialog(QWidget* parent, const FileRequest& request,
                                         const QString& title, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, title, StartPath(request), QtFileFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

QString DisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return shown;
}

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|', Qt::SkipEmptyParts);
    QStringList names;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        names << parts[i];
    }
    return names.join(QStringLiteral(";;"));
}

Answer QtUserDialogs::Show(const Message& message) {
    QMessageBox box(IconOf(message.icon), kTitle, DisplayText(MessageText(message, language_)),
                    ButtonsOf(message.buttons), parent_);
    box.setDefaultButton(DefaultOf(message.buttons));
    box.setEscapeButton(DefaultOf(message.buttons));
    return AnswerOf(box.exec());
}

std::optional<std::string> QtUserDialogs::ChooseFileToOpen(const FileRequest& request) {
    return RunFileDialog(parent_, request, TitleOf(request, language_), QFileDialog::AcceptOpen);
}

std::optional<std::string> QtUserDialogs::ChooseFileToSave(const FileRequest& request) {
    return RunFileDialog(parent_, request, TitleOf(request, language_), QFileDialog::AcceptSave);
}

std::optional<std::string> QtUserDialogs::ChooseFolder(const FileRequest& request) {
    const QString folder = QFileDialog::getExistingDirectory(
        parent_, TitleOf(request, language_), QString::fromStdString(request.folder));
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folder.toStdString();
}

std::optional<std::string> QtUserDialogs::PromptText(const std::string& prompt) {
    bool accepted = false;
    const QString text = QInputDialog::getText(parent_, kTitle, DisplayText(prompt),
                                               QLineEdit::Normal, QString(), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return text.toStdString();
}
