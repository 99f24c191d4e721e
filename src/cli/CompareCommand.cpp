#include "cli/CompareCommand.h"

#include <ostream>

#include "cli/Json.h"
#include "cli/TransferCli.h"

namespace {

const std::string kUsage = std::string("usage: keplund-cli compare FILE.rom ") +
                           kAdapterOptionsUsage + " [--json] [--lang NAME]\n";

}  // namespace

int RunCompareCommand(const std::vector<std::string>& words,
                      const std::filesystem::path& programFolder, std::ostream& out,
                      std::ostream& err) {
    return RunCompareCommand(words, programFolder, out, err, HardwareMachine{});
}

int RunCompareCommand(const std::vector<std::string>& words,
                      const std::filesystem::path& programFolder, std::ostream& out,
                      std::ostream& err, const HardwareMachine& machine) {
    TransferCli transfer(words, {}, kUsage, programFolder, machine);
    if (const std::optional<int> status = transfer.Open(out, err)) {
        return *status;
    }
    if (const std::optional<int> failed = transfer.LoadFile(out, err)) {
        return *failed;
    }
    transfer.MarkStart();
    const CompareResult result =
        transfer.engine().CompareCamPac(transfer.observer(), TransferPage::Save);
    if (result.outcome != TransferOutcome::Done) {
        return transfer.Fail(out, err);
    }
    transfer.EndProgress();
    const std::vector<std::string> lines = transfer.ListLines();
    if (transfer.json()) {
        JsonWriter w;
        w.BeginObject();
        w.Key("differences").Number(result.differences);
        w.Key("lines").BeginArray();
        for (const std::string& line : lines) {
            w.String(line);
        }
        w.EndArray();
        w.EndObject();
        out << w.Text() << "\n";
    } else {
        for (const std::string& line : lines) {
            out << line << "\n";
        }
        out << transfer.cli()
                   .dialogs
                   .Render(Message::Numbered(txt::kCompareSummary,
                                             {static_cast<long long>(result.differences)}))
                   .message
            << "\n";
    }
    return result.differences == 0 ? 0 : 1;
}
