#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorCli.h"
#include "RecordVectors.h"
#include "cli/DescribeCommand.h"
#include "cli/SetCommand.h"
#include "dataset/DataSetFiles.h"
#include "fc16/Fc16DataSet.h"
#include "fc18v3/Fc18v3DataSet.h"
#include "ff10/Ff10DataSet.h"
#include "ff9/Ff9DataSet.h"
#include "fx18/Fx18DataSet.h"

// describe and set on a data set of every editor family: set writes the model named and
// nothing else, describe reads back what set wrote, and a refusal writes no file.
namespace {

struct CliFamily {
    const char* name;
    CamPacData (*data)();
    int firstModel;  // image offset of model 1
    int recordSize;
};

const CliFamily kFf9{"Ff9", [] { return Ff9DataSet(Ff9Record(0)); }, 10, kFf9RecordSize};
const CliFamily kFc18v3{"Fc18v3", Fc18v3DataSet, 20, kFc18v3RecordSize};
const CliFamily kFc16{"Fc16", Fc16DataSet, kFc16FirstModel, kFc16RecordSize};
const CliFamily kFx18{"Fx18", Fx18CliData, kFx18FirstModel, kFx18RecordSize};
const CliFamily kFf10{"Ff10", Ff10DataSet, 16, kFf10RecordSize};

template <typename Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
    return std::string(info.param.family->name) + "_" + std::to_string(info.index);
}

template <typename Row>
struct FamilyCli : EditorCli, testing::WithParamInterface<Row> {
    FamilyCli()
        : EditorCli(testing::WithParamInterface<Row>::GetParam().family->data(), "in.rom") {}
};

// A set run: the assignments on a model; bytes its record then holds (no byte outside it
// changes), texts in what set printed, and texts describe then shows.
struct SetRun {
    const CliFamily* family;
    int model;
    std::vector<std::string> assignments;
    RecordBytes bytes;
    std::vector<std::string> reported;
    std::vector<std::string> described;
};

SetRun Set(const CliFamily* family, int model, std::vector<std::string> assignments,
           RecordBytes bytes, std::vector<std::string> reported,
           std::vector<std::string> described) {
    return {family,
            model,
            std::move(assignments),
            std::move(bytes),
            std::move(reported),
            std::move(described)};
}

using SetTest = FamilyCli<SetRun>;

TEST_P(SetTest, WritesTheModelAloneAndDescribeReadsItBack) {
    const SetRun& run = GetParam();
    std::vector<std::string> words = {rom.string(), std::to_string(run.model)};
    words.insert(words.end(), run.assignments.begin(), run.assignments.end());
    words.insert(words.end(), {"--out", written.string(), "--json"});
    ASSERT_EQ(Run(RunSetCommand, words), 0) << out << err;
    ExpectIn(run.reported);
    CamPacData before;
    CamPacData after;
    ASSERT_TRUE(ReadDataSetFile(rom, before, TransmitterCatalogue{}).status.ok());
    ASSERT_TRUE(ReadDataSetFile(written, after, TransmitterCatalogue{}).status.ok());
    const int record = run.family->firstModel + (run.model - 1) * run.family->recordSize;
    for (std::size_t i = 0; i < after.image.size(); ++i) {
        const bool inRecord =
            static_cast<int>(i) >= record && static_cast<int>(i) < record + run.family->recordSize;
        EXPECT_TRUE(inRecord || after.image[i] == before.image[i]) << i;
    }
    for (const auto& [offset, value] : run.bytes) {
        EXPECT_EQ(after.image[static_cast<std::size_t>(record + offset)], value) << offset;
    }
    ASSERT_EQ(Run(RunDescribeCommand, {written.string(), std::to_string(run.model), "--json"}), 0)
        << err;
    ExpectIn(run.described);
}

