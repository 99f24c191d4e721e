#include <iostream>
#include <string>
#include <vector>

#include "cli/DescribeCommand.h"
#include "cli/InfoCommand.h"
#include "cli/SetCommand.h"
#include "common/ProgramFolder.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli COMMAND ...\n"
    "  info FILE [--json] [--lang NAME]   what loading FILE shows\n"
    "  describe FILE MODEL [--json] [--lang NAME]   every field of a model\n"
    "  set FILE MODEL NAME=VALUE ... --out OUT.rom [--json] [--lang NAME]\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (words.front() == "info") {
        return RunInfoCommand(rest, ProgramFolder(), std::cout, std::cerr);
    }
    if (words.front() == "describe") {
        return RunDescribeCommand(rest, ProgramFolder(), std::cout, std::cerr);
    }
    if (words.front() == "set") {
        return RunSetCommand(rest, ProgramFolder(), std::cout, std::cerr);
    }
    std::cerr << kUsage;
    return 2;
}
