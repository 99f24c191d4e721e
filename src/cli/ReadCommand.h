#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

struct HardwareMachine;

// keplund-cli read OUT.rom [--simulate IMAGE] [--adapter lpt|usb] [--trace FILE.vcd] [--json]:
// reads the CamPac into a data set and saves it as a CamPac file. Returns the exit status.
int RunReadCommand(const std::vector<std::string>& words,
                   const std::filesystem::path& programFolder, std::ostream& out,
                   std::ostream& err);
// The same on the adapters `machine` offers.
int RunReadCommand(const std::vector<std::string>& words,
                   const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err,
                   const HardwareMachine& machine);
