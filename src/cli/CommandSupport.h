#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/CliSession.h"
#include "common/Message.h"

// What the data commands of the tool share: the report of a failure message, the load of
// a CamPac file as the program's Load does, and model numbers as the models page lists
// them with numbering start 1.

// Renders a message of the program and reports it as the command's failure (status 1).
int ReportMessage(CliSession& cli, const Message& message, bool json, std::ostream& out,
                  std::ostream& err);

// Loads a CamPac file into the session. On failure the message the program showed has been
// reported and the status to return is given.
std::optional<int> LoadOrReport(CliSession& cli, const std::filesystem::path& file, bool json,
                                std::ostream& out, std::ostream& err);

// The model index of a typed model number (1 for the first model), or text 124 reported.
struct ModelArgument {
    std::optional<int> index;
    int status = 0;
};
ModelArgument ModelOrReport(CliSession& cli, const std::string& typed, bool json, std::ostream& out,
                            std::ostream& err);

// Prints the warnings the program showed, one line each, on the error stream.
void PrintShownMessages(const CliSession& cli, std::ostream& err);
