#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Ff9DataSet.h"
#include "cli/DescribeCommand.h"
#include "cli/SetCommand.h"
#include "support/TestFiles.h"

namespace {

constexpr int kFirstModel = 10;

// A program folder with the language files and a 16k FF9 (or FF9 Super) CamPac file whose
// six models are aeroplane records; model 2 has a few fields set.
struct CliFixture : testing::Test {
    void WriteRom(const std::string& typeName, int typeCode) {
        CopyLanguageFiles(folder.path());
        std::vector<Byte> image(2048, 0);
        image[1] = 3;
        image[2] = static_cast<Byte>(typeCode >> 8);
        image[3] = static_cast<Byte>(typeCode);
        std::vector<Byte> record = Ff9Record(0);
        for (int model = 0; model < 6; ++model) {
            std::copy(record.begin(), record.end(), image.begin() + kFirstModel + model * 330);
        }
        Byte* second = image.data() + kFirstModel + 330;
        second[46] = 0xFB;  // sub-trim 1: -5
        second[31] = 100;   // servo travel 1 left
        second[15] = 0xFE;  // timer 1: 3070 tenths
        second[16] = 0x0B;
        second[262] = 75;   // throttle needle point 1: 37.5 %
        second[54] = 0x01;  // channel 1 reversed
        RomFileFields fields;
        fields.typeName = typeName;
        fields.image = image;
        fields.modelComments.assign(6, "");
        WriteBytes(rom, BuildRomFile(fields));
    }

    int Run(int (*command)(const std::vector<std::string>&, const std::filesystem::path&,
                           std::ostream&, std::ostream&),
            const std::vector<std::string>& words) {
        out.str("");
        err.str("");
        return command(words, folder.path(), out, err);
    }

    TempFolder folder;
    std::filesystem::path rom = folder / "in.rom";
    std::filesystem::path written = folder / "out.rom";
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliFixture, DescribeShowsTheModelAsThePagesDo) {
    WriteRom("FF9       ", 0x0701);
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "2", "--json"}), 0) << err.str();
    const std::string json = out.str();
    for (const char* expected :
         {"{\"type\": \"FF9       \", \"model\": 2, \"fields\": {", "\"SubTrimm 1\": -5",
          "\"Servoweg 1L\": 100", "\"Stopuhr 1/ Zeit\": \"05:07\"", "\"ThrNeedl 1\": 37.5",
          "\"Reverse 1\": true", "\"Reverse 2\": false", "\"Modelltyp\": \"Acro\"",
          "\"Modellname\": \"MODEL   \"", "\"Mischer 1 L\": "}) {
        EXPECT_NE(json.find(expected), std::string::npos) << expected << "\n" << json;
    }
    EXPECT_EQ(json.find("\"Gyro 1\""), std::string::npos);
}

TEST_F(CliFixture, SetWritesTheModelAndDescribeReadsItBack) {
    WriteRom("FF9       ", 0x0701);
    ASSERT_EQ(Run(RunSetCommand,
                  {rom.string(), "3", "SubTrimm 8=-7", "Stopuhr 2/ Zeit=1:30", "Modelltyp=Glider 1",
                   "Startoffset Geber=- Vr-C", "--out", written.string(), "--json"}),
              0)
        << out.str() << err.str();
    EXPECT_NE(out.str().find("\"SubTrimm 8\": -7"), std::string::npos) << out.str();

    const std::vector<Byte> before = ReadBytes(rom);
    const std::vector<Byte> after = ReadBytes(written);
    ASSERT_EQ(before.size(), after.size());
    std::size_t dataTag = 0;
    const std::string tag = "[Daten   ]";
    for (; dataTag + tag.size() < after.size(); ++dataTag) {
        if (std::equal(tag.begin(), tag.end(), after.begin() + static_cast<long>(dataTag))) {
            break;
        }
    }
    const std::size_t model3 = dataTag + tag.size() + kFirstModel + 2 * 330;
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (before[i] != after[i]) {
            changed.push_back(i);
        }
    }
    ASSERT_FALSE(changed.empty());
    EXPECT_GE(changed.front(), model3);
    EXPECT_LT(changed.back(), model3 + 330);
    EXPECT_EQ(after[model3 + 53], 0xF9);
    EXPECT_EQ(after[model3 + 3], 1);
    EXPECT_EQ(after[model3 + 205], 0x12);

    ASSERT_EQ(Run(RunDescribeCommand, {written.string(), "3", "--json"}), 0) << err.str();
    for (const char* expected :
         {"\"SubTrimm 8\": -7", "\"Stopuhr 2/ Zeit\": \"01:30\"", "\"Modelltyp\": \"Glider 1\"",
          "\"Startoffset Geber\": \"- Vr-C\""}) {
        EXPECT_NE(out.str().find(expected), std::string::npos) << expected;
    }
}

struct CliRefusal {
    std::string assignment;
    int text;
    std::string inMessage;
};

class CliRefusalTest : public CliFixture, public testing::WithParamInterface<CliRefusal> {};

TEST_P(CliRefusalTest, RefusesWithThePageTextAndWritesNothing) {
    WriteRom("FF9       ", 0x0701);
    EXPECT_EQ(Run(RunSetCommand, {rom.string(), "1", "SubTrimm 1=3", GetParam().assignment, "--out",
                                  written.string(), "--json"}),
              1);
    const std::string text = GetParam().text < 0 ? "null" : std::to_string(GetParam().text);
    EXPECT_NE(out.str().find("{\"error\": {\"text\": " + text), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(GetParam().inMessage), std::string::npos) << out.str();
    EXPECT_FALSE(std::filesystem::exists(written));
}

INSTANTIATE_TEST_SUITE_P(Ff9, CliRefusalTest,
                         testing::Values(CliRefusal{"Servoweg 1L=141", 219, "Servoweg 1L"},
                                         CliRefusal{"DualRate Schalter 1=Cond", 237, ""},
                                         CliRefusal{"Stopuhr 1/ Zeit=61:00", -1, "Stopuhr 1/ min"},
                                         CliRefusal{"SubTrimm 2=x", -1, "ganze Zahl"},
                                         CliRefusal{"Gyro 1=50", -1, "Gyro 1"}));

TEST_F(CliFixture, Ff9SuperUsesTheFf9PagesByDefault) {
    WriteRom("FF9 Super ", 0x0702);
    ASSERT_EQ(Run(RunDescribeCommand, {rom.string(), "2"}), 0) << err.str();
    EXPECT_NE(out.str().find("  SubTrimm 1 = -5\n"), std::string::npos) << out.str();
}

struct CliUsage {
    std::vector<std::string> words;
    int status;
};

class CliUsageTest : public CliFixture, public testing::WithParamInterface<CliUsage> {};

TEST_P(CliUsageTest, RejectsBadArguments) {
    WriteRom("FF9       ", 0x0701);
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

INSTANTIATE_TEST_SUITE_P(Cli, CliUsageTest,
                         testing::Values(CliUsage{{"IN"}, 2}, CliUsage{{"IN", "0"}, 1},
                                         CliUsage{{"IN", "7"}, 1}, CliUsage{{"IN", "1x"}, 1},
                                         CliUsage{{"missing.rom", "1"}, 1},
                                         CliUsage{{"IN", "1", "SubTrimm 1", "--out", "OUT"}, 2},
                                         CliUsage{{"IN", "1", "--out", "OUT"}, 2}));

}  // namespace
