#pragma once

#include "editors/FieldModel.h"

// The code tables of the FX18 pages.
namespace fx18 {
// Bits 0 to 2: output "1" to "8" (a mixer's slave, "auf").
const ChoiceList& OutputList();
// Bits 3 to 6: control function "1" to "8", 8 "---" (a VMIX master).
const ChoiceList& VmixFunctionList();
// Bits 3 to 5: control function "1" to "8" (the XMIX master).
const ChoiceList& XmixFunctionList();
// Bits 0 to 4: "+1", "-1" ... "+8", "-8", "+C1", "-C1" ... "+C8", "-C8"; index = code.
const ChoiceList& StopwatchSwitchList();
const ChoiceList& DirectionList();  // byte 88 bit 7: "Aufwärts", "Abwärts"
const ChoiceList& StickModeList();  // byte 94 bits 0 and 1: "Mode 1" to "Mode 4"
// Byte 95 bits 0 and 1: the switches of the dual rates, "124 ", "14", "12", "1".
const ChoiceList& DualRateSwitchList();
// Bits 0 to 2: "Aus", "K. 5" to "K. 8".
const ChoiceList& MultiPropList();
// Byte 111 bits 1 and 2: "Delta", "Flaperon", "Aus" stored as 1 to 3.
const ChoiceList& WingModeList();
// Byte 111 bit 0: the second flaperon channel, "Kan.7" or "Kan.6" (Motorflug), "Kan.7" or
// "Kan.5" (Segler).
const ChoiceList& MotorflugFlaperonChannelList();
const ChoiceList& SeglerFlaperonChannelList();
// Byte 95 bit 4 (butterfly) and bit 5 (flaperon): the master channel, "Kan.5" or "Kan.3".
const ChoiceList& ButterflyMasterList();
const ChoiceList& FlaperonMasterList();
}  // namespace fx18
