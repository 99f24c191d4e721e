#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "adapters/SimulatedConnection.h"
#include "adapters/ui/CAdapterDialog.h"
#include "shell/CMainDialog.h"
#include "shell/Session.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

// The adapter dialog on a simulated CamPac, in English, with scripted message boxes.
class AdapterDialogTest : public testing::Test {
  protected:
    AdapterDialogTest() : session(folder.path()) {
        CopyLanguageFiles(folder.path());
        session.language.LoadLanguage(2);
        WriteBytes(folder / "module.img", std::vector<Byte>(2048, 0xFF));
    }

    void Open(AdapterKind kind, std::vector<const char*> faults = {}) {
        SimulatedConnection::Options options;
        options.image = folder / "module.img";
        options.kind = kind;
        for (const char* fault : faults) {
            ASSERT_TRUE(AddSimulatedFault(fault, options.faults).ok());
        }
        auto opened = SimulatedConnection::Open(options, dialogs);
        ASSERT_TRUE(opened.ok());
        connection = std::move(opened.value());
        AdapterChoice choice;
        choice.kind = kind;
        connection->UseAdapter(choice);
        dialog = std::make_unique<CAdapterDialog>(session, *connection, dialogs, nullptr);
        dialog->SetLineTestStepMilliseconds(0);
        dialog->show();
        QTest::qWait(30);
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
    // SCL-out, SDA-out, SCL-in, SDA-in as the indicators show them, e.g. "1010".
    std::string Levels() {
        std::string levels;
        for (const char* name : {"sclOutLevel", "sdaOutLevel", "sclInLevel", "sdaInLevel"}) {
            levels += Find<QLabel>(name)->property("level").toInt() == 1 ? '1' : '0';
        }
        return levels;
    }
    void Leave(const char* name, const QString& text) {
        auto* field = Find<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void RunLineTest() {
        Click("lineTestButton");
        QTRY_VERIFY(!dialog->lineTestRunning());
    }
    QString SystemInfo() { return Find<QPlainTextEdit>("systemInfo")->toPlainText(); }
    QString UsbBox() { return Find<QPlainTextEdit>("usbInfoBox")->toPlainText(); }

    TempFolder folder;
    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<SimulatedConnection> connection;
    std::unique_ptr<CAdapterDialog> dialog;
};

TEST_F(AdapterDialogTest, TheIndicatorsFollowTheLinesLive) {
    Open(AdapterKind::Lpt);
    EXPECT_EQ(Levels(), "1111");
    Click("sclOutButton");
    EXPECT_EQ(Levels(), "0101");
    Click("sdaOutButton");
    EXPECT_EQ(Levels(), "0000");
    Click("sclOutButton");
    Click("sdaOutButton");
    EXPECT_EQ(Levels(), "1111");
    Click("allOffButton");
    EXPECT_EQ(Levels(), "0000");
    // Lines changed behind the dialog's back show within a few display periods.
    connection->lptBus()->SetSda(1);
    QTRY_COMPARE(Levels(), std::string("0101"));
    EXPECT_TRUE(dialogs.shown.empty());
}

// The line test passes on a good module and fails at the step of each stuck line.
TEST_F(AdapterDialogTest, TheLineTestEndsWithTheTextOfItsOutcome) {
    const std::pair<const char*, int> cases[] = {
        {nullptr, 197}, {"sda-stuck-low", 195}, {"scl-stuck-low", 196}, {"scl-stuck-high", 196}};
    for (const auto& [fault, text] : cases) {
        SCOPED_TRACE(fault ? fault : "none");
        dialogs.shown.clear();
        Open(AdapterKind::Lpt,
             fault ? std::vector<const char*>{fault} : std::vector<const char*>{});
        RunLineTest();
        EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{text});
        EXPECT_TRUE(Find<QPushButton>("lineTestButton")->isEnabled());
        if (!fault) {
            EXPECT_EQ(Levels(), "1111");
        }
    }
}

TEST_F(AdapterDialogTest, AFailedPortAccessIsToldOnceAndTheLineCommandsGoOff) {
    Open(AdapterKind::Lpt, {"port-denied"});
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{76});
    for (const char* command :
         {"sclOutButton", "sdaOutButton", "allOffButton", "lineTestButton", "calibrateButton"}) {
        EXPECT_FALSE(Find<QPushButton>(command)->isEnabled()) << command;
    }
    QTest::qWait(30);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{76});
    EXPECT_TRUE(SystemInfo().contains("Port access was switched off after a failed access."))
        << SystemInfo().toStdString();
}

