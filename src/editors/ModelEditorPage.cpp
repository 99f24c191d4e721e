#include "editors/ModelEditorPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "common/Cp1252.h"
#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"
#include "pages/printing/PrintCommands.h"
#include "pages/printing/Printout.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"
#include "shell/TabSets.h"

namespace {

constexpr int kGroupColumns = 3;
// Narrow margins keep the three columns of groups inside a window of 1024 x 768.
constexpr int kGroupSpacing = 6;
constexpr int kBoxMargin = 6;
// The position of the base page in the normal tab set; apply and revert return to it.
constexpr int kBasePageTab = 3;

const char* const kModelListCaption = "Modell Auswahl";
const char* const kNumberCaption = "Nr.";
const char* const kEditCaption = "Editieren";
const char* const kApplyCaption = "Änderunden\nÜbernehmen";
const char* const kRevertCaption = "Änderunden\nZurücksetzen";
const char* const kPrintCaption = "Drucken";

// A list of the page. The mouse wheel turned over it scrolls the page: scrolling past a
// list must never choose an entry (a new model type replaces the whole mixing program).
class FieldList : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

}  // namespace

ModelEditorPage::ModelEditorPage(CMainDialog& mainDialog, QWidget* parent, const PageTable& table,
                                 std::shared_ptr<ModelEditor> editor)
    : CPage(mainDialog, parent), table_(table), editor_(std::move(editor)) {
    auto* layout = new QHBoxLayout(this);
    auto* side = new QVBoxLayout();
    side->addWidget(new QLabel(QString::fromUtf8(kModelListCaption), this));
    modelList_ = new QListWidget(this);
    modelList_->setMaximumWidth(160);
    side->addWidget(modelList_, 1);
    auto* numberRow = new QHBoxLayout();
    numberRow->addWidget(new QLabel(QString::fromUtf8(kNumberCaption), this));
    numberField_ = new QLineEdit(this);
    numberField_->setReadOnly(true);
    numberField_->setMaximumWidth(50);
    numberRow->addWidget(numberField_);
    side->addLayout(numberRow);
    if (IsBasePage()) {
        editToggle_ = new QCheckBox(QString::fromUtf8(kEditCaption), this);
        applyButton_ = new QPushButton(QString::fromUtf8(kApplyCaption), this);
        revertButton_ = new QPushButton(QString::fromUtf8(kRevertCaption), this);
        applyButton_->setEnabled(false);
        revertButton_->setEnabled(false);
        side->addWidget(editToggle_);
        side->addWidget(applyButton_);
        side->addWidget(revertButton_);
        connect(editToggle_, &QCheckBox::clicked, this, [this] { OnEditToggle(); });
        connect(applyButton_, &QPushButton::clicked, this, [this] { OnApply(); });
        connect(revertButton_, &QPushButton::clicked, this, [this] { OnRevert(); });
    }
    auto* print = new QPushButton(QString::fromUtf8(kPrintCaption), this);
    side->addWidget(print);
    // The printed picture shows the page without its command controls.
    for (QWidget* command :
         std::initializer_list<QWidget*>{editToggle_, applyButton_, revertButton_, print}) {
        HideWhenPrinted(command);
    }
    connect(print, &QPushButton::clicked, this, [this] {
        modelList_->setFocus();
        PrintEditorPage(main().session(), main().dialogs(), *this, model_);
    });
    layout->addLayout(side);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* area = new QWidget(scroll);
    BuildControls(area);
    scroll->setWidget(area);
    layout->addWidget(scroll, 1);

    connect(modelList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_ && row >= 0) {
            SelectModel(row);
        }
    });
}

bool ModelEditorPage::IsBasePage() const {
    return &table_ == editor_->family().basePage;
}

void ModelEditorPage::BuildControls(QWidget* area) {
    auto* grid = new QGridLayout(area);
    grid->setHorizontalSpacing(kGroupSpacing);
    auto* caption = new QLabel(QString::fromStdString(table_.caption), area);
    caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    grid->addWidget(caption, 0, 0, 1, kGroupColumns);
    QFormLayout* form = nullptr;
    std::string currentGroup;
    int boxes = 0;
    for (const Field& field : table_.fields) {
        if (form == nullptr || (!field.IsShownOnly() && field.group != currentGroup)) {
            currentGroup = field.group;
            auto* box = new QGroupBox(QString::fromStdString(field.group), area);
            box->setStyleSheet(QStringLiteral(
                "QGroupBox { font-weight: bold; } QGroupBox * { font-weight: normal; }"));
            form = new QFormLayout(box);
            form->setContentsMargins(kBoxMargin, kBoxMargin, kBoxMargin, kBoxMargin);
            grid->addWidget(box, 1 + boxes / kGroupColumns, boxes % kGroupColumns, Qt::AlignTop);
            ++boxes;
        }
        auto* label = new QLabel(QString::fromStdString(field.name), area);
        QWidget* control = CreateControl(field, area);
        form->addRow(label, control);
        controls_.push_back({&field, control, label});
    }
    grid->setRowStretch(boxes / kGroupColumns + 2, 1);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        QWidget* widget = controls_[i].widget;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::editingFinished, this, [this, i] {
                if (!showing_) {
                    CommitFrom(controls_[i]);
                }
            });
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            connect(list, &QComboBox::activated, this, [this, i] { CommitFrom(controls_[i]); });
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            connect(box, &QCheckBox::clicked, this, [this, i] { CommitFrom(controls_[i]); });
        }
    }
}

