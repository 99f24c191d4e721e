#include <ostream>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "dataset/TextExport.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli export IN.rom OUT.txt --dec|--hex [--json] [--lang NAME]\n";

}  // namespace

int RunExportCommand(const std::vector<std::string>& words,
                     const std::filesystem::path& programFolder, std::ostream& out,
                     std::ostream& err) {
    const Arguments args(words, {"--json", "--dec", "--hex"}, {"--lang"});
    if (!args.ok() || args.positional().size() != 2 || args.Has("--dec") == args.Has("--hex")) {
        err << kUsage;
        return 2;
    }
    CliSession cli(programFolder);
    if (!cli.Open(args.Value("--lang"), err)) {
        return 1;
    }
    const bool json = args.Has("--json");
    if (const auto failed = LoadOrReport(cli, args.positional()[0], json, out, err)) {
        return *failed;
    }
    const ExportFormat format =
        args.Has("--hex") ? ExportFormat::Hexadecimal : ExportFormat::Decimal;
    if (const Status written = ExportText(args.positional()[1], cli.session.data, format);
        !written) {
        return ReportMessage(cli, written.error(), json, out, err);
    }
    if (json) {
        out << "{}\n";
    }
    return 0;
}
