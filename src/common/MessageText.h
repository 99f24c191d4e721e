#pragma once

#include <string>

#include "common/Message.h"

class LanguageTable;

// The full text a message box shows: the numbered text formatted with its arguments and
// the suffix appended, or the literal text.
std::string MessageText(const Message& message, const LanguageTable& language);
