#include <QApplication>
#include <QStandardPaths>
#include <iostream>

#include "adapters/hw/OpenConnection.h"
#include "common/ProgramFolder.h"
#include "common/TextFormat.h"
#include "pages/printing/QtPrintDialogs.h"
#include "shell/CMainDialog.h"
#include "shell/PrintOptions.h"
#include "shell/PrintoutCommand.h"
#include "shell/ProgramOptions.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"
#include "shell/ShellTexts.h"
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
    ChooseStartFolders(
        session, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
    QtPrintDialogs printDialogs;
    CMainDialog window(session, dialogs, printDialogs);
    dialogs.SetParent(&window);
    printDialogs.SetParent(&window);
    window.SetChosenAdapter(ChooseAdapter(*parsed.options, session.settings).kind);
    // Port access is opened at start (the parallel port's lines are released then); when it
    // cannot be had, port access stays off and the transfer buttons with it, until the
    // adapter dialog chooses an adapter that works.
    OpenedConnection opened = OpenConnection(*parsed.options, session.settings, dialogs);
    if (opened.problem) {
        dialogs.Show(*opened.problem);
    }
    window.SetPortNamer([&session, options = *parsed.options] {
        const PortInUse port = DescribePort(options, ChooseAdapter(options, session.settings));
        return port.simulated
                   ? DisplayText(FormatText(session.language.GetText(txt::kStatusSimulatedCamPac),
                                            {port.name}))
                   : QString::fromStdString(port.name);
    });
    window.UseConnection(std::move(opened.connection));
    window.show();
    return app.exec();
}
