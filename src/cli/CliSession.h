#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/CliDialogs.h"
#include "shell/Session.h"

class JsonWriter;

// A session of the command-line tool: the settings and language of the program beside
// it, with --lang choosing another language, and recording dialogs.
class CliSession {
  public:
    explicit CliSession(const std::filesystem::path& programFolder) : session(programFolder) {}

    // Opens the language; false (with a line on `err`) when it cannot be.
    bool Open(const std::optional<std::string>& languageName, std::ostream& err);

    Session session;
    CliDialogs dialogs{session.language};
};

// A message's text number as JSON: null for a text the program holds itself, which has none.
void WriteTextNumber(JsonWriter& w, int text);

// Prints a failure as the --json error object or as a line on stderr; returns exit status 1.
int ReportFailure(const ShownMessage& failure, bool json, std::ostream& out, std::ostream& err);
