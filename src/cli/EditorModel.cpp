#include "cli/EditorModel.h"

#include <ostream>

#include "cli/Json.h"
#include "dataset/DataSetCommands.h"
#include "editors/EditorFamilies.h"
#include "editors/FieldCodec.h"

namespace {

int Fail(const std::string& message, bool json, std::ostream& out, std::ostream& err) {
    return ReportFailure({-1, message}, json, out, err);
}

}  // namespace

std::optional<EditorModel> OpenEditorModel(CliSession& cli, const std::string& file,
                                           const std::string& model, bool json, std::ostream& out,
                                           std::ostream& err) {
    if (LoadDataSetFrom(cli.session, cli.dialogs, file) != CommandOutcome::Done) {
        ReportFailure(cli.dialogs.shown().back(), json, out, err);
        return std::nullopt;
    }
    const CamPacData& data = cli.session.data;
    EditorModel opened;
    opened.family = EditorFamilyFor(data.typeName, cli.session.settings.ff9SuperAsFf9);
    if (opened.family == nullptr) {
        Fail("the data set of type \"" + data.typeName + "\" has no editor pages", json, out, err);
        return std::nullopt;
    }
    std::size_t used = 0;
    int number = 0;
    try {
        number = std::stoi(model, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != model.size() || number < 1 || number > data.modelCount) {
        Fail("no model " + model + ": the data set holds models 1 to " +
                 std::to_string(data.modelCount),
             json, out, err);
        return std::nullopt;
    }
    opened.index = number - 1;
    return opened;
}

std::string JsonFieldValue(const Field& field, const std::string& shown) {
    switch (KindOf(field)) {
        case ShownKind::Number:
            return shown;
        case ShownKind::CheckMark:
            return shown == "1" ? "true" : "false";
        case ShownKind::Text:
            break;
    }
    return JsonQuoted(shown);
}
