#include <ostream>

#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "cli/EditorModel.h"
#include "cli/Json.h"
#include "dataset/ModelDirectory.h"
#include "editors/ModelComparison.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli compare-models FILE MODEL OTHER [--json] [--lang NAME]\n"
    "  MODEL, OTHER: model numbers, 1 for the first model\n";

// "fields", "modelTypes" and "otherBytes" of a type with editor pages; null for the others.
void WriteSettingsJson(JsonWriter& w, const std::optional<SettingsComparison>& settings) {
    w.Key("fields");
    if (!settings) {
        w.Null().Key("modelTypes").Null().Key("otherBytes").Null();
        return;
    }
    w.BeginArray();
    for (const SettingDifference& difference : settings->fields) {
        w.BeginObject().Key("page").String(difference.page->caption);
        w.Key("key").String(difference.field->key);
        w.Key("a").Value(JsonFieldValue(*difference.field, difference.shownA));
        w.Key("b").Value(JsonFieldValue(*difference.field, difference.shownB));
        w.EndObject();
    }
    w.EndArray().Key("modelTypes");
    if (settings->typeA && settings->typeB) {
        w.BeginObject().Key("a").String(settings->typeA->Text());
        w.Key("b").String(settings->typeB->Text()).EndObject();
    } else {
        w.Null();
    }
    w.Key("otherBytes").Number(settings->otherBytes);
}

// After the byte count: a hint when the model types differ, the differing settings page
// by page ("key: first model's value / other model's value") and the bytes they leave
// unexplained.
void PrintSettings(DataCommandRun& run, const SettingsComparison& settings, int numberA,
                   int numberB) {
    const auto print = [&run](const Message& message) {
        run.out() << run.cli().dialogs.Render(message).message << "\n";
    };
    if (settings.TypesDiffer()) {
        print(DifferentTypesNote(numberA, settings.typeA->Text(), numberB, settings.typeB->Text()));
    }
    if (!settings.fields.empty()) {
        print(DifferingSettingsHeading(numberA, numberB));
    }
    const PageTable* page = nullptr;
    for (const SettingDifference& difference : settings.fields) {
        if (difference.page != page) {
            page = difference.page;
            run.out() << "[" << page->caption << "]\n";
        }
        run.out() << "  " << difference.field->key << ": " << difference.shownA << " / "
                  << difference.shownB << "\n";
    }
    if (settings.otherBytes > 0) {
        print(OtherBytesNote(settings.otherBytes));
    }
}

}  // namespace

int RunCompareModelsCommand(const std::vector<std::string>& words,
                            const std::filesystem::path& programFolder, std::ostream& out,
                            std::ostream& err) {
    DataCommandRun run(words, {}, {}, programFolder, out, err);
    const ModelArgument model = run.OpenModel(run.positionalCount() == 3, kUsage);
    if (!model.index) {
        return model.status;
    }
    const auto compared = CompareModels(run.data(), *model.index, run.positional(2));
    if (!compared) {
        return run.Fail(compared.error());
    }
    const int other = ModelIndexOfNumber(run.data(), run.positional(2)).value_or(*model.index);
    const std::optional<SettingsComparison> settings = CompareModelSettings(
        run.data(), *model.index, other, run.cli().session.settings.ff9SuperAsFf9);
    if (run.json()) {
        JsonWriter w;
        w.BeginObject().Key("differences").Number(compared.value().differences);
        WriteSettingsJson(w, settings);
        out << w.EndObject().Text() << "\n";
    } else {
        out << run.cli().dialogs.Render(compared.value().message).message << "\n";
        if (settings) {
            PrintSettings(run, *settings, *model.index + 1, other + 1);
        }
    }
    return 0;
}
