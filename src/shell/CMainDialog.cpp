#include "shell/CMainDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "adapters/CamPacConnection.h"
#include "adapters/TransferEngine.h"
#include "adapters/ui/CAdapterDialog.h"
#include "common/Cp1252.h"
#include "common/MessageText.h"
#include "common/TextFormat.h"
#include "dataset/DataSetCommands.h"
#include "dataset/Version2Import.h"
#include "editors/EditorFamilies.h"
#include "editors/EditorPages.h"
#include "editors/MixingTab.h"
#include "pages/CContentPage.h"
#include "pages/CGetDataPage.h"
#include "pages/CModelsPage.h"
#include "pages/CSavePage.h"
#include "pages/PageSupport.h"
#include "pages/printing/PrintCommands.h"
#include "shell/AboutBox.h"
#include "shell/LiteralTexts.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"
#include "shell/Settings.h"
#include "shell/ShellTexts.h"
#include "shell/StartUp.h"
#include "shell/StepLabels.h"
#include "shell/TabSets.h"

CMainDialog::CMainDialog(Session& session, UserDialogs& dialogs, PrintDialogs& printDialogs)
    : session_(session),
      dialogs_(dialogs, session.language),
      printDialogs_(printDialogs),
      endProcess_([](int code) { std::exit(code); }) {
    qtTranslation_.Apply(session_.settings.language);
    dialogs_.SetResultSink([this](const std::string& text) { ShowResult(DisplayText(text)); });
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
    BuildStatusBar();
    UpdateHeader();
    PlaceWindow();
    // The title follows the data set's state, which every page and editor may change: it
    // is brought up to date after each click and key, and when the window is active again.
    qApp->installEventFilter(this);
}

CMainDialog::~CMainDialog() {
    // A field finishes its edit when it loses the focus while the window's children are
    // destroyed, after this object is gone: its handler must not run then. (Closing the
    // window has taken every edit before the question about unsaved changes.)
    commentField_->disconnect(this);
    if (QWidget* focused = focusWidget()) {
        focused->blockSignals(true);
    }
    FinishRun();
}

std::filesystem::path CMainDialog::WindowStateFile() const {
    return LocateSettings(session_.programFolder).writeTo.parent_path() / "Keplund-window.ini";
}

// The size and place of the last run; at first a size that fits the screen, at most
// 1200 x 860, leaving room for the frame and title bar.
void CMainDialog::PlaceWindow() {
    const QSettings state(QString::fromStdString(WindowStateFile().string()), QSettings::IniFormat);
    if (restoreGeometry(state.value(QStringLiteral("geometry")).toByteArray())) {
        return;
    }
    QSize opening(1200, 860);
    if (const QScreen* shownOn = screen()) {
        const QRect available = shownOn->availableGeometry();
        opening = opening.boundedTo(available.size() - QSize(16, 48));
        resize(opening);
        move(available.center() - rect().center());
        return;
    }
    resize(opening);
}

void CMainDialog::SaveWindowState() {
    QSettings state(QString::fromStdString(WindowStateFile().string()), QSettings::IniFormat);
    state.setValue(QStringLiteral("geometry"), saveGeometry());
}

void CMainDialog::BuildStatusBar() {
    resultLabel_ = Named(new QLabel(statusBar()), "resultStatus");
    adapterStatus_ = Named(new QLabel(statusBar()), "adapterStatus");
    portStatus_ = Named(new QLabel(statusBar()), "portStatus");
    statusBar()->addWidget(resultLabel_, 1);
    statusBar()->addPermanentWidget(adapterStatus_);
    statusBar()->addPermanentWidget(portStatus_);
    SetPortName(QString());
    ShowAdapterStatus();
}

void CMainDialog::ShowResult(const QString& text) {
    // The first line stands in the bar; the whole text is its tooltip.
    resultLabel_->setText(text.section('\n', 0, 0).trimmed());
    resultLabel_->setToolTip(text);
}

void CMainDialog::WithdrawResult(const Message& shown) {
    if (resultLabel_->toolTip() == DisplayText(MessageText(shown, session_.language))) {
        ShowResult({});
    }
}

void CMainDialog::ShowAdapterStatus() {
    adapterStatus_->setText(
        DisplayText(session_.language.GetText(UsesUsb() ? txt::kUsbAdapter : txt::kLptAdapter)));
}

void CMainDialog::SetPortName(const QString& name) {
    portStatus_->setText(
        name.isEmpty() ? DisplayText(session_.language.GetText(txt::kPortNotAvailable)) : name);
}

void CMainDialog::SetPortNamer(std::function<QString()> namer) {
    portNamer_ = std::move(namer);
    SetPortName(portNamer_());
}

void CMainDialog::SetChosenAdapter(AdapterKind kind) {
    chosenAdapter_ = kind;
    ShowAdapterStatus();
    ShowAdapterOnPages();
}

