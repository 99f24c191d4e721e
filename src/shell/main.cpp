#include <QApplication>

#include "common/ProgramFolder.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"
#include "shell/StartUp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Session session(ProgramFolder());
    QtUserDialogs dialogs(session.language);
    if (!StartUp(session, dialogs)) {
        return 0;
    }
    CMainDialog window(session, dialogs);
    dialogs.SetParent(&window);
    window.show();
    return app.exec();
}
