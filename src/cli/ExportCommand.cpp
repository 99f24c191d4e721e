#include <ostream>

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
    DataCommandRun run(words, {"--dec", "--hex"}, {}, programFolder, out, err);
    const bool fits =
        run.positionalCount() == 2 && run.args().Has("--dec") != run.args().Has("--hex");
    if (const auto status = run.Open(fits, kUsage)) {
        return *status;
    }
    if (const auto failed = run.Load(run.positional(0))) {
        return *failed;
    }
    const ExportFormat format =
        run.args().Has("--hex") ? ExportFormat::Hexadecimal : ExportFormat::Decimal;
    if (const auto failed = run.FailureOf(ExportText(run.positional(1), run.data(), format))) {
        return *failed;
    }
    return run.Done();
}
