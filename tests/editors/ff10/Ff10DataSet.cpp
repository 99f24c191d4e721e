#include "Ff10DataSet.h"

#include <gtest/gtest.h>

#include "dataset/ModelDirectory.h"

CamPacData Ff10DataSet() {
    const TransmitterCatalogue catalogue;
    CamPacData data;
    EXPECT_TRUE(InitialiseImage(data, catalogue, "FF10      ", 2048).ok());
    data.state = DataSetState::Unchanged;
    return data;
}
