#pragma once

#include "editors/PageBuilder.h"

// The wing mixers that the acrobatic and glider pages share: V-tail, flap trim, the
// flaperon / aileron differential / elevon group, elevator to flap and the air-brake or
// butterfly values, with the mutual exclusions of the flags in byte 79.
namespace ff9 {

inline constexpr int kFlags77 = 77;
inline constexpr int kFlags78 = 78;
inline constexpr int kFlags79 = 79;
inline constexpr int kFlags80 = 80;

inline constexpr BitRef kElevonBit{kFlags79, 0x08};
inline constexpr BitRef kAilevatorBit{kFlags79, 0x10};
inline constexpr BitRef kFlaperonBit{kFlags79, 0x20};
inline constexpr BitRef kDifferentialBit{kFlags79, 0x40};
inline constexpr BitRef kVTailBit{kFlags79, 0x80};

// `glider` enables the elevon and flap-trim controls only for "Glider 1".
void AddWingMixers(PageBuilder& page, bool glider);
void AddElevatorToFlap(PageBuilder& page);
// Air-brake (aeroplane) or butterfly (glider) values 197 to 202.
void AddAirbrakeValues(PageBuilder& page, const char* stickPositionName);

}  // namespace ff9
