#include "pages/CGetDataPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "adapters/CamPacConnection.h"
#include "adapters/TransferEngine.h"
#include "dataset/DataSetCommands.h"
#include "dataset/ModelDirectory.h"
#include "pages/PageSupport.h"
#include "pages/PageTexts.h"
#include "pages/QtTransferObserver.h"
#include "pages/TransferLock.h"
#include "pages/TransferPanel.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"
#include "shell/ShellTexts.h"
#include "shell/TabSets.h"

namespace {

struct Choice {
    const char* shown;
    const char* value;
};

// The types a new image is offered for, and the CamPac sizes, in list order.
constexpr std::array<Choice, 5> kTypes{{{"FC16", "FC16      "},
                                        {"FC18V3", "FC18V3    "},
                                        {"FX18V1/2", "FX18V1/2  "},
                                        {"FF9", "FF9       "},
                                        {"FF10", "FF10      "}}};
constexpr int kPreselectedType = 1;
constexpr std::array<NumberedText, 4> kSizeNames{txt::kSize4k, txt::kSize8k, txt::kSize16k,
                                                 txt::kSize64k};
constexpr std::array<int, 4> kSizes{512, 1024, 2048, 8192};
constexpr int kPreselectedSize = 2;

QLabel* Explanation(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

std::string TrimmedTypeName(const std::string& typeName) {
    return typeName.substr(0, typeName.find_last_not_of(' ') + 1);
}

// The compare after a read runs on the compare button: from its start the compare button
// (its cancel) reacts and the read button waits until the read is over.
class CompareAfterRead : public QtTransferObserver {
  public:
    CompareAfterRead(TransferPanel& panel, QPushButton& compare, QPushButton& read,
                     const LanguageTable& language)
        : QtTransferObserver(panel, compare, language), compare_(compare), read_(read) {}
    ~CompareAfterRead() override {
        if (readWaits_) {
            read_.setEnabled(true);
        }
    }
    CompareAfterRead(const CompareAfterRead&) = delete;
    CompareAfterRead& operator=(const CompareAfterRead&) = delete;

    void SetRunning(bool running) override {
        if (running && !readWaits_) {
            readWaits_ = true;
            read_.setEnabled(false);
            compare_.setEnabled(true);
        }
        QtTransferObserver::SetRunning(running);
    }

  private:
    QPushButton& compare_;
    QPushButton& read_;
    bool readWaits_ = false;
};

}  // namespace

CGetDataPage::CGetDataPage(CMainDialog& mainDialog, QWidget* parent) : CPage(mainDialog, parent) {
    CMainDialog& m = main();
    auto* layout = new QGridLayout(this);

    auto* newGroup = new QGroupBox(PageText(m, txt::kGroupNewFile), this);
    auto* newLayout = new QGridLayout(newGroup);
    typeList_ = Named(new QComboBox(newGroup), "typeList");
    for (const Choice& type : kTypes) {
        typeList_->addItem(QString::fromLatin1(type.shown));
    }
    typeList_->setCurrentIndex(kPreselectedType);
    sizeList_ = Named(new QComboBox(newGroup), "sizeList");
    for (const NumberedText size : kSizeNames) {
        sizeList_->addItem(PageText(m, size));
    }
    sizeList_->setCurrentIndex(kPreselectedSize);
    auto* typeLabel = new QLabel(PageText(m, txt::kLabelChooseType), newGroup);
    typeLabel->setBuddy(typeList_);
    auto* sizeLabel = new QLabel(PageText(m, txt::kLabelCamPacSize), newGroup);
    sizeLabel->setBuddy(sizeList_);
    auto* newButton =
        Named(new QPushButton(PageText(m, txt::kButtonNewImage), newGroup), "newButton");
    newLayout->addWidget(typeLabel, 0, 0);
    newLayout->addWidget(typeList_, 0, 1);
    newLayout->addWidget(sizeLabel, 1, 0);
    newLayout->addWidget(sizeList_, 1, 1);
    newLayout->addWidget(newButton, 2, 0, 1, 2);
    newLayout->addWidget(Explanation(PageText(m, txt::kExplainNewImage), newGroup), 3, 0, 1, 2);
    newLayout->setRowStretch(4, 1);

    auto* loadGroup = new QGroupBox(PageText(m, txt::kGroupLoadFile), this);
    auto* loadLayout = new QVBoxLayout(loadGroup);
    auto* loadButton =
        Named(new QPushButton(PageText(m, txt::kButtonLoad), loadGroup), "loadButton");
    auto* lastFileButton =
        Named(new QPushButton(PageText(m, txt::kButtonLastFile), loadGroup), "lastFileButton");
    auto* importButton =
        Named(new QPushButton(PageText(m, txt::kButtonImport), loadGroup), "importButton");
    loadLayout->addWidget(loadButton);
    loadLayout->addWidget(lastFileButton);
    loadLayout->addWidget(importButton);
    loadLayout->addWidget(Explanation(PageText(m, txt::kExplainLoad), loadGroup));
    loadLayout->addStretch();

    auto* readGroup = new QGroupBox(PageText(m, txt::kGroupReadCamPac), this);
    auto* readLayout = new QGridLayout(readGroup);
    readButton_ = Named(new QPushButton(PageText(m, txt::kButtonRead), readGroup), "readButton");
    readButton_->setCheckable(true);
    compareButton_ =
        Named(new QPushButton(PageText(m, txt::kButtonCompare), readGroup), "compareButton");
    compareButton_->setCheckable(true);
    keepComments_ =
        Named(new QCheckBox(PageText(m, txt::kCheckKeepComments), readGroup), "keepComments");
    keepComments_->setToolTip(PageText(m, txt::kTooltipKeepComments));
    keepComments_->setChecked(true);
    transfer_ = new TransferPanel(m, readGroup);
    readLayout->addWidget(readButton_, 0, 0);
    readLayout->addWidget(keepComments_, 0, 1);
    readLayout->addWidget(Explanation(PageText(m, txt::kExplainRead), readGroup), 1, 0, 1, 2);
    readLayout->addWidget(compareButton_, 2, 0);
    readLayout->addWidget(Explanation(PageText(m, txt::kExplainCompare), readGroup), 3, 0, 1, 2);
    readLayout->addWidget(transfer_, 4, 0, 1, 2);
    readLayout->setRowStretch(4, 1);
    // Tab follows the rows: the check box stands beside the read button.
    setTabOrder(readButton_, keepComments_);
    setTabOrder(keepComments_, compareButton_);

    layout->addWidget(newGroup, 0, 0);
    layout->addWidget(loadGroup, 1, 0);
    layout->addWidget(readGroup, 0, 1, 2, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(newButton, &QPushButton::clicked, this, [this] { OnNewImage(); });
    connect(loadButton, &QPushButton::clicked, this, [this] { main().RunLoad(); });
    connect(lastFileButton, &QPushButton::clicked, this, [this] { main().RunLastFile(); });
    connect(importButton, &QPushButton::clicked, this, [this] { main().RunImport(); });
    connect(readButton_, &QPushButton::clicked, this, [this] { OnRead(); });
    connect(compareButton_, &QPushButton::clicked, this, [this] { OnCompare(); });
    SetTransfersEnabled(main().connection() != nullptr);
}

void CGetDataPage::OnPageRefresh() {
    transfer_->ShowAdapter();
}

void CGetDataPage::SetTransfersEnabled(bool enabled) {
    readButton_->setEnabled(enabled);
    compareButton_->setEnabled(enabled);
}

void CGetDataPage::OnRead() {
    std::unique_ptr<TransferEngine> engine = main().MakeTransferEngine();
    if (engine == nullptr) {
        readButton_->setChecked(false);
        return;
    }
    QtTransferObserver observer(*transfer_, *readButton_, main().session().language);
    if (!readButton_->isChecked()) {
        // The button was released: a running read sees it and stops; the engine
        // acknowledges the release.
        engine->ReadCamPac(observer, keepComments_->isChecked());
        return;
    }
    // Reading replaces the data set: unsaved changes are only given up on Yes.
    main().TakePendingEdit();
    if (!ConfirmDiscardChanges(main().session(), main().dialogs())) {
        readButton_->setChecked(false);
        return;
    }
    TransferOutcome outcome;
    {
        TransferLock lock(main(), *this, *readButton_);
        // With "Immer Vergleichen" the compare after the read runs on the compare button.
        CompareAfterRead comparer(*transfer_, *compareButton_, *readButton_,
                                  main().session().language);
        outcome = engine->ReadCamPac(observer, keepComments_->isChecked(), &comparer);
    }
    if (outcome == TransferOutcome::Done) {
        const CamPacData& dataSet = main().session().data;
        main().ShowResult(DisplayText(PageFormat(
            main(), txt::kResultRead,
            {static_cast<long long>(dataSet.imageSize), TrimmedTypeName(dataSet.typeName)})));
        main().ChooseTypeTabs();
    } else if (main().session().data.state == DataSetState::None) {
        main().BuildTabs(tabset::kNoDataSet);
        main().SelectTab(0);
    }
    main().UpdateHeader();
    if (const Status kept = main().connection()->AfterTransfer(); !kept) {
        main().dialogs().Show(kept.error());
    }
}

void CGetDataPage::OnCompare() {
    std::unique_ptr<TransferEngine> engine = main().MakeTransferEngine();
    if (engine == nullptr || !compareButton_->isChecked()) {
        // Released: a running compare sees it and stops.
        return;
    }
    CompareResult compared;
    {
        TransferLock lock(main(), *this, *compareButton_);
        QtTransferObserver observer(*transfer_, *compareButton_, main().session().language);
        compared = engine->CompareCamPac(observer, TransferPage::GetData);
    }
    ShowCompareResult(main(), compared);
}

void CGetDataPage::OnNewImage() {
    Session& session = main().session();
    UserDialogs& dialogs = main().dialogs();
    main().TakePendingEdit();
    if (!ConfirmDiscardChanges(session, dialogs)) {
        return;
    }
    const Status made =
        InitialiseImage(session.data, session.catalogue, kTypes[typeList_->currentIndex()].value,
                        kSizes[sizeList_->currentIndex()]);
    if (!made) {
        dialogs.Show(made.error());
        main().BuildTabs(tabset::kNoDataSet);
        main().SelectTab(0);
    } else {
        main().ChooseTypeTabs();  // the base editor page of the type
        main().ShowResult(DisplayText(
            PageFormat(main(), txt::kResultNew, {typeList_->currentText().toStdString()})));
    }
    main().UpdateHeader();
}