TEST_F(AdapterDialogTest, NoPortIsTouchedWhileTheUsbAdapterIsChosen) {
    Open(AdapterKind::Usb);
    const std::uint64_t before = connection->camPac().port.accesses();
    for (const char* command :
         {"sclOutButton", "sdaOutButton", "allOffButton", "lineTestButton", "calibrateButton"}) {
        EXPECT_FALSE(Find<QPushButton>(command)->isEnabled()) << command;
        Click(command);
    }
    EXPECT_TRUE(Find<QPushButton>("usbInfoButton")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("usbApplyButton")->isEnabled());
    QTest::qWait(40);
    EXPECT_EQ(connection->camPac().port.accesses(), before);
    EXPECT_EQ(Levels(), "0000");
    EXPECT_TRUE(SystemInfo().contains("Adapter: USB\nUSB adapter found."))
        << SystemInfo().toStdString();

    // The parallel port chosen: the display reads the port and the commands are on.
    Click("useLpt");
    EXPECT_EQ(session.settings.useUsb, 0);
    EXPECT_EQ(connection->kind(), AdapterKind::Lpt);
    QTRY_COMPARE(Levels(), std::string("1111"));
    EXPECT_TRUE(Find<QPushButton>("lineTestButton")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("usbInfoButton")->isEnabled());
    EXPECT_GT(connection->camPac().port.accesses(), before);
    EXPECT_TRUE(SystemInfo().contains("Adapter: LPT h378")) << SystemInfo().toStdString();
    EXPECT_TRUE(SystemInfo().contains("Simulated CamPac: module.img"));

    // And back: the display stops reading the port at once.
    Click("useUsb");
    EXPECT_EQ(session.settings.useUsb, 1);
    const std::uint64_t stopped = connection->camPac().port.accesses();
    QTest::qWait(40);
    EXPECT_EQ(connection->camPac().port.accesses(), stopped);
}

TEST_F(AdapterDialogTest, TheAddressIsTakenOnlyAsFourHexDigits) {
    Open(AdapterKind::Lpt);
    struct Case {
        const char* typed;
        int refusal;  // 0: taken
        int address;  // the address afterwards
        const char* shown;
    };
    const Case cases[] = {
        {"378", 210, 0x378, "0378"}, {"03780", 210, 0x378, "0378"}, {"03g8", 211, 0x378, "0378"},
        {"02bc", 0, 0x2BC, "02BC"},  {"0378", 0, 0x378, "0378"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs.shown.clear();
        Leave("lptAddress", QString::fromLatin1(c.typed));
        EXPECT_EQ(dialogs.ShownNumbers(),
                  c.refusal == 0 ? std::vector<int>{} : std::vector<int>{c.refusal});
        EXPECT_EQ(session.settings.lptAddress, c.address);
        EXPECT_EQ(Find<QLineEdit>("lptAddress")->text().toStdString(), c.shown);
        EXPECT_EQ(connection->lptBus()->baseAddress(), c.address);
    }
    Leave("lptAddress", "02bc");
    EXPECT_TRUE(SystemInfo().contains("Adapter: LPT h2BC")) << SystemInfo().toStdString();
    // The simulated adapter answers at the new address.
    QTRY_COMPARE(Levels(), std::string("1111"));
}

TEST_F(AdapterDialogTest, WaitstatesAreTakenFrom0To5000) {
    session.settings.waitStates = 150;
    Open(AdapterKind::Lpt);
    const std::pair<const char*, int> cases[] = {{"5001", 150}, {"-3", 150}, {"4x", 150},
                                                 {"40", 40},    {"0", 0},    {"5000", 5000}};
    for (const auto& [typed, kept] : cases) {
        SCOPED_TRACE(typed);
        dialogs.shown.clear();
        const int before = session.settings.waitStates;
        Leave("waitStates", QString::fromLatin1(typed));
        EXPECT_EQ(dialogs.ShownNumbers(),
                  kept == before ? std::vector<int>{212} : std::vector<int>{});
        EXPECT_EQ(session.settings.waitStates, kept);
        EXPECT_EQ(connection->lptBus()->waitStates(), kept);
    }
}

TEST_F(AdapterDialogTest, TheCalibrationPutsItsResultIntoTheField) {
    session.settings.waitStates = 150;
    Open(AdapterKind::Lpt);
    dialogs.answers = {Answer::Cancel};
    Click("calibrateButton");
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{59});
    EXPECT_EQ(session.settings.waitStates, 150);
    EXPECT_EQ(connection->lptBus()->waitStates(), 150);

    dialogs.shown.clear();
    dialogs.answers = {Answer::Ok};
    Click("calibrateButton");
    ASSERT_EQ(dialogs.ShownNumbers(), (std::vector<int>{59, 213}));
    const long long found = std::get<long long>(dialogs.shown[1].arguments.at(0));
    EXPECT_GT(found, 0);
    EXPECT_EQ(session.settings.waitStates, found);
    EXPECT_EQ(Find<QLineEdit>("waitStates")->text().toLongLong(), found);
}

