#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

#include "adapters/CamPacConnection.h"
#include "adapters/LineTest.h"

class CMainDialog;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class UserDialogs;
struct Session;

// "Adapter Einstellungen": the adapter choice, the parallel port's address and
// waitstates with the manual line commands, the live display of the four lines, the line
// test and the waitstate calibration; the USB adapter's information and clock; and what
// the system and the port access are. It works on the session's settings and on the
// connection of the run; no port is touched while the USB adapter is chosen.
class CAdapterDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kLiveDisplayMs = 10;

    CAdapterDialog(Session& session, CamPacConnection& connection, UserDialogs& dialogs,
                   QWidget* parent);
    ~CAdapterDialog() override;

    // The wait between the line test's steps (500 ms; tests need not wait).
    void SetLineTestStepMilliseconds(int milliseconds) { lineTestStepMs_ = milliseconds; }
    bool lineTestRunning() const { return lineTest_ != nullptr; }

  private:
    QWidget* BuildLptGroup();
    QWidget* BuildUsbGroup();
    void ApplyAdapterChoice(AdapterKind kind);
    void EnableCommands();
    void ShowLevels();
    // After every command on the lines: a failed port access is shown once (text 76),
    // and port access is off from then on.
    void CheckPortAccess();
    void RefreshSystemInfo();
    void OnLptAddressLeft();
    void OnWaitStatesLeft();
    void OnCalibrate();
    void StartLineTest();
    void RunLineTestStep();
    void OnUsbInfo();
    void OnUsbApplyClock();
    void ShowUsbInfoBox(const QString& text);
    AdapterChoice Choice(AdapterKind kind) const;
    QString Text(NumberedText numbered) const;
    QString Text(const Message& message) const;

    Session& session_;
    CamPacConnection& connection_;
    UserDialogs& dialogs_;
    AdapterKind kind_;
    bool faultShown_ = false;
    int lineTestStepMs_ = kLineTestStepWaitMs;
    std::unique_ptr<LineTest> lineTest_;

    QRadioButton* useLpt_ = nullptr;
    QRadioButton* useUsb_ = nullptr;
    QLineEdit* lptAddress_ = nullptr;
    QLineEdit* waitStates_ = nullptr;
    QPushButton* calibrate_ = nullptr;
    QPushButton* sclOut_ = nullptr;
    QPushButton* sdaOut_ = nullptr;
    QPushButton* allOff_ = nullptr;
    QPushButton* lineTestButton_ = nullptr;
    // SCL-out, SDA-out, SCL-in, SDA-in
    std::array<QLabel*, 4> indicators_{};
    QButtonGroup* clockChoice_ = nullptr;
    QPushButton* usbInfo_ = nullptr;
    QPushButton* usbApply_ = nullptr;
    QPlainTextEdit* usbInfoBox_ = nullptr;
    QPlainTextEdit* systemInfo_ = nullptr;
    QTimer* liveDisplay_ = nullptr;
    QTimer* lineTestTimer_ = nullptr;
};

// Opens the dialog over the main window on the run's connection; afterwards the transfer
// buttons follow the adapter now in use and the current page is refreshed.
void RunAdapterDialog(CMainDialog& window);
