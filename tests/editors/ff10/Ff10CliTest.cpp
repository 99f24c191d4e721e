#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorCli.h"
#include "Ff10DataSet.h"
#include "cli/DescribeCommand.h"
#include "cli/SetCommand.h"
#include "dataset/DataSetFiles.h"

// describe --layout and set on an FF10 data set: the record map, the flight conditions and
// the FF10's name letters from the command line.
namespace {

// The data set the commands run on.
CamPacData Ff10CliData() {
    CamPacData data = Ff10DataSet();
    data.image[16 + 1] = 0x81;  // model 1: "Mü..."
    return data;
}

struct Ff10Cli : EditorCli {
    Ff10Cli() : EditorCli(Ff10CliData(), "ff10.rom") {}
};

TEST_F(Ff10Cli, LayoutGivesTheRecordMap) {
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "1", "--json", "--layout"}), 0) << err;
    ExpectIn({
        "\"Modellname\": \"MüDEL-0016\"",
        "\"Modelltyp\": \"Acro\"",
        "\"Stopuhr 1/ Zeit\": \"10:00\"",
        "\"GasKurve UP 2\": 25",
        "{\"key\": \"Modellname\", \"page\": \"Grundeinstellungen\", \"group\": \"Name\", "
        "\"bytes\": [0, 1, 2, 3, 4, 5, 6, 7, 8, 9], \"mask\": 255, \"range\": null, "
        "\"refusal\": null, \"kind\": \"name\", \"list\": null}",
        "{\"key\": \"Stopuhr 1/ Start Schalter\", \"page\": \"Grundeinstellungen\", \"group\": "
        "\"Stopuhr 1\", \"bytes\": [21], \"mask\": 127, \"range\": null, \"refusal\": null, "
        "\"kind\": \"list\", \"list\": [\"A\", \"B\", \"C\", \"D\", \"E\", \"F\", \"G\", \"H\", "
        "\"Gas\", \"Ls1\", \"Ls2\", \"Ls3\", \"Pwr\"]}",
        "{\"key\": \"Servoweg 1L\", \"page\": \"Grundeinstellungen\", \"group\": \"Servoweg\", "
        "\"bytes\": [67], \"mask\": 255, \"range\": [0, 140], \"refusal\": \"Servoweg 1L\", "
        "\"kind\": \"unsigned\", \"list\": null}",
        "{\"key\": \"FLP/AIL/ELE - Flp 1\", \"page\": \"Mischprogramm Acrobatic\", \"group\": "
        "\"FLP/AIL/ELE\", \"bytes\": [256], \"mask\": 255, \"range\": [-120, 120], "
        "\"refusal\": \"FLP/AIL/ELE - Flp 1\", \"kind\": \"signed\", \"list\": null}",
        "{\"key\": \"ThrDelay\", \"page\": \"Mischprogramm Acrobatic\", \"group\": \"ThrDelay\", "
        "\"bytes\": [371], \"mask\": 127, \"range\": [0, 100], \"refusal\": \"ThrDelay\", "
        "\"kind\": \"unsigned\", \"list\": null}",
        "{\"key\": \"Mischer 5 - 1\", \"page\": \"Programmierbare Mischer\", \"group\": "
        "\"Mischer 5\", \"bytes\": [221], \"mask\": 255, \"range\": [-100, 100], \"refusal\": "
        "\"Mischer 5 - 1\", \"kind\": \"signed\", \"list\": null}",
    });
}