// The clock choices sent to the simulated adapter, whose processor runs at 12 MHz.
TEST_F(AdapterDialogTest, EachClockChoiceSendsItsPrescalerAndDivisor) {
    Open(AdapterKind::Usb);
    Click("usbApplyButton");
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{208});
    const struct {
        int prescaler;
        int divisor;
    } expected[] = {{0, 22}, {0, 52}, {0, 112}, {0, 232}, {2, 74}, {3, 187}};
    for (int choice = 0; choice < 6; ++choice) {
        SCOPED_TRACE(choice);
        Click(QStringLiteral("clock%1").arg(choice).toLatin1().constData());
        Click("usbApplyButton");
        const SimulatedUsbFirmware& firmware = connection->camPac().hid.firmware();
        EXPECT_EQ(firmware.prescalerIndex(), expected[choice].prescaler);
        EXPECT_EQ(firmware.divisor(), expected[choice].divisor);
        EXPECT_TRUE(UsbBox().startsWith("New clock setting sent to the USB adapter."))
            << UsbBox().toStdString();
    }
    EXPECT_TRUE(UsbBox().endsWith("Takt: 501 Hz")) << UsbBox().toStdString();
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{208});
}

TEST_F(AdapterDialogTest, InfosShowTheAdapterOrThatItIsMissing) {
    Open(AdapterKind::Usb);
    Click("usbInfoButton");
    EXPECT_EQ(UsbBox(), "FW=1.3\nPC=12000000\nTC=52\nTP=0\n\nTakt: 100000 Hz");
    connection->camPac().hid.Unplug();
    Click("usbInfoButton");
    EXPECT_EQ(UsbBox(), "USB adapter not found.");
    EXPECT_TRUE(SystemInfo().endsWith("Adapter: USB\nUSB adapter not found."))
        << SystemInfo().toStdString();
    Click("clock1");
    Click("usbApplyButton");
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{202});
}

TEST_F(AdapterDialogTest, TheMenuItemOpensTheDialogAndTheTransfersFollowTheChoice) {
    Open(AdapterKind::Usb);
    dialog.reset();
    CMainDialog window(session, dialogs);
    window.SetProcessEnd([](int) {});
    window.UseConnection(std::move(connection));
    window.show();
    ASSERT_TRUE(window.menu().adapter->isEnabled());
    QTimer::singleShot(0, [&] {
        auto* shown = window.findChild<CAdapterDialog*>();
        ASSERT_NE(shown, nullptr);
        QTest::mouseClick(shown->findChild<QRadioButton*>("useLpt"), Qt::LeftButton);
        shown->accept();
    });
    window.menu().adapter->trigger();
    EXPECT_EQ(window.connection()->kind(), AdapterKind::Lpt);
    EXPECT_EQ(session.settings.useUsb, 0);
}

}  // namespace
