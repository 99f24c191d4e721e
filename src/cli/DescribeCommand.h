#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// keplund-cli describe FILE MODEL [--json] [--lang NAME]: every field of one model as the
// editor pages show it. Returns the exit status.
int RunDescribeCommand(const std::vector<std::string>& words,
                       const std::filesystem::path& programFolder, std::ostream& out,
                       std::ostream& err);
