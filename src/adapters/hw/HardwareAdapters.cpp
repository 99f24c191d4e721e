#include "adapters/hw/HardwareAdapters.h"

#include "adapters/hw/DirectParallelPort.h"

Result<std::unique_ptr<HardwareAdapters>> HardwareAdapters::Open(const Choice& choice,
                                                                 UserDialogs& dialogs) {
    std::unique_ptr<HardwareAdapters> adapters(new HardwareAdapters(dialogs));
    adapters->usb_.SetIds(choice.usbVendor, choice.usbProduct);
    if (choice.kind == AdapterKind::Lpt) {
        Result<std::unique_ptr<PpdevPort>> port = PpdevPort::Open(choice.lptAddress);
        if (port) {
            adapters->port_ = std::move(port.value());
        } else if (PpdevPort::DeviceFor(choice.lptAddress)) {
            return port.error();
        } else {
            Result<std::unique_ptr<ParallelPort>> direct =
                DirectParallelPort::Open(choice.lptAddress);
            if (!direct) {
                return port.error();
            }
            adapters->port_ = std::move(direct.value());
        }
        adapters->bus_ =
            std::make_unique<LptI2cBus>(*adapters->port_, adapters->clock_, adapters->access_);
        adapters->bus_->SetBaseAddress(choice.lptAddress);
        adapters->bus_->SetWaitStates(choice.waitStates);
        adapters->bus_->ReleaseLines();
    }
    adapters->module_ = std::make_unique<ModuleAccess>(choice.kind, adapters->bus_.get(),
                                                       &adapters->usb_, choice.clockFor64k);
    return adapters;
}
