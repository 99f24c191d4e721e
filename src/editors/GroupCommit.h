#pragma once

#include <string>

#include "common/Result.h"
#include "editors/FieldModel.h"

// The values a group's controls hold when they show the record.
GroupInput CurrentGroupInput(const PageTable& page, const std::string& group,
                             ConstModelRecord record);

// Converts, tests and writes one group's values into the record: the group's refusal hook
// first (nothing written when it refuses), its before-write hook, then each value in the
// group's order. The first value refused stops the commit; values of the group already
// written stay written. Ticking a flag clears the flags its exclusion names.
Status CommitGroup(const PageTable& page, const std::string& group, const GroupInput& input,
                   ModelRecord record);
