#pragma once

#include <string>

#include "editors/PageBuilder.h"

// What the mixing pages share: percentages, the groups the Motorflug and Segler pages both
// have (the same bytes with the same meaning), and the limit code of byte 118.
namespace fx18 {

// A signed percentage "<key>" of [min, max] labelled `label`, its range as tooltip.
void AddPercent(PageBuilder& page, const std::string& key, int offset, int min, int max,
                const std::string& label);

// Byte 118 read as signed b holds a limit of v percent: v = 100 - trunc((b + 120) x 100 / 240)
// and b = trunc((100 - v) x 240 / 100) - 119, so 100 % is stored as -119 and 0 % as 121.
// Only 0 to 100 come back unchanged; other bytes show -2 to 103.
int LimitShown(int stored);
int LimitStored(int shown);

// "QU-S" aileron to rudder: "Ein" bit 0 of byte 110 clear, rate byte 114.
void AddAileronToRudder(PageBuilder& page);
// In the current group: flaperon "Limit" (byte 118) with its "Neg" (byte 96 bit 7), and
// the flaperon "Mischer" (byte 116 bits 0 to 6) with its "Neg" (bit 7).
void AddFlaperonLimitAndMixer(PageBuilder& page);
// "Flaperon": "FLTR Ein" bit 3 of byte 111 clear, "L%" 133, "R%" 134, "Offset" 117.
void AddFlaperon(PageBuilder& page);
// "Wölbklappen WO-H": "Ein" bit 4 of byte 110 clear, "%" 115, and the flaperon's offset,
// limit and limit "Neg" under their own captions.
void AddCamberFlaps(PageBuilder& page);
// "V-Leitwerk": "Ein" bit 4 of byte 111 clear, "Kanal 2 %" 119, "Kanal 4 %" 120; the hook
// runs after its commit (none: nullptr).
void AddVTail(PageBuilder& page, AfterWriteHook afterWrite);
// "SE-H" rudder to elevator (bit 3 of byte 110, byte 136) and "QU-H" aileron to elevator
// (bit 2 of byte 110, byte 135).
void AddElevatorMixers(PageBuilder& page);

}  // namespace fx18
