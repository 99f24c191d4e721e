#pragma once

#include "pages/CPage.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class TransferPanel;

// The save page: erase the data set in memory, save it as a file or as text, write it to
// the plugged CamPac or compare it with the CamPac.
class CSavePage : public CPage {
    Q_OBJECT
  public:
    CSavePage(CMainDialog& mainDialog, QWidget* parent);

    void OnPageRefresh() override;
    void SetTransfersEnabled(bool enabled) override;

  private:
    void OnErase();
    void OnExport();
    void OnWrite();
    void OnCompare();

    QRadioButton* decimal_;
    QRadioButton* hexadecimal_;
    QPushButton* writeButton_;
    QPushButton* compareButton_;
    QCheckBox* changesOnly_;
    TransferPanel* transfer_;
};
