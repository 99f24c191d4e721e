#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/Message.h"
#include "dataset/CamPacData.h"
#include "editors/FieldModel.h"

// One setting whose shown value differs between two models.
struct SettingDifference {
    const PageTable* page = nullptr;
    const Field* field = nullptr;
    FieldValue a;
    FieldValue b;
    std::string shownA;  // as the page's control (and `describe`) shows it
    std::string shownB;
};

// The model type (mixing program) of one model: its entry in the family's table, or the
// stored code when no entry has it.
struct ShownModelType {
    const ModelTypeEntry* entry = nullptr;
    int code = 0;

    // The entry's built-in text, or "Code N" as the type list shows an unlisted code.
    std::string Text() const;
};

// Which settings of two models of one family differ, as their editor pages show them.
struct SettingsComparison {
    // The settings that both models' pages show with different values, page by page in
    // the tab order of the first model, fields in page order. The model name is left
    // out, as in the byte count.
    std::vector<SettingDifference> fields;
    // Present when the family keeps a model type; the fields above are then only those
    // that the pages of both types show.
    std::optional<ShownModelType> typeA;
    std::optional<ShownModelType> typeB;
    // Bytes (the name left out) that differ in bits no listed setting writes: bytes that
    // no page shows for these models, bits the pages keep, settings only one model shows.
    int otherBytes = 0;

    bool TypesDiffer() const;
};

// Compares two records of the family's models (each as long as a model of the data set).
SettingsComparison CompareSettings(const EditorFamily& family, ConstModelRecord a,
                                   ConstModelRecord b);

// Compares two models of a data set whose type has editor pages; nothing for a type
// without them (its comparison stays the byte count).
std::optional<SettingsComparison> CompareModelSettings(const CamPacData& data, int model, int other,
                                                       bool ff9SuperAsFf9);

// The texts that go with a comparison: the heading of the list of settings, the hint
// that the model types differ (with the types as the caller shows them) and the count of
// differing bytes no listed setting explains.
Message DifferingSettingsHeading(int numberA, int numberB);
Message DifferentTypesNote(int numberA, const std::string& typeA, int numberB,
                           const std::string& typeB);
Message OtherBytesNote(int count);
