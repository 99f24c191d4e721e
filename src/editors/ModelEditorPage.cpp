#include "editors/ModelEditorPage.h"

#include <QButtonGroup>
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
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "common/Cp1252.h"
#include "editors/CurveGraphWidget.h"
#include "editors/EntryTexts.h"
#include "editors/FieldCodec.h"
#include "editors/MixingTab.h"
#include "pages/printing/Printout.h"
#include "shell/QtUserDialogs.h"

namespace {

constexpr int kGroupColumns = 3;
// Beside a curve graph the groups fill two columns.
constexpr int kGroupColumnsBesideGraph = 2;
// Narrow margins keep the three columns of groups inside a window of 1024 x 768.
constexpr int kGroupSpacing = 6;
constexpr int kBoxMargin = 6;
// The position of the base page in the normal tab set; apply and revert return to it.
constexpr int kBasePageTab = 3;
// Beside the fields a page's curve graph takes a quarter of the width.
constexpr int kFieldsStretch = 3;
constexpr int kGraphStretch = 1;

const char* const kModelListCaption = "Modell Auswahl";
const char* const kNumberCaption = "Nr.";
const char* const kEditCaption = "Editieren";
const char* const kApplyCaption = "Änderungen\nÜbernehmen";
const char* const kRevertCaption = "Änderungen\nZurücksetzen";
const char* const kPrintCaption = "Drucken";

// A list of the page. The mouse wheel turned over it scrolls the page: scrolling past a
// list must never choose an entry (a new model type replaces the whole mixing program).
class FieldList : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

// A list shown as radio buttons, one below the other; no button is checked for a stored
// code that no entry has.
class RadioRow : public QWidget {
  public:
    RadioRow(const std::vector<QString>& texts, QWidget* parent)
        : QWidget(parent), buttons_(new QButtonGroup(this)) {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, 0, 0, 0);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            auto* button = new QRadioButton(texts[i], this);
            buttons_->addButton(button, static_cast<int>(i));
            column->addWidget(button);
        }
    }

    QButtonGroup* buttons() const { return buttons_; }
    int currentIndex() const { return buttons_->checkedId(); }
    void setCurrentIndex(int index) {
        buttons_->setExclusive(false);
        for (QAbstractButton* button : buttons_->buttons()) {
            button->setChecked(buttons_->id(button) == index);
        }
        buttons_->setExclusive(true);
    }

  private:
    QButtonGroup* buttons_;
};

// Lists and check boxes have no read-only state of their own: outside edit mode they take
// neither the mouse nor the focus, and still show their values in full colour.
void SetReadOnly(QWidget* control, bool readOnly) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setReadOnly(readOnly);
        return;
    }
    control->setAttribute(Qt::WA_TransparentForMouseEvents, readOnly);
    control->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    if (auto* radios = dynamic_cast<RadioRow*>(control)) {
        for (QAbstractButton* button : radios->buttons()->buttons()) {
            SetReadOnly(button, readOnly);
        }
        radios->setFocusPolicy(Qt::NoFocus);
    }
}

// A caption from the language table on one line (a group box title has only one).
QString OneLine(const std::string& text) {
    return DisplayText(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

}  // namespace

ModelEditorPage::ModelEditorPage(EditorHost& host, QWidget* parent, const PageTable& table,
                                 std::shared_ptr<ModelEditor> editor)
    : CPage(parent), host_(host), table_(table), editor_(std::move(editor)) {
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
    numberField_->setFocusPolicy(Qt::NoFocus);
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
        host_.PrintPage(*this, model_);
    });
    layout->addLayout(side);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* area = new QWidget(scroll);
    BuildControls(area);
    scroll->setWidget(area);
    layout->addWidget(scroll, kFieldsStretch);
    if (table_.graph) {
        BuildGraph(layout);
    }

    connect(modelList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_ && row >= 0) {
            SelectModel(row);
        }
    });
}

