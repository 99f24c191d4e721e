#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "adapters/ModuleAccess.h"
#include "adapters/SimulatedFaults.h"

// The program's command line. Started without arguments it reaches the adapter of the
// settings; --simulate puts a simulated CamPac with the content of a raw image file in
// its place (what is written goes back to the file), --fault gives that CamPac a fault
// (repeatable), --adapter chooses the adapter for this run, and --trace records the
// simulated parallel port's bus as a VCD file. The command-line tool also takes
// --lpt-address and --waitstates for its run.
struct ProgramOptions {
    std::optional<std::filesystem::path> simulate;
    std::optional<AdapterKind> adapter;
    std::optional<std::filesystem::path> trace;
    SimulatedFaults faults;
    std::optional<std::uint16_t> lptAddress;
    std::optional<int> waitStates;
};

struct ParsedOptions {
    std::optional<ProgramOptions> options;
    std::string error;  // set when the words are no valid command line
};

// Takes one adapter option (--simulate, --adapter, --trace, --fault, --lpt-address,
// --waitstates) with its value; the reason when the value is refused, else empty.
std::string TakeAdapterOption(const std::string& option, const std::string& value,
                              ProgramOptions& options);
// What the options cannot do together (--trace and --fault need --simulate, --trace the
// LPT adapter), or empty.
std::string CheckAdapterOptions(const ProgramOptions& options);

ParsedOptions ParseProgramOptions(const std::vector<std::string>& words);

inline constexpr const char* kProgramUsage =
    "usage: keplund [--simulate IMAGE [--fault NAME]...] [--adapter lpt|usb] "
    "[--trace FILE.vcd]\n";
