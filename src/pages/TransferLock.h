#pragma once

#include <QPointer>
#include <vector>

class CMainDialog;
class QAbstractButton;
class QWidget;

// For as long as a transfer runs inside a button's click handler, only that button (the
// cancel) reacts: the page's other controls, the menu, the tabs and the header wait, so
// no other command can change the data set under the running transfer.
class TransferLock {
  public:
    TransferLock(CMainDialog& main, QWidget& page, QAbstractButton& runningButton);
    ~TransferLock();
    TransferLock(const TransferLock&) = delete;
    TransferLock& operator=(const TransferLock&) = delete;

  private:
    CMainDialog& main_;
    std::vector<QPointer<QWidget>> disabled_;
};
