#include "shell/CMainDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <cstdlib>

#include "adapters/CamPacConnection.h"
#include "adapters/TransferEngine.h"
#include "common/Cp1252.h"
#include "dataset/DataSetCommands.h"
#include "dataset/Version2Import.h"
#include "editors/EditorPages.h"
#include "pages/CContentPage.h"
#include "pages/CGetDataPage.h"
#include "pages/CModelsPage.h"
#include "pages/CSavePage.h"
#include "shell/AboutBox.h"
#include "shell/LiteralTexts.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"
#include "shell/ShellTexts.h"
#include "shell/StartUp.h"
#include "shell/StepLabels.h"
#include "shell/TabSets.h"

CMainDialog::CMainDialog(Session& session, UserDialogs& dialogs)
    : session_(session), dialogs_(dialogs), endProcess_([](int code) { std::exit(code); }) {
    setWindowTitle(QString::fromUtf8(literal::kWindowTitle));
    auto text = [&](NumberedText numbered) {
        return DisplayText(session_.language.GetText(numbered));
    };

    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    steps_ = new StepLabels(area);
    steps_->SetTexts(text(txt::kStepGetData), text(txt::kStepViewChange), text(txt::kStepSave));
    layout->addWidget(steps_);
    BuildHeader(area);

    tabs_ = new QTabBar(area);
    tabs_->setObjectName(QStringLiteral("pageTabs"));
    tabs_->setExpanding(false);
    pageArea_ = new QStackedWidget(area);
    layout->addWidget(tabs_);
    layout->addWidget(pageArea_, 1);
    setCentralWidget(area);

    menu_.Build(*menuBar(), session_.language, this);
    menu_.ShowSettings(session_.settings);
    ConnectMenu();

    AddPage(page::kGetData, new CGetDataPage(*this, pageArea_));
    AddPage(page::kModels, new CModelsPage(*this, pageArea_));
    AddPage(page::kContent, new CContentPage(*this, pageArea_));
    AddPage(page::kSave, new CSavePage(*this, pageArea_));
    connect(tabs_, &QTabBar::currentChanged, this, [this](int position) {
        if (!buildingTabs_ && position >= 0) {
            SelectTab(position);
        }
    });
    BuildTabs(tabset::kNoDataSet);
    SelectTab(0);
    UpdateHeader();
    // 960 x 720, or less on a smaller screen, leaving room for the frame and title bar.
    QSize opening(960, 720);
    if (const QScreen* shownOn = screen()) {
        opening = opening.boundedTo(shownOn->availableGeometry().size() - QSize(16, 48));
    }
    resize(opening);
}

CMainDialog::~CMainDialog() {
    // The comment field finishes its edit when it loses the focus while the window's
    // children are destroyed, after this object is gone: its handler must not run then.
    commentField_->disconnect(this);
    FinishRun();
}

void CMainDialog::BuildHeader(QWidget* area) {
    auto text = [&](NumberedText numbered) {
        return DisplayText(session_.language.GetText(numbered));
    };
    auto* header = new QWidget(area);
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    // The RC-system field holds two lines, type and CamPac size; its two labels share one
    // label so that each line stands beside its own.
    auto* rcLabels = new QLabel(text(txt::kHeaderRcSystem) + QStringLiteral("\nCamPac:"), header);
    rcLabels->setObjectName(QStringLiteral("rcSystemLabels"));
    rcLabels->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rcSystemField_ = new QLabel(header);
    rcSystemField_->setObjectName(QStringLiteral("rcSystemField"));
    rcSystemField_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rcSystemField_->setMinimumWidth(120);
    auto* fileLabel = new QLabel(text(txt::kHeaderFileName), header);
    fileNameField_ = new QLabel(header);
    fileNameField_->setObjectName(QStringLiteral("fileNameField"));
    auto* commentLabel = new QLabel(text(txt::kHeaderComment), header);
    commentField_ = new QLineEdit(header);
    commentField_->setObjectName(QStringLiteral("commentField"));
    commentField_->setMaxLength(200);
    commentField_->setToolTip(text(txt::kCommentTooltip));
    grid->addWidget(rcLabels, 0, 0, 2, 1);
    grid->addWidget(rcSystemField_, 0, 1, 2, 1);
    grid->addWidget(fileLabel, 0, 2);
    grid->addWidget(fileNameField_, 0, 3);
    grid->addWidget(commentLabel, 1, 2);
    grid->addWidget(commentField_, 1, 3);
    grid->setColumnStretch(3, 1);
    area->layout()->addWidget(header);
    // The comment is taken when the field is left; the data set state stays as it is.
    // The comment is kept only in the data set's file, so a new comment counts as an unsaved
    // change: Load, New and Exit ask before it is lost.
    connect(commentField_, &QLineEdit::editingFinished, this, [this] {
        const std::string comment =
            Utf8ToCp1252(commentField_->text().toStdString()).substr(0, 200);
        if (comment != session_.data.dataSetComment &&
            session_.data.state == DataSetState::Unchanged) {
            session_.data.state = DataSetState::Changed;
        }
        session_.data.dataSetComment = comment;
    });
}

