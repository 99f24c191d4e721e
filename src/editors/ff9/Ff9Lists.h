#pragma once

#include "editors/FieldModel.h"

// The lists of the FF9 pages with the codes their entries stand for.
namespace ff9 {
const ChoiceList& TimerSwitchList();      // "A" ... "H", "Stick", "Power"
const ChoiceList& TimerDirectionList();   // bit 0 of the timer flags
const ChoiceList& ChannelList();          // assignment of channels 5 to 8
const ChoiceList& Channel9List();         // assignment of channel 9
const ChoiceList& SecondAileronList();    // byte 0 bit 1
const ChoiceList& DualRateSwitchList();   // switches, stick switches and "Cond"
const ChoiceList& SwitchAToHList();       // bits 0 to 2
const ChoiceList& SnapRollSwitch1List();  // bits 0 to 2, bit 7 "Null"
const ChoiceList& SafeModeList();         // bit 6 of two bytes
const ChoiceList& AirbrakeModeList();     // byte 77 bit 5
const ChoiceList& ControllerList();       // "+ Vr-A" ... "- Vr-E", "NULL"
const ChoiceList& GyroTypeList();         // byte 79 bits 4 and 5
const ChoiceList& GovernorBit3List();     // byte 251 bit 3
const ChoiceList& GovernorBit4List();     // byte 251 bit 4
const ChoiceList& GovernorLowBitsList();  // byte 251 bits 0 to 2
const ChoiceList& MixerMasterList();      // bits 3 to 6
const ChoiceList& MixerSlaveList();       // bits 0 to 2
const ChoiceList& MixerSwitchList();      // bits 0 to 3: "A" ... "H", "THR"
}  // namespace ff9
