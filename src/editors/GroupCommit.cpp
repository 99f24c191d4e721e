#include "editors/GroupCommit.h"

#include "editors/FieldCodec.h"

namespace {

bool Applies(const Exclusion& exclusion, const FieldValue& value, bool changed) {
    return exclusion.anyValue ||
           (value.number == exclusion.value && (exclusion.everyCommit || changed));
}

// Sets and clears the bits that committing `field` with `value` excludes. Fields of the
// group still to be written take the new state of those bits, so that the values the group
// showed before do not undo them.
void ApplyExclusions(const PageTable& page, const Field& field, const FieldValue& value,
                     bool changed, ModelRecord record, GroupInput& pending) {
    for (const Exclusion& exclusion : page.exclusions) {
        if (exclusion.flag != field.key || !Applies(exclusion, value, changed)) {
            continue;
        }
        std::vector<BitRef> touched;
        for (const BitRef& bit : exclusion.clears) {
            SetModelBit(record, bit.offset, bit.mask, false);
            touched.push_back(bit);
        }
        for (const BitRef& bit : exclusion.sets) {
            SetModelBit(record, bit.offset, bit.mask, true);
            touched.push_back(bit);
        }
        for (auto& [other, pendingValue] : pending) {
            if (other == &field) {
                continue;
            }
            for (const BitRef& owned : other->codec->OwnedBits(*other)) {
                for (const BitRef& bit : touched) {
                    if (owned.offset == bit.offset && (owned.mask & bit.mask) != 0) {
                        pendingValue = DecodeField(*other, record);
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
        const bool changed = DecodeField(*field, record) != value;
        if (Status written = CheckAndWriteField(*field, value, record, policy); !written) {
            return written;
        }
        if (IsFieldShown(*field, record) && IsFieldEnabled(*field, record)) {
            ApplyExclusions(page, *field, value, changed, record, values);
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
