#include "cli/DescribeCommand.h"

#include <ostream>

#include "cli/Arguments.h"
#include "cli/CliSession.h"
#include "cli/EditorModel.h"
#include "cli/Json.h"
#include "editors/ModelFields.h"

namespace {

void PrintJson(const CamPacData& data, int model, const std::vector<ShownField>& fields,
               std::ostream& out) {
    out << "{\"type\": " << JsonQuoted(data.typeName) << ", \"model\": " << model + 1
        << ", \"fields\": {";
    std::string disabled;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const ShownField& field = fields[i];
        out << (i == 0 ? "" : ", ") << JsonQuoted(field.field->name) << ": "
            << JsonFieldValue(*field.field, field.shown);
        if (!field.enabled) {
            disabled += (disabled.empty() ? "" : ", ") + JsonQuoted(field.field->name);
        }
    }
    out << "}, \"disabled\": [" << disabled << "]}\n";
}

void PrintLines(const CamPacData& data, int model, const std::vector<ShownField>& fields,
                std::ostream& out) {
    out << "RC system:   " << data.typeName << "\n";
    out << "Model:       " << model + 1 << " of " << data.modelCount << "\n";
    const PageTable* page = nullptr;
    for (const ShownField& field : fields) {
        if (field.page != page) {
            page = field.page;
            out << "\n[" << page->caption << "]\n";
        }
        out << "  " << field.field->name << " = " << field.shown
            << (field.enabled ? "" : "   (disabled)")
            << (field.field->IsShownOnly() ? "   (shown only)" : "") << "\n";
    }
}

}  // namespace

int RunDescribeCommand(const std::vector<std::string>& words,
                       const std::filesystem::path& programFolder, std::ostream& out,
                       std::ostream& err) {
    const Arguments args(words, {"--json"}, {"--lang"});
    if (!args.ok() || args.positional().size() != 2) {
        err << "usage: keplund-cli describe FILE MODEL [--json] [--lang NAME]\n";
        return 2;
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
    const CamPacData& data = cli.session.data;
    const std::vector<ShownField> fields =
        DescribeModel(*model->family, data.modelSlots.Slot(model->index));
    if (json) {
        PrintJson(data, model->index, fields, out);
    } else {
        PrintLines(data, model->index, fields, out);
    }
    return 0;
}
