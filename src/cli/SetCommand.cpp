#include "cli/SetCommand.h"

#include <ostream>

#include "cli/Arguments.h"
#include "cli/CliSession.h"
#include "cli/EditorModel.h"
#include "cli/Json.h"
#include "dataset/DataSetFiles.h"
#include "editors/FieldCodec.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli set FILE MODEL \"NAME=VALUE\" ... --out OUT.rom [--json] "
    "[--lang NAME]\n";

// "NAME=VALUE" split at the first '='; nothing when there is none or the name is empty.
std::optional<FieldAssignment> SplitAssignment(const std::string& word) {
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos || equals == 0) {
        return std::nullopt;
    }
    return FieldAssignment{word.substr(0, equals), word.substr(equals + 1)};
}

void PrintResult(const CamPacData& data, const EditorModel& model,
                 const std::vector<FieldAssignment>& assignments, const std::string& outPath,
                 bool json, std::ostream& out) {
    std::vector<ShownField> changed;
    for (const ShownField& field :
         DescribeModel(*model.family, data.modelSlots.Slot(model.index))) {
        for (const FieldAssignment& assignment : assignments) {
            if (assignment.name == field.field->name) {
                changed.push_back(field);
                break;
            }
        }
    }
    if (json) {
        out << "{\"out\": " << JsonQuoted(outPath) << ", \"model\": " << model.index + 1
            << ", \"fields\": {";
        for (std::size_t i = 0; i < changed.size(); ++i) {
            out << (i == 0 ? "" : ", ") << JsonQuoted(changed[i].field->name) << ": "
                << JsonFieldValue(*changed[i].field, changed[i].shown);
        }
        out << "}}\n";
        return;
    }
    for (const ShownField& field : changed) {
        out << field.field->name << " = " << field.shown << "\n";
    }
    out << "Written: " << outPath << "\n";
}

}  // namespace

int RunSetCommand(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
                  std::ostream& out, std::ostream& err) {
    const Arguments args(words, {"--json"}, {"--lang", "--out"});
    const auto outPath = args.Value("--out");
    if (!args.ok() || args.positional().size() < 3 || !outPath) {
        err << kUsage;
        return 2;
    }
    std::vector<FieldAssignment> assignments;
    for (std::size_t i = 2; i < args.positional().size(); ++i) {
        const auto assignment = SplitAssignment(args.positional()[i]);
        if (!assignment) {
            err << "keplund-cli: \"" << args.positional()[i] << "\" is not NAME=VALUE\n";
            return 2;
        }
        assignments.push_back(*assignment);
    }
    CliSession cli(programFolder);
    if (!cli.Open(args.Value("--lang"), err)) {
        return 1;
    }
    const bool json = args.Has("--json");
    const auto model =
        OpenEditorModel(cli, args.positional()[0], args.positional()[1], json, out, err);
    if (!model) {
        return 1;
    }
    CamPacData& data = cli.session.data;
    ModelEditor editor(data, *model->family);
    editor.StartEditing();
    if (Status entered = AssignFields(editor, model->index, assignments); !entered) {
        return ReportFailure(cli.dialogs.Render(entered.error()), json, out, err);
    }
    if (Status applied = editor.Apply(); !applied) {
        return ReportFailure(cli.dialogs.Render(applied.error()), json, out, err);
    }
    if (Status written = WriteDataSetFile(*outPath, data); !written) {
        return ReportFailure(cli.dialogs.Render(written.error()), json, out, err);
    }
    PrintResult(data, *model, assignments, *outPath, json, out);
    return 0;
}
