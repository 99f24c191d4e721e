#include "adapters/ui/CAdapterDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "adapters/AdapterRules.h"
#include "adapters/AdapterTexts.h"
#include "adapters/hw/PpdevPort.h"
#include "common/MessageText.h"
#include "common/TextFormat.h"
#include "pages/CPage.h"
#include "pages/PageSupport.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"

namespace {

// The dialog's own captions, as the program holds them.
constexpr const char* kDialogTitle = "Adapter Einstellungen";
constexpr const char* kWaitStatesLabel = "Waitstates";
constexpr const char* kCalibrateButton = "Autom.";
constexpr const char* kVendorLabel = "Vendor-ID";
constexpr const char* kProductLabel = "Produkt-ID";
constexpr const char* kSystemInfoLabel = "System Info:";
constexpr std::array<const char*, 6> kClockCaptions{"200kHz", "100kHz", "50kHz",
                                                    "25kHz",  "5kHz",   "500Hz Test"};
// The four lines' indicators: the command or input beside each, and its connector pin.
struct IndicatorCaption {
    const char* line;
    const char* pin;
    const char* name;
};
constexpr std::array<IndicatorCaption, 4> kIndicators{{
    {"SCL-Out", "Pin 5 (17)", "sclOutLevel"},
    {"SDA-Out", "Pin 6 (9)", "sdaOutLevel"},
    {"SCL-In", "Pin 5 (15)", "sclInLevel"},
    {"SDA-In", "Pin 6 (11)", "sdaInLevel"},
}};

// Level 1: a lit green lamp; level 0: a dark one.
QPixmap LevelIcon(bool high) {
    constexpr int kSize = 18;
    QPixmap icon(kSize, kSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(high ? QColor(40, 210, 60) : QColor(70, 70, 70));
    painter.drawEllipse(1, 1, kSize - 2, kSize - 2);
    return icon;
}

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, const QString& text = {}) {
    return Named(new Widget(text, parent), name);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = Make<QPushButton>(parent, name, caption);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CAdapterDialog::CAdapterDialog(Session& session, CamPacConnection& connection, UserDialogs& dialogs,
                               QWidget* parent)
    : QDialog(parent),
      session_(session),
      connection_(connection),
      dialogs_(dialogs),
      kind_(connection.kind()) {
    setWindowTitle(QString::fromUtf8(kDialogTitle));
    setObjectName(QStringLiteral("adapterDialog"));
    liveDisplay_ = new QTimer(this);
    liveDisplay_->setInterval(kLiveDisplayMs);
    connect(liveDisplay_, &QTimer::timeout, this, &CAdapterDialog::ShowLevels);
    lineTestTimer_ = new QTimer(this);
    lineTestTimer_->setSingleShot(true);
    connect(lineTestTimer_, &QTimer::timeout, this, &CAdapterDialog::RunLineTestStep);

    auto* layout = new QVBoxLayout(this);
    auto* choiceRow = new QHBoxLayout;
    useLpt_ = Make<QRadioButton>(this, "useLpt", Text(txt::kUseLpt));
    useUsb_ = Make<QRadioButton>(this, "useUsb", Text(txt::kUseUsb));
    choiceRow->addWidget(useLpt_);
    choiceRow->addStretch(1);
    choiceRow->addWidget(useUsb_);
    layout->addLayout(choiceRow);
    auto* groups = new QHBoxLayout;
    groups->addWidget(BuildLptGroup(), 3);
    groups->addWidget(BuildUsbGroup(), 2);
    layout->addLayout(groups);

    auto* bottom = new QHBoxLayout;
    auto* systemColumn = new QVBoxLayout;
    systemColumn->addWidget(new QLabel(QString::fromUtf8(kSystemInfoLabel), this));
    systemInfo_ = Make<QPlainTextEdit>(this, "systemInfo");
    systemInfo_->setReadOnly(true);
    systemInfo_->setFixedHeight(92);
    systemColumn->addWidget(systemInfo_);
    bottom->addLayout(systemColumn, 1);
    auto* close = Button(this, "closeButton", Text(txt::kCloseDialog));
    bottom->addWidget(close, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    connect(useLpt_, &QRadioButton::clicked, this,
            [this] { ApplyAdapterChoice(AdapterKind::Lpt); });
    connect(useUsb_, &QRadioButton::clicked, this,
            [this] { ApplyAdapterChoice(AdapterKind::Usb); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    // Opening applies the adapter of the run, as the main window has it.
    ApplyAdapterChoice(kind_);
}

CAdapterDialog::~CAdapterDialog() {
    liveDisplay_->stop();
    lineTestTimer_->stop();
    // The edit holding the focus reports "editing finished" while QDialog destroys its
    // children, when this part of the dialog is gone already.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

QWidget* CAdapterDialog::BuildLptGroup() {
    auto* group = new QGroupBox(Text(txt::kLptGroup), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(Text(txt::kLptAddressLabel), group), 0, 0);
    lptAddress_ = Make<QLineEdit>(
        group, "lptAddress", QString::fromStdString(LptAddressText(session_.settings.lptAddress)));
    lptAddress_->setMaximumWidth(70);
    grid->addWidget(lptAddress_, 1, 0);
    grid->addWidget(new QLabel(QString::fromUtf8(kWaitStatesLabel), group), 0, 1);
    waitStates_ =
        Make<QLineEdit>(group, "waitStates", QString::number(session_.settings.waitStates));
    waitStates_->setMaximumWidth(70);
    grid->addWidget(waitStates_, 1, 1);
    calibrate_ = Button(group, "calibrateButton", QString::fromUtf8(kCalibrateButton));
    grid->addWidget(calibrate_, 1, 2);

    // The two outputs with their buttons, then the two inputs read back.
    auto* lines = new QGridLayout;
    sclOut_ = Button(group, "sclOutButton", QString::fromUtf8(kIndicators[0].line));
    sdaOut_ = Button(group, "sdaOutButton", QString::fromUtf8(kIndicators[1].line));
    lines->addWidget(sclOut_, 0, 0);
    lines->addWidget(sdaOut_, 1, 0);
    for (std::size_t i = 0; i < kIndicators.size(); ++i) {
        const int row = static_cast<int>(i % 2);
        const int column = i < 2 ? 1 : 3;
        indicators_[i] = Make<QLabel>(group, kIndicators[i].name);
        indicators_[i]->setPixmap(LevelIcon(false));
        indicators_[i]->setProperty("level", 0);
        lines->addWidget(indicators_[i], row, column);
        QString caption = QString::fromUtf8(kIndicators[i].pin);
        if (i >= 2) {
            caption = QString::fromUtf8(kIndicators[i].line) + QStringLiteral("  ") + caption;
        }
        lines->addWidget(new QLabel(caption, group), row, column + 1);
    }
    lines->setColumnMinimumWidth(2, 8);
    lines->setColumnStretch(4, 1);
    grid->addLayout(lines, 2, 0, 1, 3);

    allOff_ = Button(group, "allOffButton", Text(txt::kAllOff));
    lineTestButton_ = Button(group, "lineTestButton", Text(txt::kStartLineTest));
    grid->addWidget(allOff_, 3, 0);
    grid->addWidget(lineTestButton_, 3, 1, 1, 2);
    QString instructions;
    for (int number = txt::kLptInstructionsFirst; number <= txt::kLptInstructionsLast; ++number) {
        instructions += (instructions.isEmpty() ? QString() : QStringLiteral("\n")) +
                        Text(NumberedText{number, ""});
    }
    auto* help = Make<QLabel>(group, "lptInstructions", instructions);
    help->setWordWrap(true);
    grid->addWidget(help, 4, 0, 1, 3);
    grid->setRowStretch(5, 1);

    connect(lptAddress_, &QLineEdit::editingFinished, this, &CAdapterDialog::OnLptAddressLeft);
    connect(waitStates_, &QLineEdit::editingFinished, this, &CAdapterDialog::OnWaitStatesLeft);
    connect(calibrate_, &QPushButton::clicked, this, &CAdapterDialog::OnCalibrate);
    connect(sclOut_, &QPushButton::clicked, this, [this] {
        if (LptI2cBus* bus = connection_.lptBus()) {
            bus->ToggleSclOut();
            ShowLevels();
        }
    });
    connect(sdaOut_, &QPushButton::clicked, this, [this] {
        if (LptI2cBus* bus = connection_.lptBus()) {
            bus->ToggleSdaOut();
            ShowLevels();
        }
    });
    connect(allOff_, &QPushButton::clicked, this, [this] {
        if (LptI2cBus* bus = connection_.lptBus()) {
            bus->SetSda(0);
            bus->SetScl(0);
            ShowLevels();
        }
    });
    connect(lineTestButton_, &QPushButton::clicked, this, &CAdapterDialog::StartLineTest);
    return group;
}

QWidget* CAdapterDialog::BuildUsbGroup() {
    auto* group = new QGroupBox(Text(txt::kUsbGroup), this);
    auto* layout = new QVBoxLayout(group);
    auto* ids = new QGridLayout;
    const auto idField = [&](const char* name, int value) {
        auto* field = Make<QLineEdit>(
            group, name, QStringLiteral("%1").arg(value & 0xFFFF, 4, 16, QChar('0')).toUpper());
        field->setEnabled(false);
        field->setMaximumWidth(70);
        return field;
    };
    ids->addWidget(new QLabel(QString::fromUtf8(kVendorLabel), group), 0, 0);
    ids->addWidget(idField("vendorId", session_.settings.usbVendor), 1, 0);
    ids->addWidget(new QLabel(QString::fromUtf8(kProductLabel), group), 0, 1);
    ids->addWidget(idField("productId", session_.settings.usbProduct), 1, 1);
    layout->addLayout(ids);

    auto* clockGroup = new QGroupBox(Text(txt::kUsbClockGroup), group);
    auto* clockGrid = new QGridLayout(clockGroup);
    clockChoice_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < kClockCaptions.size(); ++i) {
        auto* choice = new QRadioButton(QString::fromUtf8(kClockCaptions[i]), clockGroup);
        choice->setObjectName(QStringLiteral("clock%1").arg(i));
        clockChoice_->addButton(choice, static_cast<int>(i));
        clockGrid->addWidget(choice, static_cast<int>(i % 3), static_cast<int>(i / 3));
    }
    usbApply_ = Button(clockGroup, "usbApplyButton", Text(txt::kUsbApplyClock));
    clockGrid->addWidget(usbApply_, 3, 0, 1, 2);
    layout->addWidget(clockGroup);

    usbInfo_ = Button(group, "usbInfoButton", Text(txt::kUsbInfoButton));
    layout->addWidget(usbInfo_);
    usbInfoBox_ = Make<QPlainTextEdit>(group, "usbInfoBox");
    usbInfoBox_->setReadOnly(true);
    // The information text has six lines: all of them show without scrolling.
    usbInfoBox_->setMinimumHeight(usbInfoBox_->fontMetrics().lineSpacing() * 7 + 12);
    layout->addWidget(usbInfoBox_, 1);

    connect(usbInfo_, &QPushButton::clicked, this, &CAdapterDialog::OnUsbInfo);
    connect(usbApply_, &QPushButton::clicked, this, &CAdapterDialog::OnUsbApplyClock);
    return group;
}

QString CAdapterDialog::Text(NumberedText numbered) const {
    return DisplayText(session_.language.GetText(numbered));
}

QString CAdapterDialog::Text(const Message& message) const {
    return DisplayText(MessageText(message, session_.language));
}

AdapterChoice CAdapterDialog::Choice(AdapterKind kind) const {
    const Settings& settings = session_.settings;
    AdapterChoice choice;
    choice.kind = kind;
    choice.lptAddress = settings.lptAddress;
    choice.waitStates = settings.waitStates;
    choice.usbVendor = static_cast<std::uint16_t>(settings.usbVendor);
    choice.usbProduct = static_cast<std::uint16_t>(settings.usbProduct);
    choice.clockFor64k = settings.clockFor64k;
    return choice;
}

void CAdapterDialog::ApplyAdapterChoice(AdapterKind kind) {
    if (kind != kind_) {
        session_.settings.useUsb = kind == AdapterKind::Usb ? 1 : 0;
    }
    kind_ = kind;
    useLpt_->setChecked(kind == AdapterKind::Lpt);
    useUsb_->setChecked(kind == AdapterKind::Usb);
    // Choosing the USB adapter stops the display first: no port is read from then on.
    liveDisplay_->stop();
    faultShown_ = false;
    if (const Status used = connection_.UseAdapter(Choice(kind)); !used) {
        faultShown_ = true;
        dialogs_.Show(used.error());
    }
    EnableCommands();
    ShowLevels();
    RefreshSystemInfo();
}

void CAdapterDialog::EnableCommands() {
    PortAccessSwitch* access = connection_.portAccess();
    const bool lines = kind_ == AdapterKind::Lpt && connection_.lptBus() != nullptr &&
                       access != nullptr && access->on();
    const bool idle = lineTest_ == nullptr;
    for (QWidget* command : {static_cast<QWidget*>(sclOut_), static_cast<QWidget*>(sdaOut_),
                             static_cast<QWidget*>(allOff_), static_cast<QWidget*>(calibrate_)}) {
        command->setEnabled(lines && idle);
    }
    lineTestButton_->setEnabled(lines && idle);
    lptAddress_->setEnabled(idle);
    waitStates_->setEnabled(idle);
    useLpt_->setEnabled(idle);
    useUsb_->setEnabled(idle);
    usbInfo_->setEnabled(kind_ == AdapterKind::Usb);
    usbApply_->setEnabled(kind_ == AdapterKind::Usb);
    if (lines) {
        liveDisplay_->start();
    } else {
        liveDisplay_->stop();
    }
}

void CAdapterDialog::ShowLevels() {
    LptI2cBus* bus = liveDisplay_->isActive() ? connection_.lptBus() : nullptr;
    std::optional<LineLevels> levels;
    if (bus != nullptr) {
        levels = bus->ReadLevels();
        CheckPortAccess();
    }
    const LineLevels shown = levels.value_or(LineLevels{});
    const std::array<bool, 4> high{shown.sclOut, shown.sdaOut, shown.sclIn, shown.sdaIn};
    for (std::size_t i = 0; i < indicators_.size(); ++i) {
        if (indicators_[i]->property("level").toInt() != (high[i] ? 1 : 0)) {
            indicators_[i]->setPixmap(LevelIcon(high[i]));
            indicators_[i]->setProperty("level", high[i] ? 1 : 0);
        }
    }
}

void CAdapterDialog::CheckPortAccess() {
    PortAccessSwitch* access = connection_.portAccess();
    if (access == nullptr || access->on() || faultShown_) {
        return;
    }
    faultShown_ = true;
    liveDisplay_->stop();
    EnableCommands();
    RefreshSystemInfo();
    if (access->fault()) {
        dialogs_.Show(PortFaultMessage(*access->fault()));
    }
}

void CAdapterDialog::RefreshSystemInfo() {
    const std::string system = SystemDescription();
    QString info = system.empty() ? Text(txt::kSystemUnknown) : QString::fromStdString(system);
    if (kind_ == AdapterKind::Usb) {
        UsbAdapter& usb = connection_.usb();
        const bool found = usb.FindUsbAdapter();
        usb.CloseUsbAdapter();
        info += Text(txt::kAdapterUsbLine) + Text(found ? txt::kUsbFound : txt::kUsbInfoNotFound);
    } else {
        info += DisplayText(FormatText(literal::kAdapterLptLine,
                                       {static_cast<long long>(session_.settings.lptAddress)}));
        info += Text(connection_.PortAccessInfo());
        const PortAccessSwitch* access = connection_.portAccess();
        if (access != nullptr && !access->on() && access->fault()) {
            info += Text(txt::kPortAccessSwitchedOff);
        }
    }
    systemInfo_->setPlainText(info);
}

void CAdapterDialog::OnLptAddressLeft() {
    const QString accepted = QString::fromStdString(LptAddressText(session_.settings.lptAddress));
    const QString typed = lptAddress_->text();
    if (typed == accepted) {
        return;
    }
    const Result<std::uint16_t> address = ParseLptAddress(typed.toStdString());
    if (!address) {
        // The old address stays; the field shows it again before the message, so that the
        // focus the message takes does not refuse the same text twice.
        lptAddress_->setText(accepted);
        dialogs_.Show(address.error());
        return;
    }
    session_.settings.lptAddress = address.value();
    lptAddress_->setText(QString::fromStdString(LptAddressText(address.value())));
    if (kind_ == AdapterKind::Lpt) {
        ApplyAdapterChoice(AdapterKind::Lpt);
    } else {
        RefreshSystemInfo();
    }
}

void CAdapterDialog::OnWaitStatesLeft() {
    const QString accepted = QString::number(session_.settings.waitStates);
    const QString typed = waitStates_->text();
    if (typed == accepted) {
        return;
    }
    const Result<int> waitStates = ParseWaitStates(typed.toStdString());
    if (!waitStates) {
        waitStates_->setText(accepted);
        dialogs_.Show(waitStates.error());
        return;
    }
    session_.settings.waitStates = waitStates.value();
    waitStates_->setText(QString::number(waitStates.value()));
    if (LptI2cBus* bus = connection_.lptBus()) {
        bus->SetWaitStates(waitStates.value());
    }
}

namespace {

// The main window's title, which the calibration uses to show its progress.
class QtWindowTitle : public WindowTitle {
  public:
    explicit QtWindowTitle(QWidget& window) : window_(window) {}
    std::string Get() override { return window_.windowTitle().toStdString(); }
    void SetAndRedraw(const std::string& title) override {
        window_.setWindowTitle(QString::fromStdString(title));
        window_.repaint();
    }

  private:
    QWidget& window_;
};

}  // namespace

void CAdapterDialog::OnCalibrate() {
    LptI2cBus* bus = connection_.lptBus();
    if (bus == nullptr) {
        return;
    }
    QtWindowTitle title(parentWidget() != nullptr ? *parentWidget()->window() : *this);
    const int found = bus->CalibrateWaitstates(dialogs_, title);
    CheckPortAccess();
    if (found == 0) {
        // Cancelled, or not even 0 waitstates were fast enough: the setting stays.
        bus->SetWaitStates(session_.settings.waitStates);
        return;
    }
    session_.settings.waitStates = found;
    waitStates_->setText(QString::number(found));
    dialogs_.Show(Message::Numbered(txt::kCalibrateResult, {static_cast<long long>(found)}));
}

void CAdapterDialog::StartLineTest() {
    LptI2cBus* bus = connection_.lptBus();
    if (bus == nullptr || lineTest_ != nullptr) {
        return;
    }
    lineTest_ = std::make_unique<LineTest>(*bus);
    EnableCommands();
    RunLineTestStep();
}

void CAdapterDialog::RunLineTestStep() {
    if (lineTest_ == nullptr) {
        return;
    }
    const std::optional<LineTestOutcome> outcome = lineTest_->RunStep();
    ShowLevels();
    if (!outcome) {
        lineTestTimer_->start(lineTestStepMs_);
        return;
    }
    lineTest_.reset();
    // A failed port access is told once, by CheckPortAccess; any other end by its text.
    PortAccessSwitch* access = connection_.portAccess();
    const bool portFailed = access != nullptr && !access->on();
    if (!portFailed) {
        dialogs_.Show(outcome->message);
    }
    CheckPortAccess();
    EnableCommands();
}

void CAdapterDialog::ShowUsbInfoBox(const QString& text) {
    usbInfoBox_->setPlainText(text);
    usbInfoBox_->repaint();
}

void CAdapterDialog::OnUsbInfo() {
    ShowUsbInfoBox(QString::fromUtf8(literal::kUsbInfoWaiting));
    const Result<UsbInfo> info = connection_.usb().ShowUsbAdapterInfo();
    ShowUsbInfoBox(info ? DisplayText(info.value().display) : Text(info.error()));
    RefreshSystemInfo();
}

void CAdapterDialog::OnUsbApplyClock() {
    const int chosen = clockChoice_->checkedId();
    if (chosen < 0) {
        dialogs_.Show(Message::Numbered(txt::kUsbNoClockChosen, {}, MessageIcon::Stop));
        return;
    }
    ShowUsbInfoBox(QString::fromUtf8(literal::kUsbInfoWaiting));
    const Result<UsbInfo> info =
        connection_.usb().SetUsbAdapterClock(kUsbClockChoices[static_cast<std::size_t>(chosen)]);
    if (info) {
        ShowUsbInfoBox(Text(txt::kUsbClockSent) + QStringLiteral("\n") +
                       DisplayText(info.value().display));
    } else {
        const int text = info.error().text;
        ShowUsbInfoBox(Text(info.error()));
        // Missing adapter and an impossible clock are also told in a message box.
        if (text == txt::kUsbInfoNotFound.number || text == txt::kUsbClockImpossible.number) {
            Message shown = info.error();
            shown.icon = MessageIcon::Stop;
            dialogs_.Show(shown);
        }
    }
    RefreshSystemInfo();
}

void RunAdapterDialog(CMainDialog& window) {
    CamPacConnection* connection = window.connection();
    if (connection == nullptr) {
        return;
    }
    {
        CAdapterDialog dialog(window.session(), *connection, window.dialogs(), &window);
        dialog.exec();
    }
    window.ConnectionChanged();
    if (CPage* page = window.Page(window.currentPage())) {
        QMetaObject::invokeMethod(
            page, [page] { page->OnPageRefresh(); }, Qt::QueuedConnection);
    }
}
