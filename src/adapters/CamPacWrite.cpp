#include <algorithm>
#include <system_error>

#include "adapters/CamPacAddressing.h"
#include "adapters/TransferEngine.h"
#include "adapters/TransferTimer.h"
#include "common/TextFormat.h"
#include "dataset/DataSetFiles.h"

// Writing a CamPac: the module's content is read and kept as a CamPac file first, so a
// failed or interrupted write can always be undone; then the pages are written (only the
// differing ones when asked) and every written byte is read back.

namespace {

constexpr int kMaxBackupNameTries = 100;

Message Text(NumberedText numbered) {
    return Message::Numbered(numbered);
}

Message Error(NumberedText numbered) {
    return Message::Numbered(numbered, {}, MessageIcon::Stop);
}

Message BackupLine(const std::filesystem::path& backup) {
    return Message::Numbered(txt::kBackupSaved, {backup.string()});
}

Message ByteStatus(int address, Byte value) {
    return Message::Numbered(txt::kByteStatus,
                             {static_cast<long long>(address), static_cast<long long>(value)});
}

// The runs to write: whole 8-byte pages, joined while they follow each other, up to the
// adapter's limit per run (one page on the parallel port, 112 bytes on USB).
struct Run {
    int start;
    int count;
};

std::vector<Run> PlanRuns(std::span<const Byte> wanted, std::span<const Byte> module,
                          bool onlyChanges, int runLimit) {
    std::vector<Run> runs;
    const int size = static_cast<int>(wanted.size());
    for (int page = 0; page < size; page += campac::kWritePage) {
        bool differs = !onlyChanges;
        for (int i = page; i < page + campac::kWritePage && !differs; ++i) {
            differs = wanted[static_cast<std::size_t>(i)] != module[static_cast<std::size_t>(i)];
        }
        if (!differs) {
            continue;
        }
        if (!runs.empty() && runs.back().start + runs.back().count == page &&
            runs.back().count + campac::kWritePage <= runLimit) {
            runs.back().count += campac::kWritePage;
        } else {
            runs.push_back({page, campac::kWritePage});
        }
    }
    return runs;
}

// "campac-TIMESTAMP.rom", then "campac-TIMESTAMP-2.rom" and on while the name is taken.
// Appended piece by piece: GCC 12 at -O3 takes `"-" + std::to_string(n)` for an
// overlapping copy and stops the build on a false -Wrestrict.
std::string BackupFileName(const std::string& timestamp, int n) {
    std::string name = "campac-";
    name += timestamp;
    if (n > 1) {
        name += '-';
        name += std::to_string(n);
    }
    name += ".rom";
    return name;
}

}  // namespace

std::optional<std::filesystem::path> TransferEngine::SaveBackup(const std::vector<Byte>& module,
                                                                const WriteOptions& options,
                                                                std::string& problem) {
    CamPacData backup;
    CopyBytes(backup.image, 0, module, 0, module.size());
    backup.imageSize = static_cast<int>(module.size());
    IdentifyFromImage(backup, catalogue_);
    backup.state = DataSetState::Unchanged;
    std::error_code error;
    std::filesystem::create_directories(options.backupFolder, error);
    std::filesystem::path path;
    for (int n = 1; n <= kMaxBackupNameTries; ++n) {
        path = options.backupFolder / BackupFileName(options.timestamp, n);
        if (!std::filesystem::exists(path, error)) {
            break;
        }
    }
    problem = path.string();
    if (!WriteDataSetFile(path, backup)) {
        return std::nullopt;
    }
    // The backup is only worth its name if it reads back as the module's bytes.
    CamPacData check;
    const DataSetFileRead read = ReadDataSetFile(path, check, catalogue_);
    if (!read.status || check.imageSize != backup.imageSize ||
        !std::equal(module.begin(), module.end(), check.image.begin())) {
        return std::nullopt;
    }
    return path;
}

WriteReport TransferEngine::WriteEnd(TransferObserver& observer, WriteReport report) {
    module_.Disconnect();
    observer.SetRunning(false);
    observer.SetCaption(Text(txt::kWriteButtonIdle));
    if (report.failure) {
        Message shown = *report.failure;
        if (!report.backupPath.empty()) {
            shown.suffix += "\r\n";
            shown.continuation.push_back(Message::Numbered(
                txt::kWriteStopped,
                {static_cast<long long>(report.bytesWritten), report.backupPath.string()}));
        }
        dialogs_.Show(shown);
    }
    return report;
}

