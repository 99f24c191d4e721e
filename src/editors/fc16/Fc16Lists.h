#pragma once

#include "editors/FieldModel.h"

// The lists of the FC16 pages.
namespace fc16 {
const ChoiceList& StickModeList();       // byte 42 bits 0-1: "Modus 1" to "Modus 4"
const ChoiceList& DualRateSwitchList();  // byte 41 bits 0-1: 0 "DRSW 2" ... 3 "DRSW 1"
const ChoiceList& ThrottleSideList();    // byte 42 bit 5: set "Vollgas hinten"
const ChoiceList& FunctionSwapList();    // byte 42 bit 4: set "Kanal 3", clear "Kanal 5"
// A mixer's master (bits 4-6) or slave (bits 0-2) function "1" to "8", stored 0 to 7.
const ChoiceList& MixerFunctionList(int shift);
// Byte 50 bits 4-7: "1" to "8", "+C" (8), "-C" (9).
const ChoiceList& StopwatchSwitchList();
// A program mixer's switch, bit `bit` (0 to 7): set "Aus", clear "Aktiv".
ChoiceList OnOffList(int bit);
// Byte 55 bits 4-5: the swashplate type.
const ChoiceList& SwashplateList();
}  // namespace fc16
