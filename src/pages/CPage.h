#pragma once

#include <QWidget>

class CMainDialog;

// A page of the tab area. Pages own nothing but their controls; they reach the data set
// and the settings through the main window.
class CPage : public QWidget {
    Q_OBJECT
  public:
    CPage(CMainDialog& mainDialog, QWidget* parent) : QWidget(parent), main_(&mainDialog) {}
    // A page that reaches the main window through an interface of its own (editor pages).
    explicit CPage(QWidget* parent) : QWidget(parent) {}

    // The page has just been shown: bring its contents up to date.
    virtual void OnPageRefresh() {}
    // Enables or disables the buttons that start a transfer (read, compare, write).
    virtual void SetTransfersEnabled(bool /*enabled*/) {}

  protected:
    CMainDialog& main() { return *main_; }

  private:
    CMainDialog* main_ = nullptr;
};
