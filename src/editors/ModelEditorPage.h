#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editors/FieldModel.h"
#include "editors/ModelEditor.h"
#include "pages/CPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// One editor page built from its table: the model list "Modell Auswahl", a control per
// field in a box per group, and on the base page the edit-mode controls "Editieren",
// apply and revert. A group commits when one of its edit fields loses the focus (Enter
// moves the focus on), when one of its lists is chosen or a box clicked; Esc shows the
// stored values again. The pages of a family share one ModelEditor.
class ModelEditorPage : public CPage {
    Q_OBJECT
  public:
    ModelEditorPage(CMainDialog& mainDialog, QWidget* parent, const PageTable& table,
                    std::shared_ptr<ModelEditor> editor);

    void OnPageRefresh() override;

    const PageTable& table() const { return table_; }
    // The control of a field (QLineEdit, QComboBox or QCheckBox), or nullptr.
    QWidget* Control(const std::string& fieldName) const;
    QListWidget* modelList() const { return modelList_; }
    QCheckBox* editToggle() const { return editToggle_; }
    QPushButton* applyButton() const { return applyButton_; }
    QPushButton* revertButton() const { return revertButton_; }
    int shownModel() const { return model_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct FieldControl {
        const Field* field;
        QWidget* widget;
        QLabel* label;
    };

    bool IsBasePage() const;
    void BuildControls(QWidget* area);
    QWidget* CreateControl(const Field& field, QWidget* parent);
    void FillModelList();
    QString ModelName(int model) const;
    void SelectModel(int model);
    void ShowModel();
    void ChooseMixingPage();
    void CommitFrom(const FieldControl& trigger);
    FieldValue ValueOf(const FieldControl& control, ConstModelRecord record);
    void OnEditToggle();
    void OnApply();
    void OnRevert();
    void CloseEditMode();
    int NormalTabSet();

    const PageTable& table_;
    std::shared_ptr<ModelEditor> editor_;
    std::vector<FieldControl> controls_;
    QListWidget* modelList_ = nullptr;
    QLineEdit* numberField_ = nullptr;
    QCheckBox* editToggle_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* revertButton_ = nullptr;
    int model_ = 0;
    bool showing_ = false;
};
