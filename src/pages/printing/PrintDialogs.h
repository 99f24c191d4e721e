#pragma once

class QPrinter;

// The page-setup dialog (paper and margins) and the print dialog (a printer or a PDF file)
// set up the printer; each gives true when the user pressed OK. The windowed program uses
// the real dialogs; tests script them.
class PrintDialogs {
  public:
    virtual ~PrintDialogs() = default;
    virtual bool SetUpPage(QPrinter& printer) = 0;
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
};

// Where no user can be asked: both dialogs are cancelled, so nothing is printed.
PrintDialogs& NoPrintDialogs();
