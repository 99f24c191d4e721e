#include "Fc16DataSet.h"

#include <gtest/gtest.h>

#include "dataset/ModelDirectory.h"

CamPacData Fc16DataSet() {
    const TransmitterCatalogue catalogue;
    CamPacData data;
    EXPECT_TRUE(InitialiseImage(data, catalogue, "FC16      ", 2048).ok());
    data.state = DataSetState::Unchanged;
    return data;
}
