#include "pages/FixedPages.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/PageTexts.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"

namespace {

QString Text(CMainDialog& main, TextSpec spec) {
    return DisplayText(main.session().language.GetText(spec));
}

}  // namespace

CGetDataPage::CGetDataPage(CMainDialog& mainDialog, QWidget* parent) : CPage(mainDialog, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* loadGroup = new QGroupBox(Text(main(), txt::kGroupLoadFile), this);
    auto* groupLayout = new QVBoxLayout(loadGroup);
    auto* loadButton = new QPushButton(Text(main(), txt::kButtonLoad), loadGroup);
    loadButton->setObjectName(QStringLiteral("loadButton"));
    auto* lastFileButton = new QPushButton(Text(main(), txt::kButtonLastFile), loadGroup);
    lastFileButton->setObjectName(QStringLiteral("lastFileButton"));
    groupLayout->addWidget(loadButton);
    groupLayout->addWidget(lastFileButton);
    layout->addWidget(loadGroup);
    layout->addStretch();
    connect(loadButton, &QPushButton::clicked, this, [this] { main().RunLoad(); });
    connect(lastFileButton, &QPushButton::clicked, this, [this] { main().RunLastFile(); });
}

CModelsPage::CModelsPage(CMainDialog& mainDialog, QWidget* parent) : CPage(mainDialog, parent) {}

CContentPage::CContentPage(CMainDialog& mainDialog, QWidget* parent) : CPage(mainDialog, parent) {}

CSavePage::CSavePage(CMainDialog& mainDialog, QWidget* parent) : CPage(mainDialog, parent) {}
