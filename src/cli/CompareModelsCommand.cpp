#include <ostream>

#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "cli/Json.h"
#include "dataset/ModelDirectory.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli compare-models FILE MODEL OTHER [--json] [--lang NAME]\n"
    "  MODEL, OTHER: model numbers, 1 for the first model\n";

}  // namespace

int RunCompareModelsCommand(const std::vector<std::string>& words,
                            const std::filesystem::path& programFolder, std::ostream& out,
                            std::ostream& err) {
    DataCommandRun run(words, {}, {}, programFolder, out, err);
    const ModelArgument model = run.OpenModel(run.positionalCount() == 3, kUsage);
    if (!model.index) {
        return model.status;
    }
    const auto compared = CompareModels(run.data(), *model.index, run.positional(2));
    if (!compared) {
        return run.Fail(compared.error());
    }
    if (run.json()) {
        JsonWriter w;
        w.BeginObject().Key("differences").Number(compared.value().differences).EndObject();
        out << w.Text() << "\n";
    } else {
        out << run.cli().dialogs.Render(compared.value().message).message << "\n";
    }
    return 0;
}
