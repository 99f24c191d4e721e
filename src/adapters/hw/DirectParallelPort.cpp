#include "adapters/hw/DirectParallelPort.h"

#include <cerrno>

#include <cstdio>
#include <cstring>

#include "adapters/AdapterTexts.h"

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define KEPLUND_HAS_PORT_INSTRUCTIONS 1
#endif

namespace {

constexpr unsigned long kRegisterCount = 3;

Message NotPermitted(std::uint16_t baseAddress, int systemError) {
    char detail[96];
    std::snprintf(detail, sizeof detail, "\r\n(0x%03X: %s)", baseAddress,
                  std::strerror(systemError));
    return Message::Numbered(txt::kPortDriverCannotOpen, {}, MessageIcon::Stop).WithSuffix(detail);
}

}  // namespace

Result<std::unique_ptr<ParallelPort>> DirectParallelPort::Open(std::uint16_t baseAddress) {
#ifdef KEPLUND_HAS_PORT_INSTRUCTIONS
    if (::ioperm(baseAddress, kRegisterCount, 1) != 0) {
        return NotPermitted(baseAddress, errno);
    }
    return std::unique_ptr<ParallelPort>(new DirectParallelPort(baseAddress));
#else
    return NotPermitted(baseAddress, ENOSYS);
#endif
}

DirectParallelPort::~DirectParallelPort() {
#ifdef KEPLUND_HAS_PORT_INSTRUCTIONS
    ::ioperm(base_, kRegisterCount, 0);
#endif
}

std::optional<Byte> DirectParallelPort::ReadPort(std::uint16_t port) {
    if (!Owns(port)) {
        SetLastError(EINVAL);
        return std::nullopt;
    }
#ifdef KEPLUND_HAS_PORT_INSTRUCTIONS
    return static_cast<Byte>(::inb(port));
#else
    SetLastError(ENOSYS);
    return std::nullopt;
#endif
}

bool DirectParallelPort::WritePort(std::uint16_t port, Byte value) {
    if (!Owns(port)) {
        SetLastError(EINVAL);
        return false;
    }
#ifdef KEPLUND_HAS_PORT_INSTRUCTIONS
    ::outb(value, port);
    return true;
#else
    SetLastError(ENOSYS);
    return false;
#endif
}
