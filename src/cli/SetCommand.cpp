#include "cli/SetCommand.h"

#include <ostream>

#include "cli/EditorModel.h"
#include "cli/Json.h"
#include "dataset/DataSetFiles.h"
#include "editors/FieldCodec.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli set FILE MODEL \"KEY=VALUE\" ... --out OUT.rom [--json] "
    "[--lang NAME]\n";

// A refusal of the pages: exit status 1 with the text number (null for the program's own
// texts), the key of the field that failed and the message.
int ReportRefusal(DataCommandRun& run, const Message& refusal, std::ostream& out,
                  std::ostream& err) {
    const ShownMessage shown = run.cli().dialogs.Render(refusal);
    if (!run.json()) {
        err << "keplund-cli: " << (refusal.subject.empty() ? "" : refusal.subject + ": ")
            << shown.message << "\n";
        return 1;
    }
    JsonWriter w;
    w.BeginObject().Key("error").BeginObject();
    WriteTextNumber(w.Key("text"), shown.text);
    w.Key("field");
    if (refusal.subject.empty()) {
        w.Null();
    } else {
        w.String(refusal.subject);
    }
    w.Key("message").String(shown.message);
    w.EndObject().EndObject();
    out << w.Text() << "\n";
    return 1;
}

// "KEY=VALUE" split at the first '='; nothing when there is none or the key is empty.
std::optional<FieldAssignment> SplitAssignment(const std::string& word) {
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos || equals == 0) {
        return std::nullopt;
    }
    return FieldAssignment{word.substr(0, equals), word.substr(equals + 1)};
}

// Warnings of the pages (the values stay written): in the JSON each with its text number,
// the key that brought it and the message; otherwise on the error stream.
void PrintWarnings(DataCommandRun& run, const std::vector<Message>& warnings, std::ostream& out,
                   std::ostream& err) {
    if (!run.json()) {
        for (const Message& warning : warnings) {
            err << "keplund-cli: " << warning.subject << ": "
                << run.cli().dialogs.Render(warning).message << "\n";
        }
        return;
    }
    JsonWriter w;
    w.BeginArray();
    for (const Message& warning : warnings) {
        const ShownMessage shown = run.cli().dialogs.Render(warning);
        w.BeginObject().Key("text");
        if (shown.text < 0) {
            w.Null();
        } else {
            w.Number(shown.text);
        }
        w.Key("field").String(warning.subject).Key("message").String(shown.message).EndObject();
    }
    w.EndArray();
    out << ", \"warnings\": " << w.Text();
}

void PrintResult(DataCommandRun& run, const EditorModel& model,
                 const std::vector<FieldAssignment>& assignments,
                 const std::vector<Message>& warnings, const std::string& outPath,
                 std::ostream& out, std::ostream& err) {
    const CamPacData& data = run.data();
    const bool json = run.json();
    std::vector<ShownField> changed;
    for (const ShownField& field :
         DescribeModel(*model.family, data.modelSlots.Slot(model.index))) {
        for (const FieldAssignment& assignment : assignments) {
            if (assignment.key == field.field->key) {
                changed.push_back(field);
                break;
            }
        }
    }
    if (json) {
        out << "{\"out\": " << JsonQuoted(outPath) << ", \"model\": " << model.index + 1
            << ", \"fields\": {";
        for (std::size_t i = 0; i < changed.size(); ++i) {
            out << (i == 0 ? "" : ", ") << JsonQuoted(changed[i].field->key) << ": "
                << JsonFieldValue(*changed[i].field, changed[i].shown);
        }
        out << "}";
        PrintWarnings(run, warnings, out, err);
        out << "}\n";
        return;
    }
    PrintWarnings(run, warnings, out, err);
    for (const ShownField& field : changed) {
        out << field.field->key << " = " << field.shown << "\n";
    }
    out << "Written: " << outPath << "\n";
}

}  // namespace

int RunSetCommand(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
                  std::ostream& out, std::ostream& err) {
    DataCommandRun run(words, {}, {"--out"}, programFolder, out, err);
    const auto outPath = run.args().Value("--out");
    if (const auto status = run.CheckUsage(run.positionalCount() >= 3 && outPath, kUsage)) {
        return *status;
    }
    std::vector<FieldAssignment> assignments;
    for (std::size_t i = 2; i < run.positionalCount(); ++i) {
        const auto assignment = SplitAssignment(run.positional(i));
        if (!assignment) {
            err << "keplund-cli: \"" << run.positional(i) << "\" is not KEY=VALUE\n";
            return 2;
        }
        assignments.push_back(*assignment);
    }
    if (const auto status = run.OpenSession()) {
        return *status;
    }
    const auto model = OpenEditorModel(run, run.positional(0), run.positional(1));
    if (!model) {
        return 1;
    }
    CamPacData& data = run.data();
    ModelEditor editor(data, *model->family);
    editor.StartEditing();
    std::vector<Message> warnings;
    if (const Status assigned = AssignFields(editor, model->index, assignments, &warnings);
        !assigned) {
        return ReportRefusal(run, assigned.error(), out, err);
    }
    if (const auto failed = run.FailureOf(editor.Apply())) {
        return *failed;
    }
    if (const auto failed = run.FailureOf(WriteDataSetFile(*outPath, data))) {
        return *failed;
    }
    PrintResult(run, *model, assignments, warnings, *outPath, out, err);
    return 0;
}
