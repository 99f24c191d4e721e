#include "cli/WriteCommand.h"
#include "adapters/BackupFolder.h"

#include <ostream>

#include "cli/Json.h"
#include "cli/TransferCli.h"

namespace {

const std::string kUsage =
    std::string("usage: keplund-cli write FILE.rom [--only-changes] [--backups DIR] ") +
    kAdapterOptionsUsage + " [--json] [--lang NAME]\n";

}  // namespace

int RunWriteCommand(const std::vector<std::string>& words,
                    const std::filesystem::path& programFolder, std::ostream& out,
                    std::ostream& err) {
    return RunWriteCommand(words, programFolder, out, err, HardwareMachine{});
}

int RunWriteCommand(const std::vector<std::string>& words,
                    const std::filesystem::path& programFolder, std::ostream& out,
                    std::ostream& err, const HardwareMachine& machine) {
    TransferCli transfer(words, {"--only-changes"}, kUsage, programFolder, machine);
    if (const std::optional<int> status = transfer.Open(out, err)) {
        return *status;
    }
    if (const std::optional<int> failed = transfer.LoadFile(out, err)) {
        return *failed;
    }
    transfer.MarkStart();
    const WriteReport report = transfer.engine().WriteCamPac(
        transfer.observer(),
        {transfer.args().Has("--only-changes"), transfer.BackupFolder(), BackupTimestamp()});
    // The module may have changed even when the write failed part of the way.
    const bool done = report.outcome == TransferOutcome::Done;
    if (!transfer.SaveSimulatedImage(done, err) || !done) {
        return transfer.Fail(out, err);
    }
    transfer.EndProgress();
    if (transfer.json()) {
        JsonWriter w;
        w.BeginObject();
        w.Key("bytesWritten").Number(report.bytesWritten);
        w.Key("verified").Bool(report.verified);
        w.Key("backup").String(report.backupPath.string());
        w.EndObject();
        out << w.Text() << "\n";
    } else {
        const CliDialogs& dialogs = transfer.cli().dialogs;
        out << dialogs
                   .Render(Message::Numbered(txt::kWriteVerified,
                                             {static_cast<long long>(report.bytesWritten)}))
                   .message
            << " "
            << dialogs.Render(Message::Numbered(txt::kBackupSaved, {report.backupPath.string()}))
                   .message
            << "\n";
    }
    return 0;
}