void CMainDialog::ConnectMenu() {
    connect(menu_.load, &QAction::triggered, this, &CMainDialog::RunLoad);
    connect(menu_.lastFile, &QAction::triggered, this, &CMainDialog::RunLastFile);
    connect(menu_.save, &QAction::triggered, this, &CMainDialog::RunSave);
    // Without a data set there is nothing to save.
    // Saving needs a data set, and waits while an edit is open: the file would not hold
    // the edit, yet the data set would count as saved.
    connect(menu_.fileMenu, &QMenu::aboutToShow, this, [this] {
        menu_.save->setEnabled(session_.data.state != DataSetState::None &&
                               !IsEditingTabSet(tabSet_));
    });
    connect(menu_.exit, &QAction::triggered, this, &CMainDialog::RunExit);
    connect(menu_.import, &QAction::triggered, this, &CMainDialog::RunImport);
    // The adapter dialog arrives with the adapters that serve it.
    menu_.adapter->setEnabled(false);
    connect(menu_.clockFor64k, &QAction::toggled, this,
            [this](bool on) { session_.settings.clockFor64k = on; });
    connect(menu_.alwaysCompare, &QAction::toggled, this,
            [this](bool on) { session_.settings.alwaysCompare = on; });
    connect(menu_.ff9SuperAsFf9, &QAction::toggled, this,
            [this](bool on) { session_.settings.ff9SuperAsFf9 = on; });
    for (int language = 1; language <= 5; ++language) {
        connect(menu_.languages[language], &QAction::triggered, this,
                [this, language] { OnLanguageChosen(language); });
    }
    auto showAbout = [this] { AboutBox(this).exec(); };
    connect(menu_.about, &QAction::triggered, this, showAbout);
    connect(menu_.aboutKeplund, &QAction::triggered, this, showAbout);
}

void CMainDialog::AddPage(int number, CPage* page) {
    pages_[number] = page;
    pageArea_->addWidget(page);
}

CPage* CMainDialog::Page(int number) const {
    const auto found = pages_.find(number);
    return found == pages_.end() ? nullptr : found->second;
}

int CMainDialog::TabPage(int position) const {
    if (position < 0 || position >= static_cast<int>(tabPages_.size())) {
        return page::kUnchanged;
    }
    return tabPages_[static_cast<std::size_t>(position)];
}

void CMainDialog::SetTabPage(int position, int pageNumber) {
    if (position >= 0 && position < static_cast<int>(tabPages_.size()) &&
        Page(pageNumber) != nullptr) {
        tabPages_[static_cast<std::size_t>(position)] = pageNumber;
    }
}

void CMainDialog::BuildTabs(int set) {
    tabSet_ = set;
    buildingTabs_ = true;
    std::vector<int> previous = tabPages_;
    while (tabs_->count() > 0) {
        tabs_->removeTab(0);
    }
    tabPages_.clear();
    const auto entries = TabSet(set);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        int number = entries[i].page;
        if (number == page::kUnchanged) {
            number = i < previous.size() ? previous[i] : page::kGetData;
        }
        if (Page(number) == nullptr) {
            continue;  // a page this type does not have
        }
        tabs_->addTab(DisplayText(session_.language.GetText(entries[i].caption)));
        tabPages_.push_back(number);
    }
    buildingTabs_ = false;
}

void CMainDialog::SelectTab(int position) {
    if (position < 0 || position >= static_cast<int>(tabPages_.size())) {
        return;
    }
    const int number = tabPages_[position];
    CPage* page = Page(number);
    pageArea_->setCurrentWidget(page);
    QMetaObject::invokeMethod(
        page, [page] { page->OnPageRefresh(); }, Qt::QueuedConnection);
    buildingTabs_ = true;
    tabs_->setCurrentIndex(position);
    buildingTabs_ = false;
    currentPage_ = number;
    steps_->ShowStepOfPage(number);
}

