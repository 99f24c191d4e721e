#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "EditorCli.h"
#include "Fc18v3DataSet.h"
#include "cli/DescribeCommand.h"
#include "cli/SetCommand.h"
#include "dataset/DataSetFiles.h"

// describe --layout on an FC18V3 data set: the record map of the base and mixing pages.
namespace {

// The data set the commands run on.
CamPacData Fc18v3CliData() {
    CamPacData data = Fc18v3DataSet();
    data.image[20 + 62] = 12;    // aileron expo "Ein": 48 shown
    data.image[20 + 115] = 5;    // Heli R3
    data.image[20 + 69] = 0x76;  // mixer 1: function 8 onto 7
    return data;
}

struct Fc18v3Cli : EditorCli {
    Fc18v3Cli() : EditorCli(Fc18v3CliData(), "fc.rom") {}
};

TEST_F(Fc18v3Cli, LayoutGivesTheRecordMap) {
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "1", "--json", "--layout"}), 0) << err;
    const std::string json = out;
    for (const char* expected : {
             "\"Expo Quer Ein\": 48",
             "\"Mischprogramm\": \"Heli R3\"",
             "\"Mischer 1 Steuer Funkt.\": \"8\"",
             "\"Uhr 1\": \"00:00\"",
             "{\"key\": \"Expo Quer Ein\", \"page\": \"Grundeinstellungen\", \"group\": \"15 D/R "
             "Expo Quer\", \"bytes\": [62], \"mask\": 255, \"range\": [-100, 100], \"refusal\": "
             "\"Expo Quer\", \"kind\": \"signed x4\", \"list\": null}",
             "{\"key\": \"Uhr 1\", \"page\": \"Grundeinstellungen\", \"group\": \"41 Stopuhr - "
             "Uhr 1\", \"bytes\": [100, 99], \"mask\": 255, \"range\": null, \"refusal\": "
             "\"Stopuhr 1/ Zeit\", \"kind\": \"timer\", \"list\": null}",
             "{\"key\": \"MultiProp 2\", \"page\": \"Grundeinstellungen\", \"group\": \"27 "
             "MultiProp\", \"bytes\": [78], \"mask\": 112, \"range\": null, \"refusal\": null, "
             "\"kind\": \"list\", \"list\": [\"K. 5\", \"K. 6\", \"K. 7\", \"K. 8\", \"Aus\"]}",
             "{\"key\": \"Steuerfunktion 1\", \"page\": \"Grundeinstellungen\", \"group\": \"21  "
             "Steuergeber\", \"bytes\": [79], \"mask\": 255, \"range\": [1, 8], \"refusal\": "
             "\"Steuerfunktionen 1\", \"kind\": \"unsigned +1\", \"list\": null}",
         }) {
        EXPECT_NE(json.find(expected), std::string::npos) << expected << "\n" << json;
    }
}

// The mixing pages' fields in the record map: a list on one bit, a byte shown as 100 - it,
// seven bits beside the sense bit, sign and amount; the field exchange refuses their
// ranges, so they name no field.
TEST_F(Fc18v3Cli, LayoutGivesTheMixingPages) {
    ASSERT_EQ(Run(RunSetCommand,
                  {rom.string(), "3", "Mischprogramm=Segler 5", "--out", written.string()}),
              0)
        << err;
    ASSERT_EQ(Run(RunDescribeCommand, {written.string(), "3", "--json", "--layout"}), 0) << err;
    for (const char* expected : {
             "\"57 Mischer V-Leitw.\": \"Aus\"",
             "\"74 Wölbkl. Trimmung Ob.%\": 50",
             "{\"key\": \"57 Mischer V-Leitw.\", \"page\": \"Mischprogramm Segler 5\", "
             "\"group\": \"57 Mischer V-Leitw.\", \"bytes\": [117], \"mask\": 8, \"range\": "
             "null, \"refusal\": null, \"kind\": \"list\", \"list\": [\"Aus\", \"Aktiv\"]}",
             "{\"key\": \"74 Wölbkl. Trimmung Ob.%\", \"page\": \"Mischprogramm Segler 5\", "
             "\"group\": \"74 Wölbkl. Trimmung Ob.%\", \"bytes\": [135], \"mask\": 255, \"range\": "
             "[-27, 228], \"refusal\": null, \"kind\": \"signed 100-x\", \"list\": null}",
             "{\"key\": \"53 Bremskl. Weg Ob.%\", \"page\": \"Mischprogramm Segler 5\", "
             "\"group\": \"53 Bremskl. Weg\", \"bytes\": [50], \"mask\": 255, \"range\": "
             "[0, 255], \"refusal\": null, \"kind\": \"unsigned\", \"list\": null}",
         }) {
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n" << out;
    }
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "1", "--json", "--layout"}), 0) << err;
    for (const char* expected : {
             "{\"key\": \"52 Pitch -> Heck GV2 Ob.%\", \"page\": \"Mischprogramm Heli\", "
             "\"group\": \"52  Pitch -> Heck GV2\", \"bytes\": [120], \"mask\": 127, "
             "\"range\": [0, 100], \"refusal\": null, \"kind\": \"unsigned\", \"list\": null}",
             "{\"key\": \"76 Wegeinstellung Taumelscheibe Roll %\", \"page\": \"Mischprogramm "
             "Heli\", \"group\": \"76  Wegeinstellung Taumelscheibe\", \"bytes\": [163], "
             "\"mask\": 255, \"range\": [-110, 110], \"refusal\": null, \"kind\": "
             "\"sign-magnitude\", \"list\": null}",
         }) {
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n" << out;
    }
    EXPECT_EQ(out.find("Mischprogramm Segler 5"), std::string::npos);
}

}  // namespace
