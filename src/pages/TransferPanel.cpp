#include "pages/TransferPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>

#include "adapters/AdapterTexts.h"
#include "adapters/TransferEngine.h"
#include "common/TextFormat.h"
#include "pages/PageSupport.h"
#include "pages/PageTexts.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"

TransferPanel::TransferPanel(CMainDialog& main, QWidget* parent) : QWidget(parent), main_(main) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    status1_ = Named(new QLabel(PageText(main, txt::kStatusChoose), this), "statusLine1");
    status2_ = Named(new QLabel(this), "statusLine2");
    elapsed_ = Named(new QLabel(this), "elapsedLine");
    progress_ = Named(new QProgressBar(this), "progressBar");
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    differences_ = Named(new QListWidget(this), "differenceList");
    differences_->setMinimumHeight(60);
    adapter_ = Named(new QLabel(this), "adapterLabel");
    adapter_->setAlignment(Qt::AlignCenter);
    adapter_->setFrameShape(QFrame::Box);
    adapter_->setMinimumWidth(60);
    grid->addWidget(status1_, 0, 0);
    grid->addWidget(adapter_, 0, 1, 3, 1);
    grid->addWidget(status2_, 1, 0);
    grid->addWidget(elapsed_, 2, 0);
    grid->addWidget(progress_, 3, 0, 1, 2);
    grid->addWidget(differences_, 4, 0, 1, 2);
    grid->setRowStretch(4, 1);
    ShowAdapter();
}

void TransferPanel::ShowAdapter() {
    const Settings& settings = main_.session().settings;
    const std::string text =
        main_.UsesUsb()
            ? std::string(literal::kAdapterUsb)
            : FormatText(literal::kAdapterLpt, {static_cast<long long>(settings.waitStates)});
    adapter_->setText(DisplayText(text));
}

void ShowCompareResult(CMainDialog& main, const CompareResult& compared) {
    if (compared.outcome == TransferOutcome::Done) {
        main.ShowResult(DisplayText(PageFormat(main, txt::kCompareSummary,
                                               {static_cast<long long>(compared.differences)})));
    }
}
