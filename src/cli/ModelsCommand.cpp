#include <ostream>

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
    DataCommandRun run(words, {}, {"--start"}, programFolder, out, err);
    if (const auto status = run.Open(run.positionalCount() == 1, kUsage)) {
        return *status;
    }
    int start = kDefaultNumberingStart;
    if (const auto typed = run.args().Value("--start")) {
        start = TextToInt(*typed);
        if (start < kLowestNumberingStart || start > kHighestNumberingStart) {
            return run.Fail(Message::Numbered(txt::kNumberingOutOfRange, {}, MessageIcon::Warning));
        }
    }
    if (const auto failed = run.Load(run.positional(0))) {
        return *failed;
    }
    if (run.json()) {
        PrintJson(run.data(), start, out);
    } else {
        run.PrintShownMessages();
        PrintLines(run.data(), start, out);
    }
    return 0;
}
