#include <ostream>

#include "cli/Arguments.h"
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
    if (const Status written = WriteModelFile(args.positional()[2], *model.index, cli.session.data);
        !written) {
        return ReportMessage(cli, written.error(), json, out, err);
    }
    if (json) {
        out << "{}\n";
    }
    return 0;
}