// A field that loses the focus while the page goes away (the window closes) must not
// commit into a page that is half gone.
ModelEditorPage::~ModelEditorPage() {
    for (const FieldControl& control : controls_) {
        control.widget->disconnect(this);
    }
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
    int row = 1;
    if (!table_.variants.empty()) {
        auto* variantRow = new QHBoxLayout();
        variantRow->addWidget(new QLabel(QString::fromStdString(table_.variantCaption), area));
        variantList_ = new FieldList(area);
        for (const std::string& name : table_.variants) {
            variantList_->addItem(QString::fromStdString(name));
        }
        connect(variantList_, &QComboBox::activated, this, [this] { ShowModel(); });
        variantRow->addWidget(variantList_);
        variantRow->addStretch(1);
        grid->addLayout(variantRow, row++, 0, 1, kGroupColumns);
    }
    for (const PageNote& note : table_.notes) {
        const std::string text =
            note.textNumber != 0 ? host_.language().GetText(note.textNumber) : note.text;
        auto* label = new QLabel(DisplayText(text), area);
        label->setWordWrap(true);
        grid->addWidget(label, row++, 0, 1, kGroupColumns);
    }
    // The group boxes fill three columns, each box going to the column that is shortest so
    // far, so that tall groups (sixteen servo travels) leave no gaps beside them.
    auto* columnsRow = new QHBoxLayout();
    columnsRow->setSpacing(kGroupSpacing);
    std::vector<QVBoxLayout*> columns;
    const int columnCount = table_.graph ? kGroupColumnsBesideGraph : kGroupColumns;
    std::vector<int> heights(static_cast<std::size_t>(columnCount), 0);
    for (int c = 0; c < columnCount; ++c) {
        columns.push_back(new QVBoxLayout());
        columnsRow->addLayout(columns.back(), 1);
    }
    grid->addLayout(columnsRow, row++, 0, 1, kGroupColumns);
    QFormLayout* form = nullptr;
    QGroupBox* currentBox = nullptr;
    std::string currentGroup;
    std::string currentBoxName;
    std::size_t column = 0;
    for (const Field& field : table_.fields) {
        const bool nextGroup = !field.IsShownOnly() && field.group != currentGroup;
        if (form != nullptr && nextGroup && !field.box.empty() && field.box == currentBoxName) {
            // another commit handler in the same box
            currentGroup = field.group;
            boxes_.emplace_back(field.group, currentBox);
        }
        if (form == nullptr || (!field.IsShownOnly() && field.group != currentGroup)) {
            currentGroup = field.group;
            currentBoxName = field.Box();
            const GroupHooks* hooks = table_.HooksOf(field.group);
            const int captionText = hooks != nullptr ? hooks->captionText : 0;
            auto* box =
                new QGroupBox(captionText != 0 ? OneLine(host_.language().GetText(captionText))
                                               : QString::fromStdString(field.Box()),
                              area);
            box->setStyleSheet(QStringLiteral(
                "QGroupBox { font-weight: bold; } QGroupBox * { font-weight: normal; }"));
            form = new QFormLayout(box);
            form->setContentsMargins(kBoxMargin, kBoxMargin, kBoxMargin, kBoxMargin);
            column = static_cast<std::size_t>(std::min_element(heights.begin(), heights.end()) -
                                              heights.begin());
            columns[column]->addWidget(box);
            currentBox = box;
            heights[column] += 2;  // caption and margins
            boxes_.emplace_back(field.group, box);
        }
        auto* label =
            new QLabel(field.labelText != 0
                           ? DisplayText(host_.language().GetText(field.labelText) + field.label)
                           : QString::fromStdString(field.Label()),
                       area);
        label->setWordWrap(true);  // long labels wrap rather than widen the page
        QWidget* control = CreateControl(field, area);
        form->addRow(label, control);
        controls_.push_back({&field, control, label, currentBox});
        ++heights[column];
    }
    for (QVBoxLayout* each : columns) {
        each->addStretch(1);
    }
    grid->setRowStretch(row, 1);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        ConnectControl(i);
    }
}

