#include "pages/CModelsPage.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/Cp1252.h"
#include "common/MessageText.h"
#include "common/TextToInt.h"
#include "dataset/DataSetCommands.h"
#include "dataset/DataSetFiles.h"
#include "dataset/DataSetTexts.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelFileBrowse.h"
#include "dataset/ModelTexts.h"
#include "editors/ComparisonTexts.h"
#include "editors/EntryTexts.h"
#include "editors/FieldCodec.h"
#include "editors/ModelComparison.h"
#include "pages/PageSupport.h"
#include "pages/PageTexts.h"
#include "pages/TransmitterPicture.h"
#include "pages/printing/PrintCommands.h"
#include "shell/CMainDialog.h"
#include "shell/LanguageTable.h"
#include "shell/QtTranslation.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"

namespace {

constexpr int kEntryKindRole = Qt::UserRole;

// "%d. %B %Y" with the month named in the program's language.
QString FileDate(const std::filesystem::path& path, int language) {
    const QDate modified = QFileInfo(QString::fromStdString(path.string())).lastModified().date();
    const QString locale = QtTranslation::LocaleName(language);
    return QLocale(locale.isEmpty() ? QStringLiteral("en") : locale)
        .toString(modified, QStringLiteral("dd. MMMM yyyy"));
}

}  // namespace

CModelsPage::CModelsPage(CMainDialog& mainDialog, QWidget* parent)
    : CPage(mainDialog, parent), numberingStart_(kDefaultNumberingStart) {
    const Session& session = main().session();
    folder_ = session.FolderOrStart(session.modelFolder);
    BuildControls();
    ConnectControls();
    OnExplorer(false);
    FillList(0);
}

