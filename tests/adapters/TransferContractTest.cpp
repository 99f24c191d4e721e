#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "adapters/TransferRig.h"

// One contract for both adapter paths: the LPT bus with the simulated EEPROM, and the USB
// protocol with the simulated firmware. Every size, read, compare and write round trips.

namespace {

std::vector<Byte> ModuleImage(int size) {
    return HeaderedImage(size, SizeCodeOf(size), 0x0002);
}

using Rig = TransferRig;

class Contract : public ::testing::TestWithParam<std::tuple<AdapterKind, int>> {
  protected:
    AdapterKind kind() const { return std::get<0>(GetParam()); }
    int size() const { return std::get<1>(GetParam()); }
};

TEST_P(Contract, ReadFillsTheDataSetWithEveryByte) {
    const std::vector<Byte> image = ModuleImage(size());
    Rig rig(kind(), image);
    EXPECT_EQ(rig.engine.DetectCamPacSize(), size());
    RecordingObserver observer;
    EXPECT_EQ(rig.engine.ReadCamPac(observer, false), TransferOutcome::Done);
    EXPECT_EQ(rig.data.imageSize, size());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), rig.data.image.begin()));
    EXPECT_EQ(rig.data.typeName, "FC18V3    ");
    EXPECT_EQ(rig.data.state, DataSetState::Unchanged);
    EXPECT_FALSE(observer.running);
    EXPECT_EQ(observer.caption.text, txt::kReadButtonIdle.number);
    EXPECT_EQ(observer.progressMaximum, size());
    EXPECT_EQ(observer.Line(TransferLine::Status2).text, txt::kFinished.number);
    EXPECT_FALSE(rig.sim.usb.IsOpen());
    // The progress only grows, never beyond the size, and ends full.
    ASSERT_FALSE(observer.progress.empty());
    EXPECT_TRUE(std::is_sorted(observer.progress.begin(), observer.progress.end()));
    EXPECT_EQ(observer.progress.back(), size());
    // A 256-byte image has no size code, which identification reports.
    EXPECT_EQ(rig.dialogs.shown.size(), size() == 256 ? 1u : 0u);
}

TEST_P(Contract, CompareListsEveryDifferingByteInAddressOrder) {
    const std::vector<Byte> image = ModuleImage(size());
    Rig rig(kind(), image);
    std::vector<Byte> changed = image;
    const int last = size() - 1;
    const int mid = size() / 2 + 1;
    changed[17] = static_cast<Byte>(image[17] + 1);
    changed[mid] = static_cast<Byte>(image[mid] ^ 0x80);
    changed[static_cast<std::size_t>(last)] = static_cast<Byte>(image[last] ^ 0x01);
    rig.LoadDataSet(changed);
    RecordingObserver observer;
    const CompareResult result = rig.engine.CompareCamPac(observer, TransferPage::Save);
    EXPECT_EQ(result.outcome, TransferOutcome::Done);
    EXPECT_EQ(result.differences, 3);
    EXPECT_FALSE(result.equal());
    auto line = [](int n, int address, int pc, int chip) {
        char text[80];
        std::snprintf(text, sizeof text, "%d. Byte %d PC: %03d Chip: %03d", n, address, pc, chip);
        return std::string(text);
    };
    ASSERT_EQ(observer.list.size(), 4u);
    EXPECT_EQ(observer.list[0].literal, line(1, 17, changed[17], image[17]));
    EXPECT_EQ(observer.list[1].literal, line(2, mid, changed[mid], image[mid]));
    EXPECT_EQ(observer.list[2].literal, line(3, last, changed[last], image[last]));
    EXPECT_EQ(observer.list[3].text, txt::kCompareSummary.number);
    EXPECT_EQ(std::get<long long>(observer.list[3].arguments[0]), 3);
    EXPECT_EQ(observer.caption.text, txt::kCompareButtonIdle.number);
    // Equal contents give only the summary, with 0.
    rig.LoadDataSet(image);
    RecordingObserver again;
    EXPECT_TRUE(rig.engine.CompareCamPac(again, TransferPage::GetData).equal());
    ASSERT_EQ(again.list.size(), 1u);
    EXPECT_EQ(std::get<long long>(again.list[0].arguments[0]), 0);
}

TEST_P(Contract, WriteStoresTheDataSetVerifiesAndKeepsABackup) {
    const std::vector<Byte> before = ModuleImage(size());
    Rig rig(kind(), before);
    std::vector<Byte> wanted(before.rbegin(), before.rend());
    rig.LoadDataSet(wanted);
    const WriteReport report = rig.Write(false);
    EXPECT_EQ(report.outcome, TransferOutcome::Done);
    EXPECT_TRUE(report.verified);
    EXPECT_EQ(report.bytesWritten, size());
    EXPECT_EQ(rig.sim.eeprom.memory(), wanted);
    // The backup is a CamPac file of the module as it was.
    CamPacData backup;
    ASSERT_TRUE(ReadDataSetFile(report.backupPath, backup, rig.catalogue).status.ok());
    EXPECT_EQ(backup.imageSize, size());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), backup.image.begin()));
    EXPECT_EQ(report.backupPath.parent_path(), rig.backups.path());
}

