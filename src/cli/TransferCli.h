#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "adapters/CamPacConnection.h"
#include "adapters/TransferEngine.h"
#include "adapters/hw/HardwareAdapters.h"
#include "cli/Arguments.h"
#include "cli/CliProgress.h"
#include "cli/CliSession.h"
#include "shell/ProgramOptions.h"

// What the commands on a CamPac (read, compare, write, adapter-test) share: their options,
// the CamPac they reach (the simulated one of --simulate with its --fault list, else the
// real adapter of the settings, overridden by --adapter, --lpt-address and --waitstates),
// the engine, and the progress shown on stderr.
class TransferCli {
  public:
    // Parses the words; `extraFlags` are the command's own flags and `positionals` the
    // number of file arguments it takes. `usage` is printed on a wrong command line.
    TransferCli(const std::vector<std::string>& words, const std::set<std::string>& extraFlags,
                std::string usage, const std::filesystem::path& programFolder,
                const HardwareMachine& machine, std::size_t positionals = 1);

    // Opens the language and the adapter. Returns the exit status to end with
    // (2 for a wrong command line, 1 for a failure), or nothing to go on.
    std::optional<int> Open(std::ostream& out, std::ostream& err);

    const Arguments& args() const { return args_; }
    bool json() const { return args_.Has("--json"); }
    const std::string& file() const { return args_.positional().front(); }
    CliSession& cli() { return *cli_; }
    CamPacConnection& connection() { return *connection_; }
    // The adapter settings of this run.
    const AdapterChoice& choice() const { return choice_; }
    TransferEngine& engine() { return *engine_; }
    TransferObserver& observer() { return *observer_; }
    // The difference or verify lines the transfer listed, as shown.
    std::vector<std::string> ListLines() const;
    // Lets a simulated module keep what was written to it (its image file). When that
    // fails after a transfer that succeeded, the failure becomes the transfer's last
    // message; after a failed transfer, whose own failure is the one reported, it is only
    // noted on `err`.
    bool SaveSimulatedImage(bool transferDone, std::ostream& err);
    // The folder for the backups of writes (--backups, else the user's data folder).
    std::filesystem::path BackupFolder() const;
    // Loads the CamPac file the command compares or writes, as the program's Load does.
    // Returns the exit status after the failure was printed, or nothing to go on.
    std::optional<int> LoadFile(std::ostream& out, std::ostream& err);
    // From here on, messages belong to the transfer (not to loading its file).
    void MarkStart();
    // Ends the progress display and prints the failure: the last message the transfer
    // showed, else its status lines.
    int Fail(std::ostream& out, std::ostream& err);
    void EndProgress();

  private:
    Arguments args_;
    std::string usage_;
    std::filesystem::path programFolder_;
    HardwareMachine machine_;
    std::size_t positionals_;
    AdapterChoice choice_;
    std::unique_ptr<CliSession> cli_;
    std::unique_ptr<CamPacConnection> connection_;
    std::unique_ptr<TransferEngine> engine_;
    std::unique_ptr<CliProgress> observer_;
    std::size_t shownBefore_ = 0;
};

// The options every command on a CamPac takes, for the usage lines.
inline constexpr const char* kAdapterOptionsUsage =
    "[--adapter lpt|usb] [--lpt-address HHHH] [--waitstates N] "
    "[--simulate IMAGE [--fault NAME]... [--trace FILE.vcd]]";
