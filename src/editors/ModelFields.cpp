#include "editors/ModelFields.h"

#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"
#include "editors/GroupCommit.h"

namespace {

struct Located {
    const PageTable* page = nullptr;
    const Field* field = nullptr;
};

Located Locate(const EditorFamily& family, ConstModelRecord record, const std::string& key) {
    for (const PageTable* page : family.PagesForModel(record)) {
        const Field* field = page->FindField(key);
        if (field != nullptr && IsFieldShown(*field, record)) {
            return {page, field};
        }
    }
    return {};
}

Message FieldMessage(std::string_view head, const std::string& key, std::string_view tail) {
    Message message =
        Message::Literal(std::string(head) + key + std::string(tail), MessageIcon::Warning);
    message.subject = key;
    return message;
}

Result<Located> LocateWritable(const EditorFamily& family, ConstModelRecord record,
                               const std::string& key) {
    const Located located = Locate(family, record, key);
    if (located.field == nullptr) {
        return FieldMessage(literal::kNoSuchField, key, "'");
    }
    if (located.field->IsShownOnly()) {
        return FieldMessage("'", key, literal::kFieldShownOnlyTail);
    }
    if (!IsFieldEnabled(*located.field, record)) {
        return FieldMessage("'", key, literal::kFieldDisabledTail);
    }
    return located;
}

}  // namespace

std::vector<ShownField> DescribeModel(const EditorFamily& family, ConstModelRecord record) {
    std::vector<ShownField> shown;
    for (const PageTable* page : family.PagesForModel(record)) {
        for (const Field& field : page->fields) {
            if (!IsFieldShown(field, record)) {
                continue;
            }
            const FieldValue value = DecodeField(field, record);
            shown.push_back(
                {page, &field, value, ShowField(field, value), IsFieldEnabled(field, record)});
        }
    }
    return shown;
}

Status AssignFields(ModelEditor& editor, int model, const std::vector<FieldAssignment>& values,
                    std::vector<Message>* warnings) {
    for (const FieldAssignment& assignment : values) {
        const ModelRecord record = editor.Record(model);
        Result<Located> located = LocateWritable(editor.family(), record, assignment.key);
        if (!located) {
            return located.error();
        }
        const auto [page, field] = located.value();
        Result<FieldValue> entered = ParseEntry(*field, assignment.text);
        if (!entered) {
            return entered.error();
        }
        GroupInput input = CurrentGroupInput(*page, field->group, record);
        for (auto& [member, value] : input) {
            if (member == field) {
                value = entered.value();
            }
        }
        std::optional<Message> warning;
        const Status committed = editor.Commit(*page, model, field->group, input, &warning);
        if (warning && warnings != nullptr) {
            warning->subject = assignment.key;
            warnings->push_back(*warning);
        }
        if (!committed) {
            // a refusal of the group's own rules is about the field the user gave
            Message refusal = committed.error();
            if (refusal.subject.empty()) {
                refusal.subject = assignment.key;
            }
            return refusal;
        }
    }
    return Status::Ok();
}
