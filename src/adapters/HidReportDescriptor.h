#pragma once

#include <span>

#include "common/Bytes.h"

// The length of the longest feature report a HID report descriptor declares, in bytes,
// with the report number byte in front (as the host exchanges it): 129 for a device whose
// feature report carries 128 bytes. 0 when the descriptor declares no feature report,
// cannot be read to its end, or declares a field, an item or a report larger than a HID
// device can have.
int FeatureReportLength(std::span<const Byte> descriptor);
