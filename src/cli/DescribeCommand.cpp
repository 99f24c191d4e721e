#include "cli/DescribeCommand.h"

#include <ostream>

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
        out << (i == 0 ? "" : ", ") << JsonQuoted(field.field->key) << ": "
            << JsonFieldValue(*field.field, field.shown);
        if (!field.enabled) {
            disabled += (disabled.empty() ? "" : ", ") + JsonQuoted(field.field->key);
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
        out << "  " << field.field->key << " = " << field.shown
            << (field.enabled ? "" : "   (disabled)")
            << (field.field->IsShownOnly() ? "   (shown only)" : "") << "\n";
    }
}

}  // namespace

int RunDescribeCommand(const std::vector<std::string>& words,
                       const std::filesystem::path& programFolder, std::ostream& out,
                       std::ostream& err) {
    DataCommandRun run(words, {}, {}, programFolder, out, err);
    if (const auto status =
            run.Open(run.positionalCount() == 2,
                     "usage: keplund-cli describe FILE MODEL [--json] [--lang NAME]\n")) {
        return *status;
    }
    const auto model = OpenEditorModel(run, run.positional(0), run.positional(1));
    if (!model) {
        return 1;
    }
    const CamPacData& data = run.data();
    const std::vector<ShownField> fields =
        DescribeModel(*model->family, data.modelSlots.Slot(model->index));
    if (run.json()) {
        PrintJson(data, model->index, fields, out);
    } else {
        PrintLines(data, model->index, fields, out);
    }
    return 0;
}
