#pragma once

#include <string>
#include <vector>

#include "editors/FieldModel.h"

// Bits 4 to 6 of a switch byte: the switch positions in which a function is on.
inline constexpr Byte kSwitchPositionMask = 0x70;

// The position list of a switch byte: "Down", "Dn&Ct", "Center", "Ct&Up", "Up", "Null";
// any pattern but the five named ones reads as "Null". The two lists differ in how they
// write "Null": as no position (0x00) or as all positions (0x70).
const ChoiceList& SwitchPositionsNullClear();
const ChoiceList& SwitchPositionsNullAll();

// The texts "1" to "count".
std::vector<std::string> NumberTexts(int count);

// The modulation in bit 7: clear "PCM", set "PPM".
const ChoiceList& ModulationList();

// A two-entry list standing for the bits of `mask`: the first entry clear, the second set.
ChoiceList TwoEntryBitList(Byte mask, std::string clearText, std::string setText,
                           int clearTextNumber = 0, int setTextNumber = 0);
// Entries whose codes count up from `firstCode`, stored in the bits of `care` shifted
// left by `shift`.
ChoiceList CodeList(const std::vector<std::string>& texts, Byte care, int shift = 0,
                    int firstCode = 0);
