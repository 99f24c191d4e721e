#include "cli/ReadCommand.h"

#include <ostream>

#include "cli/CliTexts.h"
#include "cli/Json.h"
#include "cli/TransferCli.h"
#include "dataset/DataSetFiles.h"

namespace {

const std::string kUsage = std::string("usage: keplund-cli read OUT.rom ") + kAdapterOptionsUsage +
                           " [--json] [--lang NAME]\n";

}  // namespace

int RunReadCommand(const std::vector<std::string>& words,
                   const std::filesystem::path& programFolder, std::ostream& out,
                   std::ostream& err) {
    return RunReadCommand(words, programFolder, out, err, HardwareMachine{});
}

int RunReadCommand(const std::vector<std::string>& words,
                   const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err,
                   const HardwareMachine& machine) {
    TransferCli transfer(words, {}, kUsage, programFolder, machine);
    if (const std::optional<int> status = transfer.Open(out, err)) {
        return *status;
    }
    CamPacData& data = transfer.cli().session.data;
    transfer.MarkStart();
    if (transfer.engine().ReadCamPac(transfer.observer(), false) != TransferOutcome::Done) {
        return transfer.Fail(out, err);
    }
    transfer.EndProgress();
    if (const Status written = WriteDataSetFile(transfer.file(), data); !written) {
        transfer.cli().dialogs.Show(written.error());
        return transfer.Fail(out, err);
    }
    if (transfer.json()) {
        JsonWriter w;
        w.BeginObject();
        w.Key("file").String(transfer.file());
        w.Key("imageSize").Number(data.imageSize);
        w.Key("type").String(data.typeName);
        w.Key("modelCount").Number(data.modelCount);
        w.EndObject();
        out << w.Text() << "\n";
    } else {
        out << transfer.cli()
                   .dialogs
                   .Render(Message::Numbered(
                       txt::kCliReadSummary,
                       {static_cast<long long>(data.imageSize), data.typeName, transfer.file()}))
                   .message
            << "\n";
    }
    return 0;
}
