#include <ostream>

#include "cli/Arguments.h"
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
    const Arguments args(words, {"--json"}, {"--lang"});
    if (!args.ok() || args.positional().size() != 3) {
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
    const ModelArgument model = ModelOrReport(cli, args.positional()[1], json, out, err);
    if (!model.index) {
        return model.status;
    }
    const auto compared = CompareModels(cli.session.data, *model.index, args.positional()[2]);
    if (!compared) {
        return ReportMessage(cli, compared.error(), json, out, err);
    }
    if (json) {
        JsonWriter w;
        w.BeginObject().Key("differences").Number(compared.value().differences).EndObject();
        out << w.Text() << "\n";
    } else {
        out << cli.dialogs.Render(compared.value().message).message << "\n";
    }
    return 0;
}
