#include "cli/CommandSupport.h"

#include <ostream>

#include "dataset/DataSetCommands.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelTexts.h"

int ReportMessage(CliSession& cli, const Message& message, bool json, std::ostream& out,
                  std::ostream& err) {
    return ReportFailure(cli.dialogs.Render(message), json, out, err);
}

std::optional<int> LoadOrReport(CliSession& cli, const std::filesystem::path& file, bool json,
                                std::ostream& out, std::ostream& err) {
    if (LoadDataSetFrom(cli.session, cli.dialogs, file) == CommandOutcome::Done) {
        return std::nullopt;
    }
    return ReportFailure(cli.dialogs.shown().back(), json, out, err);
}

ModelArgument ModelOrReport(CliSession& cli, const std::string& typed, bool json, std::ostream& out,
                            std::ostream& err) {
    if (const auto index = ModelIndexOfNumber(cli.session.data, typed)) {
        return {index, 0};
    }
    return {std::nullopt,
            ReportMessage(cli, Message::Numbered(txt::kNoSuchModel, {}, MessageIcon::Warning), json,
                          out, err)};
}

void PrintShownMessages(const CliSession& cli, std::ostream& err) {
    for (const ShownMessage& message : cli.dialogs.shown()) {
        err << "Text " << message.text << ": " << message.message << "\n";
    }
}
