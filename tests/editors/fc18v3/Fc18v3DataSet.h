#pragma once

#include "dataset/CamPacData.h"

// A new FC18V3 data set on a 2k CamPac: eleven default models of 180 bytes from image
// offset 20, loaded into the slots.
inline constexpr int kFc18v3RecordSize = 180;
CamPacData Fc18v3DataSet();
