#include "cli/TransferCli.h"

#include <iostream>

#include "adapters/BackupFolder.h"
#include "adapters/SimulatedConnection.h"
#include "adapters/hw/OpenConnection.h"
#include "dataset/DataSetCommands.h"
#include "dataset/DataSetFiles.h"

namespace {

const std::set<std::string> kAdapterOptions{"--simulate", "--adapter",     "--trace",
                                            "--fault",    "--lpt-address", "--waitstates"};

}  // namespace

TransferCli::TransferCli(const std::vector<std::string>& words,
                         const std::set<std::string>& extraFlags, std::string usage,
                         const std::filesystem::path& programFolder, const HardwareMachine& machine,
                         std::size_t positionals)
    : args_(
          words,
          [&] {
              std::set<std::string> flags = extraFlags;
              flags.insert("--json");
              return flags;
          }(),
          [] {
              std::set<std::string> options = kAdapterOptions;
              options.insert({"--lang", "--backups"});
              return options;
          }()),
      usage_(std::move(usage)),
      programFolder_(programFolder),
      machine_(machine),
      positionals_(positionals) {}

std::optional<int> TransferCli::Open(std::ostream& out, std::ostream& err) {
    ProgramOptions options;
    std::string refused = args_.ok() ? std::string() : args_.error();
    for (const auto& [option, values] : args_.values()) {
        for (const std::string& value : values) {
            if (refused.empty() && kAdapterOptions.count(option) > 0) {
                refused = TakeAdapterOption(option, value, options);
            }
        }
    }
    if (refused.empty()) {
        refused = CheckAdapterOptions(options);
    }
    if (!refused.empty() || args_.positional().size() != positionals_) {
        err << (refused.empty() ? "" : "keplund-cli: " + refused + "\n") << usage_;
        return 2;
    }
    cli_ = std::make_unique<CliSession>(programFolder_);
    if (!cli_->Open(args_.Value("--lang"), err)) {
        return 1;
    }
    const Settings& settings = cli_->session.settings;
    choice_ = ChooseAdapter(options, settings);
    if (options.trace && choice_.kind != AdapterKind::Lpt) {
        err << "keplund-cli: --trace records the bus of the simulated parallel port; use it "
               "with --simulate IMAGE --adapter lpt\n";
        return 2;
    }
    OpenedConnection opened = OpenConnection(options, settings, cli_->dialogs, machine_);
    if (opened.problem) {
        return ReportFailure(cli_->dialogs.Render(*opened.problem), json(), out, err);
    }
    connection_ = std::move(opened.connection);
    engine_ = std::make_unique<TransferEngine>(
        cli_->session.data, cli_->session.catalogue, cli_->dialogs, connection_->clock(),
        connection_->module(), TransferEngine::Options{settings.clockFor64k, false});
    observer_ = std::make_unique<CliProgress>(cli_->dialogs, err);
    return std::nullopt;
}

std::vector<std::string> TransferCli::ListLines() const {
    return observer_->list();
}

void TransferCli::EndProgress() {
    observer_->EndBar();
    if (auto* simulated = dynamic_cast<SimulatedConnection*>(connection_.get())) {
        simulated->camPac().port.StopTrace();
    }
}

bool TransferCli::SaveSimulatedImage(bool transferDone, std::ostream& err) {
    const Status saved = connection_->AfterTransfer();
    if (saved) {
        return true;
    }
    if (transferDone) {
        cli_->dialogs.Show(saved.error());
    } else {
        err << "keplund-cli: " << cli_->dialogs.Render(saved.error()).message << "\n";
    }
    return false;
}

std::filesystem::path TransferCli::BackupFolder() const {
    if (const std::optional<std::string> folder = args_.Value("--backups")) {
        return *folder;
    }
    return DefaultBackupFolder(programFolder_);
}

std::optional<int> TransferCli::LoadFile(std::ostream& out, std::ostream& err) {
    if (LoadDataSetFrom(cli_->session, cli_->dialogs, file()) == CommandOutcome::Done) {
        return std::nullopt;
    }
    return Fail(out, err);
}

void TransferCli::MarkStart() {
    shownBefore_ = cli_->dialogs.shown().size();
}

int TransferCli::Fail(std::ostream& out, std::ostream& err) {
    EndProgress();
    const std::vector<ShownMessage>& shown = cli_->dialogs.shown();
    const ShownMessage failure =
        shown.size() > shownBefore_ ? shown.back() : observer_->StatusLines();
    return ReportFailure(failure, json(), out, err);
}
