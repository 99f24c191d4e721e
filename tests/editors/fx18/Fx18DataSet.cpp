#include "Fx18DataSet.h"

#include <gtest/gtest.h>

#include "dataset/ModelDirectory.h"
#include "editors/fx18/Fx18Pages.h"

CamPacData Fx18DataSet() {
    const TransmitterCatalogue catalogue;
    CamPacData data;
    EXPECT_TRUE(InitialiseImage(data, catalogue, "FX18V1/2  ", 2048).ok());
    data.state = DataSetState::Unchanged;
    return data;
}

CamPacData Fx18CliData() {
    CamPacData data = Fx18DataSet();
    const int second = kFx18FirstModel + kFx18RecordSize;
    data.image[second + 109] = 2;
    data.image[second + 118] = 0x89;
    data.image[second + 110] = 0xFF;
    return data;
}

Fx18Model::Fx18Model() : RecordEditing(Fx18DataSet(), fx18::Family(), kFx18RecordSize) {}