// The graph stays beside the fields as they scroll, with its curve boxes above it, and
// grows with the page.
void ModelEditorPage::BuildGraph(QHBoxLayout* layout) {
    auto* panel = new QVBoxLayout();
    for (const CurveOfGraph& curve : table_.graph->curves) {
        auto* tick = new QCheckBox(QString::fromStdString(curve.label), this);
        tick->setChecked(table_.graph->startTicked);
        panel->addWidget(tick);
        curveBoxes_.push_back(tick);
        // A curve box stores nothing: it only chooses what the graph draws.
        connect(tick, &QCheckBox::toggled, this, [this] { ShowGraph(); });
    }
    graph_ = new CurveGraphWidget(*table_.graph, this);
    panel->addWidget(graph_);
    panel->addStretch(1);
    layout->addLayout(panel, kGraphStretch);
    if (table_.graph->colourCaptions) {
        connect(graph_, &CurveGraphWidget::PointerMoved, this,
                [this](bool inside) { ColourCaptions(inside); });
    }
}

QWidget* ModelEditorPage::CreateControl(const Field& field, QWidget* parent) {
    const FieldCodec& codec = *field.codec;
    QWidget* control = nullptr;
    if (codec.Shown() == ShownKind::CheckMark) {
        control = new QCheckBox(parent);
    } else if (const std::vector<std::string> entries = codec.Entries(); !entries.empty()) {
        std::vector<QString> texts;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            texts.push_back(DisplayText(EntryText(codec, i, host_.language())));
        }
        if (field.radioButtons) {
            control = new RadioRow(texts, parent);
        } else {
            auto* list = new FieldList(parent);
            list->setFocusPolicy(Qt::StrongFocus);
            for (const QString& text : texts) {
                list->addItem(text);
            }
            control = list;
        }
    } else {
        auto* edit = new QLineEdit(parent);
        const bool name = codec.Kind() == "name";
        edit->setMaximumWidth(name ? 120 : 70);
        if (name) {
            edit->setMaxLength(static_cast<int>(codec.OwnedBits(field).size()));
        }
        control = edit;
    }
    if (field.tooltipText != 0) {
        control->setToolTip(DisplayText(host_.language().GetText(field.tooltipText)));
    } else if (!field.tooltip.empty()) {
        control->setToolTip(QString::fromStdString(field.tooltip));
    }
    return control;
}

void ModelEditorPage::ConnectControl(std::size_t index) {
    QWidget* widget = controls_[index].widget;
    const GroupPolicy policy = table_.PolicyOf(controls_[index].field->group);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::editingFinished, this, [this, index] {
            if (!showing_) {
                CommitFrom(controls_[index]);
            }
        });
        if (policy.trigger == GroupPolicy::Trigger::EveryKeystroke) {
            // A text on its way to a number ("", "-") waits for the next key; leaving the
            // field commits it as it stands.
            connect(edit, &QLineEdit::textEdited, this, [this, index](const QString& text) {
                if (!showing_ && ParseEntry(*controls_[index].field, text.toStdString()).ok()) {
                    CommitFrom(controls_[index]);
                }
            });
        }
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        connect(list, &QComboBox::activated, this, [this, index] { CommitFrom(controls_[index]); });
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        connect(box, &QCheckBox::clicked, this, [this, index] { CommitFrom(controls_[index]); });
    } else if (auto* radios = dynamic_cast<RadioRow*>(widget)) {
        connect(radios->buttons(), &QButtonGroup::idClicked, this,
                [this, index] { CommitFrom(controls_[index]); });
    }
}

QWidget* ModelEditorPage::Control(const std::string& key) const {
    for (const FieldControl& control : controls_) {
        if (control.field->key == key) {
            return control.widget;
        }
    }
    return nullptr;
}

QLabel* ModelEditorPage::LabelOf(const std::string& key) const {
    for (const FieldControl& control : controls_) {
        if (control.field->key == key) {
            return control.label;
        }
    }
    return nullptr;
}

