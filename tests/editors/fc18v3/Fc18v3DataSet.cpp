#include "Fc18v3DataSet.h"

#include <gtest/gtest.h>

#include "dataset/ModelDirectory.h"

CamPacData Fc18v3DataSet() {
    const TransmitterCatalogue catalogue;
    CamPacData data;
    EXPECT_TRUE(InitialiseImage(data, catalogue, "FC18V3    ", 2048).ok());
    data.state = DataSetState::Unchanged;
    return data;
}
