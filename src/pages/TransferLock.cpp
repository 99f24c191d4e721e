#include "pages/TransferLock.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "shell/CMainDialog.h"

TransferLock::TransferLock(CMainDialog& main, QWidget& page, QAbstractButton& runningButton)
    : main_(main) {
    main_.SetTransferRunning(true);
    for (QWidget* control : page.findChildren<QWidget*>()) {
        const bool input = qobject_cast<QAbstractButton*>(control) != nullptr ||
                           qobject_cast<QComboBox*>(control) != nullptr ||
                           qobject_cast<QLineEdit*>(control) != nullptr;
        if (input && control != &runningButton && control->isEnabled()) {
            control->setEnabled(false);
            disabled_.emplace_back(control);
        }
    }
}

TransferLock::~TransferLock() {
    for (const QPointer<QWidget>& control : disabled_) {
        if (control != nullptr) {
            control->setEnabled(true);
        }
    }
    main_.SetTransferRunning(false);
}
