#include <array>
#include <ostream>
#include <string_view>

#include "cli/CommandSupport.h"
#include "cli/DataCommands.h"
#include "common/TextToInt.h"
#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"

namespace {

constexpr const char* kUsage =
    "usage: keplund-cli new TYPE SIZE OUT.rom [--json] [--lang NAME]\n"
    "  TYPE: FC16, FC18V3, FX18V1/2, FF9 or FF10; SIZE: 512, 1024, 2048 or 8192 (bytes)\n";

struct OfferedType {
    std::string_view shown;
    std::string_view typeName;
};

// The types a new image can be made for, as the get-data page offers them.
constexpr std::array<OfferedType, 5> kOfferedTypes{{
    {"FC16", "FC16      "},
    {"FC18V3", "FC18V3    "},
    {"FX18V1/2", "FX18V1/2  "},
    {"FF9", "FF9       "},
    {"FF10", "FF10      "},
}};

std::string_view TypeNameOf(std::string_view shown) {
    for (const OfferedType& type : kOfferedTypes) {
        if (type.shown == shown) {
            return type.typeName;
        }
    }
    return {};
}

bool IsOfferedSize(std::string_view typed) {
    return typed == "512" || typed == "1024" || typed == "2048" || typed == "8192";
}

}  // namespace

int RunNewCommand(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
                  std::ostream& out, std::ostream& err) {
    DataCommandRun run(words, {}, {}, programFolder, out, err);
    const bool fits = run.positionalCount() == 3 && !TypeNameOf(run.positional(0)).empty() &&
                      IsOfferedSize(run.positional(1));
    if (const auto status = run.Open(fits, kUsage)) {
        return *status;
    }
    if (const auto failed = run.FailureOf(InitialiseImage(run.data(), run.cli().session.catalogue,
                                                          TypeNameOf(run.positional(0)),
                                                          TextToInt(run.positional(1))))) {
        return *failed;
    }
    if (const auto failed = run.FailureOf(WriteDataSetFile(run.positional(2), run.data()))) {
        return *failed;
    }
    run.PrintDataSetSummary();
    return 0;
}
