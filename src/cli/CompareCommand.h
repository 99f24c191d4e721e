#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

struct HardwareMachine;

// keplund-cli compare FILE.rom [--simulate IMAGE] [...]: compares a CamPac file with the
// CamPac and lists every differing byte; exit status 0 only when none differs.
int RunCompareCommand(const std::vector<std::string>& words,
                      const std::filesystem::path& programFolder, std::ostream& out,
                      std::ostream& err);
// The same on the adapters `machine` offers.
int RunCompareCommand(const std::vector<std::string>& words,
                      const std::filesystem::path& programFolder, std::ostream& out,
                      std::ostream& err, const HardwareMachine& machine);
