#pragma once

#include <optional>
#include <vector>

// Where one family keeps settings that another family's page tables already describe:
// `count` bytes from `from` on in the other family's record lie from `to` on in this one.
struct OffsetMove {
    int from = 0;
    int to = 0;
    int count = 1;
};
using OffsetMap = std::vector<OffsetMove>;

// The offset in this family's record of a byte of the other's, if the map moves it.
inline std::optional<int> MapOffset(const OffsetMap& map, int offset) {
    for (const OffsetMove& move : map) {
        if (offset >= move.from && offset < move.from + move.count) {
            return move.to + (offset - move.from);
        }
    }
    return std::nullopt;
}