TEST_P(Contract, OnlyChangesWritesOnlyTheDifferingPages) {
    const std::vector<Byte> before = ModuleImage(size());
    Rig rig(kind(), before);
    std::vector<Byte> wanted = before;
    for (int address : {7, 8, size() / 2 + 3, size() - 1}) {
        wanted[static_cast<std::size_t>(address)] ^= 0x5A;
    }
    rig.LoadDataSet(wanted);
    const WriteReport report = rig.Write(true);
    EXPECT_EQ(report.outcome, TransferOutcome::Done);
    EXPECT_EQ(report.bytesWritten, 4 * 8);  // pages 0, 1, the middle one and the last
    EXPECT_EQ(rig.sim.eeprom.memory(), wanted);
    // A second write finds nothing to do.
    const WriteReport again = rig.Write(true);
    EXPECT_EQ(again.outcome, TransferOutcome::Done);
    EXPECT_EQ(again.bytesWritten, 0);
}

TEST_P(Contract, TheBackupRestoresTheModule) {
    const std::vector<Byte> before = ModuleImage(size());
    Rig rig(kind(), before);
    rig.LoadDataSet(std::vector<Byte>(static_cast<std::size_t>(size()), 0x00));
    const WriteReport report = rig.Write(true);
    ASSERT_EQ(report.outcome, TransferOutcome::Done);
    ASSERT_TRUE(ReadDataSetFile(report.backupPath, rig.data, rig.catalogue).status.ok());
    rig.data.state = DataSetState::Unchanged;
    ASSERT_EQ(rig.Write(true).outcome, TransferOutcome::Done);
    EXPECT_EQ(rig.sim.eeprom.memory(), before);
}

// Two writes within the same second keep both backups: the second is numbered.
TEST(Backups, ASecondWriteInTheSameSecondGetsItsOwnName) {
    const std::vector<Byte> first = ModuleImage(256);
    Rig rig(AdapterKind::Usb, first);
    std::vector<Byte> second(first.rbegin(), first.rend());
    rig.LoadDataSet(second);
    const WriteReport one = rig.Write(false);
    rig.LoadDataSet(first);
    const WriteReport two = rig.Write(false);
    ASSERT_EQ(one.outcome, TransferOutcome::Done);
    ASSERT_EQ(two.outcome, TransferOutcome::Done);
    EXPECT_EQ(one.backupPath.filename(), "campac-20260102-030405.rom");
    EXPECT_EQ(two.backupPath.filename(), "campac-20260102-030405-2.rom");
    CamPacData kept;
    ASSERT_TRUE(ReadDataSetFile(one.backupPath, kept, rig.catalogue).status.ok());
    EXPECT_TRUE(std::equal(first.begin(), first.end(), kept.image.begin()));
    ASSERT_TRUE(ReadDataSetFile(two.backupPath, kept, rig.catalogue).status.ok());
    EXPECT_TRUE(std::equal(second.begin(), second.end(), kept.image.begin()));
}

// A new or erased module, or one of no known transmitter, is written too: its backup
// keeps its bytes as they are.
TEST_P(Contract, WritesOntoAModuleOfNoKnownType) {
    for (Byte fill : {Byte{0xFF}, Byte{0x00}, Byte{0x5A}}) {
        SCOPED_TRACE(static_cast<int>(fill));
        const std::vector<Byte> before(static_cast<std::size_t>(size()), fill);
        Rig rig(kind(), before);
        const std::vector<Byte> wanted = ModuleImage(size());
        rig.LoadDataSet(wanted);
        const WriteReport report = rig.Write(true);
        EXPECT_EQ(report.outcome, TransferOutcome::Done);
        EXPECT_EQ(rig.sim.eeprom.memory(), wanted);
        CamPacData backup;
        ASSERT_TRUE(ReadDataSetFile(report.backupPath, backup, rig.catalogue).status.ok());
        EXPECT_TRUE(std::equal(before.begin(), before.end(), backup.image.begin()));
    }
}

TEST_P(Contract, FlippedBitIsFoundByCompareAndByVerify) {
    const std::vector<Byte> image = ModuleImage(size());
    Rig rig(kind(), image);
    const int address = size() - 100;
    rig.sim.eeprom.faults().flipAddress = address;
    rig.sim.eeprom.faults().flipMask = 0x10;
    rig.LoadDataSet(image);
    RecordingObserver observer;
    const CompareResult compared = rig.engine.CompareCamPac(observer, TransferPage::Save);
    EXPECT_EQ(compared.differences, 1);

    std::vector<Byte> wanted = image;
    wanted[static_cast<std::size_t>(address)] ^= 0x01;
    rig.LoadDataSet(wanted);
    const WriteReport report = rig.Write(true);
    EXPECT_EQ(report.outcome, TransferOutcome::Failed);
    EXPECT_FALSE(report.verified);
    EXPECT_EQ(report.verifyFailures, 1);
    ASSERT_FALSE(rig.dialogs.shown.empty());
    const Message& said = rig.dialogs.shown.back();
    EXPECT_EQ(said.text, txt::kWriteVerifyFailed.number);
    EXPECT_EQ(said.arguments,
              (std::vector<MessageArgument>{static_cast<long long>(report.bytesWritten), 1LL}));
    ASSERT_EQ(said.continuation.size(), 1u);
    EXPECT_EQ(said.continuation[0].text, txt::kWriteStopped.number);
    EXPECT_EQ(std::get<std::string>(said.continuation[0].arguments[1]), report.backupPath.string());
}

