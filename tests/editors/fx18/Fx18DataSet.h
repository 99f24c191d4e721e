#pragma once

#include <gtest/gtest.h>

#include "RecordVectors.h"
#include "dataset/CamPacData.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"

// A new FX18V1/2 data set on a 2k CamPac: twelve default models of 166 bytes from image
// offset 10, loaded into the slots.
inline constexpr int kFx18RecordSize = 166;
inline constexpr int kFx18FirstModel = 10;
CamPacData Fx18DataSet();
// The same with model 2 a Segler, its limit at 100 % and the butterfly off.
CamPacData Fx18CliData();

// Model 1 of an FX18 data set in edit mode.
struct Fx18Model : RecordEditing {
    Fx18Model();
};

// A vector of the record: the mixing program (byte 109) comes first among its stored
// bytes, for the page the field lies on.
class Fx18FieldTest : public testing::TestWithParam<ListedField>, public Fx18Model {};
