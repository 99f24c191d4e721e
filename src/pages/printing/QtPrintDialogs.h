#pragma once

#include "pages/printing/PrintDialogs.h"

class QWidget;

// QPageSetupDialog and QPrintDialog over the given parent window.
class QtPrintDialogs : public PrintDialogs {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    bool SetUpPage(QPrinter& printer) override;
    bool ChoosePrinter(QPrinter& printer) override;

  private:
    QWidget* parent_ = nullptr;
};