TEST_P(Contract, CancelMidwayLeavesTheDataSetNotValid) {
    Rig rig(kind(), ModuleImage(size()));
    RecordingObserver observer;
    observer.cancelAtPump = 2;
    EXPECT_EQ(rig.engine.ReadCamPac(observer, false), TransferOutcome::Cancelled);
    EXPECT_EQ(rig.data.state, DataSetState::None);
    EXPECT_EQ(rig.data.imageSize, 0);
    EXPECT_EQ(observer.Line(TransferLine::Status2).text, txt::kCancelled.number);
    EXPECT_EQ(observer.caption.text, txt::kReadButtonIdle.number);
}

TEST_P(Contract, CancelledWriteSaysHowToRestore) {
    const std::vector<Byte> before = ModuleImage(size());
    Rig rig(kind(), before);
    std::vector<Byte> wanted(static_cast<std::size_t>(size()), 0x33);
    rig.LoadDataSet(wanted);
    RecordingObserver observer;
    // The backup takes one pump per byte (LPT) or per answer (USB); cancel in the writes.
    const int backupPumps = kind() == AdapterKind::Lpt ? size() : (size() + 111) / 112;
    observer.cancelAtPump = backupPumps + 1;
    const WriteReport report = rig.Write(true, observer);
    EXPECT_EQ(report.outcome, TransferOutcome::Cancelled);
    EXPECT_GT(report.bytesWritten, 0);
    EXPECT_LT(report.bytesWritten, size());
    ASSERT_FALSE(report.backupPath.empty());
    ASSERT_FALSE(rig.dialogs.shown.empty());
    EXPECT_EQ(rig.dialogs.shown.back().text, txt::kCancelled.number);
    // Restoring from the backup puts back every byte.
    ASSERT_TRUE(ReadDataSetFile(report.backupPath, rig.data, rig.catalogue).status.ok());
    rig.data.state = DataSetState::Unchanged;
    ASSERT_EQ(rig.Write(true).outcome, TransferOutcome::Done);
    EXPECT_EQ(rig.sim.eeprom.memory(), before);
}

TEST_P(Contract, CompareWithAnotherSizeEndsBeforeAnyByte) {
    Rig rig(kind(), ModuleImage(size()));
    rig.LoadDataSet(ModuleImage(size() == 256 ? 512 : 256));
    RecordingObserver observer;
    EXPECT_EQ(rig.engine.CompareCamPac(observer, TransferPage::Save).outcome,
              TransferOutcome::Failed);
    EXPECT_TRUE(observer.list.empty());
    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    const Message& said = rig.dialogs.shown[0];
    EXPECT_EQ(said.text, txt::kSizesDiffer.number);
    ASSERT_EQ(said.continuation.size(), 1u);
    EXPECT_EQ(said.continuation[0].text, txt::kSizesDifferDetail.number);
    EXPECT_EQ(std::get<long long>(said.continuation[0].arguments[1]), size());
    EXPECT_EQ(observer.Line(TransferLine::Status1).text, txt::kSizesDifferStatus1.number);
    EXPECT_EQ(observer.Line(TransferLine::Status2).text, txt::kSizesDifferStatus2.number);
}

TEST_P(Contract, WriteRefusesAnotherSizeAndWritesNothing) {
    const std::vector<Byte> before = ModuleImage(size());
    Rig rig(kind(), before);
    rig.LoadDataSet(std::vector<Byte>(static_cast<std::size_t>(size() == 256 ? 512 : 256), 0));
    EXPECT_EQ(rig.Write(false).outcome, TransferOutcome::Failed);
    EXPECT_EQ(rig.sim.eeprom.memory(), before);
    EXPECT_TRUE(std::filesystem::is_empty(rig.backups.path()));
}

INSTANTIATE_TEST_SUITE_P(BothAdapters, Contract,
                         ::testing::Combine(::testing::Values(AdapterKind::Lpt, AdapterKind::Usb),
                                            ::testing::Values(256, 512, 1024, 2048, 8192)),
                         [](const auto& param) {
                             return std::string(std::get<0>(param.param) == AdapterKind::Lpt
                                                    ? "Lpt"
                                                    : "Usb") +
                                    std::to_string(std::get<1>(param.param));
                         });

}  // namespace
