#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "adapters/TransferRig.h"

// Every failure path of read, compare and write gives its text and leaves the data set
// and the module as they must be.

namespace {

// The rig with a changed data set in memory, whose fate after a failure the tests check;
// the module holds `size` bytes.
struct Rig : TransferRig {
    explicit Rig(AdapterKind kind, int size = 2048, bool clockFor64k = false)
        : TransferRig(kind, HeaderedImage(size, size == 8192 ? 4 : 3, 0x0002), clockFor64k) {
        data.imageSize = size;
        data.typeName = "FC18V3    ";
        data.state = DataSetState::Changed;
        data.dataSetComment = "kept";
        data.modelComments[3] = "Segler";
    }
    // The data set to write: `size` bytes of `fill`, as loaded.
    void Wanted(int size, Byte fill) {
        data.imageSize = size;
        data.image.fill(fill);
        data.state = DataSetState::Unchanged;
    }
};

void ExpectReset(const CamPacData& data) {
    EXPECT_EQ(data.state, DataSetState::None);
    EXPECT_EQ(data.imageSize, 0);
    EXPECT_EQ(data.image[0], 0xFF);
}

// How a read that does not finish ends. "Kommentare behalten" keeps the comments unless
// the module itself failed on the bus (texts 92 to 94) or its size is not recognised: then
// the comments belong to no known module and go.
struct ReadEnding {
    const char* name;
    AdapterKind kind;
    std::function<void(Rig&)> arrange;
    std::vector<int> said;  // the messages with their continuations
    int status1;            // 0: not looked at
    int status2;
    bool commentsKept;
};

void PrintTo(const ReadEnding& ending, std::ostream* out) {
    *out << ending.name;
}

ReadEnding Ending(const char* name, AdapterKind kind, std::function<void(Rig&)> arrange,
                  std::vector<int> said, int status1, int status2, bool commentsKept) {
    return {name, kind, std::move(arrange), std::move(said), status1, status2, commentsKept};
}

class ReadEndings : public testing::TestWithParam<ReadEnding> {};

TEST_P(ReadEndings, ResetTheDataSetWithTheirTexts) {
    const ReadEnding& c = GetParam();
    Rig rig(c.kind);
    c.arrange(rig);
    EXPECT_NE(rig.Read(true), TransferOutcome::Done);
    EXPECT_EQ(rig.Said(), c.said);
    if (c.status1 != 0) {
        EXPECT_EQ(rig.observer.Line(TransferLine::Status1).text, c.status1);
        EXPECT_EQ(rig.observer.Line(TransferLine::Status2).text, c.status2);
    }
    ExpectReset(rig.data);
    EXPECT_EQ(rig.data.dataSetComment, c.commentsKept ? "kept" : "");
    EXPECT_EQ(rig.data.modelComments[3], c.commentsKept ? "Segler" : "");
    EXPECT_EQ(rig.observer.caption.text, txt::kReadButtonIdle.number);
    EXPECT_FALSE(rig.observer.running);
}

// Breaks the module once its size is known, before the first byte.
std::function<void(Rig&)> AfterTheSize(std::function<void(Rig&)> breakIt) {
    return [breakIt](Rig& rig) { rig.observer.onStart = [&rig, breakIt] { breakIt(rig); }; };
}
std::function<void(Rig&)> NoAckAt(AckFault place) {
    return AfterTheSize([place](Rig& rig) { rig.sim.eeprom.faults().noAck = place; });
}

INSTANTIATE_TEST_SUITE_P(
    TransferFaults, ReadEndings,
    testing::Values(
        Ending("DeviceAddressNotAcknowledged", AdapterKind::Lpt, NoAckAt(AckFault::DeviceAddress),
               {92}, 0, 0, false),
        Ending("WordAddressNotAcknowledged", AdapterKind::Lpt, NoAckAt(AckFault::WordAddress), {93},
               0, 0, false),
        Ending("ReadAddressNotAcknowledged", AdapterKind::Lpt, NoAckAt(AckFault::ReadAddress), {94},
               0, 0, false),
        Ending(
            "AdapterNotAnswering", AdapterKind::Lpt,
            [](Rig& rig) { rig.sim.eeprom.faults().sdaStuckLow = true; }, {86, 87}, 86, 87, true),
        Ending(
            "NoModule", AdapterKind::Lpt,
            [](Rig& rig) { rig.sim.eeprom.faults().noAck = AckFault::Everything; }, {}, 89, 90,
            false),
        Ending(
            "CancelledOnLpt", AdapterKind::Lpt, [](Rig& rig) { rig.observer.cancelAtPump = 5; }, {},
            0, 0, true),
        Ending(
            "UsbAdapterMissing", AdapterKind::Usb, [](Rig& rig) { rig.sim.hid.Unplug(); }, {101},
            102, 103, true),
        Ending(
            "UsbNotReadyForTheSize", AdapterKind::Usb,
            [](Rig& rig) { rig.sim.hid.firmware().faults().neverReady = true; }, {}, 89, 90, false),
        Ending("UsbNoReadyAnswer", AdapterKind::Usb,
               AfterTheSize([](Rig& rig) { rig.sim.hid.firmware().faults().neverReady = true; }),
               {104}, 0, 0, true),
        Ending(
            "CancelledOnUsb", AdapterKind::Usb, [](Rig& rig) { rig.observer.cancelAtPump = 2; }, {},
            0, 0, true)),
    [](const testing::TestParamInfo<ReadEnding>& param) { return param.param.name; });

TEST(TransferFaults, PortAccessFaultSwitchesAccessOffAndFails) {
    Rig rig(AdapterKind::Lpt);
    int switchedOff = 0;
    rig.sim.access.SetSwitchedOffHandler([&] { ++switchedOff; });
    rig.sim.port.SetAccessDenied(true);
    EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
    EXPECT_EQ(switchedOff, 1);
    // The failed access itself is told, with the system's error code (EACCES) and words.
    ASSERT_EQ(rig.Said(), std::vector<int>{76});
    const Message& shown = rig.dialogs.shown.back();
    ASSERT_EQ(shown.arguments.size(), 1u);
    EXPECT_EQ(std::get<long long>(shown.arguments[0]), 13);
    EXPECT_EQ(shown.suffix, "\r\n(0x378: Permission denied)");
}

TEST(TransferFaults, UsbTimeoutDuringCompareUsesThePagesText) {
    for (TransferPage page : {TransferPage::GetData, TransferPage::Save}) {
        Rig rig(AdapterKind::Usb);
        rig.data.state = DataSetState::Unchanged;
        AfterTheSize([](Rig& r) { r.sim.hid.firmware().faults().neverReady = true; })(rig);
        EXPECT_EQ(rig.engine.CompareCamPac(rig.observer, page).outcome, TransferOutcome::Failed);
        EXPECT_EQ(rig.dialogs.shown.back().text, page == TransferPage::Save ? 173 : 104);
        EXPECT_FALSE(rig.sim.usb.IsOpen());
    }
}

// An answer that claims more than a report holds, ends beyond the module, or starts past
// the bytes received so far (the ones between would never arrive) is refused.
TEST(TransferFaults, OversizedOutOfRangeOrSkippingUsbAnswersAreRefusedNeverCopied) {
    for (int UsbFirmwareFaults::*fault :
         {&UsbFirmwareFaults::oversizedCountAt, &UsbFirmwareFaults::beyondSizeAt,
          &UsbFirmwareFaults::skipAheadAt}) {
        Rig rig(AdapterKind::Usb);
        rig.sim.hid.firmware().faults().*fault = 0;
        EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
        EXPECT_EQ(rig.Said(), std::vector<int>{txt::kUsbAnswerRefused.number});
        ExpectReset(rig.data);
        for (int i = 0; i < 200; ++i) {
            EXPECT_EQ(rig.data.image[static_cast<std::size_t>(i)], 0xFF);
        }
    }
}

TEST(TransferFaults, ReleasedButtonWithoutARunningReadKeepsTheDataSet) {
    Rig rig(AdapterKind::Lpt);
    rig.observer.running = false;
    EXPECT_EQ(rig.Read(), TransferOutcome::Cancelled);
    EXPECT_EQ(rig.Said(), std::vector<int>{100});
    EXPECT_EQ(rig.data.dataSetComment, "kept");
    EXPECT_EQ(rig.data.imageSize, 2048);
}

TEST(TransferFaults, CompareWithoutADataSetOnTheGetDataPage) {
    Rig rig(AdapterKind::Lpt);
    rig.data.state = DataSetState::None;
    EXPECT_EQ(rig.engine.CompareCamPac(rig.observer, TransferPage::GetData).outcome,
              TransferOutcome::Failed);
    EXPECT_EQ(rig.Said(), std::vector<int>{105});
}

// A write that fails says why and never claims to have been cancelled; where it fails
// before the first page, the module keeps its bytes.
struct WriteFailure {
    const char* name;
    AdapterKind kind;
    std::function<void(Rig&)> arrange;
    int shown;
    bool moduleKept;
};

void PrintTo(const WriteFailure& failure, std::ostream* out) {
    *out << failure.name;
}

class WriteFailures : public testing::TestWithParam<WriteFailure> {};

TEST_P(WriteFailures, EndWithTheirText) {
    const WriteFailure& c = GetParam();
    Rig rig(c.kind, 256);
    rig.Wanted(256, 0x01);
    const std::vector<Byte> before = rig.sim.eeprom.memory();
    c.arrange(rig);
    const WriteReport report = rig.Write(false, rig.observer);
    EXPECT_EQ(report.outcome, TransferOutcome::Failed);
    EXPECT_EQ(rig.dialogs.ShownNumbers(), std::vector<int>{c.shown});
    EXPECT_NE(rig.observer.Line(TransferLine::Status2).text, txt::kCancelled.number);
    EXPECT_FALSE(rig.observer.running);
    if (c.moduleKept) {
        EXPECT_EQ(report.bytesWritten, 0);
        EXPECT_EQ(rig.sim.eeprom.memory(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TransferFaults, WriteFailures,
    testing::Values(
        WriteFailure{"SclStuckBeforeAnyByte", AdapterKind::Lpt,
                     [](Rig& rig) { rig.sim.eeprom.faults().scl = SclFault::StuckLow; }, 86, true},
        WriteFailure{"WriteCycleThatNeverEnds", AdapterKind::Lpt,
                     [](Rig& rig) { rig.sim.eeprom.SetWriteCycleMicroseconds(1000000); },
                     txt::kWriteCycleTimeout.number, false},
        // The backup read fails: that is no cancel, and nothing is written.
        WriteFailure{"BackupReadFails", AdapterKind::Usb,
                     AfterTheSize([](Rig& r) { r.sim.hid.firmware().faults().neverReady = true; }),
                     104, true},
        // An adapter whose firmware has no write command leaves its last answer ready: that
        // is no confirmation of a write, and nothing counts as written.
        WriteFailure{"UsbAnswerThatIsNotTheWriteAnswer", AdapterKind::Usb,
                     [](Rig& rig) { rig.sim.hid.firmware().faults().noWriteCommand = true; },
                     txt::kUsbWriteRefused.number, true}),
    [](const testing::TestParamInfo<WriteFailure>& param) { return param.param.name; });

TEST(TransferFaults, WriteProtectedModuleFailsTheVerifyAndNamesTheBytes) {
    Rig rig(AdapterKind::Lpt, 256);
    rig.sim.eeprom.faults().writeProtected = true;
    rig.Wanted(256, 0xFF);
    rig.data.image[40] = 1;
    rig.data.image[41] = 2;
    const WriteReport report = rig.Write(false, rig.observer);
    EXPECT_EQ(report.outcome, TransferOutcome::Failed);
    EXPECT_GE(report.verifyFailures, 2);
    // One line per wrong byte, the summary, and the backup that restores the module.
    ASSERT_EQ(rig.observer.list.size(), static_cast<std::size_t>(report.verifyFailures) + 2);
    EXPECT_EQ(rig.observer.list[0].literal.rfind("1. Byte ", 0), 0u);
    EXPECT_EQ(rig.observer.list.back().text, txt::kBackupSaved.number);
    EXPECT_EQ(rig.observer.list.back().arguments,
              std::vector<MessageArgument>{report.backupPath.string()});
}

TEST(TransferFaults, DataNotAcknowledgedStopsTheWriteAndPointsToTheBackup) {
    for (AdapterKind kind : {AdapterKind::Lpt, AdapterKind::Usb}) {
        Rig rig(kind, 512);
        rig.Wanted(512, 0x00);
        rig.observer.onLine = [&rig](TransferLine line, const Message& text) {
            if (line == TransferLine::Status2 && text.text == txt::kBackupSaved.number) {
                rig.sim.eeprom.faults().noAck = AckFault::WriteData;
            }
        };
        const WriteReport report = rig.Write(false, rig.observer);
        EXPECT_EQ(report.outcome, TransferOutcome::Failed);
        EXPECT_EQ(report.bytesWritten, 0);
        ASSERT_FALSE(rig.dialogs.shown.empty());
        const Message& said = rig.dialogs.shown.back();
        EXPECT_EQ(said.text, kind == AdapterKind::Lpt ? txt::kDataNotAcknowledged.number
                                                      : txt::kUsbWriteRefused.number);
        EXPECT_EQ(said.arguments, std::vector<MessageArgument>{0LL});
        ASSERT_EQ(said.continuation.size(), 1u);
        EXPECT_EQ(said.continuation[0].text, txt::kWriteStopped.number);
        EXPECT_EQ(said.continuation[0].arguments,
                  (std::vector<MessageArgument>{0LL, report.backupPath.string()}));
    }
}

TEST(TransferFaults, ExtraClockOnlyFor64kReadsOnTheParallelPort) {
    for (int size : {2048, 8192}) {
        std::uint64_t pulses[2] = {0, 0};
        for (bool option : {false, true}) {
            Rig rig(AdapterKind::Lpt, size, option);
            ASSERT_EQ(rig.Read(), TransferOutcome::Done);
            pulses[option ? 1 : 0] = rig.sim.port.clockPulses();
        }
        EXPECT_EQ(pulses[1] - pulses[0], size == 8192 ? 8192u : 0u) << size;
    }
}

TEST(TransferFaults, ReadAfterWhichCompareRunsAndReportsTheFlippedByte) {
    Rig rig(AdapterKind::Lpt, 256);
    TransferEngine comparing(rig.data, rig.catalogue, rig.dialogs, rig.sim.clock, rig.sim.module,
                             {false, true});
    rig.sim.eeprom.faults().flipAddress = 9;
    // The read copies the flipped byte; a compare of the same bytes finds nothing, as a
    // module with a steady fault reads the same both times.
    EXPECT_EQ(comparing.ReadCamPac(rig.observer, false), TransferOutcome::Done);
    EXPECT_TRUE(rig.dialogs.ShownNumbers().size() <= 1u);
    ASSERT_FALSE(rig.observer.list.empty());
    EXPECT_EQ(std::get<long long>(rig.observer.list.back().arguments[0]), 0);
}

}  // namespace