QWidget* ModelEditorPage::CreateControl(const Field& field, QWidget* parent) {
    if (field.codec == Codec::Flag) {
        return new QCheckBox(parent);
    }
    if (field.codec == Codec::GyroAvc || field.codec == Codec::Choice) {
        auto* list = new FieldList(parent);
        list->setFocusPolicy(Qt::StrongFocus);
        if (field.codec == Codec::GyroAvc) {
            list->addItems({QStringLiteral("Norm"), QStringLiteral("AVC")});
            return list;
        }
        const LanguageTable& language = main().session().language;
        for (const ChoiceEntry& entry : field.choices->entries) {
            std::string text = entry.text;
            if (entry.textNumber == txt::kDualRateSwitchPrefix.number) {
                // "Schalter A": the language's word for switch and the letter
                text = language.GetText(entry.textNumber) + text.substr(text.rfind(' '));
            } else if (entry.textNumber != 0) {
                text = language.GetText(entry.textNumber);
            }
            list->addItem(DisplayText(text));
        }
        return list;
    }
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(field.IsShownOnly());
    edit->setMaximumWidth(field.codec == Codec::Name ? 120 : 70);
    if (field.codec == Codec::Name) {
        edit->setMaxLength(field.length);
        edit->setToolTip(DisplayText(main().session().language.GetText(txt::kModelNameTooltip)));
    }
    return edit;
}

QWidget* ModelEditorPage::Control(const std::string& fieldName) const {
    for (const FieldControl& control : controls_) {
        if (control.field->name == fieldName) {
            return control.widget;
        }
    }
    return nullptr;
}

void ModelEditorPage::OnPageRefresh() {
    FillModelList();
    if (!IsBasePage()) {
        ShowModel();
    }
}

void ModelEditorPage::FillModelList() {
    const CamPacData& dataSet = main().session().data;
    showing_ = true;
    modelList_->clear();
    for (int i = 0; i < dataSet.modelCount; ++i) {
        modelList_->addItem(ModelName(i));
    }
    modelList_->setCurrentRow(dataSet.currentModel);
    showing_ = false;
    if (IsBasePage()) {
        SelectModel(dataSet.currentModel);
    } else {
        model_ = dataSet.currentModel;
    }
}

QString ModelEditorPage::ModelName(int model) const {
    const EditorFamily& family = editor_->family();
    const ConstModelRecord record = editor_->Record(model);
    std::string name;
    for (int i = 0; i < family.nameLength; ++i) {
        const auto offset = static_cast<std::size_t>(family.nameOffset + i);
        if (offset < record.size()) {
            name += static_cast<char>(record[offset]);
        }
    }
    return QString::fromStdString(Cp1252ToUtf8(name));
}

void ModelEditorPage::SelectModel(int model) {
    model_ = model;
    main().session().data.currentModel = model;
    ShowModel();
    if (!IsBasePage()) {
        ChooseMixingPage();
        main().SelectTab(main().tabBar()->currentIndex());
    }
}

void ModelEditorPage::ShowModel() {
    const ConstModelRecord record = editor_->Record(model_);
    showing_ = true;
    numberField_->setText(QString::number(model_ + 1));
    if (QListWidgetItem* entry = modelList_->item(model_)) {
        entry->setText(ModelName(model_));  // a new name shows at once
    }
    for (const FieldControl& control : controls_) {
        const Field& field = *control.field;
        const bool shown = IsFieldShown(field, record);
        control.widget->setHidden(!shown);
        control.label->setHidden(!shown);
        if (field.caption != nullptr) {
            control.label->setText(QString::fromStdString(CaptionOf(field, record)));
        }
        control.widget->setEnabled(IsFieldEnabled(field, record));
        const FieldValue value = DecodeField(field, record);
        if (auto* edit = qobject_cast<QLineEdit*>(control.widget)) {
            edit->setText(QString::fromStdString(ShowField(field, value)));
        } else if (auto* list = qobject_cast<QComboBox*>(control.widget)) {
            list->setCurrentIndex(static_cast<int>(value.number));
        } else if (auto* box = qobject_cast<QCheckBox*>(control.widget)) {
            box->setChecked(value.number != 0);
        }
    }
    showing_ = false;
    if (IsBasePage()) {
        ChooseMixingPage();
    }
}

