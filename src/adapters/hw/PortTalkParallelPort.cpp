#include "adapters/hw/PortTalkParallelPort.h"

#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "adapters/AdapterTexts.h"
#include "adapters/PortTalkRequests.h"

namespace {

constexpr NumberedText kServiceNameInvalid{71, ""};
constexpr NumberedText kServiceWouldNotStart{74, ""};

Message Failure(NumberedText text, const char* step, DWORD systemError) {
    char detail[96];
    std::snprintf(detail, sizeof detail, "\r\n(%s: %lu)", step, systemError);
    return Message::Numbered(text, {}, MessageIcon::Stop).WithSuffix(detail);
}

HANDLE OpenDriver() {
    return CreateFileA(porttalk::kDevice, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Starts the installed PortTalk service. Nothing when it runs (or already ran); the
// message when it cannot be started. A missing service is not installed from here:
// installing a kernel driver is left to the driver's own setup.
std::optional<Message> StartDriverService() {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (manager == nullptr) {
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED) {
            return Message::Numbered(txt::kPortNoPermission, {}, MessageIcon::Stop);
        }
        return Failure(txt::kPortDriverCannotOpen, "OpenSCManager", error);
    }
    std::optional<Message> problem;
    SC_HANDLE service = OpenServiceA(manager, porttalk::kServiceName, SERVICE_ALL_ACCESS);
    if (service == nullptr) {
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED) {
            problem = Message::Numbered(txt::kPortNoPermission, {}, MessageIcon::Stop);
        } else if (error == ERROR_INVALID_NAME) {
            problem = Message::Numbered(kServiceNameInvalid, {}, MessageIcon::Stop);
        } else {
            problem = Failure(txt::kPortDriverCannotOpen, "OpenService PortTalk", error);
        }
    } else {
        if (!StartServiceA(service, 0, nullptr)) {
            const DWORD error = GetLastError();
            if (error != ERROR_SERVICE_ALREADY_RUNNING) {
                problem = Failure(kServiceWouldNotStart, "StartService", error);
            }
        }
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return problem;
}

}  // namespace

Result<std::unique_ptr<ParallelPort>> PortTalkParallelPort::Open(std::uint16_t baseAddress) {
    HANDLE driver = OpenDriver();
    if (driver == INVALID_HANDLE_VALUE) {
        if (std::optional<Message> problem = StartDriverService()) {
            return *std::move(problem);
        }
        driver = OpenDriver();
    }
    if (driver == INVALID_HANDLE_VALUE) {
        return Failure(txt::kPortDriverCannotOpen, porttalk::kDevice, GetLastError());
    }
    return std::unique_ptr<ParallelPort>(new PortTalkParallelPort(driver, baseAddress));
}

PortTalkParallelPort::~PortTalkParallelPort() {
    CloseHandle(driver_);
}

std::optional<Byte> PortTalkParallelPort::ReadPort(std::uint16_t port) {
    if (!Owns(port)) {
        return std::nullopt;
    }
    auto request = porttalk::ReadRequest(port);
    Byte value = 0;
    DWORD returned = 0;
    if (!DeviceIoControl(driver_, porttalk::kReadPortByte, request.data(),
                         static_cast<DWORD>(request.size()), &value, sizeof value, &returned,
                         nullptr) ||
        returned != sizeof value) {
        return std::nullopt;
    }
    return value;
}

bool PortTalkParallelPort::WritePort(std::uint16_t port, Byte value) {
    if (!Owns(port)) {
        return false;
    }
    auto request = porttalk::WriteRequest(port, value);
    DWORD returned = 0;
    return DeviceIoControl(driver_, porttalk::kWritePortByte, request.data(),
                           static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr) != 0;
}
