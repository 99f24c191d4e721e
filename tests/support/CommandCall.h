#pragma once

#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

// A command of keplund-cli as main dispatches to it.
using CliCommand = int (*)(const std::vector<std::string>& words,
                           const std::filesystem::path& programFolder, std::ostream& out,
                           std::ostream& err);

// What a command gave: its exit status and what it printed on stdout and stderr.
struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

// Runs a command beside the program folder given, capturing both streams.
inline CommandRun CallCommand(CliCommand command, const std::vector<std::string>& words,
                              const std::filesystem::path& programFolder) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(words, programFolder, out, err);
    return {status, out.str(), err.str()};
}
