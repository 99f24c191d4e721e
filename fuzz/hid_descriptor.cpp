#include "FuzzSupport.h"
#include "adapters/HidReportDescriptor.h"

// Every HID device of the machine passes its report descriptor through this parser during
// the adapter search.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int length = FeatureReportLength(InputBytes(data, size));
    Require(length >= 0 && length <= 16384 + 1);
    return 0;
}