INSTANTIATE_TEST_SUITE_P(
    Families, SetTest,
    testing::Values(
        Set(&kFf9, 3,
            {"SubTrimm 8=-7", "Stopuhr 2/ Zeit=1:30", "Modelltyp=Glider 1",
             "Startoffset Geber=- Vr-C"},
            {{53, 0xF9}, {3, 1}, {205, 0x12}}, {"\"SubTrimm 8\": -7"},
            {"\"SubTrimm 8\": -7", "\"Stopuhr 2/ Zeit\": \"01:30\"", "\"Modelltyp\": \"Glider 1\"",
             "\"Startoffset Geber\": \"- Vr-C\""}),
        // a list entry that reads "8" is that entry, not entry number 8
        Set(&kFc18v3, 2, {"Mischer 2 Steuer Funkt.=8", "Umpolung 3=true", "Expo Höhe Aus=-22"}, {},
            {},
            {"\"Mischer 2 Steuer Funkt.\": \"8\"", "\"Umpolung 3\": true",
             "\"Expo Höhe Aus\": -24"}),
        Set(&kFc18v3, 2,
            {"Mischprogramm=Heli R3", "54 Gasvorwahl 1=Aktiv",
             "76 Wegeinstellung Taumelscheibe Roll %=5"},
            {}, {},
            {"\"54 Gasvorwahl 1\": \"Aktiv\"", "\"76 Wegeinstellung Taumelscheibe Roll %\": 10"}),
        // a program change in one call brings the other page's keys for the entries after it
        Set(&kFc16, 1, {"Programm=Heli", "HOLD=Aktiv", "HV-T=-5", "Stopuhr Schalter=8"}, {}, {},
            {"\"Programm\": \"Heli\"", "\"HOLD\": \"Aktiv\"", "\"HV-T\": -5",
             "\"Stopuhr Schalter\": \"8\""}),
        // keys, list entries (the blank of "124 " included) and check marks; a warning of
        // the pages comes with the written result
        Set(&kFx18, 2,
            {"Schalter DRSC=14", "Flaperon Kanal=Kan.5", "BUTT Ein=1", "Stopuhr Zeit=12:30"},
            {{95, 0x41}, {110, 0xBF}, {111, 0xFE}, {88, 0x02}, {89, 0xEE}},
            {"\"warnings\": [{\"text\": 235, \"field\": \"BUTT Ein\""},
            {"\"Mischprogramm\": \"Segler\"", "\"BUTT Ein\": true", "\"Stopuhr Zeit\": \"12:30\""}),
        Set(&kFf10, 2, {"Modelltyp=Heli HR3", "Pitchkurve 1 Hold=-40", "Gaskurve 2 Idle3=12.5"}, {},
            {},
            {"\"Modelltyp\": \"Heli HR3\"", "\"Pitchkurve 1 Hold\": -40",
             "\"Gaskurve 2 Idle3\": 12.5"})),
    RowName<SetRun>);

// A refused assignment: the start of the JSON error, a text in it, and no file written.
struct Refusal {
    const CliFamily* family;
    int model;
    std::vector<std::string> assignments;
    std::string start;
    std::string inMessage;
};

Refusal Refused(const CliFamily* family, int model, std::vector<std::string> assignments,
                std::string start, std::string inMessage) {
    return {family, model, std::move(assignments), std::move(start), std::move(inMessage)};
}

using RefusalTest = FamilyCli<Refusal>;

TEST_P(RefusalTest, NamesTheFieldAndWritesNothing) {
    const Refusal& r = GetParam();
    std::vector<std::string> words = {rom.string(), std::to_string(r.model)};
    words.insert(words.end(), r.assignments.begin(), r.assignments.end());
    words.insert(words.end(), {"--out", written.string(), "--json"});
    EXPECT_EQ(Run(RunSetCommand, words), 1);
    EXPECT_EQ(out.rfind(r.start, 0), 0u) << out;
    EXPECT_NE(out.find(r.inMessage), std::string::npos) << out;
    EXPECT_FALSE(std::filesystem::exists(written));
}

const std::string kError = "{\"error\": {\"text\": ";

