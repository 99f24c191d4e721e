#include "editors/ff10/Ff10FromFf9.h"

#include <algorithm>
#include <utility>

namespace ff10 {

// Base settings: the flags of FF9 byte 0 (ATL bit 4, second aileron bit 1) lie in byte 84;
// the dual-rate and exponential rows keep their FF9 order, the exponential 30 bytes behind
// the dual rate instead of 18.
const OffsetMap& BaseFromFf9() {
    static const OffsetMap map = {
        {0, 84},         // ATL, second aileron
        {22, 38, 8},     // trim rates 1 to 4, trims 1 to 4
        {30, 66, 16},    // servo travel, right then left of each channel
        {46, 46, 18},    // sub-trims, reverse, fail-safe, fail-safe positions
        {82, 123, 6},    // dual-rate switches and switch points of channels 1, 2, 4
        {88, 132, 18},   // dual rate, aeroplane and glider
        {106, 162, 18},  // exponential, aeroplane and glider
        {175, 250},      // exponential of channel 3
    };
    return map;
}

// The aeroplane program. The switch bytes (throttle cut, elevator to flap, idle-down) are
// the FF10's own lists; the FF10 stores rudder 2 of the V-tail before rudder 1, and its flap
// pair at 256 (value 1) and 257 (value 2), where both families' default blocks hold it.
const OffsetMap& AcrobaticFromFf9() {
    static const OffsetMap map = {
        {126, 131},      // throttle cut
        {176, 251, 2},   // V-tail elevator 1, 2
        {178, 254},      // V-tail rudder 1
        {179, 253},      // V-tail rudder 2
        {180, 255},      // flap trim
        {181, 258, 4},   // ailerons 1R, 1L, 2R, 2L
        {186, 256},      // flap value 1
        {185, 257},      // flap value 2
        {187, 279, 4},   // ailevator
        {193, 286, 2},   // elevator to flap, low and high side
        {197, 309},      // air-brake to aileron 1
        {199, 310},      // to flap
        {200, 311},      // to aileron 2
        {198, 312},      // to elevator
        {201, 307},      // stick position (shown only)
        {202, 313},      // delay
        {204, 429, 2},   // snap-roll switches
        {206, 431, 12},  // snap-roll travel
        {218, 371},      // throttle delay
        {220, 373},      // idle-down
        {262, 382, 5},   // throttle-needle points
        {267, 378},      // throttle-needle acceleration
    };
    return map;
}

// The helicopter program where the FF10 keeps FF9 settings: condition offsets on, the
// gyro, offset and governor switches, governor rates, hover throttle and pitch, delays.
const OffsetMap& HeliFromFf9() {
    static const OffsetMap map = {
        {78, 115},      // condition offsets on (bit 0)
        {115, 403},     // gyro switch
        {126, 131},     // throttle cut
        {196, 371},     // throttle position in autorotation
        {236, 249},     // offset switch
        {247, 417, 3},  // delays roll, pitch axis, tail
        {250, 375},     // governor switch
        {252, 377, 4},  // governor rates
        {257, 175, 4},  // hover throttle controller and value, hover pitch controller and value
    };
    return map;
}

// Linear mixers 1 to 4: trim and link bits, the master/slave byte and, behind the switch
// byte, offset and rates.
const OffsetMap& MixersFromFf9() {
    static const OffsetMap map = {
        {127, 192, 3},  // trim bits, link bits, mixer 1 master/slave
        {131, 196, 5},  // mixer 1 offset, rates; mixer 2 master/slave
        {137, 202, 5},  // mixer 2; mixer 3 master/slave
        {143, 208, 5},  // mixer 3; mixer 4 master/slave
        {149, 214, 4},  // mixer 4
    };
    return map;
}

std::function<bool(const Field&)> InGroup(std::string group) {
    return [group = std::move(group)](const Field& field) { return field.group == group; };
}

std::function<bool(const Field&)> Keyed(std::vector<std::string> keys) {
    return [keys = std::move(keys)](const Field& field) {
        return std::find(keys.begin(), keys.end(), field.key) != keys.end();
    };
}

}  // namespace ff10
