#include "pages/CContentPage.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTextOption>
#include <cmath>

#include "common/TextFormat.h"
#include "pages/PageSupport.h"
#include "pages/PageTexts.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"

namespace {

// The content page is tab 2 of every tab set with a data set.
constexpr int kContentTab = 2;

}  // namespace

CContentPage::CContentPage(CMainDialog& mainDialog, QWidget* parent) : CPage(mainDialog, parent) {
    CMainDialog& m = main();
    auto* layout = new QGridLayout(this);
    contentLabel_ = Named(new QLabel(PageText(m, txt::kLabelContent), this), "contentLabel");
    byteList_ = Named(new QListWidget(this), "byteList");
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(15);
    byteList_->setFont(fixed);
    QWidget* columns =
        ColumnLabels({PageText(m, txt::kLabelAddress), PageText(m, txt::kLabelDecimal),
                      QString::fromUtf8(literal::kAscii)});
    expert_ = Named(new QCheckBox(QString::fromUtf8(literal::kExpertMode), this), "expertCheck");

    // Each field has its address above it, in the same column.
    auto* expertRow = new QGridLayout;
    for (int i = 0; i < kBytesPerContentLine; ++i) {
        addresses_[i] = new QLabel(this);
        addresses_[i]->setObjectName(QStringLiteral("address%1").arg(i));
        addresses_[i]->setAlignment(Qt::AlignCenter);
        fields_[i] = new QLineEdit(this);
        fields_[i]->setObjectName(QStringLiteral("byteField%1").arg(i));
        fields_[i]->setMaxLength(5);
        fields_[i]->setAlignment(Qt::AlignCenter);
        expertRow->addWidget(addresses_[i], 0, i);
        expertRow->addWidget(fields_[i], 1, i);
        expertRow->setColumnStretch(i, 1);
        connect(fields_[i], &QLineEdit::textEdited, this, [this] { okButton_->setVisible(true); });
    }
    fillButton_ = Named(new QPushButton(QStringLiteral("Fill"), this), "fillButton");
    okButton_ = Named(new QPushButton(QStringLiteral("OK"), this), "okButton");
    expertRow->addWidget(okButton_, 1, kBytesPerContentLine);
    expertRow->addWidget(fillButton_, 0, kBytesPerContentLine);
    // Tab goes from the check box above the list into the list, then through the fields.
    setTabOrder(expert_, byteList_);
    setTabOrder(byteList_, fields_[0]);
    setTabOrder(fields_[kBytesPerContentLine - 1], okButton_);
    setTabOrder(okButton_, fillButton_);

    layout->addWidget(contentLabel_, 0, 0);
    layout->addWidget(expert_, 0, 1, Qt::AlignRight);
    layout->addWidget(columns, 1, 0, 1, 2);
    layout->addWidget(byteList_, 2, 0, 1, 2);
    layout->addLayout(expertRow, 3, 0, 1, 2);
    layout->setRowStretch(2, 1);

    connect(expert_, &QCheckBox::toggled, this, [this](bool on) { OnExpert(on); });
    connect(byteList_, &QListWidget::currentRowChanged, this, [this] { LoadLine(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { OnOk(); });
    connect(fillButton_, &QPushButton::clicked, this, [this] { OnFill(); });
    ShowExpertControls(false);
    FillList(0);
}

// The column labels stand above their columns of the byte list: the address, the first
// byte's digits and the characters, which follow the tab at the next tab stop.
QWidget* CContentPage::ColumnLabels(const std::array<QString, 3>& captions) {
    auto* header = new QWidget(this);
    const QFontMetricsF metrics(byteList_->font());
    const qreal textStart =
        byteList_->frameWidth() +
        byteList_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, byteList_) + 1;
    CamPacData sample;
    sample.imageSize = kBytesPerContentLine;
    const QString line = QString::fromStdString(ContentLine(sample, 0));
    const qsizetype firstByte = line.indexOf(QRegularExpression(QStringLiteral("\\d")), 8);
    // Text without its own tab stops has one every 80 pixels.
    const qreal tabStop =
        QTextOption().tabStopDistance() > 0 ? QTextOption().tabStopDistance() : 80;
    const qreal bytesEnd = metrics.horizontalAdvance(line.left(line.indexOf('\t')));
    const std::array<qreal, 3> offsets{0, metrics.horizontalAdvance(line.left(firstByte)),
                                       (std::floor(bytesEnd / tabStop) + 1) * tabStop};
    int height = 0;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* label = new QLabel(captions[i], header);
        label->move(static_cast<int>(textStart + offsets[i]), 0);
        label->resize(label->sizeHint());
        height = std::max(height, label->sizeHint().height());
    }
    header->setMinimumHeight(height);
    return header;
}

