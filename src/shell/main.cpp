#include <QApplication>
#include <iostream>

#include "common/ProgramFolder.h"
#include "shell/CMainDialog.h"
#include "shell/OpenConnection.h"
#include "shell/PrintOptions.h"
#include "shell/PrintoutCommand.h"
#include "shell/ProgramOptions.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"
#include "shell/StartUp.h"

int main(int argc, char** argv) {
    if (AsksForPrintout({argv + 1, argv + argc})) {
        return RunPrintoutCommand(argc, argv);
    }
    QApplication app(argc, argv);
    std::vector<std::string> words;
    for (const QString& argument : app.arguments().mid(1)) {
        words.push_back(argument.toStdString());
    }
    const ParsedOptions parsed = ParseProgramOptions(words);
    if (!parsed.options) {
        std::cerr << "keplund: " << parsed.error << "\n" << kProgramUsage;
        return 2;
    }
    Session session(ProgramFolder());
    QtUserDialogs dialogs(session.language);
    if (!StartUp(session, dialogs)) {
        return 0;
    }
    CMainDialog window(session, dialogs);
    dialogs.SetParent(&window);
    // Port access is opened at start (the parallel port's lines are released then); when it
    // cannot be had, the transfer buttons stay off for the run.
    auto connection = OpenConnection(*parsed.options, session.settings, dialogs);
    if (connection) {
        window.UseConnection(std::move(connection.value()));
    } else {
        dialogs.Show(connection.error());
        window.UseConnection(nullptr);
    }
    window.show();
    return app.exec();
}
