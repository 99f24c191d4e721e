#include "RecordVectors.h"

#include <gtest/gtest.h>

#include "editors/ModelFields.h"

std::ostream& operator<<(std::ostream& out, const ListedField& f) {
    return out << f.key << " = " << f.entry;
}

std::ostream& operator<<(std::ostream& out, const RefusedEntry& r) {
    return out << r.key << " = " << r.entry;
}

ListedField Listed(std::string key, RecordBytes stored, std::string shown, std::string entry,
                   RecordBytes written) {
    return {std::move(key), std::move(stored), std::move(shown), std::move(entry),
            std::move(written)};
}

RefusedEntry Refused(std::string key, std::string entry, int text, std::string name, long long min,
                     long long max, RecordBytes stored, std::string subject, RecordBytes written) {
    return {
        std::move(key),     std::move(entry),  text, std::move(name), min, max, std::move(stored),
        std::move(subject), std::move(written)};
}

std::string Between(int min, int max) {
    return "Geben Sie bitte eine ganze Zahl zwischen " + std::to_string(min) + " und " +
           std::to_string(max) + " ein.";
}

Rows OnPage(const RecordBytes& code, Rows rows) {
    for (ListedField& row : rows) {
        row.stored.insert(row.stored.begin(), code.begin(), code.end());
    }
    return rows;
}

RecordEditing::RecordEditing(CamPacData dataSet, const EditorFamily& family, int recordSize)
    : data(std::move(dataSet)), editor(data, family), recordSize_(recordSize) {
    editor.StartEditing();
}

ModelRecord RecordEditing::Slot() {
    return data.modelSlots.Slot(0);
}

std::vector<Byte> RecordEditing::SlotBytes() {
    const ModelRecord slot = Slot();
    return {slot.begin(), slot.begin() + recordSize_};
}

void RecordEditing::Put(const RecordBytes& bytes) {
    for (const auto& [offset, value] : bytes) {
        Slot()[static_cast<std::size_t>(offset)] = value;
    }
}

std::string RecordEditing::Shown(const std::string& key) {
    for (const ShownField& field : DescribeModel(editor.family(), Slot())) {
        if (field.field->key == key) {
            return field.shown;
        }
    }
    return "(not shown)";
}

Status RecordEditing::Enter(const std::string& key, const std::string& text) {
    return AssignFields(editor, 0, {{key, text}}, &warnings);
}

void RecordEditing::ExpectListed(const ListedField& f) {
    Put(f.stored);
    EXPECT_EQ(Shown(f.key), f.shown);
    std::vector<Byte> expected = SlotBytes();
    for (const auto& [offset, value] : f.written) {
        expected[static_cast<std::size_t>(offset)] = value;
    }
    const Status entered = Enter(f.key, f.entry);
    ASSERT_TRUE(entered.ok()) << entered.error().literal << " " << entered.error().text;
    EXPECT_EQ(SlotBytes(), expected);
}

void RecordEditing::ExpectRefused(const RefusedEntry& r) {
    Put(r.stored);
    std::vector<Byte> expected = SlotBytes();
    for (const auto& [offset, value] : r.written) {
        expected[static_cast<std::size_t>(offset)] = value;
    }
    const Status entered = Enter(r.key, r.entry);
    ASSERT_FALSE(entered.ok());
    const Message& refusal = entered.error();
    EXPECT_EQ(refusal.subject, r.subject.empty() ? r.key : r.subject);
    EXPECT_EQ(refusal.text, r.text);
    if (r.text == 219) {
        EXPECT_EQ(std::get<std::string>(refusal.arguments.at(0)), r.name);
        EXPECT_EQ(std::get<long long>(refusal.arguments.at(1)), r.min);
        EXPECT_EQ(std::get<long long>(refusal.arguments.at(2)), r.max);
    } else if (r.text == -1) {
        EXPECT_EQ(refusal.literal, r.name);
    }
    EXPECT_EQ(SlotBytes(), expected);
}
