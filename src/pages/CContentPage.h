#pragma once

#include <QString>
#include <array>

#include "dataset/ImageContent.h"
#include "pages/CPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The content page: every byte of the image, eight to a line; in expert mode the bytes of
// a line can be changed and a range of addresses filled with one value.
class CContentPage : public CPage {
    Q_OBJECT
  public:
    CContentPage(CMainDialog& mainDialog, QWidget* parent);

    void OnPageRefresh() override;

  private:
    QWidget* ColumnLabels(const std::array<QString, 3>& captions);
    void FillList(int line);
    void OnExpert(bool on);
    void ShowExpertControls(bool on);
    void LoadLine();
    void OnOk();
    void OnFill();
    void AfterIdentification(const std::optional<Message>& warning);

    QLabel* contentLabel_;
    QListWidget* byteList_;
    QCheckBox* expert_;
    std::array<QLabel*, kBytesPerContentLine> addresses_{};
    std::array<QLineEdit*, kBytesPerContentLine> fields_{};
    QPushButton* fillButton_;
    QPushButton* okButton_;
};
