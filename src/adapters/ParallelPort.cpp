#include "adapters/ParallelPort.h"

#include <cstdio>
#include <cstring>

#include "adapters/AdapterTexts.h"

Message PortFaultMessage(const PortFault& fault) {
    char detail[160];
    std::snprintf(detail, sizeof detail, "\r\n(0x%03X: %s)", fault.port,
                  std::strerror(fault.systemError));
    return Message::Numbered(txt::kPortRequestFailed, {static_cast<long long>(fault.systemError)},
                             MessageIcon::Stop)
        .WithSuffix(detail);
}
