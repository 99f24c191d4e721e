// Reads, compares and writes images of every CamPac size through both simulated adapters
// and prints, per size and adapter, what each operation costs: port accesses and bus
// clock pulses per byte (parallel port), reports exchanged (USB), and the modelled time at
// one microsecond per port access, 0 waitstates, a 5 ms write cycle and the USB polling
// intervals (50 ms per answer fetch, 100 ms for the size check).

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "adapters/CamPacAddressing.h"
#include "adapters/SimulatedCamPac.h"
#include "adapters/TransferEngine.h"
#include "common/UserDialogs.h"

namespace {

class SilentObserver : public TransferObserver {
  public:
    void ShowLine(TransferLine, const Message&) override {}
    void SetCaption(const Message&) override {}
    void SetProgressRange(int) override {}
    void SetProgress(int) override {}
    void ClearList() override {}
    void AddListLine(const Message&) override {}
    void PumpOneEvent() override {}
    bool Running() override { return running; }
    void SetRunning(bool r) override { running = r; }
    bool running = true;
};

class SilentDialogs : public UserDialogs {
  public:
    Answer Show(const Message&) override { return Answer::Ok; }
    std::optional<std::string> ChooseFileToOpen(const FileRequest&) override { return {}; }
    std::optional<std::string> ChooseFileToSave(const FileRequest&) override { return {}; }
    std::optional<std::string> ChooseFolder(const FileRequest&) override { return {}; }
    std::optional<std::string> PromptText(const std::string&) override { return {}; }
};

std::vector<Byte> RandomImage(int size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Byte> image(static_cast<std::size_t>(size));
    for (Byte& b : image) {
        b = static_cast<Byte>(random());
    }
    return image;
}

struct Counters {
    std::uint64_t accesses = 0;
    std::uint64_t pulses = 0;
    long long reports = 0;
    std::int64_t microseconds = 0;
};

Counters Take(SimulatedCamPac& sim) {
    return {sim.port.accesses(), sim.port.clockPulses(),
            sim.usb.reportsSent() + sim.usb.reportsFetched(), sim.clock.NowMicroseconds()};
}

void PrintRow(const char* operation, int size, const Counters& before, const Counters& after,
              bool ok) {
    std::printf(
        "  %-22s %12.1f %12.1f %9lld %11.3f  %s\n", operation,
        static_cast<double>(after.accesses - before.accesses) / size,
        static_cast<double>(after.pulses - before.pulses) / size, after.reports - before.reports,
        static_cast<double>(after.microseconds - before.microseconds) / 1e6, ok ? "ok" : "FAILED");
}

}  // namespace

int main() {
    const std::filesystem::path backups =
        std::filesystem::temp_directory_path() / ("keplund-bench-" + std::to_string(getpid()));
    SilentDialogs dialogs;
    TransmitterCatalogue catalogue;
    int failures = 0;
    for (int size : campac::kSizes) {
        for (AdapterKind kind : {AdapterKind::Lpt, AdapterKind::Usb}) {
            std::printf("%s, %s adapter\n", campac::SizeName(size).c_str(),
                        kind == AdapterKind::Lpt ? "LPT" : "USB");
            std::printf("  %-22s %12s %12s %9s %11s\n", "operation", "accesses/B", "clocks/B",
                        "reports", "modelled s");
            SimulatedCamPac sim(RandomImage(size, 1), kind, dialogs);
            CamPacData data;
            TransferEngine engine(data, catalogue, dialogs, sim.clock, sim.module, {false, false});
            SilentObserver observer;

            Counters before = Take(sim);
            bool ok = engine.ReadCamPac(observer, false) == TransferOutcome::Done;
            PrintRow("read", size, before, Take(sim), ok);
            failures += ok ? 0 : 1;

            observer.running = true;
            before = Take(sim);
            ok = engine.CompareCamPac(observer, TransferPage::Save).equal();
            PrintRow("compare", size, before, Take(sim), ok);
            failures += ok ? 0 : 1;

            const std::vector<Byte> wanted = RandomImage(size, 2);
            std::copy(wanted.begin(), wanted.end(), data.image.begin());
            observer.running = true;
            before = Take(sim);
            WriteReport report = engine.WriteCamPac(observer, {false, backups, "bench"});
            ok = report.outcome == TransferOutcome::Done && sim.eeprom.memory() == wanted;
            PrintRow("write all + verify", size, before, Take(sim), ok);
            failures += ok ? 0 : 1;

            data.image[static_cast<std::size_t>(size / 2)] ^= 0xFF;
            observer.running = true;
            before = Take(sim);
            report = engine.WriteCamPac(observer, {true, backups, "bench"});
            ok = report.outcome == TransferOutcome::Done && report.bytesWritten == 8;
            PrintRow("write 1 changed page", size, before, Take(sim), ok);
            failures += ok ? 0 : 1;
            std::printf("\n");
        }
    }
    std::filesystem::remove_all(backups);
    return failures == 0 ? 0 : 1;
}