WriteReport TransferEngine::WriteCamPac(TransferObserver& observer, const WriteOptions& options) {
    observer.ClearList();
    WriteReport report;
    if (!observer.Running()) {
        report.outcome = TransferOutcome::Cancelled;
        return report;
    }
    if (data_.state == DataSetState::None || !campac::IsSize(data_.imageSize)) {
        report.failure = Error(txt::kNoValidDataSet);
        return WriteEnd(observer, report);
    }
    observer.ShowLine(TransferLine::Status1, Text(txt::kAddressingAdapter));
    observer.ShowLine(TransferLine::Status2, Message::Literal(""));
    if (!module_.Connect()) {
        observer.ShowLine(TransferLine::Status1, Text(txt::kAdapterNotAnswering));
        observer.ShowLine(TransferLine::Status2, Text(txt::kCheckAdapter));
        report.failure = module_.ConnectFailure();
        return WriteEnd(observer, report);
    }
    const int size = module_.DetectCamPacSize();
    if (size != data_.imageSize) {
        observer.ShowLine(TransferLine::Status1, Text(txt::kSizesDifferStatus1));
        observer.ShowLine(TransferLine::Status2, Text(txt::kSizesDifferStatus2));
        report.failure = Error(txt::kSizesDiffer)
                             .FollowedBy(Message::Numbered(txt::kSizesDifferDetail,
                                                           {static_cast<long long>(data_.imageSize),
                                                            static_cast<long long>(size)}));
        return WriteEnd(observer, report);
    }
    observer.SetCaption(Text(txt::kButtonRunning));
    const Timer timer(clock_);
    const auto checkpoint = [&](int progress) { return Checkpoint(observer, progress, timer); };

    // 1. The backup.
    observer.ShowLine(TransferLine::Status1, Text(txt::kReadingBackup));
    observer.SetProgressRange(size);
    std::vector<Byte> module(static_cast<std::size_t>(size), kErasedByte);
    PassResult pass = module_.ReadPass(
        size, {}, false,
        [&](int address, Byte value) {
            module[static_cast<std::size_t>(address)] = value;
            observer.ShowLine(TransferLine::Status2, ByteStatus(address, value));
        },
        checkpoint);
    if (pass.end != PassEnd::Done) {
        if (pass.end == PassEnd::Cancelled) {
            report.outcome = TransferOutcome::Cancelled;
            observer.ShowLine(TransferLine::Status2, Text(txt::kCancelled));
        }
        report.failure = pass.failure;
        return WriteEnd(observer, report);
    }
    std::string backupProblem;
    const std::optional<std::filesystem::path> backup = SaveBackup(module, options, backupProblem);
    if (!backup) {
        report.failure = Message::Numbered(txt::kBackupFailed, {backupProblem}, MessageIcon::Stop);
        return WriteEnd(observer, report);
    }
    report.backupPath = *backup;
    observer.ShowLine(TransferLine::Status2, BackupLine(*backup));

    // 2. The pages.
    const std::span<const Byte> wanted(data_.image.data(), static_cast<std::size_t>(size));
    const std::vector<Run> runs = PlanRuns(wanted, module, options.onlyChanges, module_.RunLimit());
    observer.ShowLine(TransferLine::Status1, Text(txt::kWriting));
    std::vector<int> written;
    for (const Run& run : runs) {
        const Status status = module_.WriteRun(size, run.start,
                                               wanted.subspan(static_cast<std::size_t>(run.start),
                                                              static_cast<std::size_t>(run.count)));
        if (!status) {
            report.failure = status.error();
            return WriteEnd(observer, report);
        }
        for (int a = run.start; a < run.start + run.count; ++a) {
            written.push_back(a);
            observer.ShowLine(TransferLine::Status2,
                              ByteStatus(a, wanted[static_cast<std::size_t>(a)]));
        }
        report.bytesWritten += run.count;
        report.pagesWritten += run.count / campac::kWritePage;
        if (!checkpoint(run.start + run.count)) {
            observer.ShowLine(TransferLine::Status2, Text(txt::kCancelled));
            report.outcome = TransferOutcome::Cancelled;
            report.failure = Text(txt::kCancelled);
            return WriteEnd(observer, report);
        }
    }

    // 3. The verify: every written byte read back.
    observer.ShowLine(TransferLine::Status1, Text(txt::kVerifying));
    std::vector<bool> isWritten(static_cast<std::size_t>(size), false);
    for (int a : written) {
        isWritten[static_cast<std::size_t>(a)] = true;
    }
    int failures = 0;
    if (!written.empty()) {
        pass = module_.ReadPass(
            size, written, false,
            [&](int address, Byte chip) {
                if (!isWritten[static_cast<std::size_t>(address)]) {
                    return;
                }
                const Byte pc = wanted[static_cast<std::size_t>(address)];
                observer.ShowLine(TransferLine::Status2, ByteStatus(address, chip));
                if (chip != pc) {
                    ++failures;
                    observer.AddListLine(Message::Literal(FormatText(
                        literal::kDifferenceLine,
                        {static_cast<long long>(failures), static_cast<long long>(address),
                         static_cast<long long>(pc), static_cast<long long>(chip)})));
                }
            },
            checkpoint);
        if (pass.end != PassEnd::Done) {
            report.outcome = pass.end == PassEnd::Cancelled ? TransferOutcome::Cancelled
                                                            : TransferOutcome::Failed;
            report.failure = pass.failure ? *pass.failure : Text(txt::kCancelled);
            return WriteEnd(observer, report);
        }
    }
    report.verifyFailures = failures;
    report.verified = failures == 0;
    observer.SetProgress(size);
    observer.ShowLine(TransferLine::Status2, Text(txt::kFinished));
    if (report.verified) {
        observer.AddListLine(
            Message::Numbered(txt::kWriteVerified, {static_cast<long long>(report.bytesWritten)}));
        report.outcome = TransferOutcome::Done;
    } else {
        const Message summary = Message::Numbered(
            txt::kWriteVerifyFailed,
            {static_cast<long long>(report.bytesWritten), static_cast<long long>(failures)},
            MessageIcon::Stop);
        observer.AddListLine(summary);
        report.failure = summary;
        report.outcome = TransferOutcome::Failed;
    }
    // The result names the backup that restores the module as it was before.
    observer.AddListLine(BackupLine(report.backupPath));
    return WriteEnd(observer, report);
}