void CMainDialog::RefreshTitle() {
    titlePending_ = false;
    const QString program = QString::fromUtf8(literal::kWindowTitle);
    const CamPacData& dataSet = session_.data;
    if (dataSet.state == DataSetState::None) {
        setWindowTitle(program);
        setWindowModified(false);
        return;
    }
    setWindowTitle(QString::fromStdString(dataSet.fileName) + QStringLiteral("[*] - ") + program);
    setWindowModified(static_cast<int>(dataSet.state) >= static_cast<int>(DataSetState::Changed));
}

bool CMainDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool afterInput = type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease ||
                            type == QEvent::ShortcutOverride ||
                            (watched == this && type == QEvent::WindowActivate);
    if (afterInput && !titlePending_) {
        titlePending_ = true;
        QMetaObject::invokeMethod(this, &CMainDialog::RefreshTitle, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
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
    // The comment is taken when the field is left. It is kept only in the data set's file,
    // so a new comment counts as an unsaved change: Load, New and Exit ask before it is lost.
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

// Leaving the field and coming back runs the field's own commit, whatever the field is.
void CMainDialog::TakePendingEdit() {
    QWidget* focused = focusWidget();
    if (focused != nullptr && focused->hasFocus()) {
        focused->clearFocus();
        focused->setFocus(Qt::OtherFocusReason);
    }
}

void CMainDialog::ConnectMenu() {
    connect(menu_.load, &QAction::triggered, this, &CMainDialog::RunLoad);
    connect(menu_.lastFile, &QAction::triggered, this, &CMainDialog::RunLastFile);
    connect(menu_.save, &QAction::triggered, this, &CMainDialog::RunSave);
    connect(menu_.saveAs, &QAction::triggered, this, &CMainDialog::RunSaveAs);
    // Saving needs a data set, and waits while an edit is open: the file would not hold
    // the edit, yet the data set would count as saved.
    connect(menu_.fileMenu, &QMenu::aboutToShow, this, [this] {
        const bool canSave = session_.data.state != DataSetState::None && !IsEditingTabSet(tabSet_);
        menu_.save->setEnabled(canSave);
        menu_.saveAs->setEnabled(canSave);
    });
    connect(menu_.exit, &QAction::triggered, this, &CMainDialog::RunExit);
    connect(menu_.import, &QAction::triggered, this, &CMainDialog::RunImport);
    connect(menu_.adapter, &QAction::triggered, this, [this] { RunAdapterDialog(*this); });
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
    connect(menu_.about, &QAction::triggered, this, [this] { AboutBox(this).exec(); });
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

CamPacData& CMainDialog::data() {
    return session_.data;
}

const TransmitterCatalogue& CMainDialog::catalogue() const {
    return session_.catalogue;
}

const LanguageTable& CMainDialog::language() const {
    return session_.language;
}

int CMainDialog::CurrentTab() const {
    return tabs_->currentIndex();
}

void CMainDialog::BuildTabs(int set) {
    tabSet_ = set;
    buildingTabs_ = true;
    std::vector<int> previous = tabPages_;
    while (tabs_->count() > 0) {
        tabs_->removeTab(0);
    }
    tabPages_.clear();
    const EditorFamily* family =
        EditorFamilyFor(session_.data.typeName, session_.settings.ff9SuperAsFf9);
    const auto exists = [this](int number) { return Page(number) != nullptr; };
    const auto entries = TabSet(set);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        int number = entries[i].page;
        const bool mixingTab =
            family != nullptr && i > 0 && entries[i - 1].page == family->basePage->pageNumber;
        if (mixingTab) {
            // The mixing page the base page chose before, whatever position it had.
            const auto base =
                std::find(previous.begin(), previous.end(), family->basePage->pageNumber);
            const int before = base != previous.end() && base + 1 != previous.end()
                                   ? *(base + 1)
                                   : entries[i].page;
            const std::optional<int> start = MixingTabStart(*family, before, exists);
            if (!start) {
                continue;  // no mixing page of this family exists yet
            }
            number = *start;
        } else if (number == page::kUnchanged) {
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

void CMainDialog::PrintPage(QWidget& page, int model) {
    PrintEditorPage(session_, dialogs_, printDialogs_, page, model);
}

void CMainDialog::CreateTypePages() {
    CreateTypePages(session_.data.typeName);
}

void CMainDialog::CreateTypePages(const std::string& typeName) {
    for (auto it = pages_.begin(); it != pages_.end();) {
        if (it->first >= page::kFc18v3Base) {
            pageArea_->removeWidget(it->second);
            it->second->deleteLater();
            it = pages_.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto& [number, page] :
         CreateEditorPages(typeName, session_.settings.ff9SuperAsFf9, *this, pageArea_)) {
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

// The pages are those of the type the image was identified as: a filled image whose type
// name became "Unbekannt " keeps the pages of the type its header names.
void CMainDialog::ShowWithoutEditorTabs() {
    CreateTypePages(std::string(session_.catalogue.Entry(session_.data.typeIndex).typeName));
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
    RefreshTitle();
}

// A failed load has left the data set that was open as it was, and its pages with it.
void CMainDialog::AfterLoad(int outcome) {
    if (outcome == static_cast<int>(CommandOutcome::Done)) {
        ChooseTypeTabs();
        ShowLastFileInMenu();
        ShowResult(DisplayText(
            FormatText(session_.language.GetText(txt::kResultLoaded), {session_.data.filePath})));
    }
    UpdateHeader();
}

void CMainDialog::RunLoad() {
    TakePendingEdit();
    AfterLoad(static_cast<int>(LoadCommand(session_, dialogs_)));
}

// An imported data set opens on the models page.
void CMainDialog::RunImport() {
    TakePendingEdit();
    if (ImportVersion2File(session_, dialogs_) == CommandOutcome::Done) {
        ShowTypeTabsAt(kModelsTab);
        ShowResult(DisplayText(
            FormatText(session_.language.GetText(txt::kResultImported), {session_.data.fileName})));
    }
    UpdateHeader();
}

void CMainDialog::RunLastFile() {
    TakePendingEdit();
    AfterLoad(static_cast<int>(LastFileCommand(session_, dialogs_)));
}

void CMainDialog::RunSave() {
    RunSaveTo(static_cast<int>(SaveTarget::KnownFile));
}

void CMainDialog::RunSaveAs() {
    RunSaveTo(static_cast<int>(SaveTarget::Choose));
}

// The shortcuts reach the save while the menu would not offer it: it waits for an open
// edit as the menu does.
void CMainDialog::RunSaveTo(int target) {
    if (IsEditingTabSet(tabSet_)) {
        return;
    }
    if (SaveCommand(session_, dialogs_, static_cast<SaveTarget>(target)) == CommandOutcome::Done) {
        ShowLastFileInMenu();
        ShowResult(DisplayText(
            FormatText(session_.language.GetText(txt::kResultSaved), {session_.data.filePath})));
    }
    UpdateHeader();
}

void CMainDialog::ShowLastFileInMenu() {
    menu_.ShowSettings(session_.settings);
}

void CMainDialog::RunExit() {
    if (transferRunning_) {
        return;
    }
    TakePendingEdit();
    if (!ConfirmDiscardChanges(session_, dialogs_)) {
        return;
    }
    exitConfirmed_ = true;
    close();
    exitConfirmed_ = false;
}

void CMainDialog::OnLanguageChosen(int language) {
    const int before = session_.settings.language;
    switch (SwitchLanguage(session_, dialogs_, language)) {
        case LanguageSwitch::Switched:
            qtTranslation_.Apply(language);
            break;
        case LanguageSwitch::KeptOld:
            menu_.languages[before]->setChecked(true);
            break;
        case LanguageSwitch::Fatal:
            endProcess_(0);
            break;
    }
}

// The window's close button ends the run as "Beenden" does: not while a transfer runs, and
// with unsaved changes only after the user agrees to lose them.
void CMainDialog::closeEvent(QCloseEvent* event) {
    if (transferRunning_) {
        event->ignore();
        return;
    }
    TakePendingEdit();
    if (!exitConfirmed_ && !ConfirmDiscardChanges(session_, dialogs_)) {
        event->ignore();
        return;
    }
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
    SaveWindowState();
    ShutDown(session_);
}

void CMainDialog::UseConnection(std::unique_ptr<CamPacConnection> connection) {
    connection_ = std::move(connection);
    ConnectionChanged();
}

void CMainDialog::ConnectionChanged() {
    PortAccessSwitch* access = connection_ != nullptr ? connection_->portAccess() : nullptr;
    if (access != nullptr) {
        // A port access that faults switches port access off: transfer off for the pages.
        access->SetSwitchedOffHandler([this] { PostTransfersEnabled(false); });
    }
    PostTransfersEnabled(connection_ != nullptr && (access == nullptr || access->on()));
    ShowAdapterStatus();
    if (portNamer_) {
        SetPortName(portNamer_());
    }
    ShowAdapterOnPages();
}

// The adapter labels of the transfer pages name the adapter of the connection.
void CMainDialog::ShowAdapterOnPages() {
    for (const int number : {page::kGetData, page::kSave}) {
        if (CPage* page = Page(number)) {
            page->OnPageRefresh();
        }
    }
}

bool CMainDialog::UsesUsb() const {
    if (connection_ != nullptr) {
        return connection_->kind() == AdapterKind::Usb;
    }
    if (chosenAdapter_) {
        return *chosenAdapter_ == AdapterKind::Usb;
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
                                            elapsedClock_, connection_->module(), options);
}

void CMainDialog::PostTransfersEnabled(bool enabled) {
    for (const int number : {page::kGetData, page::kSave}) {
        CPage* page = Page(number);
        QMetaObject::invokeMethod(
            page, [page, enabled] { page->SetTransfersEnabled(enabled); }, Qt::QueuedConnection);
    }
}

void CMainDialog::SetTransferRunning(bool running) {
    transferRunning_ = running;
    menuBar()->setEnabled(!running);
    // The menu's shortcuts would reach its commands past the disabled bar.
    for (QAction* title : menuBar()->actions()) {
        if (QMenu* menu = title->menu()) {
            for (QAction* item : menu->actions()) {
                item->setShortcutContext(running ? Qt::WidgetShortcut : Qt::WindowShortcut);
            }
        }
    }
    tabs_->setEnabled(!running);
    commentField_->setEnabled(!running);
}
