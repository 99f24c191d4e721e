#pragma once

#include "editors/FieldModel.h"

// The code tables of the FC18V3 pages.
namespace fc18v3 {
// Bits 0 to 4: switch 1 to D (bits 0 to 3: number - 1, bit 4: "-"), 31 "Aus".
const ChoiceList& SwitchCodeList();
// Bits 0 to 4 as the switch code with eight switches; "**" is written as 8, a stored 31
// reads as "**" too.
const ChoiceList& MixerSwitchList();
// The whole byte: 0 to 12 "Schalter 1" to "Schalter D", 255 "Aus".
const ChoiceList& DualRateSwitchList();
// A nibble (high or low): control function 1 to 8, 8 "NTP".
const ChoiceList& FunctionList(int shift);
// Three bits (0 to 2 or 4 to 6): channel 5 to 8, 4 "Aus" (so are 5 to 7).
const ChoiceList& MultiPropList(int shift);
// The whole byte: bits 0 to 6 channel - 1, bit 7 the negative sense.
const ChoiceList& ChannelSwitchList();
const ChoiceList& IdleTrimList();  // byte 8 bit 1: set "Aus", clear "Aktiv"
// A mixer's on/off bit (a single bit): "Aus" while it is set, "Aktiv" while it is clear.
const ChoiceList& OnOffList(Byte bit);
const ChoiceList& IdleTrimSenseList();  // byte 8 bit 0
const ChoiceList& CountingList();       // bit 7 of a stopwatch byte
const ChoiceList& StopwatchModeList();  // bit 6 of byte 101
const ChoiceList& MixerModeList();      // bit 5 of byte 68
const ChoiceList& TailSenseList();      // bit 7 of byte 120 (heli): "Links", "Rechts"
}  // namespace fc18v3
