#include <ostream>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "cli/Json.h"
#include "dataset/DataSetFiles.h"
#include "dataset/Version2Import.h"

namespace {

constexpr const char* kUsage = "usage: keplund-cli import-v2 IN OUT.rom [--json] [--lang NAME]\n";

}  // namespace

int RunImportV2Command(const std::vector<std::string>& words,
                       const std::filesystem::path& programFolder, std::ostream& out,
                       std::ostream& err) {
    const Arguments args(words, {"--json"}, {"--lang"});
    if (!args.ok() || args.positional().size() != 2) {
        err << kUsage;
        return 2;
    }
    CliSession cli(programFolder);
    if (!cli.Open(args.Value("--lang"), err)) {
        return 1;
    }
    const bool json = args.Has("--json");
    CamPacData& data = cli.session.data;
    if (const Status read = ReadVersion2File(args.positional()[0], data, cli.session.catalogue);
        !read) {
        return ReportMessage(cli, read.error(), json, out, err);
    }
    if (const Status written = WriteDataSetFile(args.positional()[1], data); !written) {
        return ReportMessage(cli, written.error(), json, out, err);
    }
    if (json) {
        JsonWriter w;
        w.BeginObject();
        w.Key("type").String(data.typeName);
        w.Key("imageSize").Number(data.imageSize);
        w.Key("modelCount").Number(data.modelCount);
        w.EndObject();
        out << w.Text() << "\n";
    } else {
        out << data.typeName << " " << data.imageSize << " bytes, " << data.modelCount
            << " models\n";
    }
    return 0;
}
