#pragma once

#include <vector>

#include "dataset/CamPacData.h"

// An FF9 data set on a 16k CamPac (six models from image offset 10, 330 bytes each), built
// in the test: every model is a copy of `record`, loaded into the slots.
inline constexpr int kFf9RecordSize = 330;
CamPacData Ff9DataSet(const std::vector<Byte>& record);

// A record of the given type byte holding its family's default mixing program; the
// other bytes are zero except the name "MODEL" and trim rates of 4.
std::vector<Byte> Ff9Record(int typeByte);
