#include <ostream>

#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "dataset/DataSetFiles.h"
#include "dataset/Version2Import.h"

namespace {

constexpr const char* kUsage = "usage: keplund-cli import-v2 IN OUT.rom [--json] [--lang NAME]\n";

}  // namespace

int RunImportV2Command(const std::vector<std::string>& words,
                       const std::filesystem::path& programFolder, std::ostream& out,
                       std::ostream& err) {
    DataCommandRun run(words, {}, {}, programFolder, out, err);
    if (const auto status = run.Open(run.positionalCount() == 2, kUsage)) {
        return *status;
    }
    if (const auto failed = run.FailureOf(
            ReadVersion2File(run.positional(0), run.data(), run.cli().session.catalogue))) {
        return *failed;
    }
    if (const auto failed = run.FailureOf(WriteDataSetFile(run.positional(1), run.data()))) {
        return *failed;
    }
    run.PrintDataSetSummary();
    return 0;
}
