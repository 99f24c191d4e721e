#pragma once

#include "dataset/CamPacData.h"

// A new FC16 data set on a 2k CamPac: 25 default models of 80 bytes from image offset 32,
// loaded into the slots.
inline constexpr int kFc16RecordSize = 80;
inline constexpr int kFc16FirstModel = 32;
CamPacData Fc16DataSet();
