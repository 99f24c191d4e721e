#include <gtest/gtest.h>

#include <numeric>

#include "adapters/AdapterTexts.h"
#include "adapters/SimulatedUsbAdapter.h"
#include "support/ScriptedDialogs.h"

namespace {

struct UsbFixture {
    explicit UsbFixture(int size) : eeprom(std::vector<Byte>(static_cast<std::size_t>(size), 7)) {}
    ModelledClock clock;
    SimulatedEeprom eeprom;
    SimulatedHidSystem system{eeprom, clock};
    ScriptedDialogs dialogs;
    UsbAdapter adapter{system, clock, dialogs};
};

class UsbSizes : public ::testing::TestWithParam<int> {};

TEST_P(UsbSizes, SizeCheckGivesTheSizeInBytes) {
    UsbFixture f(GetParam());
    ASSERT_TRUE(f.adapter.FindUsbAdapter());
    EXPECT_EQ(f.adapter.CheckCamPacSize(), GetParam());
    // One command, the answer ready at the first fetch after 100 ms.
    EXPECT_EQ(f.adapter.reportsSent(), 1);
    EXPECT_EQ(f.adapter.reportsFetched(), 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, UsbSizes, ::testing::Values(256, 512, 1024, 2048, 8192));

TEST(UsbAdapter, SizeCheckWithoutAModuleAsksTwiceAndGivesZero) {
    UsbFixture f(256);
    f.eeprom.faults().noAck = AckFault::Everything;
    ASSERT_TRUE(f.adapter.FindUsbAdapter());
    EXPECT_EQ(f.adapter.CheckCamPacSize(), 0);
    EXPECT_EQ(f.system.firmware().commands(), (std::vector<std::string>{"CHCK", "CHCK"}));
}

TEST(UsbAdapter, SizeCheckGivesUpAfterFiftyFetches) {
    UsbFixture f(256);
    f.system.firmware().faults().neverReady = true;
    ASSERT_TRUE(f.adapter.FindUsbAdapter());
    const auto start = f.clock.NowMilliseconds();
    EXPECT_EQ(f.adapter.CheckCamPacSize(), 0);
    EXPECT_EQ(f.adapter.reportsFetched(), 50);
    EXPECT_EQ(f.clock.NowMilliseconds() - start, 5000);
}

TEST(UsbAdapter, DeviceWithAnotherReportLengthIsReportedAndPassedOver) {
    UsbFixture f(256);
    f.system.AddDeviceFirst({"/dev/hidraw-other", usb::kDefaultVendor, usb::kDefaultProduct, 65});
    ASSERT_TRUE(f.adapter.FindUsbAdapter());
    EXPECT_EQ(f.adapter.devicePath(), "/dev/hidraw-simulated");
    EXPECT_EQ(f.dialogs.ShownNumbers(), std::vector<int>{txt::kUsbWrongReportLength.number});
}

TEST(UsbAdapter, OtherNumbersAreNotFound) {
    UsbFixture f(256);
    f.adapter.SetIds(0x1234, 0x5678);
    EXPECT_FALSE(f.adapter.FindUsbAdapter());
    EXPECT_EQ(f.adapter.SendUsbReport(), -1);
    EXPECT_EQ(f.adapter.FetchUsbReport(), -1);
}

TEST(UsbAdapter, FailedExchangeClosesTheDevice) {
    UsbFixture f(256);
    ASSERT_TRUE(f.adapter.FindUsbAdapter());
    f.system.firmware().faults().transportFails = true;
    EXPECT_EQ(f.adapter.SendUsbReport(), -1);
    EXPECT_FALSE(f.adapter.IsOpen());
}

TEST(UsbAdapter, ReadRequestLayout) {
    UsbFixture f(8192);
    ASSERT_TRUE(f.adapter.FindUsbAdapter());
    ASSERT_TRUE(f.adapter.SendRead(8192));
    const UsbReport& r = f.adapter.report();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[1]), 4), "READ");
    EXPECT_EQ(r[0], 0);
    EXPECT_EQ(r[7], 0x20);
    EXPECT_EQ(r[8], 0x00);
    EXPECT_EQ(r[9], 0x00);
    ASSERT_TRUE(f.adapter.SendRead(2048));
    EXPECT_EQ(r[9], 0xA0);
}

struct AnswerCase {
    int count;
    int start;
    bool accepted;
};

class DataAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(DataAnswers, RefusedWhenTooLongOrBeyondTheSize) {
    UsbReport report{};
    report[1] = '!';
    report[9] = static_cast<Byte>(GetParam().count >> 8);
    report[10] = static_cast<Byte>(GetParam().count);
    report[11] = static_cast<Byte>(GetParam().start >> 8);
    report[12] = static_cast<Byte>(GetParam().start);
    const auto answer = ParseUsbDataAnswer(report, 512);
    EXPECT_EQ(answer.ok(), GetParam().accepted);
    if (answer.ok()) {
        EXPECT_EQ(answer.value().data.size(), static_cast<std::size_t>(GetParam().count));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DataAnswers,
                         ::testing::Values(AnswerCase{112, 0, true}, AnswerCase{113, 0, false},
                                           AnswerCase{64, 448, true}, AnswerCase{65, 448, false},
                                           AnswerCase{1, 511, true}, AnswerCase{1, 512, false},
                                           AnswerCase{0, 0, false}, AnswerCase{112, 65535, false}));

struct InfoCase {
    const char* text;
    bool valid;
    int clockHz;
};

class InfoTexts : public ::testing::TestWithParam<InfoCase> {};

TEST_P(InfoTexts, ParsedOrRejected) {
    const auto info = ParseUsbInfo(GetParam().text);
    ASSERT_EQ(info.has_value(), GetParam().valid);
    if (info) {
        EXPECT_EQ(info->clockHz, GetParam().clockHz);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InfoTexts,
    ::testing::Values(InfoCase{"FW=1.3/PC=12000000/TC=52/TP=0/", true, 12000000 / 120},
                      InfoCase{"PC:12000000/TC:52/TP:3", true, 12000000 / (64 * 52 * 2 + 16)},
                      InfoCase{"PC=12000000/TC=10/TP=1/", true, 12000000 / 96},
                      InfoCase{"PC=12000000/TP=0/", false, 0},
                      InfoCase{"PC=12000000/TC=52/", false, 0}, InfoCase{"TC=52/TP=0/", false, 0},
                      InfoCase{"TC=52/TP=0/PC=12000000", false, 0},
                      InfoCase{"PC=12000000/TC=52/TP=4/", false, 0},
                      InfoCase{"PC=12x00000/TC=52/TP=0/", false, 0},
                      InfoCase{"PC=/TC=52/TP=0/", false, 0}));

TEST(UsbInfo, DisplayHasLineBreaksAndTheClock) {
    const auto info = ParseUsbInfo("PC=12000000/TC=52/TP=0/");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->display, "PC=12000000\r\nTC=52\r\nTP=0\r\n\r\nTakt: 100000 Hz");
}

struct ClockCase {
    int processorClock;
    int target;
    bool possible;
    int prescalerIndex;
    int divisor;
};

class ClockChoices : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockChoices, SmallestPrescalerBelow255) {
    const auto setting = ChooseUsbClock(GetParam().processorClock, GetParam().target);
    ASSERT_EQ(setting.has_value(), GetParam().possible);
    if (setting) {
        EXPECT_EQ(setting->prescalerIndex, GetParam().prescalerIndex);
        EXPECT_EQ(setting->divisor, GetParam().divisor);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ClockChoices,
                         ::testing::Values(ClockCase{12000000, 100000, true, 0, 52},
                                           ClockCase{12000000, 500, true, 3, 187},
                                           ClockCase{12000000, 5000, true, 2, 74},
                                           ClockCase{12000000, 200000, true, 0, 22},
                                           ClockCase{1000000, 200000, false, 0, 0},
                                           ClockCase{20000000, 500, false, 0, 0},
                                           ClockCase{200000000, 500, false, 0, 0}));

TEST(UsbAdapter, ClockSettingSendsWaitAndReadsTheNewClock) {
    UsbFixture f(256);
    const auto info = f.adapter.SetUsbAdapterClock(500);
    ASSERT_TRUE(info.ok());
    EXPECT_EQ(f.system.firmware().prescalerIndex(), 3);
    EXPECT_EQ(f.system.firmware().divisor(), 187);
    EXPECT_EQ(info.value().clockHz, UsbClockHz(12000000, 187, 3));
    EXPECT_EQ(f.system.firmware().commands(), (std::vector<std::string>{"INFO", "WAIT", "INFO"}));
    EXPECT_FALSE(f.adapter.IsOpen());
}

TEST(UsbAdapter, ClockSettingFailures) {
    UsbFixture f(256);
    EXPECT_EQ(f.adapter.SetUsbAdapterClock(12345).error().text, txt::kUsbNoClockChosen.number);
    f.system.firmware().faults().infoText = "PC=200000000/TC=1/TP=0/";
    EXPECT_EQ(f.adapter.SetUsbAdapterClock(500).error().text, txt::kUsbClockImpossible.number);
    f.system.firmware().faults().infoText = "PC=12000000/TC=1/TP=7/";
    EXPECT_EQ(f.adapter.SetUsbAdapterClock(500).error().text, txt::kUsbInfoNoAnswer.number);
    f.system.firmware().faults().neverReady = true;
    EXPECT_EQ(f.adapter.ShowUsbAdapterInfo().error().text, txt::kUsbInfoNoAnswer.number);
    f.system.Unplug();
    EXPECT_EQ(f.adapter.ShowUsbAdapterInfo().error().text, txt::kUsbInfoNotFound.number);
    EXPECT_TRUE(f.system.firmware().commands().size() <= 4u);
}

}  // namespace
