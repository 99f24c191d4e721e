#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

struct HardwareMachine;

// keplund-cli adapter-test [--adapter lpt|usb] [--simulate IMAGE [--fault NAME]...] [--json]:
// what the adapter dialog runs. On the parallel-port adapter the line test,
//   {"adapter": "lpt", "lineTest": {"passed": B, "text": N, "step": N}, "waitstates": N}
// where text is 197 or the failing step's text and step the failing step (7 when passed);
// on the USB adapter the information exchange,
//   {"adapter": "usb", "found": B, "info": {"text": ..., "processorClock": N, "divisor": N,
//    "prescalerIndex": N, "clockHz": N} or null}.
// Exit status 1 when the test fails or the adapter does not answer.
int RunAdapterTestCommand(const std::vector<std::string>& words,
                          const std::filesystem::path& programFolder, std::ostream& out,
                          std::ostream& err);
// The same on the adapters `machine` offers.
int RunAdapterTestCommand(const std::vector<std::string>& words,
                          const std::filesystem::path& programFolder, std::ostream& out,
                          std::ostream& err, const HardwareMachine& machine);