void CModelsPage::BuildControls() {
    CMainDialog& m = main();
    auto* layout = new QGridLayout(this);

    auto* listColumn = new QVBoxLayout;
    auto* modelsLabel = new QLabel(PageText(m, txt::kLabelModels), this);
    modelList_ = Named(new QListWidget(this), "modelList");
    modelList_->setFont(QFont(QStringLiteral("Monospace")));
    modelsLabel->setBuddy(modelList_);
    auto* commentLabel = new QLabel(PageText(m, txt::kLabelModelComment), this);
    commentField_ = Named(new QLineEdit(this), "modelComment");
    commentField_->setToolTip(PageText(m, txt::kTooltipModelComment));
    commentLabel->setBuddy(commentField_);
    listColumn->addWidget(modelsLabel);
    listColumn->addWidget(modelList_, 1);
    listColumn->addWidget(commentLabel);
    listColumn->addWidget(commentField_);
    listColumn->addWidget(BuildCompareList(), 1);

    auto* buttonColumn = new QVBoxLayout;
    auto* moveRow = new QHBoxLayout;
    upButton_ = Named(new QToolButton(this), "moveUpButton");
    upButton_->setArrowType(Qt::UpArrow);
    upButton_->setToolTip(PageText(m, txt::kTooltipMoveUp));
    downButton_ = Named(new QToolButton(this), "moveDownButton");
    downButton_->setArrowType(Qt::DownArrow);
    downButton_->setToolTip(PageText(m, txt::kTooltipMoveDown));
    for (QToolButton* button : {upButton_, downButton_}) {
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoRaise(false);
        moveRow->addWidget(button);
    }
    buttonColumn->addLayout(moveRow);
    auto button = [&](NumberedText caption, const char* name) {
        auto* b = Named(new QPushButton(PageText(m, caption), this), name);
        buttonColumn->addWidget(b);
        return b;
    };
    numberingButton_ = button(txt::kButtonNumbering, "numberingButton");
    resetButton_ = button(txt::kButtonResetModel, "resetButton");
    resetButton_->setToolTip(PageText(m, txt::kConfirmResetModel));
    compareButton_ = button(txt::kButtonCompareWith, "compareButton");
    copyButton_ = button(txt::kButtonCopyTo, "copyButton");
    loadButton_ = button(txt::kButtonLoadModel, "loadModelButton");
    saveButton_ = button(txt::kButtonSaveModel, "saveModelButton");
    saveButton_->setToolTip(PageText(m, txt::kTooltipSaveModel));
    saveAllButton_ = button(txt::kButtonSaveAll, "saveAllButton");
    saveAllButton_->setToolTip(PageText(m, txt::kTooltipSaveAll));
    printButton_ = button(txt::kButtonPrint, "printButton");
    buttonColumn->addStretch();

    auto* explorerColumn = new QVBoxLayout;
    explorer_ = Named(new QCheckBox(QString::fromUtf8(literal::kExplorer), this), "explorerCheck");
    pathLabel_ = new QLabel(QString::fromUtf8(literal::kPath), this);
    pathField_ = Named(new QLabel(this), "pathField");
    pathField_->setWordWrap(true);
    browser_ = Named(new QListWidget(this), "fileBrowser");
    preview_ = Named(new QLabel(this), "filePreview");
    preview_->setWordWrap(true);
    preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preview_->setMinimumHeight(80);
    explorerColumn->addWidget(explorer_);
    explorerColumn->addWidget(pathLabel_);
    explorerColumn->addWidget(pathField_);
    explorerColumn->addWidget(browser_, 1);
    explorerColumn->addWidget(preview_);
    explorerColumn->addWidget(BuildModelInfo(), 1);

    layout->addLayout(listColumn, 0, 0);
    layout->addLayout(buttonColumn, 0, 1);
    layout->addLayout(explorerColumn, 0, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(2, 2);
}

// While the explorer is off, the right side shows the transmitter and the selected model.
QWidget* CModelsPage::BuildModelInfo() {
    CMainDialog& m = main();
    modelInfo_ = Named(new QWidget(this), "modelInfo");
    auto* layout = new QVBoxLayout(modelInfo_);
    layout->setContentsMargins(0, 0, 0, 0);
    picture_ = Named(new TransmitterPicture(modelInfo_), "transmitterPicture");
    typeCaption_ = Named(new QLabel(modelInfo_), "typeCaption");
    typeCaption_->setAlignment(Qt::AlignCenter);
    QFont bold = typeCaption_->font();
    bold.setBold(true);
    typeCaption_->setFont(bold);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto value = [&](const char* name) {
        auto* label = Named(new QLabel(modelInfo_), name);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    infoName_ = value("infoName");
    infoComment_ = value("infoComment");
    infoSize_ = value("infoSize");
    form->addRow(PageText(m, txt::kInfoModelName), infoName_);
    form->addRow(PageText(m, txt::kPreviewComment), infoComment_);
    form->addRow(PageText(m, txt::kPreviewModelSize), infoSize_);
    layout->addWidget(picture_, 3);
    layout->addWidget(typeCaption_);
    layout->addSpacing(8);
    layout->addLayout(form);
    layout->addStretch(1);
    return modelInfo_;
}

// Below the comment: the settings in which two models differ, one branch per page, with
// the setting's key and the values the pages show for both models.
QWidget* CModelsPage::BuildCompareList() {
    compareArea_ = Named(new QWidget(this), "compareArea");
    auto* layout = new QVBoxLayout(compareArea_);
    layout->setContentsMargins(0, 6, 0, 0);
    compareHeading_ = Named(new QLabel(compareArea_), "compareHeading");
    compareHeading_->setWordWrap(true);
    compareList_ = Named(new QTreeWidget(compareArea_), "compareList");
    compareList_->setColumnCount(3);
    compareList_->setRootIsDecorated(false);
    compareList_->setSelectionMode(QAbstractItemView::NoSelection);
    compareList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    compareList_->header()->setStretchLastSection(false);
    compareHeading_->setBuddy(compareList_);
    compareNotes_ = Named(new QLabel(compareArea_), "compareNotes");
    compareNotes_->setWordWrap(true);
    layout->addWidget(compareHeading_);
    layout->addWidget(compareList_, 1);
    layout->addWidget(compareNotes_);
    compareArea_->hide();
    return compareArea_;
}

void CModelsPage::ShowModelInfo(int model) {
    const CamPacData& dataSet = main().session().data;
    const TransmitterType& type = main().session().catalogue.Entry(dataSet.typeIndex);
    const std::string shownType(dataSet.typeName.empty() ? type.typeName : dataSet.typeName);
    picture_->Show(PictureOfType(shownType));
    typeCaption_->setText(QString::fromStdString(shownType).trimmed());
    const bool selected = model >= 0;
    infoName_->setText(selected ? modelList_->item(model)->text() : QString());
    infoComment_->setText(
        selected ? QString::fromStdString(Cp1252ToUtf8(dataSet.modelComments[model])) : QString());
    infoSize_->setText(selected ? QString::number(dataSet.modelSize) : QString());
}

void CModelsPage::ConnectControls() {
    connect(modelList_, &QListWidget::currentRowChanged, this, [this] { OnSelectionChanged(); });
    connect(commentField_, &QLineEdit::editingFinished, this, [this] { TakeComment(); });
    connect(upButton_, &QToolButton::clicked, this, [this] { OnMove(true); });
    connect(downButton_, &QToolButton::clicked, this, [this] { OnMove(false); });
    connect(numberingButton_, &QPushButton::clicked, this, [this] { OnNumbering(); });
    connect(resetButton_, &QPushButton::clicked, this, [this] { OnReset(); });
    connect(compareButton_, &QPushButton::clicked, this, [this] { OnCompare(); });
    connect(copyButton_, &QPushButton::clicked, this, [this] { OnCopy(); });
    connect(loadButton_, &QPushButton::clicked, this, [this] { OnLoad(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { OnSave(); });
    connect(saveAllButton_, &QPushButton::clicked, this, [this] { OnSaveAll(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(explorer_, &QCheckBox::toggled, this, [this](bool on) { OnExplorer(on); });
    connect(browser_, &QListWidget::currentRowChanged, this, [this] { OnBrowseSelection(); });
    connect(browser_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OnBrowseActivated(item); });
}

void CModelsPage::OnPageRefresh() {
    FillList(0);
}

void CModelsPage::FillList(int selected) {
    const CamPacData& dataSet = main().session().data;
    {
        const QSignalBlocker blocker(modelList_);
        modelList_->clear();
        for (const std::string& line : FillModelList(dataSet, numberingStart_)) {
            modelList_->addItem(QString::fromStdString(line));
        }
        modelList_->setCurrentRow(selected >= 0 && selected < modelList_->count() ? selected
                                  : modelList_->count() > 0                       ? 0
                                                                                  : -1);
    }
    OnSelectionChanged();
}

int CModelsPage::SelectedModel() {
    const int row = modelList_->currentRow();
    return row >= 0 && row < main().session().data.modelCount ? row : -1;
}

int CModelsPage::SelectedModelOrWarning() {
    const int model = SelectedModel();
    if (model < 0) {
        main().dialogs().Show(Message::Numbered(txt::kNoModelSelected, {}, MessageIcon::Warning));
    }
    return model;
}

void CModelsPage::OnSelectionChanged() {
    CamPacData& dataSet = main().session().data;
    const int model = SelectedModel();
    commentModel_ = model;
    if (model >= 0) {
        dataSet.currentModel = model;
        commentField_->setText(QString::fromStdString(Cp1252ToUtf8(dataSet.modelComments[model])));
    } else {
        commentField_->clear();
    }
    ShowModelInfo(model);
    HideComparison();
    EnableButtons();
}

// Only what the user typed is taken: the field is marked modified by typing alone.
void CModelsPage::TakeComment() {
    if (commentModel_ < 0 || !commentField_->isModified()) {
        return;
    }
    commentField_->setModified(false);
    CamPacData& dataSet = main().session().data;
    const std::string typed = commentField_->text().toStdString();
    if (const Status taken = SetModelComment(dataSet, commentModel_, typed); !taken) {
        commentField_->setText(
            QString::fromStdString(Cp1252ToUtf8(dataSet.modelComments[commentModel_])));
        main().dialogs().Show(taken.error());
    }
    ShowModelInfo(commentModel_);
}

void CModelsPage::EnableButtons() {
    const CamPacData& dataSet = main().session().data;
    const bool selected = SelectedModel() >= 0;
    for (QWidget* control :
         std::initializer_list<QWidget*>{upButton_, downButton_, compareButton_, copyButton_,
                                         loadButton_, saveButton_, commentField_}) {
        control->setEnabled(selected);
    }
    resetButton_->setEnabled(selected && CanResetModels(dataSet) &&
                             main().session().catalogue.Entry(dataSet.typeIndex).hasEditor);
    saveAllButton_->setEnabled(dataSet.modelCount > 0);
}

void CModelsPage::OnMove(bool up) {
    TakeComment();
    const int model = SelectedModel();
    if (model < 0) {
        return;
    }
    FillList(MoveModel(main().session().data, model, up ? MoveDirection::Up : MoveDirection::Down));
}

void CModelsPage::OnNumbering() {
    TakeComment();
    const auto typed =
        main().dialogs().PromptText(PageFormat(main(), txt::kPromptNumberingStart, {}));
    if (!typed) {
        return;
    }
    const int start = TextToInt(*typed);
    if (start < kLowestNumberingStart || start > kHighestNumberingStart) {
        main().dialogs().Show(
            Message::Numbered(txt::kNumberingOutOfRange, {}, MessageIcon::Warning));
        return;
    }
    numberingStart_ = start;
    FillList(SelectedModel());
}

void CModelsPage::OnReset() {
    TakeComment();
    const int model = SelectedModelOrWarning();
    if (model < 0) {
        return;
    }
    if (main().dialogs().Show(Message::Numbered(txt::kConfirmResetModel)
                                  .WithButtons(MessageButtons::OkCancel, MessageIcon::Question)) !=
        Answer::Ok) {
        return;
    }
    ResetModel(main().session().data, model);
    FillList(model);
}

void CModelsPage::OnCompare() {
    TakeComment();
    const int model = SelectedModel();
    if (model < 0) {
        return;
    }
    const auto typed = main().dialogs().PromptText(
        PageFormat(main(), txt::kPromptCompareWith, {static_cast<long long>(model + 1)}));
    if (!typed) {
        return;
    }
    const Session& session = main().session();
    const auto compared = CompareModels(session.data, model, *typed);
    HideComparison();
    if (compared && compared.value().differences > 0) {
        const int other = ModelIndexOfNumber(session.data, *typed).value_or(model);
        if (const auto settings =
                CompareModelSettings(session.data, model, other, session.settings.ff9SuperAsFf9)) {
            ShowComparison(model, other, *settings);
        }
    }
    main().dialogs().Show(compared ? compared.value().message : compared.error());
}

void CModelsPage::ShowComparison(int model, int other, const SettingsComparison& settings) {
    CMainDialog& m = main();
    const LanguageTable& language = m.language();
    const auto text = [&language](const Message& message) {
        return DisplayText(MessageText(message, language));
    };
    // A value as the page's control shows it: list entries in the program's language,
    // check boxes as check marks.
    const auto setValue = [&language](QTreeWidgetItem* item, int column, const Field& field,
                                      const FieldValue& value, const std::string& shown) {
        if (KindOf(field) == ShownKind::CheckMark) {
            item->setCheckState(column, value.number != 0 ? Qt::Checked : Qt::Unchecked);
            return;
        }
        // a stored code that no entry has shows as "Code N" with no entry chosen
        const bool listed = value.number >= 0 && !field.codec->Entries().empty();
        item->setText(
            column, DisplayText(listed ? EntryText(*field.codec,
                                                   static_cast<std::size_t>(value.number), language)
                                       : shown));
    };
    compareHeading_->setText(text(DifferingSettingsHeading(model + 1, other + 1)));
    compareList_->clear();
    compareList_->setHeaderLabels({PageText(m, txt::kSettingColumn),
                                   text(Message::Numbered(txt::kModelColumn, {model + 1LL})),
                                   text(Message::Numbered(txt::kModelColumn, {other + 1LL}))});
    const PageTable* page = nullptr;
    for (const SettingDifference& difference : settings.fields) {
        if (difference.page != page) {
            page = difference.page;
            auto* heading = new QTreeWidgetItem(compareList_);
            heading->setText(0, QString::fromStdString(page->caption));
            heading->setFirstColumnSpanned(true);
            QFont bold = heading->font(0);
            bold.setBold(true);
            heading->setFont(0, bold);
        }
        auto* item = new QTreeWidgetItem(compareList_);
        item->setText(0, QStringLiteral("   ") + QString::fromStdString(difference.field->key));
        setValue(item, 1, *difference.field, difference.a, difference.shownA);
        setValue(item, 2, *difference.field, difference.b, difference.shownB);
    }
    for (int column : {1, 2}) {
        compareList_->resizeColumnToContents(column);
    }
    compareList_->setVisible(!settings.fields.empty());
    compareHeading_->setVisible(!settings.fields.empty());
    QStringList notes;
    if (settings.TypesDiffer()) {
        const auto typeText = [&language](const ShownModelType& type) {
            return type.entry != nullptr && type.entry->textNumber != 0
                       ? language.GetText(type.entry->textNumber)
                       : type.Text();
        };
        notes << text(DifferentTypesNote(model + 1, typeText(*settings.typeA), other + 1,
                                         typeText(*settings.typeB)));
    }
    if (settings.otherBytes > 0) {
        notes << text(OtherBytesNote(settings.otherBytes));
    }
    compareNotes_->setText(notes.join(QStringLiteral("\n")));
    compareNotes_->setVisible(!notes.isEmpty());
    compareArea_->show();
}

void CModelsPage::HideComparison() {
    compareArea_->hide();
    compareList_->clear();
}

void CModelsPage::OnCopy() {
    TakeComment();
    const int model = SelectedModel();
    if (model < 0) {
        return;
    }
    const auto typed = main().dialogs().PromptText(PageFormat(main(), txt::kPromptCopyTo, {}));
    if (!typed) {
        return;
    }
    const Status copied = CopyModel(main().session().data, model, *typed);
    main().dialogs().Show(copied ? CopiedMessage() : copied.error());
    FillList(model);
}

// The model is replaced only after the same question a double click in the file tree asks.
void CModelsPage::OnLoad() {
    TakeComment();
    if (SelectedModel() < 0) {
        return;
    }
    Session& session = main().session();
    UserDialogs& dialogs = main().dialogs();
    const auto chosen = dialogs.ChooseFileToOpen({literal::kModelFilter, "mdl", "noname",
                                                  session.FolderOrStart(session.modelFolder),
                                                  txt::kTitleLoadModel.number});
    if (!chosen) {
        return;
    }
    session.modelFolder = std::filesystem::path(*chosen).parent_path().string();
    if (ConfirmLoadModel()) {
        LoadModelFrom(*chosen);
    }
}

bool CModelsPage::ConfirmLoadModel() {
    return main().dialogs().Show(Message::Numbered(txt::kConfirmLoadModelFile)
                                     .WithButtons(MessageButtons::YesNo, MessageIcon::Question)) ==
           Answer::Yes;
}

void CModelsPage::LoadModelFrom(const std::string& path) {
    const int model = SelectedModel();
    if (const Status loaded = LoadModelFile(path, main().session().data, model); !loaded) {
        main().dialogs().Show(loaded.error());
        return;
    }
    FillList(model);
}

void CModelsPage::OnSave() {
    TakeComment();
    const int model = SelectedModelOrWarning();
    if (model < 0) {
        return;
    }
    Session& session = main().session();
    UserDialogs& dialogs = main().dialogs();
    const auto chosen = dialogs.ChooseFileToSave(
        {literal::kModelFilter, "mdl", ModelFileName(session.data, model),
         session.FolderOrStart(session.modelFolder), txt::kTitleSaveModel.number});
    if (!chosen) {
        return;
    }
    session.modelFolder = std::filesystem::path(*chosen).parent_path().string();
    if (ConfirmReplace(dialogs, *chosen)) {
        ShowSaved(WriteModelFile(*chosen, model, session.data));
    }
}

// One question for all model files the folder already holds, not one per file.
void CModelsPage::OnSaveAll() {
    TakeComment();
    Session& session = main().session();
    if (session.data.modelCount == 0) {
        return;
    }
    UserDialogs& dialogs = main().dialogs();
    const auto chosen = dialogs.ChooseFolder(
        {{}, {}, {}, session.FolderOrStart(session.modelFolder), txt::kTitleSaveAllModels.number});
    if (!chosen) {
        return;
    }
    session.modelFolder = *chosen;
    const int existing = ExistingModelFiles(*chosen, session.data);
    if (existing > 0 &&
        dialogs.Show(
            Message::Numbered(txt::kConfirmReplaceModelFiles, {static_cast<long long>(existing)})
                .WithButtons(MessageButtons::YesNo, MessageIcon::Question)) != Answer::Yes) {
        return;
    }
    ShowSaved(SaveAllModels(*chosen, session.data));
}

// The comment being typed is taken first, so that the printout shows it.
void CModelsPage::OnPrint() {
    TakeComment();
    PrintModelList(main().session(), main().dialogs(), main().printDialogs(), numberingStart_);
}

void CModelsPage::ShowSaved(const Status& written) {
    if (!written) {
        main().dialogs().Show(written.error());
    }
    if (explorer_->isChecked()) {
        ShowFolder(folder_);
    }
}

void CModelsPage::OnExplorer(bool on) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{pathLabel_, pathField_, browser_, preview_}) {
        control->setVisible(on);
    }
    modelInfo_->setVisible(!on);
    if (on) {
        ShowFolder(folder_);
    }
}

void CModelsPage::ShowFolder(const std::filesystem::path& folder) {
    std::error_code error;
    const auto canonical = std::filesystem::weakly_canonical(folder, error);
    folder_ = error ? folder : canonical;
    pathField_->setText(QString::fromStdString(folder_.string()));
    preview_->clear();
    const QSignalBlocker blocker(browser_);
    browser_->clear();
    for (const BrowseEntry& entry : BrowseFolder(folder_)) {
        const QStyle::StandardPixmap icon =
            entry.kind == BrowseEntry::Kind::Up       ? QStyle::SP_FileDialogToParent
            : entry.kind == BrowseEntry::Kind::Folder ? QStyle::SP_DirIcon
                                                      : QStyle::SP_FileIcon;
        auto* item = new QListWidgetItem(style()->standardIcon(icon),
                                         QString::fromStdString(entry.name), browser_);
        item->setData(kEntryKindRole, static_cast<int>(entry.kind));
    }
}

void CModelsPage::OnBrowseSelection() {
    const QListWidgetItem* item = browser_->currentItem();
    if (item == nullptr ||
        item->data(kEntryKindRole).toInt() != static_cast<int>(BrowseEntry::Kind::ModelFile)) {
        preview_->clear();
        return;
    }
    const std::filesystem::path path = folder_ / item->text().toStdString();
    Session& session = main().session();
    const auto head = ReadModelFileHead(path, session.data.typeName);
    if (!head) {
        preview_->setText(DisplayText(MessageText(head.error(), session.language)));
        return;
    }
    const QString lines[] = {
        PageText(main(), txt::kPreviewType) + QLatin1Char(' ') +
            QString::fromStdString(head.value().typeName).trimmed(),
        PageText(main(), txt::kPreviewModelSize) + QLatin1Char(' ') +
            QString::number(head.value().modelSize),
        PageText(main(), txt::kPreviewComment) + QLatin1Char(' ') +
            QString::fromStdString(head.value().comment),
        PageText(main(), txt::kPreviewFileDate) + QLatin1Char(' ') +
            FileDate(path, session.settings.language),
    };
    preview_->setText(QStringList(std::begin(lines), std::end(lines)).join(QLatin1Char('\n')));
}

void CModelsPage::OnBrowseActivated(QListWidgetItem* item) {
    const auto kind = static_cast<BrowseEntry::Kind>(item->data(kEntryKindRole).toInt());
    const std::string name = item->text().toStdString();
    if (kind == BrowseEntry::Kind::Up) {
        ShowFolder(folder_.parent_path());
        return;
    }
    if (kind == BrowseEntry::Kind::Folder) {
        ShowFolder(folder_ / name);
        return;
    }
    if (SelectedModel() < 0) {
        main().dialogs().Show(Message::Numbered(txt::kNoModelToLoadInto, {}, MessageIcon::Warning));
        return;
    }
    if (ConfirmLoadModel()) {
        LoadModelFrom((folder_ / name).string());
    }
}
