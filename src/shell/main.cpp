#include <QApplication>
#include <QStandardPaths>
#include <iostream>

#include "common/ProgramFolder.h"
#include "common/TextFormat.h"
#include "shell/CMainDialog.h"
#include "shell/OpenConnection.h"
#include "shell/ProgramOptions.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"
#include "shell/ShellTexts.h"
#include "shell/StartUp.h"

int main(int argc, char** argv) {
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
    ChooseStartFolders(
        session, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
    CMainDialog window(session, dialogs);
    dialogs.SetParent(&window);
    window.SetChosenAdapter(ChosenAdapter(*parsed.options, session.settings));
    // Port access is opened at start (the parallel port's lines are released then); when it
    // cannot be had, the transfer buttons stay off for the run.
    auto connection = OpenConnection(*parsed.options, session.settings, dialogs);
    if (connection) {
        window.UseConnection(std::move(connection.value()));
        const PortInUse port = DescribePort(*parsed.options, session.settings);
        window.SetPortName(port.simulated
                               ? DisplayText(FormatText(
                                     session.language.GetText(txt::kSimulatedCamPac), {port.name}))
                               : QString::fromStdString(port.name));
    } else {
        dialogs.Show(connection.error());
        window.UseConnection(nullptr);
    }
    window.show();
    return app.exec();
}
