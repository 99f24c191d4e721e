#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "adapters/ParallelPort.h"
#include "common/Result.h"

// Where Linux lists its parallel ports and where their device nodes are.
struct PortFolders {
    std::filesystem::path parport = "/proc/sys/dev/parport";
    std::filesystem::path devices = "/dev";
};

// The parallel port through Linux's ppdev driver: the /dev/parportN whose base address
// (/proc/sys/dev/parport/parportN/base-addr) is the LPT address, claimed exclusively for
// as long as the object lives. The three registers keep their PC meaning: base + 0 data,
// base + 1 status, base + 2 control.
class PpdevPort : public ParallelPort {
  public:
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    // Fails with text 70 (and how to get the permission) or text 75.
    static Result<std::unique_ptr<PpdevPort>> Open(std::uint16_t baseAddress,
                                                   const PortFolders& folders = {});
    // The /dev/parportN of a base address, or nothing.
    static std::optional<std::filesystem::path> DeviceFor(std::uint16_t baseAddress,
                                                          const PortFolders& folders = {});

    std::optional<Byte> ReadPort(std::uint16_t port) override;
    bool WritePort(std::uint16_t port, Byte value) override;

  private:
    PpdevPort(int fd, std::uint16_t base) : fd_(fd), base_(base) {}

    int fd_;
    std::uint16_t base_;
};

// The running system's name, as the adapter dialog shows it ("Linux 6.1.0-18-amd64").
std::string PlatformName();
// The kernel and the distribution ("Linux 6.1.0-18-amd64, Debian GNU/Linux 12 (bookworm)");
// empty when not even the kernel can be named. `osRelease` is the os-release file.
std::string SystemDescription(const std::filesystem::path& osRelease = "/etc/os-release");