// Every flight condition of the helicopter page is a key of its own.
TEST_F(Ff10Cli, SetReachesEveryFlightCondition) {
    ASSERT_EQ(Run(RunSetCommand,
                  {rom.string(), "2", "Modelltyp=Heli HR3", "--out", written.string(), "--json"}),
              0)
        << out << err;
    ASSERT_EQ(
        Run(RunSetCommand, {written.string(), "2", "Pitchkurve 1 Hold=-40", "Gaskurve 2 Idle3=12.5",
                            "RevoMix 3 Idle2=-7", "Needl 5 Idle1=80", "Pitchweg Low Idle2=70",
                            "Gaskurve 7 Normal=99.5", "--out", written.string(), "--json"}),
        0)
        << out << err;
    ASSERT_EQ(Run(RunDescribeCommand, {written.string(), "2", "--json", "--layout"}), 0) << err;
    ExpectIn({
        "\"Modelltyp\": \"Heli HR3\"",
        "\"Pitchkurve 1 Hold\": -40",
        "\"Gaskurve 2 Idle3\": 12.5",
        "\"RevoMix 3 Idle2\": -7",
        "\"Needl 5 Idle1\": 80.0",
        "\"Pitchweg Low Idle2\": 70",
        "\"Gaskurve 7 Normal\": 99.5",
        "{\"key\": \"Pitchkurve 1 Hold\", \"page\": \"Mischprogramm Heli\", \"group\": "
        "\"Pitchkurve\", \"bytes\": [311], \"mask\": 255, \"range\": [-100, 100], \"refusal\": "
        "\"Pitchkurve 1 Hold\", \"kind\": \"unsigned -100\", \"list\": null}",
        "{\"key\": \"RevoMix 3 Idle2\", \"page\": \"Mischprogramm Heli\", \"group\": "
        "\"RevoMix\", \"bytes\": [246], \"mask\": 255, \"range\": [-100, 100], \"refusal\": "
        "\"RevoMix Normal 3 Idle2\", \"kind\": \"signed\", \"list\": null}",
        "{\"key\": \"Pitchweg Low Idle2\", \"page\": \"Mischprogramm Heli\", \"group\": "
        "\"Pitchweg\", \"bytes\": [168], \"mask\": 127, \"range\": [60, 100]",
        "{\"key\": \"Offset Roll Idle1\", \"page\": \"Mischprogramm Heli\", \"group\": "
        "\"Offset\", \"bytes\": [250], \"mask\": 255",
    });
    // the first pitch point of each condition, 12 bytes apart from 263 on
    const char* conditions[] = {"Normal", "Idle1", "Idle2", "Idle3", "Hold"};
    const char* firstPoints[] = {"263", "275", "287", "299", "311"};
    for (int c = 0; c < 5; ++c) {
        const std::string layout =
            std::string("{\"key\": \"Pitchkurve 1 ") + conditions[c] +
            "\", \"page\": \"Mischprogramm Heli\", \"group\": \"Pitchkurve\", \"bytes\": [" +
            firstPoints[c] + "]";
        EXPECT_NE(out.find(layout), std::string::npos) << conditions[c];
    }
    EXPECT_EQ(out.find("\"Expo Kanal 3\""), std::string::npos);
    EXPECT_EQ(out.find("\"Gaskurve 1 Hold\""), std::string::npos);
}

// A name entered with the FF10's letters stores its own codes; one left as it is keeps them.
TEST_F(Ff10Cli, NamesKeepTheFf10Letters) {
    ASSERT_EQ(
        Run(RunSetCommand, {rom.string(), "1", "Modellname=MüDEL-0016", "--out", written.string()}),
        0)
        << out << err;
    const TransmitterCatalogue catalogue;
    CamPacData data;
    ASSERT_TRUE(ReadDataSetFile(written, data, catalogue).status.ok());
    EXPECT_EQ(data.image[16 + 1], 0x81);
    ASSERT_EQ(Run(RunSetCommand, {rom.string(), "1", "Modellname=Öl ä", "--out", written.string()}),
              0)
        << out << err;
    ASSERT_TRUE(ReadDataSetFile(written, data, catalogue).status.ok());
    const std::vector<Byte> name(data.image.begin() + 16, data.image.begin() + 26);
    EXPECT_EQ(name, (std::vector<Byte>{0xD6, 'l', ' ', 0x84, ' ', ' ', ' ', ' ', ' ', ' '}));
}

}  // namespace
