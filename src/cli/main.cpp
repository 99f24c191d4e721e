#include <iostream>
#include <string>
#include <vector>

#include "cli/CompareCommand.h"
#include "cli/InfoCommand.h"
#include "cli/ReadCommand.h"
#include "cli/WriteCommand.h"
#include "common/ProgramFolder.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli COMMAND ...\n"
    "  info FILE [--json] [--lang NAME]   what loading FILE shows\n"
    "  read OUT.rom                       read a CamPac into a file\n"
    "  compare FILE.rom                   compare a file with a CamPac\n"
    "  write FILE.rom [--only-changes]    write a file to a CamPac\n"
    "  (read, compare, write: [--adapter lpt|usb] [--simulate IMAGE [--trace FILE.vcd]]\n"
    "   [--json] [--lang NAME])\n";

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
    if (words.front() == "read") {
        return RunReadCommand(rest, ProgramFolder(), std::cout, std::cerr);
    }
    if (words.front() == "compare") {
        return RunCompareCommand(rest, ProgramFolder(), std::cout, std::cerr);
    }
    if (words.front() == "write") {
        return RunWriteCommand(rest, ProgramFolder(), std::cout, std::cerr);
    }
    std::cerr << kUsage;
    return 2;
}
