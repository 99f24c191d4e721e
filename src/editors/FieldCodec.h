#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/Result.h"
#include "editors/FieldModel.h"

// How a value appears outside the page: a number, a check mark or a text.
enum class ShownKind { Number, CheckMark, Text };
ShownKind KindOf(const Field& field);

// The value the field's control shows for the record (the decoding of ShowModel).
FieldValue DecodeField(const Field& field, ConstModelRecord record);
// The value as the control shows it: "-5", "37.5", "05:07", "Ct&Up", "1" for a tick.
std::string ShowField(const Field& field, const FieldValue& value);
// A typed text (or a list entry's text) as the control would hold it; texts that the
// control cannot hold bring the field exchange's prompt.
Result<FieldValue> ParseEntry(const Field& field, std::string_view text);

// Tests the value as the commit does (CheckRange, CheckMinSec, the timer and name rules)
// and writes it into the record. A value that decodes the same as the bytes already do
// leaves them untouched, so bits the pages do not know survive a commit of their group.
// Fields that are hidden or disabled for the record are neither tested nor written.
Status CheckAndWriteField(const Field& field, const FieldValue& value, ModelRecord record);

// True when min <= value <= max; otherwise the range refusal (text 219).
std::optional<Message> CheckRange(long long value, const ValueRange& range,
                                  const std::string& name);
// True when 0 <= value < 60; otherwise the timer part refusal.
std::optional<Message> CheckMinSec(long long value, const std::string& name);

// Sets or clears the bits of `mask` in the record byte at `offset`.
void SetModelBit(ModelRecord record, int offset, Byte mask, bool on);
