#include "shell/OpenConnection.h"

#include <cstdio>

#include "adapters/SimulatedConnection.h"
#include "adapters/hw/HardwareAdapters.h"
#include "shell/Settings.h"

AdapterKind ChosenAdapter(const ProgramOptions& options, const Settings& settings) {
    return options.adapter.value_or(settings.useUsb != 0 ? AdapterKind::Usb : AdapterKind::Lpt);
}

PortInUse DescribePort(const ProgramOptions& options, const Settings& settings) {
    if (options.simulate) {
        return {options.simulate->string(), true};
    }
    char name[32];
    if (ChosenAdapter(options, settings) == AdapterKind::Usb) {
        std::snprintf(name, sizeof name, "USB %04X:%04X", settings.usbVendor & 0xFFFF,
                      settings.usbProduct & 0xFFFF);
        return {name, false};
    }
    if (const auto device = PpdevPort::DeviceFor(settings.lptAddress)) {
        return {device->string(), false};
    }
    std::snprintf(name, sizeof name, "0x%03X", static_cast<unsigned>(settings.lptAddress));
    return {name, false};
}

Result<std::unique_ptr<CamPacConnection>> OpenConnection(const ProgramOptions& options,
                                                         const Settings& settings,
                                                         UserDialogs& dialogs) {
    const AdapterKind kind = ChosenAdapter(options, settings);
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
