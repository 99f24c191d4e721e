#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// keplund-cli info FILE [--json] [--lang NAME]: loads FILE as the program's Load does and
// prints what the program would show. Returns the exit status.
int RunInfoCommand(const std::vector<std::string>& words,
                   const std::filesystem::path& programFolder, std::ostream& out,
                   std::ostream& err);
