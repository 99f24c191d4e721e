#include <gtest/gtest.h>

#include "adapters/AdapterTexts.h"
#include "adapters/hw/HardwareAdapters.h"
#include "adapters/hw/HidapiSystem.h"
#include "adapters/hw/PpdevPort.h"
#include "support/ScriptedDialogs.h"

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

TEST(HardwareAdapters, ParallelPortFailureIsReportedAndUsbNeedsNoPort) {
    ScriptedDialogs dialogs;
    HardwareAdapters::Choice choice;
    choice.kind = AdapterKind::Lpt;
    choice.lptAddress = kNoPort;
    EXPECT_FALSE(HardwareAdapters::Open(choice, dialogs).ok());
    choice.kind = AdapterKind::Usb;
    EXPECT_TRUE(HardwareAdapters::Open(choice, dialogs).ok());
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

}  // namespace
