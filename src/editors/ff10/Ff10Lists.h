#pragma once

#include "editors/FieldModel.h"

// The lists of the FF10 pages with the codes their entries stand for. Switch codes: 0 to 7
// the switches A to H, 10 the throttle stick "Gas", 12 to 14 the logic switches "Ls1" to
// "Ls3", 0x70 "Pwr". Choosing a switch stores its code in bits 0 to 3; the position list of
// the same group writes bits 4 to 6 (the start switch, which has "Pwr", clears them first).
namespace ff10 {
const ChoiceList& StartSwitchList();    // "A" ... "H", "Gas", "Ls1" ... "Ls3", "Pwr"
const ChoiceList& SwitchList();         // "A" ... "H", "Ls1" ... "Ls3"
const ChoiceList& MixerSwitchList();    // "A" ... "H", "Gas", "Ls1" ... "Ls3"
const ChoiceList& LogicInputAList();    // "SwA" ... "SwH", "Gas"
const ChoiceList& LogicInputBList();    // "SwA" ... "SwH" in bits 0 to 2
const ChoiceList& LogicOperatorList();  // bit 7: "UND", "ODER"
// The positions of a logic switch: "Down" 0x10, "Up" 0x40, and "Null" where a field writes
// it as all positions.
const ChoiceList& LogicPositionsNullClear();
const ChoiceList& LogicPositionsNullAll();
// The mode byte of a timer, written whole: "Auf", "Ab", "Dn(S)", and "Mdl" for timer 3.
const ChoiceList& TimerModeList();
const ChoiceList& Timer3ModeList();
const ChoiceList& ModulationList();  // byte 84 bit 6
const ChoiceList& ChannelList();     // channels 5 to 8: "VrA" ... "Ls3", "NULL"
const ChoiceList& Channel9List();    // channels 9 and 10: "SwA" ... "Ls3" (code - 5) in bits 0 to 3
const ChoiceList& CamberControllerList();  // "Vr-A" ... "Vr-E" as 0 to 4, "NULL" as 0x80
}  // namespace ff10
