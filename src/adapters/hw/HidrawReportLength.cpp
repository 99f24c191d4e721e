#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "adapters/HidReportDescriptor.h"
#include "adapters/hw/HidapiSystem.h"

// hidapi 0.13 cannot give a device's report descriptor; on Linux the hidraw node the
// device path names gives it through two ioctls.
int HidapiSystem::FeatureReportLengthOf(const std::string& hidrawPath) {
    const int fd = open(hidrawPath.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        return 0;
    }
    int size = 0;
    hidraw_report_descriptor descriptor{};
    int length = 0;
    if (ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        descriptor.size = static_cast<unsigned>(size);
        if (ioctl(fd, HIDIOCGRDESC, &descriptor) == 0) {
            length = FeatureReportLength(
                std::span<const Byte>(descriptor.value, static_cast<std::size_t>(size)));
        }
    }
    close(fd);
    return length;
}
