#include <gtest/gtest.h>

#include <fstream>

#include "adapters/AdapterTexts.h"
#include "adapters/hw/HardwareAdapters.h"
#include "adapters/hw/HidapiSystem.h"
#include "adapters/hw/OpenConnection.h"
#include "adapters/hw/PpdevPort.h"
#include "shell/Settings.h"
#include "support/NoAdapterMachine.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

// No PC has a parallel port at this address.
constexpr std::uint16_t kNoPort = 0x1234;

TEST(PpdevPort, AnAddressWithoutAPortCannotBeOpened) {
    EXPECT_FALSE(PpdevPort::DeviceFor(kNoPort).has_value());
    const auto port = PpdevPort::Open(kNoPort);
    ASSERT_FALSE(port.ok());
    EXPECT_EQ(port.error().text, txt::kPortDriverCannotOpen.number);
    EXPECT_NE(port.error().suffix.find("0x1234"), std::string::npos);
}

TEST(PpdevPort, ADeviceThatCannotBeOpenedSaysWhatTheSystemSaid) {
    TempFolder machine;
    std::filesystem::create_directories(machine / "proc" / "parport0");
    std::ofstream(machine / "proc" / "parport0" / "base-addr") << "888\t1912\n";
    // A folder where the device node should be: open() refuses it.
    std::filesystem::create_directories(machine / "dev" / "parport0");
    const auto port = PpdevPort::Open(0x378, {machine / "proc", machine / "dev"});
    ASSERT_FALSE(port.ok());
    EXPECT_EQ(port.error().text, 75);
    EXPECT_NE(port.error().suffix.find("parport0: Is a directory"), std::string::npos)
        << port.error().suffix;
}

class MachineWithoutAdapters : public testing::Test {
  protected:
    TempFolder empty;
    ScriptedDialogs dialogs;
    HardwareAdapters adapters{dialogs, NoAdapterMachine(empty.path())};
};

TEST_F(MachineWithoutAdapters, TheParallelPortIsRefusedWithPortAccessOff) {
    AdapterChoice choice;
    choice.kind = AdapterKind::Lpt;
    choice.lptAddress = 0x378;
    const Status used = adapters.UseAdapter(choice);
    ASSERT_FALSE(used.ok());
    EXPECT_EQ(used.error().text, 75);
    EXPECT_EQ(used.error().suffix, "\r\n(no parallel port at 0x378)");
    ASSERT_NE(adapters.portAccess(), nullptr);
    EXPECT_FALSE(adapters.portAccess()->on());
    EXPECT_EQ(adapters.lptBus(), nullptr);
    // The transfer then fails at once, and the system information says why.
    EXPECT_FALSE(adapters.module().Connect());
    EXPECT_EQ(adapters.module().ConnectFailure().text, 86);
    const Message info = adapters.PortAccessInfo();
    EXPECT_EQ(info.text, 602);
    ASSERT_EQ(info.continuation.size(), 2u);
    EXPECT_EQ(info.continuation[1].text, 75);
}

TEST_F(MachineWithoutAdapters, TheUsbAdapterNeedsNoPortAndIsNotFound) {
    AdapterChoice choice;
    choice.kind = AdapterKind::Lpt;
    adapters.UseAdapter(choice);
    choice.kind = AdapterKind::Usb;
    EXPECT_TRUE(adapters.UseAdapter(choice).ok());
    EXPECT_EQ(adapters.portAccess(), nullptr);
    EXPECT_EQ(adapters.lptBus(), nullptr);
    EXPECT_FALSE(adapters.module().Connect());
    EXPECT_EQ(adapters.module().ConnectFailure().text, 101);
}

TEST(OpenConnection, TheCommandLineOverridesTheSettingsForTheRun) {
    Settings settings;
    settings.useUsb = 1;
    settings.lptAddress = 0x278;
    settings.waitStates = 40;
    ProgramOptions options;
    AdapterChoice choice = ChooseAdapter(options, settings);
    EXPECT_EQ(choice.kind, AdapterKind::Usb);
    EXPECT_EQ(choice.lptAddress, 0x278);
    EXPECT_EQ(choice.waitStates, 40);
    EXPECT_EQ(choice.usbVendor, 0x16C0);
    EXPECT_EQ(choice.usbProduct, 0x05DF);
    options.adapter = AdapterKind::Lpt;
    options.lptAddress = 0x3BC;
    options.waitStates = 0;
    choice = ChooseAdapter(options, settings);
    EXPECT_EQ(choice.kind, AdapterKind::Lpt);
    EXPECT_EQ(choice.lptAddress, 0x3BC);
    EXPECT_EQ(choice.waitStates, 0);
}

TEST(OpenConnection, AMachineWithoutTheParallelPortGivesAConnectionWithItsProblem) {
    TempFolder empty;
    ScriptedDialogs dialogs;
    Settings settings;
    settings.useUsb = 0;
    OpenedConnection opened =
        OpenConnection(ProgramOptions{}, settings, dialogs, NoAdapterMachine(empty.path()));
    ASSERT_NE(opened.connection, nullptr);
    ASSERT_TRUE(opened.problem.has_value());
    EXPECT_EQ(opened.problem->text, 75);
    EXPECT_FALSE(opened.connection->portAccess()->on());
}

TEST(HidapiSystem, UnreadableNodeHasNoFeatureReport) {
    EXPECT_EQ(HidapiSystem::FeatureReportLengthOf("/nonexistent/hidraw9"), 0);
}

#ifdef KEPLUND_TEST_WITHOUT_HIDAPI
// Built without hidapi, the machine shows no HID device: the USB adapter is not found,
// as when it is unplugged, and nothing is opened.
TEST(HidapiSystem, WithoutHidapiTheUsbAdapterIsNotFound) {
    HidapiSystem hid;
    EXPECT_TRUE(hid.Enumerate().empty());
    EXPECT_EQ(hid.Open("/dev/hidraw0"), nullptr);
    ScriptedDialogs dialogs;
    SteadyClock clock;
    UsbAdapter usb(hid, clock, dialogs);
    EXPECT_FALSE(usb.FindUsbAdapter());
}
#endif

TEST(PlatformName, NamesTheRunningSystem) {
    EXPECT_EQ(PlatformName().rfind("Linux ", 0), 0u);
}

TEST(SystemDescription, AddsTheDistributionToTheKernel) {
    TempFolder folder;
    std::ofstream(folder / "os-release")
        << "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n";
    EXPECT_EQ(SystemDescription(folder / "os-release"),
              PlatformName() + ", Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(SystemDescription(folder / "absent"), PlatformName());
}

}  // namespace
