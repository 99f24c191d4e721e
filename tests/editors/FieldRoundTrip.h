#pragma once

#include <cstddef>
#include <vector>

#include "editors/FieldModel.h"

// For every field of every page a model of each type shows: the value decoded from a
// random record, entered into a record whose bits of that field differ, decodes the same;
// the entry changes no bit outside the field; and entering it into two differently
// scrambled records sets the same bits, so the bytes a field writes depend on the value
// alone. Values the page would refuse are refused with the bits outside the field left as
// they were (a timer may have written its first part).
// Returns the number of round trips made.
int CheckEveryFieldRoundTrips(const EditorFamily& family, int typeOffset,
                              const std::vector<int>& typeCodes, std::size_t recordSize,
                              unsigned seed, int samples);