INSTANTIATE_TEST_SUITE_P(
    Families, RefusalTest,
    testing::Values(
        Refused(&kFf9, 1, {"SubTrimm 1=3", "Servoweg 1L=141"}, kError + "219", "Servoweg 1L"),
        Refused(&kFf9, 1, {"SubTrimm 1=3", "DualRate Schalter 1=Cond"}, kError + "237", ""),
        Refused(&kFf9, 1, {"SubTrimm 1=3", "Stopuhr 1/ Zeit=61:00"}, kError + "null",
                "Stopuhr 1/ min"),
        Refused(&kFf9, 1, {"SubTrimm 1=3", "SubTrimm 2=x"}, kError + "null", "ganze Zahl"),
        Refused(&kFf9, 1, {"SubTrimm 1=3", "Gyro 1=50"}, kError + "null", "Gyro 1"),
        Refused(&kFc18v3, 1, {"Steuerfunktion 2=9"},
                kError + "219, \"field\": \"Steuerfunktion 2\", \"message\": ",
                "Steuerfunktionen 2"),
        Refused(&kFc18v3, 1, {"Uhr 1=75"}, kError + "null, \"field\": \"Uhr 1\"", ""),
        Refused(
            &kFc18v3, 2, {"Mischprogramm=Heli R3", "57 Pitchvorwahl 1 Punkt 1=101"},
            kError +
                "null, \"field\": \"57 Pitchvorwahl 1 Punkt 1\", \"message\": \"Geben Sie bitte "
                "eine ganze Zahl zwischen 0 und 100 ein.\"}}\n",
            ""),
        Refused(&kFc16, 1, {"DualRate 4=101"}, kError + "219, \"field\": \"DualRate 4\", ", ""),
        Refused(&kFc16, 1, {"Name=A_1"}, kError + "231, \"field\": \"Name\", ", ""),
        // a key of the Universal page on a Heli model
        Refused(&kFc16, 1, {"Programm=Heli", "DIFF %=5"}, "{\"error\": ", "DIFF %"),
        Refused(&kFx18, 1, {"Servoweg L1=126"},
                kError +
                    "null, \"field\": \"Servoweg L1\", \"message\": \"Geben Sie bitte eine ganze "
                    "Zahl zwischen -125 und 125 ein.\"}}\n",
                ""),
        Refused(&kFx18, 1, {"Name=A.B"}, kError + "232, \"field\": \"Name\"", ""),
        Refused(&kFf10, 3, {"Modelltyp=Glider 2A2F", "Ele->Quer H Speed=101"},
                kError + "219, \"field\": \"Ele->Quer H Speed\", \"message\": ",
                "Ele->Quer H Speed")),
    RowName<Refusal>);

// Bad arguments: a usage error (2) or a refusal (1), and no file written.
struct Usage {
    const CliFamily* family;
    std::vector<std::string> words;
    int status;
};

using UsageTest = FamilyCli<Usage>;

TEST_P(UsageTest, RejectsBadArguments) {
    std::vector<std::string> words = GetParam().words;
    for (std::string& word : words) {
        if (word == "IN") {
            word = rom.string();
        } else if (word == "OUT") {
            word = written.string();
        }
    }
    const bool set = words.size() > 2 && words.back() == "OUT";
    EXPECT_EQ(Run(set ? RunSetCommand : RunDescribeCommand, words), GetParam().status);
    EXPECT_FALSE(std::filesystem::exists(written));
}

std::vector<Usage> UsageRows() {
    std::vector<Usage> rows;
    for (const CliFamily* family : {&kFf9, &kFc18v3, &kFc16, &kFx18, &kFf10}) {
        for (const auto& [words, status] : std::vector<std::pair<std::vector<std::string>, int>>{
                 {{"IN"}, 2},
                 {{"IN", "0"}, 1},
                 {{"IN", "99"}, 1},
                 {{"IN", "1x"}, 1},
                 {{"missing.rom", "1"}, 1},
                 {{"IN", "1", "Name", "--out", "OUT"}, 2},
                 {{"IN", "1", "--out", "OUT"}, 2}}) {
            rows.push_back({family, words, status});
        }
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Families, UsageTest, testing::ValuesIn(UsageRows()), RowName<Usage>);

}  // namespace
