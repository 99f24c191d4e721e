#pragma once

#include "pages/CPage.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class TransferPanel;

// The get-data page: a new initialised image, a file, an import, or the plugged CamPac.
class CGetDataPage : public CPage {
    Q_OBJECT
  public:
    CGetDataPage(CMainDialog& mainDialog, QWidget* parent);

    void OnPageRefresh() override;
    void SetTransfersEnabled(bool enabled) override;

  private:
    void OnNewImage();
    void OnRead();
    void OnCompare();

    QComboBox* typeList_;
    QComboBox* sizeList_;
    QPushButton* readButton_;
    QPushButton* compareButton_;
    QCheckBox* keepComments_;
    TransferPanel* transfer_;
};