void ModelEditorPage::ChooseMixingPage() {
    const EditorFamily& family = editor_->family();
    if (family.mixingPageOf == nullptr) {
        return;
    }
    int mixingPage = family.mixingPageOf(editor_->Record(model_));
    for (int position = 0; main().TabPage(position) != page::kUnchanged; ++position) {
        if (main().TabPage(position) != family.basePage->pageNumber) {
            continue;
        }
        if (mixingPage == 0) {
            // A type without a mixing program leaves the tab as it is, unless the editing
            // set took it over from the normal set: edit mode must not lead out of the
            // editor pages.
            if (family.PageByNumber(main().TabPage(position + 1)) != nullptr ||
                family.mixingPages.empty()) {
                return;
            }
            mixingPage = family.mixingPages.front()->pageNumber;
        }
        main().SetTabPage(position + 1, mixingPage);
        return;
    }
}

FieldValue ModelEditorPage::ValueOf(const FieldControl& control, ConstModelRecord record) {
    const Field& field = *control.field;
    FieldValue value;
    if (auto* edit = qobject_cast<QLineEdit*>(control.widget)) {
        Result<FieldValue> entered = ParseEntry(field, edit->text().toStdString());
        if (entered.ok()) {
            return entered.value();
        }
        main().dialogs().Show(entered.error());
        return DecodeField(field, record);
    }
    if (auto* list = qobject_cast<QComboBox*>(control.widget)) {
        value.number = list->currentIndex();
        return value;
    }
    if (auto* box = qobject_cast<QCheckBox*>(control.widget)) {
        value.number = box->isChecked() ? 1 : 0;
    }
    return value;
}

void ModelEditorPage::CommitFrom(const FieldControl& trigger) {
    if (!editor_->Editing()) {
        ShowModel();
        return;
    }
    const ConstModelRecord record = editor_->Record(model_);
    const std::string& group = trigger.field->group;
    GroupInput input;
    for (const FieldControl& control : controls_) {
        if (!control.field->IsShownOnly() && control.field->group == group) {
            input.emplace_back(control.field, ValueOf(control, record));
        }
    }
    const Status committed = editor_->Commit(table_, model_, group, input);
    ShowModel();
    if (committed.ok()) {
        return;
    }
    const Message& refusal = committed.error();
    main().dialogs().Show(refusal);
    QWidget* focus = trigger.widget;
    if (!refusal.arguments.empty()) {
        if (const auto* name = std::get_if<std::string>(&refusal.arguments.front())) {
            if (QWidget* refused = Control(*name)) {
                focus = refused;
            }
        }
    }
    focus->setFocus();
}

bool ModelEditorPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            ShowModel();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return CPage::eventFilter(watched, event);
}

// Keys that the page's lists and check boxes leave to the page.
void ModelEditorPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ShowModel();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    CPage::keyPressEvent(event);
}

int ModelEditorPage::NormalTabSet() {
    const Session& session = main().session();
    return TabsForType(session.data.typeName, session.settings.ff9SuperAsFf9).set;
}

void ModelEditorPage::OnEditToggle() {
    if (!editToggle_->isChecked()) {
        return;
    }
    editor_->StartEditing();
    // Each type's editing set follows its normal set: only the editor pages.
    main().BuildTabs(NormalTabSet() + 1);
    main().SelectTab(0);
    SelectModel(model_);
    applyButton_->setEnabled(true);
    revertButton_->setEnabled(true);
    editToggle_->setEnabled(false);
}

void ModelEditorPage::OnApply() {
    if (Status applied = editor_->Apply(); !applied) {
        main().dialogs().Show(applied.error());
        return;
    }
    main().BuildTabs(NormalTabSet());
    main().SelectTab(kBasePageTab);
    CloseEditMode();
}

void ModelEditorPage::OnRevert() {
    editor_->Revert(main().session().catalogue);
    FillModelList();
    ShowModel();
    main().BuildTabs(NormalTabSet());
    main().SelectTab(kBasePageTab);
    CloseEditMode();
}

void ModelEditorPage::CloseEditMode() {
    applyButton_->setEnabled(false);
    revertButton_->setEnabled(false);
    editToggle_->setEnabled(true);
    editToggle_->setChecked(false);
}
