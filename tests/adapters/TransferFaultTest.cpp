#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "adapters/RecordingObserver.h"
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
    }
    TransferOutcome Read() { return engine.ReadCamPac(observer, false); }

    RecordingObserver observer;
};

void ExpectReset(const CamPacData& data) {
    EXPECT_EQ(data.state, DataSetState::None);
    EXPECT_EQ(data.imageSize, 0);
    EXPECT_EQ(data.image[0], 0xFF);
}

// A module that stops answering after the size detection: each random-read place fails
// with its own text.
TEST(TransferFaults, EachAcknowledgePlaceOfTheRandomReadHasItsText) {
    struct Case {
        AckFault fault;
        int text;
    };
    for (const Case c : {Case{AckFault::DeviceAddress, txt::kDeviceAddressNotAcknowledged.number},
                         Case{AckFault::WordAddress, txt::kWordAddressNotAcknowledged.number},
                         Case{AckFault::ReadAddress, txt::kReadAddressNotAcknowledged.number}}) {
        Rig rig(AdapterKind::Lpt);
        class Switching : public RecordingObserver {
          public:
            Switching(SimulatedEeprom& e, AckFault f) : eeprom(e), fault(f) {}
            void SetProgressRange(int maximum) override {
                RecordingObserver::SetProgressRange(maximum);
                eeprom.faults().noAck = fault;  // after the detection, before the first byte
            }
            SimulatedEeprom& eeprom;
            AckFault fault;
        } switching(rig.sim.eeprom, c.fault);
        EXPECT_EQ(rig.engine.ReadCamPac(switching, false), TransferOutcome::Failed);
        ASSERT_EQ(rig.dialogs.shown.size(), 1u);
        EXPECT_EQ(rig.dialogs.shown[0].text, c.text);
        ExpectReset(rig.data);
        EXPECT_EQ(switching.caption.text, txt::kReadButtonIdle.number);
    }
}

TEST(TransferFaults, StuckSdaIsAnAdapterThatDoesNotAnswer) {
    Rig rig(AdapterKind::Lpt);
    rig.sim.eeprom.faults().sdaStuckLow = true;
    EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    EXPECT_EQ(rig.dialogs.shown[0].text, txt::kAdapterNotAnswering.number);
    ASSERT_EQ(rig.dialogs.shown[0].continuation.size(), 1u);
    EXPECT_EQ(rig.dialogs.shown[0].continuation[0].text, txt::kCheckAdapter.number);
    EXPECT_EQ(rig.observer.Line(TransferLine::Status1).text, txt::kAdapterNotAnswering.number);
    EXPECT_EQ(rig.observer.Line(TransferLine::Status2).text, txt::kCheckAdapter.number);
    ExpectReset(rig.data);
}

TEST(TransferFaults, SclStuckEndsAWriteBeforeAnyByte) {
    Rig rig(AdapterKind::Lpt);
    const std::vector<Byte> before = rig.sim.eeprom.memory();
    rig.sim.eeprom.faults().scl = SclFault::StuckLow;
    RecordingObserver observer;
    const WriteReport report = rig.engine.WriteCamPac(observer, {false, rig.backups.path(), "x"});
    EXPECT_EQ(report.outcome, TransferOutcome::Failed);
    EXPECT_EQ(rig.dialogs.shown.back().text, txt::kAdapterNotAnswering.number);
    EXPECT_EQ(rig.sim.eeprom.memory(), before);
}

TEST(TransferFaults, PortAccessFaultSwitchesAccessOffAndFails) {
    Rig rig(AdapterKind::Lpt);
    int switchedOff = 0;
    rig.sim.access.SetSwitchedOffHandler([&] { ++switchedOff; });
    rig.sim.port.SetAccessDenied(true);
    EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
    EXPECT_EQ(switchedOff, 1);
    // The failed access itself is told, with the system's error code (EACCES) and words.
    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    const Message& shown = rig.dialogs.shown.back();
    EXPECT_EQ(shown.text, 76);
    ASSERT_EQ(shown.arguments.size(), 1u);
    EXPECT_EQ(std::get<long long>(shown.arguments[0]), 13);
    EXPECT_EQ(shown.suffix, "\r\n(0x378: Permission denied)");
}

TEST(TransferFaults, NoModuleMeansUnknownSize) {
    Rig rig(AdapterKind::Lpt);
    rig.sim.eeprom.faults().noAck = AckFault::Everything;
    EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
    EXPECT_EQ(rig.observer.Line(TransferLine::Status1).text, txt::kSizeNotRecognised.number);
    EXPECT_EQ(rig.observer.Line(TransferLine::Status2).text, txt::kInsertCamPacAgain.number);
    EXPECT_TRUE(rig.dialogs.shown.empty());
    ExpectReset(rig.data);
}

