#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// keplund-cli set FILE MODEL "NAME=VALUE" ... --out OUT.rom [--json] [--lang NAME]: enters
// the values into one model as the editor pages do and saves the data set as OUT.rom. A
// refused value is reported with the page's text (exit status 1) and nothing is written.
int RunSetCommand(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
                  std::ostream& out, std::ostream& err);