void CMainDialog::CreateTypePages() {
    for (auto it = pages_.begin(); it != pages_.end();) {
        if (it->first >= page::kFc18v3Base) {
            pageArea_->removeWidget(it->second);
            it->second->deleteLater();
            it = pages_.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto& [number, page] : CreateEditorPages(session_.data.typeName, *this, pageArea_)) {
        AddPage(number, page);
    }
}

void CMainDialog::ChooseTypeTabs() {
    CreateTypePages();
    const TypeTabs tabs = TabsForType(session_.data.typeName, session_.settings.ff9SuperAsFf9);
    BuildTabs(tabs.set);
    // Until a type's editor pages exist, its data set opens on the models page.
    const auto entries = TabSet(tabs.set);
    const bool firstPresent = tabs.firstTab < static_cast<int>(entries.size()) &&
                              Page(entries[tabs.firstTab].page) != nullptr;
    SelectTab(firstPresent ? tabs.firstTab : 1);
}

void CMainDialog::ShowTypeTabsAt(int position) {
    CreateTypePages();
    BuildTabs(TabsForType(session_.data.typeName, session_.settings.ff9SuperAsFf9).set);
    SelectTab(position);
}

void CMainDialog::ShowWithoutEditorTabs() {
    CreateTypePages();
    BuildTabs(tabset::kWithoutEditor);
    SelectTab(kModelsTab);
}

void CMainDialog::UpdateHeader() {
    const auto& dataSet = session_.data;
    rcSystemField_->setText(QStringLiteral(" ") + QString::fromStdString(dataSet.typeName) +
                            QStringLiteral("\n ") +
                            QString::fromStdString(SizeLabel(dataSet.imageSize)));
    fileNameField_->setText(QStringLiteral(" ") + QString::fromStdString(dataSet.displayPath));
    commentField_->setText(QString::fromStdString(Cp1252ToUtf8(dataSet.dataSetComment)));
}

void CMainDialog::AfterLoad(int outcome) {
    if (outcome == static_cast<int>(CommandOutcome::Done)) {
        ChooseTypeTabs();
        ShowLastFileInMenu();
    } else if (outcome == static_cast<int>(CommandOutcome::Failed)) {
        BuildTabs(tabset::kNoDataSet);
        SelectTab(0);
    }
    UpdateHeader();
}

void CMainDialog::RunLoad() {
    AfterLoad(static_cast<int>(LoadCommand(session_, dialogs_)));
}

// An imported data set opens on the models page.
void CMainDialog::RunImport() {
    const CommandOutcome outcome = ImportVersion2File(session_, dialogs_);
    if (outcome == CommandOutcome::Done) {
        ShowTypeTabsAt(kModelsTab);
    } else if (outcome == CommandOutcome::Failed) {
        BuildTabs(tabset::kNoDataSet);
        SelectTab(0);
    }
    UpdateHeader();
}

void CMainDialog::RunLastFile() {
    AfterLoad(static_cast<int>(LastFileCommand(session_, dialogs_)));
}

void CMainDialog::RunSave() {
    if (SaveCommand(session_, dialogs_) == CommandOutcome::Done) {
        ShowLastFileInMenu();
    }
    UpdateHeader();
}

void CMainDialog::ShowLastFileInMenu() {
    menu_.ShowSettings(session_.settings);
}

void CMainDialog::RunExit() {
    if (!ConfirmDiscardChanges(session_, dialogs_)) {
        return;
    }
    close();
}

void CMainDialog::OnLanguageChosen(int language) {
    const int before = session_.settings.language;
    switch (SwitchLanguage(session_, dialogs_, language)) {
        case LanguageSwitch::Switched:
            break;
        case LanguageSwitch::KeptOld:
            menu_.languages[before]->setChecked(true);
            break;
        case LanguageSwitch::Fatal:
            endProcess_(0);
            break;
    }
}

void CMainDialog::closeEvent(QCloseEvent* event) {
    FinishRun();
    event->accept();
}

void CMainDialog::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape are no dialog keys here: neither closes the window.
    event->accept();
}

void CMainDialog::FinishRun() {
    if (finished_) {
        return;
    }
    finished_ = true;
    ShutDown(session_);
}

void CMainDialog::UseConnection(std::unique_ptr<CamPacConnection> connection) {
    connection_ = std::move(connection);
    if (connection_ != nullptr) {
        if (PortAccessSwitch* access = connection_->portAccess()) {
            // A port access that faults switches port access off: transfer off for the pages.
            access->SetSwitchedOffHandler([this] { PostTransfersEnabled(false); });
        }
    }
    PostTransfersEnabled(connection_ != nullptr);
}

bool CMainDialog::UsesUsb() const {
    if (connection_ != nullptr) {
        return connection_->kind() == AdapterKind::Usb;
    }
    return session_.settings.useUsb != 0;
}

std::unique_ptr<TransferEngine> CMainDialog::MakeTransferEngine() {
    if (connection_ == nullptr) {
        return nullptr;
    }
    const TransferEngine::Options options{session_.settings.clockFor64k,
                                          session_.settings.alwaysCompare};
    return std::make_unique<TransferEngine>(session_.data, session_.catalogue, dialogs_,
                                            connection_->clock(), connection_->module(), options);
}

void CMainDialog::PostTransfersEnabled(bool enabled) {
    for (const int number : {page::kGetData, page::kSave}) {
        CPage* page = Page(number);
        QMetaObject::invokeMethod(
            page, [page, enabled] { page->SetTransfersEnabled(enabled); }, Qt::QueuedConnection);
    }
}

void CMainDialog::SetTransferRunning(bool running) {
    menuBar()->setEnabled(!running);
    tabs_->setEnabled(!running);
    commentField_->setEnabled(!running);
}
