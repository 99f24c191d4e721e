#include "adapters/hw/HardwareAdapters.h"

#include "adapters/AdapterTexts.h"
#include "adapters/hw/HidapiSystem.h"
#ifdef _WIN32
#include "adapters/hw/PortTalkParallelPort.h"
#else
#include "adapters/hw/DirectParallelPort.h"
#endif

HardwareAdapters::HardwareAdapters(UserDialogs& dialogs, HardwareMachine machine)
    : machine_(std::move(machine)),
      hid_(machine_.hid ? machine_.hid() : std::make_unique<HidapiSystem>()),
      usb_(*hid_, clock_, dialogs) {
    MakeModule();
}

void HardwareAdapters::MakeModule() {
    module_ = std::make_unique<ModuleAccess>(choice_.kind, bus_.get(), &usb_, choice_.clockFor64k);
}

Status HardwareAdapters::OpenPort(std::uint16_t address) {
    bus_.reset();
    port_.reset();
    portDevice_.clear();
    portProblem_.reset();
#ifdef _WIN32
    Result<std::unique_ptr<ParallelPort>> porttalk = PortTalkParallelPort::Open(address);
    if (porttalk) {
        port_ = std::move(porttalk.value());
        return Status::Ok();
    }
    portProblem_ = porttalk.error();
    return porttalk.error();
#else
    Result<std::unique_ptr<PpdevPort>> ppdev = PpdevPort::Open(address, machine_.ports);
    if (ppdev) {
        portDevice_ = PpdevPort::DeviceFor(address, machine_.ports)->string();
        port_ = std::move(ppdev.value());
        return Status::Ok();
    }
    // A ppdev device that has the address but cannot be had says why; without one, the
    // ports are tried directly.
    if (!PpdevPort::DeviceFor(address, machine_.ports) && machine_.directPortAccess) {
        if (Result<std::unique_ptr<ParallelPort>> direct = DirectParallelPort::Open(address)) {
            port_ = std::move(direct.value());
            return Status::Ok();
        }
    }
    portProblem_ = ppdev.error();
    return ppdev.error();
#endif
}

Status HardwareAdapters::UseAdapter(const AdapterChoice& choice) {
    const bool reopen =
        port_ == nullptr || !access_.on() || choice.lptAddress != choice_.lptAddress;
    choice_ = choice;
    usb_.SetIds(choice.usbVendor, choice.usbProduct);
    Status status;
    if (choice.kind == AdapterKind::Usb) {
        bus_.reset();
        port_.reset();
        portDevice_.clear();
        portProblem_.reset();
    } else if (reopen) {
        status = OpenPort(choice.lptAddress);
        if (status) {
            access_.SwitchOn();
            bus_ = std::make_unique<LptI2cBus>(*port_, clock_, access_);
        } else {
            access_.SwitchPortAccessOff();
        }
    }
    if (bus_ != nullptr) {
        bus_->SetBaseAddress(choice.lptAddress);
        bus_->SetWaitStates(choice.waitStates);
        bus_->ReleaseLines();
        if (const std::optional<PortFault>& fault = access_.fault()) {
            status = PortFaultMessage(*fault);
        }
    }
    MakeModule();
    return status;
}

Message HardwareAdapters::PortAccessInfo() {
    if (port_ == nullptr) {
        Message none = Message::Numbered(txt::kPortAccessNone);
        if (portProblem_) {
            none.continuation = {Message::Literal("\r\n"), *portProblem_};
        }
        return none;
    }
    if (portDevice_.empty()) {
        return Message::Numbered(txt::kPortAccessDirect);
    }
    return Message::Numbered(txt::kPortAccessPpdev, {portDevice_});
}
