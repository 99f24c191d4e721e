#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/AdapterTestCommand.h"
#include "cli/CompareCommand.h"
#include "cli/DataCommands.h"
#include "cli/DescribeCommand.h"
#include "cli/InfoCommand.h"
#include "cli/ReadCommand.h"
#include "cli/SetCommand.h"
#include "cli/WriteCommand.h"
#include "common/ProgramFolder.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli COMMAND ...\n"
    "  info FILE [--json] [--lang NAME]   what loading FILE shows\n"
    "  models FILE [--start N] [--json]   the model list\n"
    "  new TYPE SIZE OUT.rom              a new initialised image\n"
    "  import-v2 IN OUT.rom               a version 2.x file as CamPac file\n"
    "  export IN.rom OUT.txt --dec|--hex  the image as text\n"
    "  model-save FILE MODEL OUT.mdl      one model as model file\n"
    "  model-load FILE MODEL IN.mdl OUT.rom\n"
    "                                     a model file into a model\n"
    "  compare-models FILE MODEL OTHER [--json]\n"
    "                                     the bytes and settings two models differ in\n"
    "  describe FILE MODEL [--json [--layout]] [--lang NAME]\n"
    "                                     every field of a model (and where it lives)\n"
    "  set FILE MODEL KEY=VALUE ... --out OUT.rom [--json] [--lang NAME]\n"
    "  read OUT.rom                       read a CamPac into a file\n"
    "  compare FILE.rom                   compare a file with a CamPac\n"
    "  write FILE.rom [--only-changes]    write a file to a CamPac\n"
    "  adapter-test                       the line test (LPT) or the adapter's information\n"
    "                                     (USB)\n"
    "  (read, compare, write, adapter-test: [--adapter lpt|usb] [--lpt-address HHHH]\n"
    "   [--waitstates N] [--simulate IMAGE [--fault NAME]... [--trace FILE.vcd]]\n"
    "   [--json] [--lang NAME]; without --simulate the adapter of the settings)\n";

const std::vector<std::pair<std::string, DataCommand>> kCommands{
    {"info", RunInfoCommand},
    {"models", RunModelsCommand},
    {"new", RunNewCommand},
    {"import-v2", RunImportV2Command},
    {"export", RunExportCommand},
    {"model-save", RunModelSaveCommand},
    {"model-load", RunModelLoadCommand},
    {"compare-models", RunCompareModelsCommand},
    {"describe", RunDescribeCommand},
    {"set", RunSetCommand},
    {"read", RunReadCommand},
    {"compare", RunCompareCommand},
    {"write", RunWriteCommand},
    {"adapter-test", RunAdapterTestCommand},
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    for (const auto& [name, command] : kCommands) {
        if (words.front() == name) {
            return command(rest, ProgramFolder(), std::cout, std::cerr);
        }
    }
    std::cerr << kUsage;
    return 2;
}
