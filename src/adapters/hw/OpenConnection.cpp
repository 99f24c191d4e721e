#include "adapters/hw/OpenConnection.h"

#include <cstdio>

#include "adapters/SimulatedConnection.h"
#include "adapters/hw/PpdevPort.h"
#include "shell/Settings.h"

AdapterChoice ChooseAdapter(const ProgramOptions& options, const Settings& settings) {
    AdapterChoice choice;
    choice.kind =
        options.adapter.value_or(settings.useUsb != 0 ? AdapterKind::Usb : AdapterKind::Lpt);
    choice.lptAddress = options.lptAddress.value_or(settings.lptAddress);
    choice.waitStates = options.waitStates.value_or(settings.waitStates);
    choice.usbVendor = static_cast<std::uint16_t>(settings.usbVendor);
    choice.usbProduct = static_cast<std::uint16_t>(settings.usbProduct);
    choice.clockFor64k = settings.clockFor64k;
    return choice;
}

OpenedConnection OpenConnection(const ProgramOptions& options, const Settings& settings,
                                UserDialogs& dialogs, const HardwareMachine& machine) {
    const AdapterChoice choice = ChooseAdapter(options, settings);
    OpenedConnection opened;
    if (options.simulate) {
        SimulatedConnection::Options simulated;
        simulated.image = *options.simulate;
        simulated.kind = choice.kind;
        simulated.clockFor64k = choice.clockFor64k;
        simulated.faults = options.faults;
        if (choice.kind == AdapterKind::Lpt) {
            simulated.trace = options.trace;
        }
        auto connection = SimulatedConnection::Open(simulated, dialogs);
        if (!connection) {
            opened.problem = connection.error();
            return opened;
        }
        opened.connection = std::move(connection.value());
    } else {
        opened.connection = std::make_unique<HardwareAdapters>(dialogs, machine);
    }
    if (const Status used = opened.connection->UseAdapter(choice); !used) {
        opened.problem = used.error();
    }
    return opened;
}

PortInUse DescribePort(const ProgramOptions& options, const AdapterChoice& choice) {
    if (options.simulate) {
        return {options.simulate->string(), true};
    }
    char name[32];
    if (choice.kind == AdapterKind::Usb) {
        std::snprintf(name, sizeof name, "USB %04X:%04X", choice.usbVendor, choice.usbProduct);
        return {name, false};
    }
#ifndef _WIN32
    if (const auto device = PpdevPort::DeviceFor(choice.lptAddress)) {
        return {device->string(), false};
    }
#endif
    std::snprintf(name, sizeof name, "0x%03X", static_cast<unsigned>(choice.lptAddress));
    return {name, false};
}
