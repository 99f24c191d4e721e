#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/Result.h"
#include "editors/FieldModel.h"
#include "editors/codecs/FieldCodec.h"

// The field operations of the pages and the command line, through the field's codec.
ShownKind KindOf(const Field& field);

// The value the field's control shows for the record (the decoding of ShowModel).
FieldValue DecodeField(const Field& field, ConstModelRecord record);
// The value as the control shows it: "-5", "37.5", "05:07", "Ct&Up", "1" for a tick.
std::string ShowField(const Field& field, const FieldValue& value);
// A typed text (or a list entry's text) as the control would hold it; texts that the
// control cannot hold bring the field exchange's prompt.
Result<FieldValue> ParseEntry(const Field& field, std::string_view text);

// Tests the value as the commit does (CheckRange, CheckMinSec, the timer and name rules)
// and writes it into the record. Fields that are hidden or disabled for the record are
// neither tested nor written. A refusal names the field's key as its subject.
Status CheckAndWriteField(const Field& field, const FieldValue& value, ModelRecord record,
                          const GroupPolicy& policy = policy::kStandard);
// Only the tests of CheckAndWriteField, nothing written.
Status CheckField(const Field& field, const FieldValue& value, ConstModelRecord record,
                  const GroupPolicy& policy = policy::kStandard);

// True when min <= value <= max; otherwise the range refusal (text 219).
std::optional<Message> CheckRange(long long value, const ValueRange& range,
                                  const std::string& name);
// True when 0 <= value < 60; otherwise the timer part refusal.
std::optional<Message> CheckMinSec(long long value, const std::string& name);

// Sets or clears the bits of `mask` in the record byte at `offset`.
void SetModelBit(ModelRecord record, int offset, Byte mask, bool on);
