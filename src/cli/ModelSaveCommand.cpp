#include <ostream>

#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "dataset/DataSetFiles.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli model-save FILE MODEL OUT.mdl [--json] [--lang NAME]\n"
    "  MODEL: the model number, 1 for the first model\n";

}  // namespace

int RunModelSaveCommand(const std::vector<std::string>& words,
                        const std::filesystem::path& programFolder, std::ostream& out,
                        std::ostream& err) {
    DataCommandRun run(words, {}, {}, programFolder, out, err);
    const ModelArgument model = run.OpenModel(run.positionalCount() == 3, kUsage);
    if (!model.index) {
        return model.status;
    }
    if (const auto failed =
            run.FailureOf(WriteModelFile(run.positional(2), *model.index, run.data()))) {
        return *failed;
    }
    return run.Done();
}
