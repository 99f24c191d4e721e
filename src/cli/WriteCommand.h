#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

struct HardwareMachine;

// keplund-cli write FILE.rom [--simulate IMAGE] [--only-changes] [...]: writes a CamPac file
// to the CamPac after keeping a backup, and verifies it; the simulated image file gets
// the module's new bytes. Exit status 0 only when the verify passed.
int RunWriteCommand(const std::vector<std::string>& words,
                    const std::filesystem::path& programFolder, std::ostream& out,
                    std::ostream& err);
// The same on the adapters `machine` offers.
int RunWriteCommand(const std::vector<std::string>& words,
                    const std::filesystem::path& programFolder, std::ostream& out,
                    std::ostream& err, const HardwareMachine& machine);
