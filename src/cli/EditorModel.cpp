#include "cli/EditorModel.h"

#include <exception>
#include <string>

#include "cli/Json.h"
#include "editors/EditorFamilies.h"
#include "editors/FieldCodec.h"

std::optional<EditorModel> OpenEditorModel(DataCommandRun& run, const std::string& file,
                                           const std::string& model) {
    if (run.Load(file)) {
        return std::nullopt;
    }
    const CamPacData& data = run.data();
    EditorModel opened;
    opened.family = EditorFamilyFor(data.typeName, run.cli().session.settings.ff9SuperAsFf9);
    if (opened.family == nullptr) {
        run.Fail(
            ShownMessage{-1, "the data set of type \"" + data.typeName + "\" has no editor pages"});
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
        run.Fail(ShownMessage{-1, "no model " + model + ": the data set holds models 1 to " +
                                      std::to_string(data.modelCount)});
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