void CContentPage::OnPageRefresh() {
    FillList(byteList_->currentRow());
}

void CContentPage::FillList(int line) {
    const QSignalBlocker blocker(byteList_);
    byteList_->clear();
    for (const std::string& text : ContentLines(main().session().data)) {
        byteList_->addItem(QString::fromStdString(text));
    }
    if (byteList_->count() > 0) {
        byteList_->setCurrentRow(line >= 0 && line < byteList_->count() ? line : 0);
    }
    LoadLine();
}

void CContentPage::OnExpert(bool on) {
    if (on && main().dialogs().Show(
                  Message::Numbered(txt::kConfirmExpertMode)
                      .WithButtons(MessageButtons::OkCancel, MessageIcon::Warning)) != Answer::Ok) {
        const QSignalBlocker blocker(expert_);
        expert_->setChecked(false);
        return;
    }
    ShowExpertControls(on);
    LoadLine();
}

void CContentPage::ShowExpertControls(bool on) {
    contentLabel_->setVisible(!on);
    fillButton_->setVisible(on);
    for (int i = 0; i < kBytesPerContentLine; ++i) {
        addresses_[i]->setVisible(on);
        fields_[i]->setVisible(on);
    }
    okButton_->setVisible(false);
}

void CContentPage::LoadLine() {
    const CamPacData& dataSet = main().session().data;
    const int line = byteList_->currentRow();
    const bool hasLine = line >= 0 && expert_->isChecked();
    const int address = line * kBytesPerContentLine;
    for (int i = 0; i < kBytesPerContentLine; ++i) {
        const int at = address + i;
        addresses_[i]->setText(hasLine ? QString::number(at) : QString());
        fields_[i]->setText(hasLine && at < dataSet.imageSize ? QString::number(dataSet.image[at])
                                                              : QString());
        fields_[i]->setEnabled(hasLine && at < dataSet.imageSize);
    }
    okButton_->setVisible(false);
}

void CContentPage::OnOk() {
    const int line = byteList_->currentRow();
    if (line < 0) {
        return;
    }
    std::array<std::string, kBytesPerContentLine> typed;
    for (int i = 0; i < kBytesPerContentLine; ++i) {
        typed[i] = fields_[i]->text().toStdString();
    }
    Session& session = main().session();
    const std::string typeBefore = session.data.typeName;
    const LineStore stored =
        StoreLineBytes(session.data, session.catalogue, line * kBytesPerContentLine, typed);
    if (!stored.status) {
        // The fields keep what was typed, so it can be corrected.
        main().dialogs().Show(stored.status.error());
        return;
    }
    if (stored.warning) {
        main().dialogs().Show(*stored.warning);
    }
    // A changed header can name another type: its pages replace those of the old one.
    if (session.data.typeName != typeBefore) {
        main().ShowTypeTabsAt(kContentTab);
    }
    main().UpdateHeader();
    FillList(line);
}

void CContentPage::OnFill() {
    Session& session = main().session();
    UserDialogs& dialogs = main().dialogs();
    const std::string addressPrompt = PageFormat(main(), txt::kPromptFillAddress, {});
    const auto firstTyped = dialogs.PromptText(addressPrompt);
    if (!firstTyped) {
        return;
    }
    const auto first = FillFirstAddress(session.data, *firstTyped);
    if (!first) {
        dialogs.Show(first.error());
        return;
    }
    const auto lastTyped = dialogs.PromptText(addressPrompt);
    if (!lastTyped) {
        return;
    }
    const auto last = FillLastAddress(session.data, first.value(), *lastTyped);
    if (!last) {
        dialogs.Show(last.error());
        return;
    }
    const std::string valuePrompt =
        PageFormat(main(), txt::kPromptFillValue, {}) +
        FormatText(literal::kFillRange,
                   {static_cast<long long>(first.value()), static_cast<long long>(last.value())});
    const auto valueTyped = dialogs.PromptText(valuePrompt);
    if (!valueTyped) {
        return;
    }
    const auto value = FillValue(*valueTyped);
    if (!value) {
        dialogs.Show(value.error());
        return;
    }
    const int line = byteList_->currentRow();
    if (const auto warning = FillImage(session.data, session.catalogue, first.value(), last.value(),
                                       value.value())) {
        dialogs.Show(*warning);
    }
    main().UpdateHeader();
    main().ShowWithoutEditorTabs();
    FillList(line);
}
