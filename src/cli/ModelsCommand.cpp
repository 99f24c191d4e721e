#include <ostream>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "cli/Json.h"
#include "common/Cp1252.h"
#include "common/TextToInt.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelTexts.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli models FILE [--start N] [--json] [--lang NAME]\n";

void PrintJson(const CamPacData& data, int start, std::ostream& out) {
    JsonWriter w;
    w.BeginObject().Key("models").BeginArray();
    for (int i = 0; i < data.modelCount; ++i) {
        w.BeginObject();
        w.Key("index").Number(i);
        w.Key("line").String(ModelListLine(data, i, start));
        w.Key("name").String(ModelName(data, i));
        w.Key("comment").String(Cp1252ToUtf8(data.modelComments[i]));
        w.EndObject();
    }
    w.EndArray().EndObject();
    out << w.Text() << "\n";
}

// One model per line; a comment follows its line after a tab.
void PrintLines(const CamPacData& data, int start, std::ostream& out) {
    for (int i = 0; i < data.modelCount; ++i) {
        out << ModelListLine(data, i, start);
        if (!data.modelComments[i].empty()) {
            out << "\t" << Cp1252ToUtf8(data.modelComments[i]);
        }
        out << "\n";
    }
}

}  // namespace

int RunModelsCommand(const std::vector<std::string>& words,
                     const std::filesystem::path& programFolder, std::ostream& out,
                     std::ostream& err) {
    const Arguments args(words, {"--json"}, {"--lang", "--start"});
    if (!args.ok() || args.positional().size() != 1) {
        err << kUsage;
        return 2;
    }
    CliSession cli(programFolder);
    if (!cli.Open(args.Value("--lang"), err)) {
        return 1;
    }
    const bool json = args.Has("--json");
    int start = kDefaultNumberingStart;
    if (const auto typed = args.Value("--start")) {
        start = TextToInt(*typed);
        if (start < kLowestNumberingStart || start > kHighestNumberingStart) {
            return ReportMessage(
                cli, Message::Numbered(txt::kNumberingOutOfRange, {}, MessageIcon::Warning), json,
                out, err);
        }
    }
    if (const auto failed = LoadOrReport(cli, args.positional()[0], json, out, err)) {
        return *failed;
    }
    if (json) {
        PrintJson(cli.session.data, start, out);
    } else {
        PrintShownMessages(cli, err);
        PrintLines(cli.session.data, start, out);
    }
    return 0;
}
