#pragma once

#include <string>
#include <vector>

#include "common/Result.h"
#include "editors/FieldModel.h"
#include "editors/ModelEditor.h"

// One field of a model as its page shows it.
struct ShownField {
    const PageTable* page = nullptr;
    const Field* field = nullptr;
    FieldValue value;
    std::string shown;
    bool enabled = true;
};

// Every field that the model's pages show, page by page in tab order.
std::vector<ShownField> DescribeModel(const EditorFamily& family, ConstModelRecord record);

// "KEY=VALUE" as the user gives it: the field's key and the text typed or chosen.
struct FieldAssignment {
    std::string key;
    std::string text;
};

// Enters the values into the model as the pages would, one field after the other: each
// is looked up among the pages the model shows at that moment, converted by its control's
// rules, and committed with the rest of its group as the page shows it. The first refusal
// stops; what was committed before stays. Warnings of the groups' after-write steps (the
// values stay written) are added to `warnings`, each about the key the user gave.
Status AssignFields(ModelEditor& editor, int model, const std::vector<FieldAssignment>& values,
                    std::vector<Message>* warnings = nullptr);
