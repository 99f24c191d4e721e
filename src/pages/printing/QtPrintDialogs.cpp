#include "pages/printing/QtPrintDialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class Declining : public PrintDialogs {
  public:
    bool SetUpPage(QPrinter& /*printer*/) override { return false; }
    bool ChoosePrinter(QPrinter& /*printer*/) override { return false; }
};

}  // namespace

PrintDialogs& NoPrintDialogs() {
    static Declining declining;
    return declining;
}

bool QtPrintDialogs::SetUpPage(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

// A printout may run over several sheets (a long model list): the user may choose some.
bool QtPrintDialogs::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}
