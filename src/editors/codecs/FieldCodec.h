#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Result.h"
#include "editors/FieldModel.h"

// How a value appears outside the page: a number, a check mark or a text.
enum class ShownKind { Number, CheckMark, Text };

// How one kind of field turns record bytes into the value its control shows and back:
// decode, show, parse an entry, test it, write it, and which bits it owns. A codec holds
// its own parameters (mask, scale, list, layout, character set); the field gives the
// offset, the ranges and the names. Nothing outside a codec asks which kind it is.
class FieldCodec {
  public:
    virtual ~FieldCodec() = default;

    // The kind's name as the command line's layout gives it ("byte", "list", "timer" ...).
    virtual std::string_view Kind() const = 0;
    virtual ShownKind Shown() const = 0;
    // The value the field's control shows for the record.
    virtual FieldValue Decode(const Field& field, ConstModelRecord record) const = 0;
    // The value as the control shows it: "-5", "37.5", "05:07", "Ct&Up", "1" for a tick.
    virtual std::string Show(const Field& field, const FieldValue& value) const = 0;
    // A typed text (or a list entry's text) as the control would hold it; a text the
    // control cannot hold brings the field exchange's prompt.
    virtual Result<FieldValue> Parse(const Field& field, std::string_view text) const = 0;
    // The tests a value must pass before it is written (ranges, timer parts).
    virtual std::optional<Message> Check(const Field& field, const FieldValue& value,
                                         ConstModelRecord record, const GroupPolicy& policy) const;
    // Writes a value that passed the tests; bits the field does not own stay.
    virtual void Write(const Field& field, const FieldValue& value, ModelRecord record) const = 0;
    // The value a write of `value` leaves, where the kind corrects entries (an amount below
    // its minimum is raised to it).
    virtual FieldValue Written(const Field&, const FieldValue& value) const { return value; }
    // Tests and writes; a value that decodes as the bytes already do is not written when
    // the policy skips unchanged values.
    virtual Status Commit(const Field& field, const FieldValue& value, ModelRecord record,
                          const GroupPolicy& policy) const;
    // The bits a write of the field may change, and those a write of this value sets in
    // full whatever they held.
    virtual std::vector<BitRef> OwnedBits(const Field& field) const = 0;
    virtual std::vector<BitRef> WrittenBits(const Field& field, const FieldValue& value) const;
    // List entries in list order; empty for fields that are not lists.
    virtual std::vector<std::string> Entries() const { return {}; }
    // The language texts that replace the entries on the page (0: the built-in text).
    virtual std::vector<int> EntryTextNumbers() const { return {}; }
    // The range as the user sees it (after scaling), for fields whose ranges are tested.
    virtual std::optional<std::pair<double, double>> ShownRange(const Field& field) const;
    // Two fields of this kind share bits with each other (a gyro rate and its side).
    virtual bool SharesItsByte() const { return false; }
};
