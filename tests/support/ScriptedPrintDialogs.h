#pragma once

#include <deque>
#include <functional>

#include "pages/printing/PrintDialogs.h"

// The page-setup and print dialogs for tests: each queued function does what the user does
// in one dialog (sets margins, chooses a PDF file) and gives whether OK was pressed; an
// empty queue cancels. The counts say how often each dialog was shown.
class ScriptedPrintDialogs : public PrintDialogs {
  public:
    bool SetUpPage(QPrinter& printer) override;
    bool ChoosePrinter(QPrinter& printer) override;

    std::deque<std::function<bool(QPrinter&)>> pageSetups;
    std::deque<std::function<bool(QPrinter&)>> printDialogs;
    int pageSetupsShown = 0;
    int printDialogsShown = 0;
};
