#include "shell/OpenConnection.h"

#include "adapters/SimulatedConnection.h"
#include "adapters/hw/HardwareAdapters.h"
#include "shell/Settings.h"

Result<std::unique_ptr<CamPacConnection>> OpenConnection(const ProgramOptions& options,
                                                         const Settings& settings,
                                                         UserDialogs& dialogs) {
    const AdapterKind kind =
        options.adapter.value_or(settings.useUsb != 0 ? AdapterKind::Usb : AdapterKind::Lpt);
    if (options.simulate) {
        SimulatedConnection::Options simulated;
        simulated.image = *options.simulate;
        simulated.kind = kind;
        simulated.clockFor64k = settings.clockFor64k;
        if (kind == AdapterKind::Lpt) {
            simulated.trace = options.trace;
        }
        auto connection = SimulatedConnection::Open(simulated, dialogs);
        if (!connection) {
            return connection.error();
        }
        return std::unique_ptr<CamPacConnection>(std::move(connection.value()));
    }
    HardwareAdapters::Choice choice;
    choice.kind = kind;
    choice.lptAddress = settings.lptAddress;
    choice.waitStates = settings.waitStates;
    choice.usbVendor = static_cast<std::uint16_t>(settings.usbVendor);
    choice.usbProduct = static_cast<std::uint16_t>(settings.usbProduct);
    choice.clockFor64k = settings.clockFor64k;
    auto hardware = HardwareAdapters::Open(choice, dialogs);
    if (!hardware) {
        return hardware.error();
    }
    return std::unique_ptr<CamPacConnection>(std::move(hardware.value()));
}
