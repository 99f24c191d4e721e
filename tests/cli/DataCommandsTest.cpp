#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "cli/DataCommands.h"
#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"
#include "dataset/TextExport.h"
#include "support/CommandCall.h"
#include "support/TestFiles.h"

namespace {

class DataCommands : public testing::Test {
  protected:
    DataCommands() { CopyLanguageFiles(folder.path()); }

    CommandRun Call(DataCommand command, const std::vector<std::string>& words) {
        return CallCommand(command, words, folder.path());
    }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    // A data set file made as the program makes it, with comments on the models.
    std::string NewFile(const char* typeName, int size, const std::string& name) {
        CamPacData data;
        EXPECT_TRUE(InitialiseImage(data, catalogue, typeName, size));
        data.modelComments[0] = "Segler \xE4";
        EXPECT_TRUE(WriteDataSetFile(Path(name), data));
        return Path(name);
    }
    CamPacData Loaded(const std::string& path) {
        CamPacData data;
        EXPECT_TRUE(ReadDataSetFile(path, data, catalogue).status) << path;
        return data;
    }

    TempFolder folder;
    TransmitterCatalogue catalogue;
};

std::string ErrorJson(int text, const std::string& message) {
    return "{\"error\": {\"text\": " + std::to_string(text) + ", \"message\": \"" + message +
           "\"}}\n";
}

TEST_F(DataCommands, ModelsListsLinesNamesAndCommentsAsJson) {
    const std::string file = NewFile("FC18V3    ", 512, "a.rom");
    const CommandRun run = Call(RunModelsCommand, {file, "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"models\": [{\"index\": 0, \"line\": \"001: MODEL-03\", \"name\": \"MODEL-03\", "
              "\"comment\": \"Segler ä\"}, {\"index\": 1, \"line\": \"002: MODEL-04\", \"name\": "
              "\"MODEL-04\", \"comment\": \"\"}]}\n");
}

TEST_F(DataCommands, ModelsNumbersFromTheGivenStart) {
    const std::string file = NewFile("FF9       ", 1024, "a.rom");
    struct Case {
        std::string start;
        int status;
        std::string out;
    };
    for (const Case& c :
         std::vector<Case>{{"0", 0, "000: MODEL-09\tSegler ä\n001: MODEL-10\n002: MODEL-11\n"},
                           {"100", 0, "100: MODEL-09\tSegler ä\n101: MODEL-10\n102: MODEL-11\n"},
                           {"101", 1, ""},
                           {"-1", 1, ""}}) {
        const CommandRun run = Call(RunModelsCommand, {file, "--start", c.start});
        EXPECT_EQ(run.status, c.status) << c.start;
        EXPECT_EQ(run.out, c.out) << c.start;
    }
    EXPECT_EQ(Call(RunModelsCommand, {file, "--start", "101", "--json"}).out,
              ErrorJson(142, "Der Startwert der Nummerierung muss zwischen 0 und 100 liegen."));
}

TEST_F(DataCommands, AFileThatCannotBeLoadedIsReportedWithItsText) {
    const std::string missing = Path("missing.rom");
    for (const auto& [command, words] :
         std::vector<std::pair<DataCommand, std::vector<std::string>>>{
             {RunModelsCommand, {missing, "--json"}},
             {RunExportCommand, {missing, Path("x.txt"), "--dec", "--json"}},
             {RunModelSaveCommand, {missing, "1", Path("x.mdl"), "--json"}},
             {RunCompareModelsCommand, {missing, "1", "2", "--json"}}}) {
        const CommandRun run = Call(command, words);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, ErrorJson(45, "Die Datei konnte nicht geöffnet werden."));
    }
}

TEST_F(DataCommands, NewWritesTheInitialisedImageAsTheProgramDoes) {
    const CommandRun run = Call(RunNewCommand, {"FX18V1/2", "2048", Path("new.rom"), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\"type\": \"FX18V1/2  \", \"imageSize\": 2048, \"modelCount\": 12}\n");
    CamPacData expected;
    ASSERT_TRUE(InitialiseImage(expected, catalogue, "FX18V1/2  ", 2048));
    EXPECT_EQ(ReadBytes(Path("new.rom")), EncodeDataSetFile(expected));
}

TEST_F(DataCommands, NewRefusesWhatThePageDoesNotOffer) {
    struct Case {
        std::vector<std::string> words;
        int status;
    };
    for (const Case& c : std::vector<Case>{{{"FF8", "2048", Path("x.rom")}, 2},
                                           {{"FC18V3", "4096", Path("x.rom")}, 2},
                                           {{"FC18V3", "2048"}, 2},
                                           {{"FC16", "1024", Path("x.rom"), "--json"}, 1}}) {
        const CommandRun run = Call(RunNewCommand, c.words);
        EXPECT_EQ(run.status, c.status) << c.words[0] << " " << c.words[1];
        EXPECT_FALSE(std::filesystem::exists(Path("x.rom")));
    }
    EXPECT_EQ(Call(RunNewCommand, {"FC16", "1024", Path("x.rom"), "--json"}).out.substr(0, 23),
              "{\"error\": {\"text\": 83, ");
}

TEST_F(DataCommands, ImportV2WritesTheImportedDataSet) {
    std::ofstream(Path("old.txt")) << "26\n2\n32\n0\nAlte Daten\n7\n8\n300\n";
    const CommandRun run = Call(RunImportV2Command, {Path("old.txt"), Path("new.rom"), "--json"});
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "{\"type\": \"FC16      \", \"imageSize\": 2048, \"modelCount\": 25}\n");
    CamPacData data;
    ReadDataSetFile(Path("new.rom"), data, catalogue);
    EXPECT_EQ(data.imageSize, 2048);
    EXPECT_EQ(data.dataSetComment, "Alte Daten");
    EXPECT_EQ(std::vector<Byte>(data.image.begin(), data.image.begin() + 4),
              (std::vector<Byte>{7, 8, 44, 0}));
}

TEST_F(DataCommands, ImportV2RefusesAFileOfAnotherVersion) {
    std::ofstream(Path("old.txt")) << "30\n2\n32\n";
    const CommandRun run = Call(RunImportV2Command, {Path("old.txt"), Path("new.rom"), "--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.substr(0, 23), "{\"error\": {\"text\": 46, ");
    EXPECT_FALSE(std::filesystem::exists(Path("new.rom")));
}

TEST_F(DataCommands, ExportWritesTheTextOfTheChosenFormat) {
    const std::string file = NewFile("FF10      ", 2048, "a.rom");
    const CamPacData data = Loaded(file);
    for (const auto& [flag, format] : std::vector<std::pair<std::string, ExportFormat>>{
             {"--dec", ExportFormat::Decimal}, {"--hex", ExportFormat::Hexadecimal}}) {
        ASSERT_EQ(Call(RunExportCommand, {file, Path("out.txt"), flag}).status, 0);
        const auto written = ReadBytes(Path("out.txt"));
        EXPECT_EQ(std::string(written.begin(), written.end()), ExportedText(data, format));
    }
    EXPECT_EQ(Call(RunExportCommand, {file, Path("out.txt")}).status, 2);
    EXPECT_EQ(Call(RunExportCommand, {file, Path("out.txt"), "--dec", "--hex"}).status, 2);
}

TEST_F(DataCommands, ASavedModelLoadsIntoAnotherModel) {
    const std::string file = NewFile("FC18V3    ", 2048, "a.rom");
    ASSERT_EQ(Call(RunModelSaveCommand, {file, "1", Path("one.mdl")}).status, 0);
    ASSERT_EQ(Call(RunModelLoadCommand, {file, "5", Path("one.mdl"), Path("b.rom")}).status, 0);
    const CamPacData before = Loaded(file);
    const CamPacData after = Loaded(Path("b.rom"));
    const auto model = [](const CamPacData& d, int i) {
        const auto begin = d.image.begin() + d.firstModelOffset + i * d.modelSize;
        return std::vector<Byte>(begin, begin + d.modelSize);
    };
    EXPECT_EQ(model(after, 4), model(before, 0));
    EXPECT_EQ(after.modelComments[4], "Segler \xE4");
    for (int i : {0, 1, 3, 5, 10}) {
        EXPECT_EQ(model(after, i), model(before, i)) << i;
    }
    const CommandRun compared = Call(RunCompareModelsCommand, {Path("b.rom"), "1", "5", "--json"});
    EXPECT_EQ(compared.out, "{\"differences\": 0}\n");
}

TEST_F(DataCommands, ModelNumbersOutsideTheListAreText124) {
    const std::string file = NewFile("FC18V3    ", 512, "a.rom");
    for (const char* number : {"0", "3", "x", "-2147483648", "-2147483649", "4294967297"}) {
        const CommandRun saved = Call(RunModelSaveCommand, {file, number, Path("m.mdl"), "--json"});
        EXPECT_EQ(saved.status, 1) << number;
        EXPECT_EQ(saved.out, ErrorJson(124, "Diese Modellnummer gibt es nicht.")) << number;
        EXPECT_FALSE(std::filesystem::exists(Path("m.mdl")));
    }
}

// A text that asks for a width of gigabytes is not shown: the failure names the faulty
// text of the language file instead, and the command ends at once with status 1.
TEST_F(DataCommands, AFaultyLanguageTextIsNamedInTheFailure) {
    const std::string file = NewFile("FC18V3    ", 512, "a.rom");
    std::ifstream in(folder / "Deutsch.lng", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    in.close();
    lines.at(124) = "Modell %1000000000s fehlt";
    std::ofstream out(folder / "Deutsch.lng", std::ios::binary);
    for (const std::string& line : lines) {
        out << line << "\n";
    }
    out.close();
    const CommandRun saved = Call(RunModelSaveCommand, {file, "9", Path("m.mdl"), "--json"});
    EXPECT_EQ(saved.status, 1);
    EXPECT_EQ(saved.out, ErrorJson(124, "Language-Datei fehlerhaft (Text Nr.: 124)."));
    EXPECT_FALSE(std::filesystem::exists(Path("m.mdl")));
}

TEST_F(DataCommands, ModelLoadRefusesAModelOfAnotherType) {
    const std::string ff9 = NewFile("FF9       ", 2048, "ff9.rom");
    const std::string ff10 = NewFile("FF10      ", 2048, "ff10.rom");
    ASSERT_EQ(Call(RunModelSaveCommand, {ff9, "1", Path("ff9.mdl")}).status, 0);
    const CommandRun run =
        Call(RunModelLoadCommand, {ff10, "1", Path("ff9.mdl"), Path("x.rom"), "--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.substr(0, 23), "{\"error\": {\"text\": 48, ");
    EXPECT_FALSE(std::filesystem::exists(Path("x.rom")));
}

TEST_F(DataCommands, CompareModelsCountsDifferencesLeavingOutTheNames) {
    CamPacData data;
    ASSERT_TRUE(InitialiseImage(data, catalogue, "FF9       ", 2048));
    data.modelSlots.Slot(2)[100] ^= 1;
    data.modelSlots.Slot(2)[329] ^= 1;
    data.modelSlots.StoreModelSlots(data.image, data.firstModelOffset, data.modelCount,
                                    data.modelSize);
    ASSERT_TRUE(WriteDataSetFile(Path("c.rom"), data));
    EXPECT_EQ(Call(RunCompareModelsCommand, {Path("c.rom"), "1", "3", "--json"}).out,
              "{\"differences\": 2}\n");
    EXPECT_EQ(Call(RunCompareModelsCommand, {Path("c.rom"), "1", "2"}).out,
              "Modell 1 und Modell 2 sind gleich (ohne Modellnamen).\n");
    for (const char* other : {"7", "-2147483648"}) {
        const CommandRun outside =
            Call(RunCompareModelsCommand, {Path("c.rom"), "1", other, "--json"});
        EXPECT_EQ(outside.status, 1);
        EXPECT_EQ(outside.out.substr(0, 24), "{\"error\": {\"text\": 120, ");
    }
}

}  // namespace
