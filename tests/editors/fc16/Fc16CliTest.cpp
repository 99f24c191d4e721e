#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fc16DataSet.h"
#include "cli/DescribeCommand.h"
#include "cli/SetCommand.h"
#include "dataset/DataSetFiles.h"
#include "support/CommandCall.h"
#include "support/TestFiles.h"

// describe --layout and set on an FC16 data set: the record map, the keys, the program
// change and the refusals.
namespace {

struct Fc16Cli : testing::Test {
    Fc16Cli() {
        CopyLanguageFiles(folder.path());
        CamPacData data = Fc16DataSet();
        data.image[kFc16FirstModel + 80 + 55] = 0x8E;  // model 2: Heli
        data.image[kFc16FirstModel + 45] = 0x9E;       // model 1: mixer 1 rate 30, NEG
        EXPECT_TRUE(WriteDataSetFile(rom, data).ok());
    }
    int Run(CliCommand command, const std::vector<std::string>& words) {
        const CommandRun run = CallCommand(command, words, folder.path());
        out = run.out;
        err = run.err;
        return run.status;
    }
    void ExpectIn(const std::vector<std::string>& expected) {
        for (const std::string& text : expected) {
            EXPECT_NE(out.find(text), std::string::npos) << text << "\n" << out;
        }
    }

    TempFolder folder;
    std::filesystem::path rom = folder / "fc16.rom";
    std::filesystem::path written = folder / "out.rom";
    std::string out;
    std::string err;
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

// A program change in one call brings the other page's keys for the entries after it.
TEST_F(Fc16Cli, SetChangesTheProgramAndItsFields) {
    ASSERT_EQ(Run(RunSetCommand, {rom.string(), "1", "Programm=Heli", "HOLD=Aktiv", "HV-T=-5",
                                  "Stopuhr Schalter=8", "--out", written.string(), "--json"}),
              0)
        << out << err;
    ASSERT_EQ(Run(RunDescribeCommand, {written.string(), "1", "--json"}), 0) << err;
    ExpectIn({"\"Programm\": \"Heli\"", "\"HOLD\": \"Aktiv\"", "\"HV-T\": -5",
              "\"Stopuhr Schalter\": \"8\""});
}

TEST_F(Fc16Cli, ARefusalNamesTheField) {
    EXPECT_EQ(Run(RunSetCommand,
                  {rom.string(), "1", "DualRate 4=101", "--out", written.string(), "--json"}),
              1);
    EXPECT_EQ(out.rfind("{\"error\": {\"text\": 219, \"field\": \"DualRate 4\", ", 0), 0u) << out;
    EXPECT_EQ(
        Run(RunSetCommand, {rom.string(), "1", "Name=A_1", "--out", written.string(), "--json"}),
        1);
    EXPECT_EQ(out.rfind("{\"error\": {\"text\": 231, \"field\": \"Name\", ", 0), 0u) << out;
    EXPECT_EQ(Run(RunSetCommand, {rom.string(), "2", "DIFF %=5", "--out", written.string()}), 1);
    EXPECT_FALSE(std::filesystem::exists(written));
}

}  // namespace
