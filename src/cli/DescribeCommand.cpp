#include "cli/DescribeCommand.h"

#include <algorithm>
#include <ostream>

#include "cli/EditorModel.h"
#include "cli/Json.h"
#include "editors/FieldCodec.h"
#include "editors/ModelFields.h"

namespace {

// 10 as "10", 2.5 as "2.5".
std::string JsonNumber(double value) {
    const auto whole = static_cast<long long>(value);
    if (static_cast<double>(whole) == value) {
        return std::to_string(whole);
    }
    std::string text = std::to_string(value);
    while (text.back() == '0') {
        text.pop_back();
    }
    return text;
}

// Where and how each field the pages show lives in the record: its bytes, the bits of
// its first byte, its range as shown, its refusal name, its kind and list entries.
std::string LayoutJson(const std::vector<ShownField>& fields) {
    JsonWriter w;
    w.BeginArray();
    for (const ShownField& shown : fields) {
        const Field& field = *shown.field;
        const FieldCodec& codec = *field.codec;
        const std::vector<BitRef> bits = codec.OwnedBits(field);
        w.BeginObject().Key("key").String(field.key);
        w.Key("page").String(shown.page->caption);
        w.Key("group");
        if (field.IsShownOnly()) {
            w.Null();
        } else {
            w.String(field.group);
        }
        w.Key("bytes").BeginArray();
        std::vector<int> offsets;
        for (const BitRef& bit : bits) {
            if (std::find(offsets.begin(), offsets.end(), bit.offset) == offsets.end()) {
                offsets.push_back(bit.offset);
                w.Number(bit.offset);
            }
        }
        w.EndArray();
        w.Key("mask").Number(bits.empty() ? 0 : bits.front().mask);
        w.Key("range");
        if (const auto range = codec.ShownRange(field)) {
            w.BeginArray().NumberText(JsonNumber(range->first));
            w.NumberText(JsonNumber(range->second)).EndArray();
        } else {
            w.Null();
        }
        // The field exchange's range prompt names no field, nor do timers refused with
        // numbered texts only.
        w.Key("refusal");
        // The field exchange's prompt names no field.
        const bool prompted =
            field.exchangePrompt || shown.page->PolicyOf(field.group).rangeMessage ==
                                        GroupPolicy::RangeMessage::ExchangePrompt;
        const bool named =
            !field.IsShownOnly() && ((!field.ranges.empty() && !prompted) ||
                                     (codec.Kind() == "timer" && !field.refusal.empty()));
        if (named) {
            w.String(field.refusal.empty() ? field.key : field.refusal);
        } else {
            w.Null();
        }
        w.Key("kind").String(codec.Kind());
        w.Key("list");
        if (const std::vector<std::string> entries = codec.Entries(); !entries.empty()) {
            w.BeginArray();
            for (const std::string& entry : entries) {
                w.String(entry);
            }
            w.EndArray();
        } else {
            w.Null();
        }
        w.EndObject();
    }
    w.EndArray();
    return w.Text();
}

void PrintJson(const CamPacData& data, int model, const std::vector<ShownField>& fields,
               bool layout, std::ostream& out) {
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
    out << "}, \"disabled\": [" << disabled << "]";
    if (layout) {
        out << ", \"layout\": " << LayoutJson(fields);
    }
    out << "}\n";
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
    DataCommandRun run(words, {"--layout"}, {}, programFolder, out, err);
    if (const auto status = run.Open(
            run.positionalCount() == 2,
            "usage: keplund-cli describe FILE MODEL [--json [--layout]] [--lang NAME]\n")) {
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
        PrintJson(data, model->index, fields, run.args().Has("--layout"), out);
    } else {
        PrintLines(data, model->index, fields, out);
    }
    return 0;
}
