#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorCli.h"
#include "Fc16DataSet.h"
#include "cli/DescribeCommand.h"
#include "dataset/DataSetFiles.h"

// describe --layout on an FC16 data set: the record map of both programs.
namespace {

// The data set the commands run on.
CamPacData Fc16CliData() {
    CamPacData data = Fc16DataSet();
    data.image[kFc16FirstModel + 80 + 55] = 0x8E;  // model 2: Heli
    data.image[kFc16FirstModel + 45] = 0x9E;       // model 1: mixer 1 rate 30, NEG
    return data;
}

struct Fc16Cli : EditorCli {
    Fc16Cli() : EditorCli(Fc16CliData(), "fc16.rom") {}
};

TEST_F(Fc16Cli, LayoutGivesTheRecordMap) {
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "1", "--json", "--layout"}), 0) << err;
    ExpectIn({
        "\"Mischer 1 %\": 30",
        "\"Mischer 1 NEG\": true",
        "\"Name\": \"0003\"",
        "{\"key\": \"Name\", \"page\": \"Grundeinstellungen\", \"group\": \"Name\", \"bytes\": "
        "[32, 33, 34, 35], \"mask\": 255, \"range\": null, \"refusal\": null, \"kind\": "
        "\"name\", \"list\": null}",
        "{\"key\": \"Mischer 1 %\", \"page\": \"Grundeinstellungen\", \"group\": \"Mischer 1 "
        "%\", \"bytes\": [45], \"mask\": 127, \"range\": [0, 100], \"refusal\": \"Mischer 1\", "
        "\"kind\": \"unsigned\", \"list\": null}",
        "{\"key\": \"Stopuhr\", \"page\": \"Grundeinstellungen\", \"group\": \"Stopuhr Zeit\", "
        "\"bytes\": [48, 49], \"mask\": 255, \"range\": null, \"refusal\": \"Stopuhr 1/ Zeit\", "
        "\"kind\": \"timer\", \"list\": null}",
        "{\"key\": \"Stopuhr Schalter\", \"page\": \"Grundeinstellungen\", \"group\": \"Stopuhr "
        "Schalter\", \"bytes\": [50], \"mask\": 240, \"range\": null, \"refusal\": null, "
        "\"kind\": \"list\", \"list\": [\"1\", \"2\", \"3\", \"4\", \"5\", \"6\", \"7\", \"8\", "
        "\"+C\", \"-C\"]}",
        "{\"key\": \"Kanal 7\", \"page\": \"Grundeinstellungen\", \"group\": \"MultiSwitch / "
        "MultiProp\", \"bytes\": [41], \"mask\": 16, \"range\": null, \"refusal\": null, "
        "\"kind\": \"flag\", \"list\": null}",
        "{\"key\": \"Servoweg ATV L1\", \"page\": \"Grundeinstellungen\", \"group\": "
        "\"Servoweg\", \"bytes\": [8], \"mask\": 255, \"range\": [10, 110], \"refusal\": "
        "\"Servoweg ATV L1\", \"kind\": \"unsigned\", \"list\": null}",
        "{\"key\": \"DELTA Quer %\", \"page\": \"Mischprogramm Universal\", \"group\": "
        "\"DELTA\", \"bytes\": [57], \"mask\": 127, \"range\": [0, 127], \"refusal\": null, "
        "\"kind\": \"unsigned\", \"list\": null}",
        "{\"key\": \"DELTA Quer % neg\", \"page\": \"Mischprogramm Universal\", \"group\": "
        "\"DELTA\", \"bytes\": [57], \"mask\": 128, \"range\": null, \"refusal\": null, "
        "\"kind\": \"flag\", \"list\": null}",
        "{\"key\": \"VTAL\", \"page\": \"Mischprogramm Universal\", \"group\": \"VTAL "
        "V-Leitwerk\", \"bytes\": [55], \"mask\": 1, \"range\": null, \"refusal\": null, "
        "\"kind\": \"list\", \"list\": [\"Aus\", \"Aktiv\"]}",
    });
    EXPECT_EQ(out.find("\"REVO\""), std::string::npos);
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "2", "--json", "--layout"}), 0) << err;
    ExpectIn({
        "\"HOLD %\": 50",
        "{\"key\": \"SWSH\", \"page\": \"Mischprogramm Heli\", \"group\": \"SWSH "
        "Taumelscheibentyp\", \"bytes\": [55], \"mask\": 48, \"range\": null, \"refusal\": "
        "null, \"kind\": \"list\", \"list\": [\"1 - zwei Servos\", \"2 - zwei Rollservos\", "
        "\"3 - zwei Roll-, ein Nickservo\", \"4 - zwei Nick-, ein Rollservo\"]}",
        "{\"key\": \"Programm\", \"page\": \"Grundeinstellungen\", \"group\": \"Programm\", "
        "\"bytes\": [55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72], "
        "\"mask\": 128, \"range\": null, \"refusal\": null, \"kind\": \"model-type\", \"list\": "
        "[\"Universal\", \"Heli\"]}",
    });
    EXPECT_EQ(out.find("\"DIFF\""), std::string::npos);
}

}  // namespace
