#include "adapters/hw/PpdevPort.h"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "adapters/AdapterTexts.h"
#include "adapters/ParportDiscovery.h"

namespace {

constexpr const char* kPermissionHint =
    "\r\n\r\nLinux: sudo usermod -aG lp $USER (then log in again), and load ppdev "
    "(sudo modprobe ppdev).";

Message CannotOpen(const std::string& detail) {
    return Message::Numbered(txt::kPortDriverCannotOpen, {}, MessageIcon::Stop)
        .WithSuffix("\r\n(" + detail + ")");
}

}  // namespace

std::optional<std::filesystem::path> PpdevPort::DeviceFor(std::uint16_t baseAddress,
                                                          const PortFolders& folders) {
    return FindParportDevice(baseAddress, folders.parport, folders.devices);
}

Result<std::unique_ptr<PpdevPort>> PpdevPort::Open(std::uint16_t baseAddress,
                                                   const PortFolders& folders) {
    const std::optional<std::filesystem::path> device = DeviceFor(baseAddress, folders);
    if (!device) {
        char address[16];
        std::snprintf(address, sizeof address, "0x%03X", baseAddress);
        return CannotOpen(std::string("no parallel port at ") + address);
    }
    const int fd = open(device->c_str(), O_RDWR);
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM) {
            return Message::Numbered(txt::kPortNoPermission, {}, MessageIcon::Stop)
                .WithSuffix(kPermissionHint);
        }
        return CannotOpen(device->string() + ": " + std::strerror(errno));
    }
    if (ioctl(fd, PPEXCL) != 0 || ioctl(fd, PPCLAIM) != 0) {
        const std::string reason = std::strerror(errno);
        close(fd);
        return CannotOpen(device->string() + ": " + reason);
    }
    int forward = 0;
    ioctl(fd, PPDATADIR, &forward);
    return std::unique_ptr<PpdevPort>(new PpdevPort(fd, baseAddress));
}

PpdevPort::~PpdevPort() {
    ioctl(fd_, PPRELEASE);
    close(fd_);
}

std::optional<Byte> PpdevPort::ReadPort(std::uint16_t port) {
    unsigned char value = 0;
    unsigned long request = 0;
    switch (port - base_) {
        case 0:
            request = PPRDATA;
            break;
        case 1:
            request = PPRSTATUS;
            break;
        case 2:
            request = PPRCONTROL;
            break;
        default:
            SetLastError(EINVAL);
            return std::nullopt;
    }
    if (ioctl(fd_, request, &value) != 0) {
        SetLastError(errno);
        return std::nullopt;
    }
    return value;
}

bool PpdevPort::WritePort(std::uint16_t port, Byte value) {
    unsigned char byte = value;
    unsigned long request = 0;
    switch (port - base_) {
        case 0:
            request = PPWDATA;
            break;
        case 1:
            return true;  // the status register takes no writes
        case 2:
            request = PPWCONTROL;
            break;
        default:
            SetLastError(EINVAL);
            return false;
    }
    if (ioctl(fd_, request, &byte) != 0) {
        SetLastError(errno);
        return false;
    }
    return true;
}

std::string PlatformName() {
    utsname name{};
    if (uname(&name) != 0) {
        return {};
    }
    return std::string(name.sysname) + " " + name.release;
}

std::string SystemDescription(const std::filesystem::path& osRelease) {
    std::string description = PlatformName();
    if (description.empty()) {
        return description;
    }
    // PRETTY_NAME="Debian GNU/Linux 12 (bookworm)"
    std::ifstream in(osRelease);
    constexpr std::string_view kKey = "PRETTY_NAME=";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(kKey, 0) != 0) {
            continue;
        }
        std::string name = line.substr(kKey.size());
        if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') &&
            name.back() == name.front()) {
            name = name.substr(1, name.size() - 2);
        }
        if (!name.empty()) {
            description += ", " + name;
        }
        break;
    }
    return description;
}
