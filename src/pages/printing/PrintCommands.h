#pragma once

class PrintDialogs;
class QWidget;
class UserDialogs;
struct Session;

// The print buttons of the pages: the dialogs first, then the printout; failures are shown
// as messages, and a cancelled dialog prints nothing.

// An editor page: the page-setup dialog with the margins of the run (kept for the rest of
// the run once the user presses OK), the print dialog, then one sheet.
void PrintEditorPage(Session& session, UserDialogs& dialogs, PrintDialogs& printDialogs,
                     QWidget& page, int model);

// The models page: the print dialog, then the model list numbered from `numberingStart`.
void PrintModelList(Session& session, UserDialogs& dialogs, PrintDialogs& printDialogs,
                    int numberingStart);