QGroupBox* ModelEditorPage::GroupBox(const std::string& group) const {
    for (const auto& [name, box] : boxes_) {
        if (name == group) {
            return box;
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
    const CamPacData& dataSet = host_.data();
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
    return QString::fromStdString(editor_->family().ModelName(editor_->Record(model)));
}

void ModelEditorPage::SelectModel(int model) {
    model_ = model;
    host_.data().currentModel = model;
    ShowModel();
    if (!IsBasePage()) {
        ChooseMixingPage();
        host_.SelectTab(host_.CurrentTab());
    }
}

void ModelEditorPage::ShowModel() {
    const ConstModelRecord record = editor_->Record(model_);
    const bool editing = editor_->Editing();
    showing_ = true;
    numberField_->setText(QString::number(model_ + 1));
    if (QListWidgetItem* entry = modelList_->item(model_)) {
        entry->setText(ModelName(model_));  // a new name shows at once
    }
    for (const FieldControl& control : controls_) {
        const Field& field = *control.field;
        const bool shown =
            IsFieldShown(field, record) && (field.variant < 0 || variantList_ == nullptr ||
                                            field.variant == variantList_->currentIndex());
        control.widget->setHidden(!shown);
        control.label->setHidden(!shown);
        if (field.caption != nullptr) {
            control.label->setText(QString::fromStdString(CaptionOf(field, record)));
        }
        control.widget->setEnabled(IsFieldEnabled(field, record));
        SetReadOnly(control.widget, !editing || field.IsShownOnly());
        const FieldValue value = DecodeField(field, record);
        if (auto* edit = qobject_cast<QLineEdit*>(control.widget)) {
            // Setting the same text again would move the cursor of a field being typed in.
            const QString text = QString::fromStdString(ShowField(field, value));
            if (edit->text() != text) {
                edit->setText(text);
            }
        } else if (auto* list = qobject_cast<QComboBox*>(control.widget)) {
            list->setCurrentIndex(static_cast<int>(value.number));
        } else if (auto* box = qobject_cast<QCheckBox*>(control.widget)) {
            box->setChecked(value.number != 0);
        } else if (auto* radios = dynamic_cast<RadioRow*>(control.widget)) {
            radios->setCurrentIndex(static_cast<int>(value.number));
        }
    }
    // A box whose fields are all hidden (another variant's) is hidden too.
    for (const auto& [group, box] : boxes_) {
        bool anyShown = false;
        for (const FieldControl& control : controls_) {
            anyShown = anyShown || (control.box == box && !control.widget->isHidden());
        }
        box->setHidden(!anyShown);
    }
    showing_ = false;
    ShowGraph();
    if (IsBasePage()) {
        ChooseMixingPage();
    }
}

void ModelEditorPage::ShowGraph() {
    if (graph_ == nullptr) {
        return;
    }
    const ConstModelRecord record = editor_->Record(model_);
    std::vector<bool> ticked;
    for (const QCheckBox* box : curveBoxes_) {
        ticked.push_back(box->isChecked());
    }
    graph_->Show(std::vector<Byte>(record.begin(), record.end()), std::move(ticked));
}

void ModelEditorPage::ColourCaptions(bool inside) {
    const auto& curves = table_.graph->curves;
    for (std::size_t i = 0; i < curves.size() && i < curveBoxes_.size(); ++i) {
        const QString colour = inside ? CurveColour(curves[i]).name() : QStringLiteral("black");
        curveBoxes_[i]->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
        if (QGroupBox* box = GroupBox(curves[i].group)) {
            box->setStyleSheet(QStringLiteral("QGroupBox { font-weight: bold; color: %1; } "
                                              "QGroupBox * { font-weight: normal; color: black; }")
                                   .arg(colour));
        }
    }
}

void ModelEditorPage::ChooseMixingPage() {
    const std::vector<int> tabs = host_.TabPages();
    const auto change =
        ChooseMixingTab(editor_->family(), editor_->Record(model_), tabs,
                        [this](int pageNumber) { return host_.HasPage(pageNumber); });
    if (change) {
        host_.SetTabPage(change->position, change->page);
    }
}

void ModelEditorPage::CommitFrom(const FieldControl& trigger) {
    // A message box of this commit takes the focus, which must not start another.
    if (committing_) {
        return;
    }
    committing_ = true;
    const ConstModelRecord record = editor_->Record(model_);
    const std::string& group = trigger.field->group;
    GroupInput input;
    std::optional<Message> prompt;
    for (const FieldControl& control : controls_) {
        if (control.field->IsShownOnly() || control.field->group != group) {
            continue;
        }
        FieldValue value;
        if (auto* edit = qobject_cast<QLineEdit*>(control.widget)) {
            Result<FieldValue> entered = ParseEntry(*control.field, edit->text().toStdString());
            if (entered.ok()) {
                value = entered.value();
            } else {
                // The member keeps its old value; the prompt is shown once.
                value = DecodeField(*control.field, record);
                if (!prompt) {
                    prompt = entered.error();
                }
            }
        } else if (auto* list = qobject_cast<QComboBox*>(control.widget)) {
            value.number = list->currentIndex();
        } else if (auto* box = qobject_cast<QCheckBox*>(control.widget)) {
            value.number = box->isChecked() ? 1 : 0;
        } else if (auto* radios = dynamic_cast<RadioRow*>(control.widget)) {
            value.number = radios->currentIndex();
        }
        input.emplace_back(control.field, value);
    }
    if (prompt) {
        ShowModel();
        ShowRefusal(*prompt);
    }
    std::optional<Message> warning;
    const Status committed = editor_->Commit(table_, model_, group, input, &warning);
    ShowModel();
    if (!committed.ok()) {
        const Message& refusal = committed.error();
        ShowRefusal(refusal);
        if (editor_->Editing()) {
            QWidget* focus = refusal.subject.empty() ? nullptr : Control(refusal.subject);
            (focus != nullptr ? focus : trigger.widget)->setFocus();
        }
    } else {
        if (!prompt) {
            WithdrawRefusal();
        }
        if (warning) {
            host_.dialogs().Show(*warning);
        }
    }
    committing_ = false;
}

// A refusal stands in the status bar until a commit succeeds.
void ModelEditorPage::ShowRefusal(const Message& refusal) {
    host_.dialogs().Show(refusal);
    standingRefusal_ = refusal;
}

void ModelEditorPage::WithdrawRefusal() {
    if (standingRefusal_) {
        host_.WithdrawResult(*standingRefusal_);
        standingRefusal_.reset();
    }
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

void ModelEditorPage::OnEditToggle() {
    if (!editToggle_->isChecked()) {
        return;
    }
    editor_->StartEditing();
    host_.BuildTabs(editor_->family().editingTabSet);
    host_.SelectTab(0);
    SelectModel(model_);
    applyButton_->setEnabled(true);
    revertButton_->setEnabled(true);
    editToggle_->setEnabled(false);
}

void ModelEditorPage::OnApply() {
    if (Status applied = editor_->Apply(); !applied) {
        ShowRefusal(applied.error());
        return;
    }
    WithdrawRefusal();
    host_.BuildTabs(editor_->family().normalTabSet);
    host_.SelectTab(kBasePageTab);
    CloseEditMode();
}

void ModelEditorPage::OnRevert() {
    editor_->Revert(host_.catalogue());
    FillModelList();
    host_.BuildTabs(editor_->family().normalTabSet);
    host_.SelectTab(kBasePageTab);
    CloseEditMode();
}

void ModelEditorPage::CloseEditMode() {
    applyButton_->setEnabled(false);
    revertButton_->setEnabled(false);
    editToggle_->setEnabled(true);
    editToggle_->setChecked(false);
    ShowModel();
}
