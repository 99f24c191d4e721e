#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "adapters/ModuleAccess.h"

// The program's command line. Started without arguments it reaches the adapter of the
// settings; --simulate puts a simulated CamPac with the content of a raw image file in
// its place (what is written goes back to the file), --adapter chooses the adapter for
// this run, and --trace records the simulated parallel port's bus as a VCD file.
struct ProgramOptions {
    std::optional<std::filesystem::path> simulate;
    std::optional<AdapterKind> adapter;
    std::optional<std::filesystem::path> trace;
};

struct ParsedOptions {
    std::optional<ProgramOptions> options;
    std::string error;  // set when the words are no valid command line
};

ParsedOptions ParseProgramOptions(const std::vector<std::string>& words);

inline constexpr const char* kProgramUsage =
    "usage: keplund [--simulate IMAGE] [--adapter lpt|usb] [--trace FILE.vcd]\n";
