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
#include "shell/Session.h"
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
constexpr std::array<const char*, 4> kSizeNames{"4 k Modul", "8 k Modul", "16 k Modul",
                                                "64 k Modul"};
constexpr std::array<int, 4> kSizes{512, 1024, 2048, 8192};
constexpr int kPreselectedSize = 2;

QLabel* Explanation(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

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
    for (const char* size : kSizeNames) {
        sizeList_->addItem(QString::fromLatin1(size));
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
    if (reading_) {
        // Pressed while the compare after the read runs on the compare button: it stops
        // that compare instead of starting a read inside it.
        readButton_->setChecked(false);
        compareButton_->setChecked(false);
        return;
    }
    // Reading replaces the data set: unsaved changes are only given up on Yes.
    if (!ConfirmDiscardChanges(main().session(), main().dialogs())) {
        readButton_->setChecked(false);
        return;
    }
    TransferOutcome outcome;
    {
        TransferLock lock(main(), *this, *readButton_);
        // With "Immer Vergleichen" the compare after the read runs on the compare button.
        QtTransferObserver comparer(*transfer_, *compareButton_, main().session().language);
        reading_ = true;
        outcome = engine->ReadCamPac(observer, keepComments_->isChecked(), &comparer);
        reading_ = false;
    }
    if (outcome == TransferOutcome::Done) {
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
    TransferLock lock(main(), *this, *compareButton_);
    QtTransferObserver observer(*transfer_, *compareButton_, main().session().language);
    engine->CompareCamPac(observer, TransferPage::GetData);
}

void CGetDataPage::OnNewImage() {
    Session& session = main().session();
    UserDialogs& dialogs = main().dialogs();
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
    }
    main().UpdateHeader();
}
