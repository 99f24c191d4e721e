#include "cli/TransferCli.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>

#include "adapters/CamPacAddressing.h"
#include "dataset/DataSetCommands.h"
#include "dataset/DataSetFiles.h"

namespace {

std::optional<std::vector<Byte>> ReadImage(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return std::nullopt;
    }
    return std::vector<Byte>((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
}

}  // namespace

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
    std::optional<std::vector<Byte>> bytes = ReadImage(*image);
    if (!bytes || !campac::IsSize(static_cast<int>(bytes->size()))) {
        err << "keplund-cli: " << *image
            << (bytes ? " is no CamPac image (256, 512, 1024, 2048 or 8192 bytes)\n"
                      : " cannot be read\n");
        return 1;
    }
    sim_ = std::make_unique<SimulatedCamPac>(std::move(*bytes), kind, cli_->dialogs,
                                             settings.clockFor64k);
    if (trace && !sim_->port.StartTrace(*trace)) {
        err << "keplund-cli: cannot write the trace " << *trace << "\n";
        return 1;
    }
    engine_ = std::make_unique<TransferEngine>(
        cli_->session.data, cli_->session.catalogue, cli_->dialogs, sim_->clock, sim_->module,
        TransferEngine::Options{settings.clockFor64k, false});
    observer_ = std::make_unique<CliProgress>(cli_->dialogs, err);
    return std::nullopt;
}

std::vector<std::string> TransferCli::ListLines() const {
    return observer_->list();
}

void TransferCli::EndProgress() {
    observer_->EndBar();
    sim_->port.StopTrace();
}

bool TransferCli::SaveSimulatedImage(std::ostream& err) {
    const Status saved = WriteFileSafely(*args_.Value("--simulate"), sim_->eeprom.memory());
    if (!saved) {
        err << "keplund-cli: " << cli_->dialogs.Render(saved.error()).message << "\n";
    }
    return saved.ok();
}

std::filesystem::path TransferCli::BackupFolder() const {
    if (const std::optional<std::string> folder = args_.Value("--backups")) {
        return *folder;
    }
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0') {
        return std::filesystem::path(data) / "keplund" / "backups";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".local" / "share" / "keplund" / "backups";
    }
    return programFolder_ / "backups";
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

std::string TimestampNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}
