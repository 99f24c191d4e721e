#include "editors/GroupCommit.h"

#include "editors/FieldCodec.h"

namespace {

// Clears the flags that ticking `field` excludes. Flags of the group still to be written
// take the cleared state, so that the values the group showed before do not tick them again.
void ApplyExclusions(const PageTable& page, const Field& field, ModelRecord record,
                     GroupInput& pending) {
    for (const Exclusion& exclusion : page.exclusions) {
        if (exclusion.flag != field.key) {
            continue;
        }
        for (const BitRef& bit : exclusion.clears) {
            SetModelBit(record, bit.offset, bit.mask, false);
            for (auto& [other, value] : pending) {
                if (other->codec->Shown() != ShownKind::CheckMark) {
                    continue;
                }
                for (const BitRef& owned : other->codec->OwnedBits(*other)) {
                    if (owned.offset == bit.offset && (owned.mask & bit.mask) != 0) {
                        value = DecodeField(*other, record);
                    }
                }
            }
        }
    }
}

}  // namespace

GroupInput CurrentGroupInput(const PageTable& page, const std::string& group,
                             ConstModelRecord record) {
    GroupInput input;
    for (const Field* field : page.GroupFields(group)) {
        input.emplace_back(field, DecodeField(*field, record));
    }
    return input;
}

Status CommitGroup(const PageTable& page, const std::string& group, const GroupInput& input,
                   ModelRecord record, std::optional<Message>* warning) {
    const GroupHooks* hooks = page.HooksOf(group);
    const GroupPolicy policy = page.PolicyOf(group);
    if (hooks != nullptr && hooks->refuse != nullptr) {
        if (auto refusal = hooks->refuse(record, input)) {
            return *refusal;
        }
    }
    if (policy.order == GroupPolicy::Order::CheckAllFirst) {
        for (const auto& [field, value] : input) {
            if (Status checked = CheckField(*field, value, record, policy); !checked) {
                return checked;
            }
        }
    }
    if (hooks != nullptr && hooks->beforeWrite != nullptr) {
        hooks->beforeWrite(record, input);
    }
    GroupInput values = input;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Field* field = values[i].first;
        const FieldValue value = values[i].second;
        const bool tickedNow = field->codec->Shown() == ShownKind::CheckMark && value.number != 0 &&
                               DecodeField(*field, record).number == 0;
        if (Status written = CheckAndWriteField(*field, value, record, policy); !written) {
            return written;
        }
        if (tickedNow && IsFieldShown(*field, record) && IsFieldEnabled(*field, record)) {
            ApplyExclusions(page, *field, record, values);
        }
    }
    if (hooks != nullptr && hooks->afterWrite != nullptr) {
        std::optional<Message> shown = hooks->afterWrite(record, input);
        if (warning != nullptr) {
            *warning = std::move(shown);
        }
    }
    return Status::Ok();
}
