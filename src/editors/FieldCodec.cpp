#include "editors/FieldCodec.h"

#include "editors/EditorTexts.h"
#include "editors/codecs/CodecSupport.h"

namespace {

bool Writable(const Field& field, ConstModelRecord record) {
    return !field.IsShownOnly() && IsFieldShown(field, record) && IsFieldEnabled(field, record);
}

Status About(const Field& field, Status status) {
    if (status.ok()) {
        return status;
    }
    Message refusal = status.error();
    refusal.subject = field.key;
    return refusal;
}

}  // namespace

ShownKind KindOf(const Field& field) {
    return field.codec->Shown();
}

FieldValue DecodeField(const Field& field, ConstModelRecord record) {
    return field.codec->Decode(field, record);
}

std::string ShowField(const Field& field, const FieldValue& value) {
    return field.codec->Show(field, value);
}

Result<FieldValue> ParseEntry(const Field& field, std::string_view text) {
    Result<FieldValue> parsed = field.codec->Parse(field, text);
    if (!parsed.ok()) {
        Message prompt = parsed.error();
        prompt.subject = field.key;
        return prompt;
    }
    return parsed;
}

Status CheckAndWriteField(const Field& field, const FieldValue& value, ModelRecord record,
                          const GroupPolicy& policy) {
    if (!Writable(field, record)) {
        return Status::Ok();
    }
    return About(field, field.codec->Commit(field, value, record, policy));
}

Status CheckField(const Field& field, const FieldValue& value, ConstModelRecord record,
                  const GroupPolicy& policy) {
    if (!Writable(field, record)) {
        return Status::Ok();
    }
    if (auto refusal = field.codec->Check(field, value, record, policy)) {
        return About(field, *refusal);
    }
    return Status::Ok();
}

std::optional<Message> CheckRange(long long value, const ValueRange& range,
                                  const std::string& name) {
    if (value >= range.min && value <= range.max) {
        return std::nullopt;
    }
    return Message::Numbered(
        txt::kRangeRefused,
        {name, static_cast<long long>(range.min), static_cast<long long>(range.max), value},
        MessageIcon::Warning);
}

std::optional<Message> CheckMinSec(long long value, const std::string& name) {
    if (value >= 0 && value < 60) {
        return std::nullopt;
    }
    return codec::WrongEntry(name, literal::kTimerPartTail);
}

void SetModelBit(ModelRecord record, int offset, Byte mask, bool on) {
    const Byte stored = codec::ByteAt(record, offset);
    codec::PutByte(record, offset,
                   on ? static_cast<Byte>(stored | mask) : static_cast<Byte>(stored & ~mask));
}
