#include "adapters/SimulatedFaults.h"

#include <charconv>

namespace {

constexpr std::string_view kFlipPrefix = "flip:";
constexpr int kLargestAddress = 8191;

// A byte address in decimal, or in hexadecimal after "0x".
bool ParseAddress(std::string_view text, int& address) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, address, base);
    return !text.empty() && error == std::errc() && stop == end && address >= 0 &&
           address <= kLargestAddress;
}

}  // namespace

Status AddSimulatedFault(std::string_view name, SimulatedFaults& faults) {
    EepromFaults& eeprom = faults.eeprom;
    if (name == "sda-stuck-low") {
        eeprom.sdaStuckLow = true;
    } else if (name == "scl-stuck-low") {
        eeprom.scl = SclFault::StuckLow;
    } else if (name == "scl-stuck-high") {
        eeprom.scl = SclFault::StuckHigh;
    } else if (name == "no-ack") {
        eeprom.noAck = AckFault::Everything;
    } else if (name == "write-protected") {
        eeprom.writeProtected = true;
    } else if (name == "port-denied") {
        faults.portDenied = true;
    } else if (name.starts_with(kFlipPrefix)) {
        int address = 0;
        if (!ParseAddress(name.substr(kFlipPrefix.size()), address)) {
            return Message::Literal(
                "flip:ADDRESS takes a byte address from 0 to 8191 (or 0x0 to "
                "0x1FFF), not " +
                    std::string(name),
                MessageIcon::Stop);
        }
        eeprom.flipAddress = address;
    } else {
        return Message::Literal(
            "unknown fault " + std::string(name) + " (known: " + kSimulatedFaultNames + ")",
            MessageIcon::Stop);
    }
    faults.names.emplace_back(name);
    return Status::Ok();
}
