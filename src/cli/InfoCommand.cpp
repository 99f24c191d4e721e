#include "cli/InfoCommand.h"

#include <ostream>

#include "cli/CommandSupport.h"
#include "cli/Json.h"
#include "common/Cp1252.h"
#include "dataset/DataSetCommands.h"

namespace {

void PrintJson(const CamPacData& data, const std::vector<ShownMessage>& messages,
               std::ostream& out) {
    JsonWriter w;
    w.BeginObject();
    w.Key("type").String(data.typeName);
    w.Key("typeIndex").Number(data.typeIndex);
    w.Key("imageSize").Number(data.imageSize);
    w.Key("sizeLabel").String(SizeLabel(data.imageSize));
    w.Key("modelCount").Number(data.modelCount);
    w.Key("firstModelOffset").Number(data.firstModelOffset);
    w.Key("modelSize").Number(data.modelSize);
    w.Key("comment").String(Cp1252ToUtf8(data.dataSetComment));
    w.Key("modelComments").BeginArray();
    for (int i = 0; i < data.modelCount && i < kMaxModels; ++i) {
        w.String(Cp1252ToUtf8(data.modelComments[i]));
    }
    w.EndArray();
    w.Key("messages").BeginArray();
    for (const ShownMessage& message : messages) {
        w.BeginObject().Key("text").Number(message.text).Key("message").String(message.message);
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    out << w.Text() << "\n";
}

void PrintLines(const CamPacData& data, std::ostream& out) {
    out << "RC system:   " << data.typeName << " (type " << data.typeIndex << ")\n";
    out << "CamPac:      " << SizeLabel(data.imageSize) << " (" << data.imageSize << " bytes)\n";
    out << "Models:      " << data.modelCount << " of " << data.modelSize << " bytes from offset "
        << data.firstModelOffset << "\n";
    out << "Comment:     " << Cp1252ToUtf8(data.dataSetComment) << "\n";
    for (int i = 0; i < data.modelCount && i < kMaxModels; ++i) {
        if (!data.modelComments[i].empty()) {
            out << "Model " << i + 1 << ":    " << Cp1252ToUtf8(data.modelComments[i]) << "\n";
        }
    }
}

}  // namespace

int RunInfoCommand(const std::vector<std::string>& words,
                   const std::filesystem::path& programFolder, std::ostream& out,
                   std::ostream& err) {
    DataCommandRun run(words, {}, {}, programFolder, out, err);
    if (const auto status = run.Open(run.positionalCount() == 1,
                                     "usage: keplund-cli info FILE [--json] [--lang NAME]\n")) {
        return *status;
    }
    if (const auto failed = run.Load(run.positional(0))) {
        return *failed;
    }
    if (run.json()) {
        PrintJson(run.data(), run.cli().dialogs.shown(), out);
        return 0;
    }
    run.PrintShownMessages();
    PrintLines(run.data(), out);
    return 0;
}
