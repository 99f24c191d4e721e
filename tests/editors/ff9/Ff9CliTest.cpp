#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorCli.h"
#include "Ff9DataSet.h"
#include "cli/DescribeCommand.h"
#include "dataset/TransmitterCatalogue.h"

// describe on an FF9 (or FF9 Super) data set whose six models are aeroplane records;
// model 2 has a few fields set.
namespace {

CamPacData Ff9CliData(Byte typeCode) {
    CamPacData data = Ff9DataSet(Ff9Record(0));
    data.image[3] = typeCode;
    Byte* second = data.image.data() + 10 + kFf9RecordSize;
    second[46] = 0xFB;  // sub-trim 1: -5
    second[31] = 100;   // servo travel 1 left
    second[15] = 0xFE;  // timer 1: 3070 tenths
    second[16] = 0x0B;
    second[262] = 75;   // throttle needle point 1: 37.5 %
    second[54] = 0x01;  // channel 1 reversed
    IdentifyFromImage(data, TransmitterCatalogue{});
    return data;
}

struct Ff9Cli : EditorCli {
    Ff9Cli() : EditorCli(Ff9CliData(0x01), "in.rom") {}
};

TEST_F(Ff9Cli, DescribeShowsTheModelAsThePagesDo) {
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "2", "--json"}), 0) << err;
    ExpectIn({"{\"type\": \"FF9       \", \"model\": 2, \"fields\": {", "\"SubTrimm 1\": -5",
              "\"Servoweg 1L\": 100", "\"Stopuhr 1/ Zeit\": \"05:07\"", "\"ThrNeedl 1\": 37.5",
              "\"Reverse 1\": true", "\"Reverse 2\": false", "\"Modelltyp\": \"Acro\"",
              "\"Modellname\": \"MODEL   \"", "\"Mischer 1 L\": "});
    EXPECT_EQ(out.find("\"Gyro 1\""), std::string::npos);
}

struct Ff9SuperCli : EditorCli {
    Ff9SuperCli() : EditorCli(Ff9CliData(0x02), "super.rom") {}
};

TEST_F(Ff9SuperCli, UsesTheFf9PagesByDefault) {
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "2"}), 0) << err;
    EXPECT_NE(out.find("  SubTrimm 1 = -5\n"), std::string::npos) << out;
}

}  // namespace
