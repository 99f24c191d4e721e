#include "pages/CSavePage.h"
#include "adapters/AdapterTexts.h"
#include "adapters/BackupFolder.h"
#include "adapters/CamPacConnection.h"
#include "adapters/TransferEngine.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/UserDialogs.h"
#include "dataset/DataSetCommands.h"
#include "dataset/DataSetTexts.h"
#include "dataset/ImageContent.h"
#include "dataset/TextExport.h"
#include "pages/PageSupport.h"
#include "pages/PageTexts.h"
#include "pages/QtTransferObserver.h"
#include "pages/TransferLock.h"
#include "pages/TransferPanel.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"

namespace {

QLabel* Explanation(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

std::string ExportName(const CamPacData& data) {
    return std::filesystem::path(ProposedDataSetName(data)).stem().string() + ".txt";
}

}  // namespace

CSavePage::CSavePage(CMainDialog& mainDialog, QWidget* parent) : CPage(mainDialog, parent) {
    CMainDialog& m = main();
    auto* layout = new QGridLayout(this);

    auto* eraseGroup = new QGroupBox(PageText(m, txt::kEraseDataSet), this);
    auto* eraseLayout = new QVBoxLayout(eraseGroup);
    auto* eraseButton =
        Named(new QPushButton(PageText(m, txt::kEraseDataSet), eraseGroup), "eraseButton");
    eraseLayout->addWidget(eraseButton);
    eraseLayout->addWidget(Explanation(PageText(m, txt::kExplainErase), eraseGroup));
    eraseLayout->addWidget(Explanation(PageText(m, txt::kExplainEraseEffect), eraseGroup));
    eraseLayout->addStretch();

    auto* saveGroup = new QGroupBox(PageText(m, txt::kGroupSaveFile), this);
    saveGroup->setToolTip(PageText(m, txt::kTooltipSavePage));
    auto* saveLayout = new QGridLayout(saveGroup);
    auto* saveButton =
        Named(new QPushButton(PageText(m, txt::kButtonSaveFile), saveGroup), "saveButton");
    auto* exportButton =
        Named(new QPushButton(PageText(m, txt::kButtonExport), saveGroup), "exportButton");
    decimal_ =
        Named(new QRadioButton(PageText(m, txt::kOptionDecimal), saveGroup), "decimalOption");
    hexadecimal_ =
        Named(new QRadioButton(PageText(m, txt::kOptionHexadecimal), saveGroup), "hexOption");
    decimal_->setChecked(true);
    saveLayout->addWidget(saveButton, 0, 0, 1, 2);
    saveLayout->addWidget(exportButton, 1, 0, 1, 2);
    saveLayout->addWidget(decimal_, 2, 0);
    saveLayout->addWidget(hexadecimal_, 2, 1);
    saveLayout->addWidget(Explanation(PageText(m, txt::kExplainSave), saveGroup), 3, 0, 1, 2);
    saveLayout->setRowStretch(4, 1);

    auto* writeGroup = new QGroupBox(PageText(m, txt::kGroupWriteCamPac), this);
    auto* writeLayout = new QGridLayout(writeGroup);
    writeButton_ =
        Named(new QPushButton(PageText(m, txt::kWriteButtonIdle), writeGroup), "writeButton");
    writeButton_->setCheckable(true);
    changesOnly_ =
        Named(new QCheckBox(PageText(m, txt::kCheckWriteChangesOnly), writeGroup), "changesOnly");
    changesOnly_->setChecked(true);
    compareButton_ =
        Named(new QPushButton(PageText(m, txt::kButtonCompare), writeGroup), "compareButton");
    compareButton_->setCheckable(true);
    transfer_ = new TransferPanel(m, writeGroup);
    writeLayout->addWidget(writeButton_, 0, 0);
    writeLayout->addWidget(changesOnly_, 0, 1);
    writeLayout->addWidget(Explanation(PageText(m, txt::kExplainWrite), writeGroup), 1, 0, 1, 2);
    writeLayout->addWidget(compareButton_, 2, 0);
    writeLayout->addWidget(Explanation(PageText(m, txt::kExplainCompare), writeGroup), 3, 0, 1, 2);
    writeLayout->addWidget(transfer_, 4, 0, 1, 2);
    writeLayout->setRowStretch(4, 1);

    layout->addWidget(eraseGroup, 0, 0);
    layout->addWidget(saveGroup, 1, 0);
    layout->addWidget(writeGroup, 0, 1, 2, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(eraseButton, &QPushButton::clicked, this, [this] { OnErase(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { main().RunSaveAs(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { OnExport(); });
    connect(writeButton_, &QPushButton::clicked, this, [this] { OnWrite(); });
    connect(compareButton_, &QPushButton::clicked, this, [this] { OnCompare(); });
    SetTransfersEnabled(main().connection() != nullptr);
}

void CSavePage::OnPageRefresh() {
    transfer_->ShowAdapter();
}

void CSavePage::SetTransfersEnabled(bool enabled) {
    writeButton_->setEnabled(enabled);
    compareButton_->setEnabled(enabled);
}

void CSavePage::OnWrite() {
    std::unique_ptr<TransferEngine> engine = main().MakeTransferEngine();
    if (engine == nullptr || !writeButton_->isChecked()) {
        // Released: a running write sees it and stops after the page it is writing.
        return;
    }
    WriteOptions options;
    options.onlyChanges = changesOnly_->isChecked();
    options.backupFolder = DefaultBackupFolder(main().session().programFolder);
    options.timestamp = BackupTimestamp();
    WriteReport report;
    {
        TransferLock lock(main(), *this, *writeButton_);
        QtTransferObserver observer(*transfer_, *writeButton_, main().session().language);
        report = engine->WriteCamPac(observer, options);
    }
    if (report.outcome == TransferOutcome::Done) {
        main().ShowResult(DisplayText(
            PageFormat(main(), txt::kWriteVerified, {static_cast<long long>(report.bytesWritten)}) +
            " " + PageFormat(main(), txt::kBackupSaved, {report.backupPath.string()})));
    }
    if (const Status kept = main().connection()->AfterTransfer(); !kept) {
        main().dialogs().Show(kept.error());
    }
}

void CSavePage::OnCompare() {
    std::unique_ptr<TransferEngine> engine = main().MakeTransferEngine();
    if (engine == nullptr || !compareButton_->isChecked()) {
        return;
    }
    CompareResult compared;
    {
        TransferLock lock(main(), *this, *compareButton_);
        QtTransferObserver observer(*transfer_, *compareButton_, main().session().language);
        compared = engine->CompareCamPac(observer, TransferPage::Save);
    }
    ShowCompareResult(main(), compared);
}

void CSavePage::OnErase() {
    Session& session = main().session();
    if (main().dialogs().Show(Message::Numbered(txt::kConfirmErase)
                                  .WithButtons(MessageButtons::YesNo, MessageIcon::Question)) !=
        Answer::Yes) {
        return;
    }
    EraseDataSet(session.data, session.catalogue);
    main().UpdateHeader();
    main().ShowWithoutEditorTabs();
}

void CSavePage::OnExport() {
    Session& session = main().session();
    UserDialogs& dialogs = main().dialogs();
    const auto chosen = dialogs.ChooseFileToSave(
        {literal::kTextFilter, "txt", ExportName(session.data),
         session.FolderOrStart(session.dataSetFolder), txt::kTitleExport.number});
    if (!chosen || !ConfirmReplace(dialogs, *chosen)) {
        return;
    }
    const ExportFormat format =
        hexadecimal_->isChecked() ? ExportFormat::Hexadecimal : ExportFormat::Decimal;
    if (const Status written = ExportText(*chosen, session.data, format); !written) {
        dialogs.Show(written.error());
    }
}
