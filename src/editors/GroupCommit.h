#pragma once

#include <optional>
#include <string>

#include "common/Result.h"
#include "editors/FieldModel.h"

// The values a group's controls hold when they show the record.
GroupInput CurrentGroupInput(const PageTable& page, const std::string& group,
                             ConstModelRecord record);

// Converts, tests and writes one group's values into the record under the group's
// policy: the group's refusal hook first (nothing written when it refuses), its
// before-write hook, then the values in the group's order, each tested and written in turn
// (the first refused stops; earlier values stay written) or all tested before the first
// is written. Ticking a flag clears the flags its exclusion names. The after-write hook
// runs last; its warning is handed back in `warning` (the values stay written).
Status CommitGroup(const PageTable& page, const std::string& group, const GroupInput& input,
                   ModelRecord record, std::optional<Message>* warning = nullptr);
