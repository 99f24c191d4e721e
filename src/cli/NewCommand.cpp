#include <array>
#include <ostream>
#include <string_view>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "cli/Json.h"
#include "common/TextToInt.h"
#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli new TYPE SIZE OUT.rom [--json] [--lang NAME]\n"
    "  TYPE: FC16, FC18V3, FX18V1/2, FF9 or FF10; SIZE: 512, 1024, 2048 or 8192 (bytes)\n";

struct OfferedType {
    std::string_view shown;
    std::string_view typeName;
};

// The types a new image can be made for, as the get-data page offers them.
constexpr std::array<OfferedType, 5> kOfferedTypes{{
    {"FC16", "FC16      "},
    {"FC18V3", "FC18V3    "},
    {"FX18V1/2", "FX18V1/2  "},
    {"FF9", "FF9       "},
    {"FF10", "FF10      "},
}};

std::string_view TypeNameOf(std::string_view shown) {
    for (const OfferedType& type : kOfferedTypes) {
        if (type.shown == shown) {
            return type.typeName;
        }
    }
    return {};
}

bool IsOfferedSize(std::string_view typed) {
    return typed == "512" || typed == "1024" || typed == "2048" || typed == "8192";
}

}  // namespace

int RunNewCommand(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
                  std::ostream& out, std::ostream& err) {
    const Arguments args(words, {"--json"}, {"--lang"});
    if (!args.ok() || args.positional().size() != 3 || TypeNameOf(args.positional()[0]).empty() ||
        !IsOfferedSize(args.positional()[1])) {
        err << kUsage;
        return 2;
    }
    CliSession cli(programFolder);
    if (!cli.Open(args.Value("--lang"), err)) {
        return 1;
    }
    const bool json = args.Has("--json");
    CamPacData& data = cli.session.data;
    if (const Status made =
            InitialiseImage(data, cli.session.catalogue, TypeNameOf(args.positional()[0]),
                            TextToInt(args.positional()[1]));
        !made) {
        return ReportMessage(cli, made.error(), json, out, err);
    }
    if (const Status written = WriteDataSetFile(args.positional()[2], data); !written) {
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
