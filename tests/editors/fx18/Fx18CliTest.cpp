#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "EditorCli.h"
#include "Fx18DataSet.h"
#include "cli/DescribeCommand.h"
#include "cli/SetCommand.h"
#include "dataset/DataSetFiles.h"
#include "editors/ModelFields.h"
#include "editors/fx18/Fx18Pages.h"

// describe --layout and set on an FX18V1/2 data set: the record map and every field.
namespace {

struct Fx18Cli : EditorCli {
    Fx18Cli() : EditorCli(Fx18CliData(), "fx.rom") {}
};

TEST_F(Fx18Cli, LayoutGivesTheRecordMap) {
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "2", "--json", "--layout"}), 0) << err;
    for (const char* expected : {
             "\"Name\": \"E-02\"",
             "\"Mischprogramm\": \"Segler\"",
             "\"WO-H Limit %\": 100",
             "\"Stopuhr Zeit\": \"00:00\"",
             "{\"key\": \"Stopuhr Zeit\", \"page\": \"Grundeinstellungen\", \"group\": "
             "\"Stopuhr\", \"bytes\": [88, 89], \"mask\": 31, \"range\": null, \"refusal\": "
             "null, \"kind\": \"timer\", \"list\": null}",
             "{\"key\": \"VMIX 3 Offset\", \"page\": \"Grundeinstellungen\", \"group\": \"VMIX "
             "3\", \"bytes\": [82], \"mask\": 255, \"range\": [-100, 100], \"refusal\": null, "
             "\"kind\": \"signed\", \"list\": null}",
             "{\"key\": \"VMIX 1 Steuer Funkt.\", \"page\": \"Grundeinstellungen\", \"group\": "
             "\"VMIX 1\", \"bytes\": [75], \"mask\": 120, \"range\": null, \"refusal\": null, "
             "\"kind\": \"list\", \"list\": [\"1\", \"2\", \"3\", \"4\", \"5\", \"6\", \"7\", "
             "\"8\", \"---\"]}",
             "{\"key\": \"Knüppel-Mode\", \"page\": \"Grundeinstellungen\", \"group\": null, "
             "\"bytes\": [94], \"mask\": 3",
             "{\"key\": \"WO-H Limit %\", \"page\": \"Mischprogramm Segler\", \"group\": "
             "\"Wölbklappen WO-H\", \"bytes\": [118], \"mask\": 255, \"range\": [0, 100], "
             "\"refusal\": null, \"kind\": \"limit\", \"list\": null}",
             "{\"key\": \"Flaperon Mischer\", \"page\": \"Mischprogramm Segler\", \"group\": "
             "\"FLAE\", \"bytes\": [116], \"mask\": 127, \"range\": [0, 100]",
         }) {
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n" << out;
    }
    // a Segler model has no Motorflug or Heli fields
    EXPECT_EQ(out.find("Snap Roll"), std::string::npos);
    EXPECT_EQ(out.find("Normal Gas"), std::string::npos);
}

// Every field the pages of a model show, for each mixing program: its place in the record
// map, and `set` takes the value as describe shows it back without changing a byte.
TEST_F(Fx18Cli, EveryFieldOfEveryPageGoesThroughTheCommandLine) {
    for (const int code : {0, 1, 2, 128, 129, 130, 131}) {
        const auto program = static_cast<Byte>(code);
        CamPacData data = Fx18DataSet();
        const int second = kFx18FirstModel + kFx18RecordSize;
        data.image[static_cast<std::size_t>(second + 109)] = program;
        data.modelSlots.Slot(1)[109] = program;
        ASSERT_TRUE(WriteDataSetFile(rom, data).ok());
        ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "2", "--json", "--layout"}), 0) << err;
        const std::string layout = out;
        std::vector<std::string> words = {rom.string(), "2"};
        int fields = 0;
        for (const ShownField& shown : DescribeModel(fx18::Family(), data.modelSlots.Slot(1))) {
            const std::string& key = shown.field->key;
            EXPECT_NE(layout.find("{\"key\": \"" + key + "\", \"page\": \""), std::string::npos)
                << key;
            ++fields;
            if (!shown.field->IsShownOnly() && shown.enabled) {
                words.push_back(key + "=" + shown.shown);
            }
        }
        EXPECT_GT(fields, 130) << code;  // the base page alone has more
        words.insert(words.end(), {"--out", written.string(), "--json"});
        ASSERT_EQ(Run(RunSetCommand, words), 0) << code << out << err;
        EXPECT_EQ(out.find("\"warnings\": [{"), std::string::npos) << out;
        CamPacData back;
        ASSERT_TRUE(ReadDataSetFile(written, back, TransmitterCatalogue{}).status.ok());
        EXPECT_EQ(back.image, data.image) << code;
    }
}

// A file of the time when the type was called "FX18V1" opens the same pages.
TEST_F(Fx18Cli, AnFx18V1FileOpensTheSamePages) {
    std::ifstream in(rom, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t type = bytes.find("FX18V1/2  ");
    ASSERT_NE(type, std::string::npos);
    bytes.replace(type, 10, "FX18V1    ");
    const std::filesystem::path old = folder / "old.rom";
    std::ofstream(old, std::ios::binary) << bytes;
    ASSERT_EQ(Run(RunDescribeCommand, {old.string(), "2", "--json"}), 0) << err;
    EXPECT_NE(out.find("\"type\": \"FX18V1/2  \""), std::string::npos) << out;
    EXPECT_NE(out.find("\"BUTT Ein\": false"), std::string::npos) << out;
}

}  // namespace
