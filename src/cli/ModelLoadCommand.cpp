#include <ostream>

#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli model-load FILE MODEL IN.mdl OUT.rom [--json] [--lang NAME]\n"
    "  MODEL: the model number, 1 for the first model\n";

}  // namespace

int RunModelLoadCommand(const std::vector<std::string>& words,
                        const std::filesystem::path& programFolder, std::ostream& out,
                        std::ostream& err) {
    DataCommandRun run(words, {}, {}, programFolder, out, err);
    const ModelArgument model = run.OpenModel(run.positionalCount() == 4, kUsage);
    if (!model.index) {
        return model.status;
    }
    if (const auto failed =
            run.FailureOf(LoadModelFile(run.positional(2), run.data(), *model.index))) {
        return *failed;
    }
    if (const auto failed = run.FailureOf(WriteDataSetFile(run.positional(3), run.data()))) {
        return *failed;
    }
    return run.Done();
}
