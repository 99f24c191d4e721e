#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
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
    // An FF9 data set of default models with bytes of some models changed: (model index,
    // record offset, byte).
    std::string Ff9File(const std::string& name,
                        const std::vector<std::tuple<int, int, Byte>>& changes) {
        CamPacData data;
        EXPECT_TRUE(InitialiseImage(data, catalogue, "FF9       ", 2048));
        for (const auto& [model, offset, value] : changes) {
            data.modelSlots.Slot(model)[static_cast<std::size_t>(offset)] = value;
        }
        data.modelSlots.StoreModelSlots(data.image, data.firstModelOffset, data.modelCount,
                                        data.modelSize);
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
    EXPECT_EQ(compared.out,
              "{\"differences\": 0, \"fields\": [], \"modelTypes\": {\"a\": \"Standard\", "
              "\"b\": \"Standard\"}, \"otherBytes\": 0}\n");
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

// FF9 default models are aeroplanes ("Acro"); byte 100 is the right-hand dual rate of
// channel 1 in the switch position Down (100 %, model 3 has 101), byte 329 no page shows.
TEST_F(DataCommands, CompareModelsCountsDifferencesLeavingOutTheNames) {
    Ff9File("c.rom", {{2, 100, 0x65}, {2, 329, 0x01}});
    EXPECT_EQ(Call(RunCompareModelsCommand, {Path("c.rom"), "1", "3", "--json"}).out,
              "{\"differences\": 2, \"fields\": [{\"page\": \"Grundeinstellungen\", \"key\": "
              "\"DualRate Down 1R\", \"a\": 100, \"b\": 101}], \"modelTypes\": {\"a\": "
              "\"Acro\", \"b\": \"Acro\"}, \"otherBytes\": 1}\n");
    EXPECT_EQ(Call(RunCompareModelsCommand, {Path("c.rom"), "1", "3"}).out,
              "Modell 1 und Modell 3 unterscheiden sich in 2 Bytes (ohne Modellnamen).\n"
              "Abweichende Einstellungen (Modell 1 / Modell 3):\n"
              "[Grundeinstellungen]\n"
              "  DualRate Down 1R: 100 / 101\n"
              "1 der abweichenden Bytes gehören zu keiner aufgeführten Einstellung (auf keiner "
              "Seite angezeigt oder nur bei einem der Modelle).\n");
    EXPECT_EQ(Call(RunCompareModelsCommand, {Path("c.rom"), "1", "2"}).out,
              "Modell 1 und Modell 2 sind gleich (ohne Modellnamen).\n");
    for (const char* other : {"7", "-2147483648"}) {
        const CommandRun outside =
            Call(RunCompareModelsCommand, {Path("c.rom"), "1", other, "--json"});
        EXPECT_EQ(outside.status, 1);
        EXPECT_EQ(outside.out.substr(0, 24), "{\"error\": {\"text\": 120, ");
    }
}

// Timer 1 of the default model runs 10:00 (6000 tenths); model 3 gets 07:30 (4500 tenths),
// sub-trim 3 of -5 and channel 2 reversed.
TEST_F(DataCommands, CompareModelsListsTheSettingsThatDifferWithBothShownValues) {
    Ff9File("d.rom", {{2, 15, 0x94}, {2, 16, 0x11}, {2, 48, 0xFB}, {2, 54, 0x02}});
    EXPECT_EQ(Call(RunCompareModelsCommand, {Path("d.rom"), "1", "3", "--json"}).out,
              "{\"differences\": 4, \"fields\": ["
              "{\"page\": \"Grundeinstellungen\", \"key\": \"Stopuhr 1/ Zeit\", \"a\": \"10:00\", "
              "\"b\": \"07:30\"}, "
              "{\"page\": \"Grundeinstellungen\", \"key\": \"SubTrimm 3\", \"a\": 0, \"b\": -5}, "
              "{\"page\": \"Grundeinstellungen\", \"key\": \"Reverse 2\", \"a\": false, "
              "\"b\": true}], "
              "\"modelTypes\": {\"a\": \"Acro\", \"b\": \"Acro\"}, \"otherBytes\": 0}\n");
    EXPECT_EQ(Call(RunCompareModelsCommand, {Path("d.rom"), "3", "1", "--lang", "English"}).out,
              "Model 3 and model 1 differ in 4 bytes (model names not compared).\n"
              "Differing settings (model 3 / model 1):\n"
              "[Grundeinstellungen]\n"
              "  Stopuhr 1/ Zeit: 07:30 / 10:00\n"
              "  SubTrimm 3: -5 / 0\n"
              "  Reverse 2: 1 / 0\n");

    // a glider against an aeroplane: the type is named and is itself a differing setting
    const CommandRun types =
        Call(RunCompareModelsCommand, {Ff9File("e.rom", {{1, 3, 1}}), "1", "2"});
    EXPECT_NE(types.out.find("Modell 1 ist Acro, Modell 2 ist Glider 1: verglichen sind nur die "
                             "Einstellungen, die beide Modelltypen zeigen.\n"),
              std::string::npos)
        << types.out;
}

// Types without editor pages keep the byte count; the settings keys are null.
TEST_F(DataCommands, CompareModelsOfATypeWithoutEditorPagesCountsBytesOnly) {
    CamPacData data;
    data.typeName = "FF8       ";
    data.imageSize = 2048;
    IdentifyFromName(data, catalogue);
    ASSERT_GT(data.modelCount, 1);
    data.image.fill(0);
    const int code = catalogue.Entry(data.typeIndex).typeCode;
    data.image[1] = 3;  // 2048 bytes
    data.image[2] = static_cast<Byte>(code >> 8);
    data.image[3] = static_cast<Byte>(code);
    data.image[static_cast<std::size_t>(data.firstModelOffset + data.modelSize + 20)] = 7;
    data.modelSlots.LoadModelSlots(data.image, data.firstModelOffset, data.modelCount,
                                   data.modelSize);
    ASSERT_TRUE(WriteDataSetFile(Path("ff8.rom"), data));
    EXPECT_EQ(Call(RunCompareModelsCommand, {Path("ff8.rom"), "1", "2", "--json"}).out,
              "{\"differences\": 1, \"fields\": null, \"modelTypes\": null, \"otherBytes\": "
              "null}\n");
    EXPECT_EQ(Call(RunCompareModelsCommand, {Path("ff8.rom"), "2", "1"}).out,
              "Modell 2 und Modell 1 unterscheiden sich in 1 Bytes (ohne Modellnamen).\n");
}

}  // namespace
