#pragma once

#include <span>
#include <string_view>

#include "common/Bytes.h"

// The record a new or reset model of an editor type starts from; empty for every type
// without an editor.
std::span<const Byte> DefaultRecordOf(std::string_view typeName);
