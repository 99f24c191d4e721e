#pragma once

#include "common/NumberedText.h"

// Numbered texts of the FX18 pages: messages, and the base page's captions that replace
// its built-in German texts.
namespace fx18::text {
inline constexpr NumberedText kStopwatchEntry{228, ""};
inline constexpr NumberedText kStopwatchOutOfRange{229, ""};
inline constexpr NumberedText kNameCharacter{232, ""};
inline constexpr NumberedText kDeltaWithVTail{233, ""};
inline constexpr NumberedText kButterflySwitchedOff{234, ""};
inline constexpr NumberedText kFlaperonChannelBack{235, ""};

inline constexpr int kModelName = 214;
inline constexpr int kReverse = 215;
inline constexpr int kFailSafe = 216;
inline constexpr int kFailSafePosition = 217;
inline constexpr int kStickTravel = 218;
inline constexpr int kServoTravel = 220;
inline constexpr int kServoCentre = 221;
inline constexpr int kTrimPosition = 222;
inline constexpr int kTrimSteps = 223;
inline constexpr int kTrimRate = 224;
inline constexpr int kExpoOff = 225;
inline constexpr int kNameTooltip = 227;
inline constexpr int kExpoOn = 239;
inline constexpr int kDualRate = 241;
inline constexpr int kVmix1 = 242;
inline constexpr int kOn = 245;
inline constexpr int kWithTrim = 246;
inline constexpr int kVCurve = 247;
inline constexpr int kMasterFunction = 248;
inline constexpr int kSlave = 249;
inline constexpr int kRate = 250;
inline constexpr int kOffset = 251;
inline constexpr int kXmix = 252;
inline constexpr int kThrottle = 253;
inline constexpr int kStopwatch = 254;
inline constexpr int kUp = 255;
inline constexpr int kDown = 256;
inline constexpr int kSwitch = 257;
inline constexpr int kPosition = 258;
inline constexpr int kTime = 259;
inline constexpr int kModulation = 260;
inline constexpr int kStickMode = 261;
inline constexpr int kDualRateSwitch = 262;
inline constexpr int kIdleTrim = 429;
inline constexpr int kThrottleReverse = 430;
inline constexpr int kMultiProp1 = 431;
inline constexpr int kMultiProp2 = 432;
inline constexpr int kMixTrim = 433;
inline constexpr int kSlot = 434;
inline constexpr int kMixingProgram = 435;
inline constexpr int kThrottleMixer = 436;
}  // namespace fx18::text
