#pragma once

#include "dataset/CamPacData.h"

// A new FF10 data set on a 16k CamPac: four default models of 488 bytes from image offset
// 16, loaded into the slots.
inline constexpr int kFf10RecordSize = 488;
CamPacData Ff10DataSet();
