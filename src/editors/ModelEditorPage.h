#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editors/EditorHost.h"
#include "editors/FieldModel.h"
#include "editors/ModelEditor.h"
#include "pages/CPage.h"

class CurveGraphWidget;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// One editor page built from its table: the model list "Modell Auswahl", a control per
// field in a box per group, the page's notes and curve graph, and on the base page the
// edit-mode controls "Editieren", apply and revert. A group commits as its policy says:
// when one of its edit fields loses the focus (Enter moves the focus on) or on every
// keystroke, when one of its lists is chosen or a box clicked; Esc shows the stored values
// again. Outside edit mode the controls are read-only. The pages of a family share one
// ModelEditor and reach the main window through its EditorHost interface.
class ModelEditorPage : public CPage {
    Q_OBJECT
  public:
    ModelEditorPage(EditorHost& host, QWidget* parent, const PageTable& table,
                    std::shared_ptr<ModelEditor> editor);
    ~ModelEditorPage() override;

    void OnPageRefresh() override;

    const PageTable& table() const { return table_; }
    // The control of a field (QLineEdit, QComboBox, QCheckBox, or a column of QRadioButtons) by
    // its key, or nullptr.
    QWidget* Control(const std::string& key) const;
    QLabel* LabelOf(const std::string& key) const;
    QListWidget* modelList() const { return modelList_; }
    QLineEdit* numberField() const { return numberField_; }
    QCheckBox* editToggle() const { return editToggle_; }
    QPushButton* applyButton() const { return applyButton_; }
    QPushButton* revertButton() const { return revertButton_; }
    CurveGraphWidget* graph() const { return graph_; }
    const std::vector<QCheckBox*>& curveBoxes() const { return curveBoxes_; }
    // The list that chooses the variant (flight condition) shown, or nullptr.
    class QComboBox* variantList() const {
        return variantList_;
    }
    QGroupBox* GroupBox(const std::string& group) const;
    int shownModel() const { return model_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct FieldControl {
        const Field* field;
        QWidget* widget;
        QLabel* label;
        QGroupBox* box;
    };

    bool IsBasePage() const;
    void BuildControls(QWidget* area);
    void BuildGraph(class QHBoxLayout* layout);
    QWidget* CreateControl(const Field& field, QWidget* parent);
    void ConnectControl(std::size_t index);
    void FillModelList();
    QString ModelName(int model) const;
    void SelectModel(int model);
    void ShowModel();
    void ShowGraph();
    void ColourCaptions(bool inside);
    void ChooseMixingPage();
    void CommitFrom(const FieldControl& trigger);
    void ShowRefusal(const Message& refusal);
    void WithdrawRefusal();
    void OnEditToggle();
    void OnApply();
    void OnRevert();
    void CloseEditMode();

    EditorHost& host_;
    const PageTable& table_;
    std::shared_ptr<ModelEditor> editor_;
    std::vector<FieldControl> controls_;
    std::vector<std::pair<std::string, QGroupBox*>> boxes_;
    QListWidget* modelList_ = nullptr;
    QLineEdit* numberField_ = nullptr;
    QCheckBox* editToggle_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* revertButton_ = nullptr;
    CurveGraphWidget* graph_ = nullptr;
    std::vector<QCheckBox*> curveBoxes_;
    class QComboBox* variantList_ = nullptr;
    int model_ = 0;
    bool showing_ = false;
    bool committing_ = false;
    // The last refusal or prompt this page showed, while a commit has not yet succeeded.
    std::optional<Message> standingRefusal_;
};