TEST(TransferFaults, UsbAdapterMissing) {
    Rig rig(AdapterKind::Usb);
    rig.sim.hid.Unplug();
    EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
    EXPECT_EQ(rig.dialogs.ShownNumbers(), std::vector<int>{txt::kUsbNotFound.number});
    EXPECT_EQ(rig.observer.Line(TransferLine::Status1).text, txt::kUsbNotFoundStatus1.number);
    EXPECT_EQ(rig.observer.Line(TransferLine::Status2).text, txt::kUsbNotFoundStatus2.number);
    ExpectReset(rig.data);
}

TEST(TransferFaults, UsbNotReadyGivesUnknownSize) {
    Rig rig(AdapterKind::Usb);
    rig.sim.hid.firmware().faults().neverReady = true;
    EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
    EXPECT_EQ(rig.observer.Line(TransferLine::Status1).text, txt::kSizeNotRecognised.number);
}

TEST(TransferFaults, UsbTimeoutDuringCompareUsesThePagesText) {
    for (TransferPage page : {TransferPage::GetData, TransferPage::Save}) {
        Rig rig(AdapterKind::Usb);
        rig.data.state = DataSetState::Unchanged;
        // The module stops answering after the size check.
        class Breaking : public RecordingObserver {
          public:
            explicit Breaking(SimulatedUsbFirmware& f) : firmware(f) {}
            void SetProgressRange(int maximum) override {
                RecordingObserver::SetProgressRange(maximum);
                firmware.faults().neverReady = true;
            }
            SimulatedUsbFirmware& firmware;
        } observer(rig.sim.hid.firmware());
        EXPECT_EQ(rig.engine.CompareCamPac(observer, page).outcome, TransferOutcome::Failed);
        EXPECT_EQ(rig.dialogs.shown.back().text, page == TransferPage::Save
                                                     ? txt::kUsbNoReadyAnswerSavePage.number
                                                     : txt::kUsbNoReadyAnswer.number);
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
        ASSERT_EQ(rig.dialogs.shown.size(), 1u);
        EXPECT_EQ(rig.dialogs.shown[0].text, txt::kUsbAnswerRefused.number);
        ExpectReset(rig.data);
        for (int i = 0; i < 200; ++i) {
            EXPECT_EQ(rig.data.image[static_cast<std::size_t>(i)], 0xFF);
        }
    }
}

