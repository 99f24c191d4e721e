#include "cli/AdapterTestCommand.h"

#include <ostream>

#include "adapters/AdapterTexts.h"
#include "adapters/LineTest.h"
#include "cli/Json.h"
#include "cli/TransferCli.h"

namespace {

const std::string kUsage = std::string("usage: keplund-cli adapter-test ") + kAdapterOptionsUsage +
                           " [--json] [--lang NAME]\n";

// A text of the program as a terminal shows it: line breaks without carriage returns.
std::string TerminalText(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

int RunLptTest(TransferCli& transfer, std::ostream& out) {
    CamPacConnection& connection = transfer.connection();
    const LineTestOutcome outcome = RunLineTest(*connection.lptBus(), connection.clock());
    const ShownMessage shown = transfer.cli().dialogs.Render(outcome.message);
    if (transfer.json()) {
        JsonWriter w;
        w.BeginObject();
        w.Key("adapter").String("lpt");
        w.Key("lineTest").BeginObject();
        w.Key("passed").Bool(outcome.passed);
        w.Key("text").Number(shown.text);
        w.Key("step").Number(outcome.step);
        w.EndObject();
        w.Key("waitstates").Number(transfer.choice().waitStates);
        w.EndObject();
        out << w.Text() << "\n";
    } else {
        if (!outcome.passed) {
            out << "Step " << outcome.step << ": ";
        }
        out << TerminalText(shown.message) << "\n";
    }
    return outcome.passed ? 0 : 1;
}

int RunUsbTest(TransferCli& transfer, std::ostream& out) {
    const Result<UsbInfo> info = transfer.connection().usb().ShowUsbAdapterInfo();
    const bool found = info.ok() || info.error().text != txt::kUsbInfoNotFound.number;
    if (transfer.json()) {
        JsonWriter w;
        w.BeginObject();
        w.Key("adapter").String("usb");
        w.Key("found").Bool(found);
        w.Key("info");
        if (info) {
            const UsbInfo& adapter = info.value();
            w.BeginObject();
            w.Key("text").String(TerminalText(adapter.display));
            w.Key("processorClock").Number(adapter.processorClock);
            w.Key("divisor").Number(adapter.divisor);
            w.Key("prescalerIndex").Number(adapter.prescalerIndex);
            w.Key("clockHz").Number(adapter.clockHz);
            w.EndObject();
        } else {
            w.Null();
        }
        w.EndObject();
        out << w.Text() << "\n";
    } else {
        out << TerminalText(info ? info.value().display
                                 : transfer.cli().dialogs.Render(info.error()).message)
            << "\n";
    }
    return info ? 0 : 1;
}

}  // namespace

int RunAdapterTestCommand(const std::vector<std::string>& words,
                          const std::filesystem::path& programFolder, std::ostream& out,
                          std::ostream& err) {
    return RunAdapterTestCommand(words, programFolder, out, err, HardwareMachine{});
}

int RunAdapterTestCommand(const std::vector<std::string>& words,
                          const std::filesystem::path& programFolder, std::ostream& out,
                          std::ostream& err, const HardwareMachine& machine) {
    TransferCli transfer(words, {}, kUsage, programFolder, machine, 0);
    if (const std::optional<int> status = transfer.Open(out, err)) {
        return *status;
    }
    if (transfer.connection().kind() == AdapterKind::Lpt) {
        return RunLptTest(transfer, out);
    }
    return RunUsbTest(transfer, out);
}
