#include "cli/TransferCli.h"

#include <iostream>

#include "adapters/BackupFolder.h"
#include "dataset/DataSetCommands.h"
#include "dataset/DataSetFiles.h"

TransferCli::TransferCli(const std::vector<std::string>& words,
                         const std::set<std::string>& extraFlags, std::string usage,
                         const std::filesystem::path& programFolder)
    : args_(words,
            [&] {
                std::set<std::string> flags = extraFlags;
                flags.insert("--json");
                return flags;
            }(),
            {"--simulate", "--adapter", "--trace", "--lang", "--backups"}),
      usage_(std::move(usage)),
      programFolder_(programFolder) {}

std::optional<int> TransferCli::Open(std::ostream& err) {
    const std::optional<std::string> adapter = args_.Value("--adapter");
    if (!args_.ok() || args_.positional().size() != 1 ||
        (adapter && *adapter != "lpt" && *adapter != "usb")) {
        err << (args_.ok() ? "" : "keplund-cli: " + args_.error() + "\n") << usage_;
        return 2;
    }
    cli_ = std::make_unique<CliSession>(programFolder_);
    if (!cli_->Open(args_.Value("--lang"), err)) {
        return 1;
    }
    const Settings& settings = cli_->session.settings;
    const AdapterKind kind = adapter ? (*adapter == "usb" ? AdapterKind::Usb : AdapterKind::Lpt)
                                     : (settings.useUsb != 0 ? AdapterKind::Usb : AdapterKind::Lpt);
    const std::optional<std::string> trace = args_.Value("--trace");
    const std::optional<std::string> image = args_.Value("--simulate");
    if (trace && kind != AdapterKind::Lpt) {
        err << "keplund-cli: --trace records the bus of the simulated parallel port; use it "
               "with --simulate IMAGE --adapter lpt\n";
        return 2;
    }
    if (!image) {
        // The command-line tool is built on the core alone; real adapters need the program.
        err << "keplund-cli: read, compare and write reach a simulated CamPac only: give "
               "--simulate IMAGE (the program keplund reaches the real adapters)\n";
        return 2;
    }
    SimulatedConnection::Options options;
    options.image = *image;
    options.kind = kind;
    options.clockFor64k = settings.clockFor64k;
    if (trace) {
        options.trace = *trace;
    }
    auto connection = SimulatedConnection::Open(options, cli_->dialogs);
    if (!connection) {
        err << "keplund-cli: " << cli_->dialogs.Render(connection.error()).message << "\n";
        return 1;
    }
    sim_ = std::move(connection.value());
    engine_ = std::make_unique<TransferEngine>(
        cli_->session.data, cli_->session.catalogue, cli_->dialogs, sim_->clock(), sim_->module(),
        TransferEngine::Options{settings.clockFor64k, false});
    observer_ = std::make_unique<CliProgress>(cli_->dialogs, err);
    return std::nullopt;
}

std::vector<std::string> TransferCli::ListLines() const {
    return observer_->list();
}

void TransferCli::EndProgress() {
    observer_->EndBar();
    sim_->camPac().port.StopTrace();
}

bool TransferCli::SaveSimulatedImage(std::ostream& err) {
    const Status saved = sim_->AfterTransfer();
    if (!saved) {
        err << "keplund-cli: " << cli_->dialogs.Render(saved.error()).message << "\n";
    }
    return saved.ok();
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
