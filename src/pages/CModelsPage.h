#pragma once

#include <filesystem>
#include <string>

#include "common/Result.h"
#include "pages/CPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;
class QTreeWidget;
class TransmitterPicture;
struct SettingsComparison;

// The models page: the models of the data set by number and name, the comment of the
// selected model, the operations on single models and a browser of model files.
class CModelsPage : public CPage {
    Q_OBJECT
  public:
    CModelsPage(CMainDialog& mainDialog, QWidget* parent);

    void OnPageRefresh() override;

  private:
    void BuildControls();
    QWidget* BuildModelInfo();
    QWidget* BuildCompareList();
    void ConnectControls();
    // The transmitter picture and the name, comment and size of a model (none: -1).
    void ShowModelInfo(int model);
    // Rebuilds the list and selects a model (none when the data set has no models).
    void FillList(int selected);
    int SelectedModel();
    // The selected model; with none selected, the warning that no model is selected is
    // shown and -1 given.
    int SelectedModelOrWarning();
    void OnSelectionChanged();
    void TakeComment();
    void EnableButtons();

    void OnMove(bool up);
    void OnNumbering();
    void OnReset();
    void OnCompare();
    // The settings in which the selected model differs from the other one, page by page;
    // the list stays until another model is selected or the page is shown again.
    void ShowComparison(int model, int other, const SettingsComparison& settings);
    void HideComparison();
    void OnCopy();
    void OnLoad();
    void OnSave();
    void OnSaveAll();
    void OnPrint();
    void LoadModelFrom(const std::string& path);
    // Asks whether the selected model may be replaced by a model file.
    bool ConfirmLoadModel();
    // Shows a failed save; the explorer, when open, lists the files saved.
    void ShowSaved(const Status& written);

    void OnExplorer(bool on);
    void ShowFolder(const std::filesystem::path& folder);
    void OnBrowseSelection();
    void OnBrowseActivated(QListWidgetItem* item);

    int numberingStart_;
    std::filesystem::path folder_;
    int commentModel_ = -1;  // the model whose comment the field shows

    QListWidget* modelList_ = nullptr;
    QLineEdit* commentField_ = nullptr;
    QToolButton* upButton_ = nullptr;
    QToolButton* downButton_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* saveAllButton_ = nullptr;
    QPushButton* numberingButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QCheckBox* explorer_ = nullptr;
    QLabel* pathLabel_ = nullptr;
    QLabel* pathField_ = nullptr;
    QListWidget* browser_ = nullptr;
    QLabel* preview_ = nullptr;
    QWidget* modelInfo_ = nullptr;
    TransmitterPicture* picture_ = nullptr;
    QLabel* typeCaption_ = nullptr;
    QLabel* infoName_ = nullptr;
    QLabel* infoComment_ = nullptr;
    QLabel* infoSize_ = nullptr;
    QWidget* compareArea_ = nullptr;
    QLabel* compareHeading_ = nullptr;
    QTreeWidget* compareList_ = nullptr;
    QLabel* compareNotes_ = nullptr;
};
