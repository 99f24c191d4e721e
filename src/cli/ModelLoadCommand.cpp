#include <ostream>

#include "cli/Arguments.h"
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
    const Arguments args(words, {"--json"}, {"--lang"});
    if (!args.ok() || args.positional().size() != 4) {
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
    CamPacData& data = cli.session.data;
    if (const Status loaded = LoadModelFile(args.positional()[2], data, *model.index); !loaded) {
        return ReportMessage(cli, loaded.error(), json, out, err);
    }
    if (const Status written = WriteDataSetFile(args.positional()[3], data); !written) {
        return ReportMessage(cli, written.error(), json, out, err);
    }
    if (json) {
        out << "{}\n";
    }
    return 0;
}
