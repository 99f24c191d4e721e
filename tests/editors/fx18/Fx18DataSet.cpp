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

Fx18Model::Fx18Model() : RecordEditing(Fx18DataSet(), fx18::Family(), kFx18RecordSize) {}