// "Kommentare behalten" keeps the comments through a read that ends early, unless the
// module itself failed on the bus (texts 92 to 94) or its size is not recognised: then
// the comments belong to no known module and go.
TEST(TransferFaults, CommentsKeptOrClearedByHowTheReadEnded) {
    // Breaks the module once the size is known, before the first byte.
    class Breaking : public RecordingObserver {
      public:
        std::function<void()> onStart;
        void SetProgressRange(int maximum) override {
            RecordingObserver::SetProgressRange(maximum);
            if (onStart) {
                onStart();
            }
        }
    };
    struct Case {
        const char* name;
        AdapterKind kind;
        std::function<void(Rig&, Breaking&)> arrange;
        bool commentsKept;
    };
    const std::vector<Case> cases{
        {"adapter not answering", AdapterKind::Lpt,
         [](Rig& rig, Breaking&) { rig.sim.eeprom.faults().sdaStuckLow = true; }, true},
        {"usb adapter missing", AdapterKind::Usb, [](Rig& rig, Breaking&) { rig.sim.hid.Unplug(); },
         true},
        {"cancelled on lpt", AdapterKind::Lpt, [](Rig&, Breaking& o) { o.cancelAtPump = 5; }, true},
        {"cancelled on usb", AdapterKind::Usb, [](Rig&, Breaking& o) { o.cancelAtPump = 2; }, true},
        {"usb no ready answer", AdapterKind::Usb,
         [](Rig& rig, Breaking& o) {
             o.onStart = [&rig] { rig.sim.hid.firmware().faults().neverReady = true; };
         },
         true},
        {"word address not acknowledged", AdapterKind::Lpt,
         [](Rig& rig, Breaking& o) {
             o.onStart = [&rig] { rig.sim.eeprom.faults().noAck = AckFault::WordAddress; };
         },
         false},
        {"size not recognised", AdapterKind::Lpt,
         [](Rig& rig, Breaking&) { rig.sim.eeprom.faults().noAck = AckFault::Everything; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.kind);
        rig.data.modelComments[3] = "Segler";
        Breaking observer;
        c.arrange(rig, observer);
        EXPECT_NE(rig.engine.ReadCamPac(observer, true), TransferOutcome::Done);
        ExpectReset(rig.data);
        EXPECT_EQ(rig.data.dataSetComment, c.commentsKept ? "kept" : "");
        EXPECT_EQ(rig.data.modelComments[3], c.commentsKept ? "Segler" : "");
        EXPECT_EQ(observer.caption.text, txt::kReadButtonIdle.number);
        EXPECT_FALSE(observer.running);
    }
}

TEST(TransferFaults, ReleasedButtonWithoutARunningReadKeepsTheDataSet) {
    Rig rig(AdapterKind::Lpt);
    rig.observer.running = false;
    EXPECT_EQ(rig.Read(), TransferOutcome::Cancelled);
    EXPECT_EQ(rig.dialogs.ShownNumbers(), std::vector<int>{txt::kReadCancelAcknowledged.number});
    EXPECT_EQ(rig.data.dataSetComment, "kept");
    EXPECT_EQ(rig.data.imageSize, 2048);
}

TEST(TransferFaults, CompareWithoutADataSetOnTheGetDataPage) {
    Rig rig(AdapterKind::Lpt);
    rig.data.state = DataSetState::None;
    EXPECT_EQ(rig.engine.CompareCamPac(rig.observer, TransferPage::GetData).outcome,
              TransferOutcome::Failed);
    EXPECT_EQ(rig.dialogs.ShownNumbers(), std::vector<int>{txt::kNoValidDataSet.number});
}

TEST(TransferFaults, WriteProtectedModuleFailsTheVerifyAndNamesTheBytes) {
    Rig rig(AdapterKind::Lpt, 256);
    rig.sim.eeprom.faults().writeProtected = true;
    rig.data.imageSize = 256;
    rig.data.image[40] = 1;
    rig.data.image[41] = 2;
    rig.data.state = DataSetState::Unchanged;
    const WriteReport report =
        rig.engine.WriteCamPac(rig.observer, {false, rig.backups.path(), "t"});
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
        rig.data.imageSize = 512;
        rig.data.image.fill(0);
        rig.data.state = DataSetState::Unchanged;
        class Breaking : public RecordingObserver {
          public:
            explicit Breaking(SimulatedEeprom& e) : eeprom(e) {}
            void ShowLine(TransferLine line, const Message& text) override {
                RecordingObserver::ShowLine(line, text);
                if (line == TransferLine::Status2 && text.text == txt::kBackupSaved.number) {
                    eeprom.faults().noAck = AckFault::WriteData;
                }
            }
            SimulatedEeprom& eeprom;
        } observer(rig.sim.eeprom);
        const WriteReport report =
            rig.engine.WriteCamPac(observer, {false, rig.backups.path(), "t"});
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

// A backup read that fails says why and does not claim to have been cancelled; the module
// keeps its bytes.
TEST(TransferFaults, WriteWhoseBackupReadFailsIsNotShownAsCancelled) {
    Rig rig(AdapterKind::Usb);
    const std::vector<Byte> before = rig.sim.eeprom.memory();
    rig.data.image.fill(0);
    class Breaking : public RecordingObserver {
      public:
        explicit Breaking(SimulatedUsbFirmware& f) : firmware(f) {}
        void SetProgressRange(int maximum) override {
            RecordingObserver::SetProgressRange(maximum);
            firmware.faults().neverReady = true;
        }
        SimulatedUsbFirmware& firmware;
    } observer(rig.sim.hid.firmware());
    const WriteReport report = rig.engine.WriteCamPac(observer, {false, rig.backups.path(), "t"});
    EXPECT_EQ(report.outcome, TransferOutcome::Failed);
    EXPECT_EQ(rig.dialogs.ShownNumbers(), std::vector<int>{txt::kUsbNoReadyAnswer.number});
    EXPECT_NE(observer.Line(TransferLine::Status2).text, txt::kCancelled.number);
    EXPECT_EQ(rig.sim.eeprom.memory(), before);
    EXPECT_FALSE(observer.running);
}

// An adapter whose firmware has no write command leaves its last answer ready: that is
// no confirmation of a write, and nothing counts as written.
TEST(TransferFaults, UsbAnswerThatIsNotTheWriteAnswerStopsTheWrite) {
    Rig rig(AdapterKind::Usb);
    const std::vector<Byte> before = rig.sim.eeprom.memory();
    rig.sim.hid.firmware().faults().noWriteCommand = true;
    rig.data.image.fill(0);
    const WriteReport report =
        rig.engine.WriteCamPac(rig.observer, {false, rig.backups.path(), "t"});
    EXPECT_EQ(report.outcome, TransferOutcome::Failed);
    EXPECT_EQ(report.bytesWritten, 0);
    ASSERT_FALSE(rig.dialogs.shown.empty());
    EXPECT_EQ(rig.dialogs.shown.back().text, txt::kUsbWriteRefused.number);
    EXPECT_EQ(rig.sim.eeprom.memory(), before);
}

TEST(TransferFaults, WriteCycleThatNeverEndsIsReported) {
    Rig rig(AdapterKind::Lpt, 256);
    rig.sim.eeprom.SetWriteCycleMicroseconds(1000000);
    rig.data.imageSize = 256;
    rig.data.image.fill(1);
    rig.data.state = DataSetState::Unchanged;
    const WriteReport report =
        rig.engine.WriteCamPac(rig.observer, {false, rig.backups.path(), "t"});
    EXPECT_EQ(report.outcome, TransferOutcome::Failed);
    EXPECT_EQ(rig.dialogs.shown.back().text, txt::kWriteCycleTimeout.number);
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
