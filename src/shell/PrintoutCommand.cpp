#include "shell/PrintoutCommand.h"

#include <QApplication>
#include <QLocale>
#include <QPrinter>
#include <QScrollArea>
#include <QTabBar>
#include <iostream>

#include "common/MessageText.h"
#include "common/ProgramFolder.h"
#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"
#include "pages/CPage.h"
#include "pages/printing/Printout.h"
#include "shell/CMainDialog.h"
#include "shell/PrintOptions.h"
#include "shell/Session.h"
#include "shell/StartUp.h"
#include "shell/TabSets.h"

namespace {

// With no user to ask, every message goes to the error stream and every question is
// declined.
class StreamDialogs : public UserDialogs {
  public:
    StreamDialogs(const LanguageTable& language, std::ostream& err)
        : language_(language), err_(err) {}

    Answer Show(const Message& message) override {
        std::string text = MessageText(message, language_);
        std::erase(text, '\r');
        err_ << "keplund: " << (subject_.empty() ? "" : subject_ + ": ") << text << "\n";
        return DecliningAnswer(message.buttons);
    }
    std::optional<std::string> ChooseFileToOpen(const FileRequest&) override { return {}; }
    std::optional<std::string> ChooseFileToSave(const FileRequest&) override { return {}; }
    std::optional<std::string> ChooseFolder(const FileRequest&) override { return {}; }
    std::optional<std::string> PromptText(const std::string&) override { return {}; }
    // The file the messages that follow are about, or none.
    void SetSubject(std::string subject) { subject_ = std::move(subject); }

  private:
    const LanguageTable& language_;
    std::ostream& err_;
    std::string subject_;
};

void UsePdfFile(QPrinter& printer, const std::filesystem::path& pdf) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
}

// A printout has no scroll bars to move: the window grows from its first size until the
// scrolled content of the page fits. Starting from the first size each time keeps a short
// page from being stretched to the height of a long page printed before it.
void FitScrolledContent(QWidget& window, const QSize& firstSize, QWidget& page) {
    window.resize(firstSize);
    QCoreApplication::processEvents();
    QSize missing(0, 0);
    for (const QScrollArea* scroll : page.findChildren<QScrollArea*>()) {
        if (scroll->widget() != nullptr) {
            missing = missing.expandedTo(scroll->widget()->sizeHint() - scroll->viewport()->size());
        }
    }
    if (missing.width() > 0 || missing.height() > 0) {
        window.resize(window.size() + missing.expandedTo(QSize(0, 0)));
        QCoreApplication::processEvents();
    }
}

// The editor pages of the model in the order of their tabs, each taken as the window shows
// it (the window is laid out but never put on the screen). Types without editor pages,
// and those whose pages the settings leave out, print the model list instead.
Status PrintModelPages(Session& session, UserDialogs& dialogs, QPrinter& printer, int model) {
    CMainDialog window(session, dialogs);
    window.EndWithoutSavingSettings();
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    const QSize firstSize = window.size();
    session.data.currentModel = model;
    window.ChooseTypeTabs();
    std::vector<PrintedPage> pages;
    // Only the editor tabs are shown: the models page would select its first model.
    for (int position = 0; position < window.tabBar()->count(); ++position) {
        if (window.TabPage(position) < page::kFc18v3Base) {
            continue;
        }
        window.SelectTab(position);
        QCoreApplication::processEvents();
        CPage& shown = *window.Page(window.currentPage());
        FitScrolledContent(window, firstSize, shown);
        Result<QImage> picture = CapturePage(shown);
        if (!picture) {
            return picture.error();
        }
        pages.push_back({std::move(picture.value()), model});
    }
    if (pages.empty()) {
        return PrintModelListTo(printer, session, kDefaultNumberingStart);
    }
    return PrintPagesTo(printer, session, pages);
}

}  // namespace

int PrintToPdf(const PrintRequest& request, const std::filesystem::path& programFolder,
               std::ostream& err) {
    Session session(programFolder);
    StreamDialogs dialogs(session.language, err);
    if (!StartUp(session, dialogs)) {
        return 1;
    }
    // What loading says is said about the file.
    dialogs.SetSubject(request.dataSet.string());
    const DataSetFileRead read = ReadDataSetFile(request.dataSet, session.data, session.catalogue);
    for (const Message& warning : read.warnings) {
        dialogs.Show(warning);
    }
    if (!read.status) {
        dialogs.Show(read.status.error());
        return 1;
    }
    dialogs.SetSubject({});
    session.data.state = DataSetState::Unchanged;
    if (request.model && (*request.model < 1 || *request.model > session.data.modelCount)) {
        err << "keplund: " << request.dataSet.string() << " has no model " << *request.model
            << " (its models are numbered 1 to " << session.data.modelCount << ")\n";
        return 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    UsePdfFile(printer, request.pdf);
    const Status printed = request.model
                               ? PrintModelPages(session, dialogs, printer, *request.model - 1)
                               : PrintModelListTo(printer, session, kDefaultNumberingStart);
    if (!printed) {
        dialogs.Show(printed.error());
        return 1;
    }
    return 0;
}

int RunPrintoutCommand(int argc, char** argv) {
    const ParsedPrintRequest parsed = ParsePrintRequest({argv + 1, argv + argc});
    if (!parsed.request) {
        std::cerr << "keplund: " << parsed.error << "\n" << kPrintUsage;
        return 2;
    }
    // No window is shown: unless a platform is asked for, none is needed either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return PrintToPdf(*parsed.request, ProgramFolder(), std::cerr);
}
