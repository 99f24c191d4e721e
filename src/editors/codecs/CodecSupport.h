#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/Message.h"
#include "editors/FieldModel.h"

// Helpers the codecs share: bounds-checked record access, the field exchange's number
// parsing and prompts, and the range refusal.
namespace codec {

Byte ByteAt(ConstModelRecord record, int offset);
void PutByte(ModelRecord record, int offset, Byte value);
// Replaces the bits of `mask` at `offset` with those of `bits`.
void PutBits(ModelRecord record, int offset, Byte mask, Byte bits);

std::string_view Trimmed(std::string_view text);
// A whole number with optional sign, nothing else; nothing when the text is not one.
std::optional<long long> WholeNumber(std::string_view text, bool signAllowed);
// A decimal number doubled and truncated toward zero, computed from its digits so that no
// rounding of binary fractions moves an entry such as 37.5 to the wrong half.
std::optional<long long> DoubledDecimal(std::string_view text);
// Halves shown with one decimal: 75 -> "37.5", 50 -> "25.0".
std::string HalvesText(long long halves);

// The name a refusal of the field gives.
const std::string& RefusalName(const Field& field);
// "Falsche Eingabe '<name>" + tail.
Message WrongEntry(const std::string& name, std::string_view tail);
Message Prompt(std::string_view text);
// Tests the value against each of the field's ranges; the first that fails refuses with
// the policy's message.
std::optional<Message> CheckRanges(const Field& field, long long value, const GroupPolicy& policy);

}  // namespace codec
