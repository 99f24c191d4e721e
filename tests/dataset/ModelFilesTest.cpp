#include <gtest/gtest.h>

#include "dataset/DataSetFiles.h"
#include "support/TestFiles.h"

namespace {

class ModelFilesTest : public testing::Test {
  protected:
    ModelFilesTest() {
        RomFileFields fields;
        fields.typeName = "FF9       ";
        fields.image = HeaderedImage(2048, 3, 0x0701);
        WriteBytes(folder / "ff9.rom", BuildRomFile(fields));
        EXPECT_TRUE(ReadDataSetFile(folder / "ff9.rom", data, catalogue).status.ok());
    }

    Status Read(const MdlFileFields& fields, int model = 2) {
        WriteBytes(file, BuildMdlFile(fields));
        return ReadModelFile(file, model, data);
    }

    TempFolder folder;
    std::filesystem::path file = folder / "model.mdl";
    TransmitterCatalogue catalogue;
    CamPacData data;
};

TEST_F(ModelFilesTest, ReadsTheRecordIntoTheSlotAndAppendsTheComment) {
    data.modelComments[2] = "Alt ";
    ASSERT_TRUE(Read(MdlFileFields{}).ok());
    EXPECT_EQ(data.modelComments[2], "Alt Extra");
    const auto slot = data.modelSlots.Slot(2);
    for (std::size_t i = 0; i < 330; ++i) {
        ASSERT_EQ(slot[i], 0xA0 + i % 32) << i;
    }
}

TEST_F(ModelFilesTest, RefusalsNameTheirTextAndChangeNothing) {
    struct Case {
        const char* name;
        void (*change)(MdlFileFields&);
        int text;
        std::string suffix;
    };
    const Case cases[] = {
        {"first tag", [](MdlFileFields& f) { f.keplundTag = "[Keplunt ]"; }, 46,
         "\n\r ([Keplund ])"},
        {"version tag", [](MdlFileFields& f) { f.versionTag = "[Versiox ]"; }, 60,
         "\n\r ([Version ])"},
        {"rc tag", [](MdlFileFields& f) { f.rcTag = "[RCAnlagx]"; }, 60, "\n\r ([RCAnlage])"},
        {"other type", [](MdlFileFields& f) { f.typeName = "FF10      "; }, 48,
         "\n\r (FF10      )"},
        {"size tag", [](MdlFileFields& f) { f.sizeTag = "[Groessx ]"; }, 60, "\n\r ([Groesse ])"},
        {"other size", [](MdlFileFields& f) { f.size = "488"; }, 61, ""},
        {"comment tag", [](MdlFileFields& f) { f.commentTag = "[Kommentx]"; }, 60,
         "\n\r ([Kommenta])"},
        {"data tag", [](MdlFileFields& f) { f.dataTag = "[Datex   ]"; }, 60, "\n\r ([Daten   ])"},
        {"cut record", [](MdlFileFields& f) { f.recordBytes = 100; }, 60, "\n\r ([Daten   ])"},
    };
    for (const Case& c : cases) {
        data.modelComments[2] = "Alt";
        const auto slotBefore =
            std::vector<Byte>(data.modelSlots.Slot(2).begin(), data.modelSlots.Slot(2).end());
        MdlFileFields fields;
        c.change(fields);
        const Status read = Read(fields);
        ASSERT_FALSE(read.ok()) << c.name;
        EXPECT_EQ(read.error().text, c.text) << c.name;
        EXPECT_EQ(read.error().suffix, c.suffix) << c.name;
        EXPECT_EQ(data.modelComments[2], "Alt") << c.name;
        EXPECT_TRUE(
            std::equal(slotBefore.begin(), slotBefore.end(), data.modelSlots.Slot(2).begin()))
            << c.name;
        EXPECT_EQ(data.typeName, "FF9       ") << "a model file never resets the data set";
    }
}

// The comment field holds forty bytes, the filler after it stays zero.
TEST_F(ModelFilesTest, WritingAndReadingGivesTheSameModel) {
    const std::string forty = "Hotliner" + std::string(32, 'c');
    data.modelComments[1] = forty + "cut off";
    data.modelSlots.Slot(1)[0] = 0x42;
    const auto saved = folder / "saved.mdl";
    ASSERT_TRUE(WriteModelFile(saved, 1, data).ok());
    const auto bytes = ReadBytes(saved);
    ASSERT_EQ(bytes.size(), 290u + 330u);
    EXPECT_EQ(std::string(bytes.begin() + 80, bytes.begin() + 120), forty);
    EXPECT_TRUE(
        std::all_of(bytes.begin() + 120, bytes.begin() + 280, [](Byte b) { return b == 0; }));

    data.modelComments[4].clear();
    ASSERT_TRUE(ReadModelFile(saved, 4, data).ok());
    EXPECT_EQ(data.modelComments[4], forty);
    EXPECT_TRUE(std::equal(data.modelSlots.Slot(1).begin(), data.modelSlots.Slot(1).begin() + 330,
                           data.modelSlots.Slot(4).begin()));

    const auto again = folder / "again.mdl";
    ASSERT_TRUE(WriteModelFile(again, 4, data).ok());
    EXPECT_EQ(ReadBytes(again), bytes);
}

TEST_F(ModelFilesTest, AnAppendedCommentKeepsAtMostFortyCharacters) {
    for (const auto& [before, fromFile, after] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"", "Extra", "Extra"},
             {std::string(35, 'a'), "Extra", std::string(35, 'a') + "Extra"},
             {std::string(35, 'a'), "Extra Segler", std::string(35, 'a') + "Extra"},
             {std::string(40, 'a'), "Extra", std::string(40, 'a')},
         }) {
        data.modelComments[2] = before;
        MdlFileFields fields;
        fields.comment = fromFile;
        ASSERT_TRUE(Read(fields).ok()) << fromFile;
        EXPECT_EQ(data.modelComments[2], after) << before << " + " << fromFile;
    }
}

TEST_F(ModelFilesTest, ModelsLargerThanASlotTravelWhole) {
    RomFileFields fields;
    fields.typeName = "FC28V3    ";
    fields.size = "8192";
    fields.image = HeaderedImage(8192, 4, 0x0103);
    WriteBytes(folder / "fc28.rom", BuildRomFile(fields));
    ASSERT_TRUE(ReadDataSetFile(folder / "fc28.rom", data, catalogue).status.ok());
    const auto saved = folder / "fc28.mdl";
    ASSERT_TRUE(WriteModelFile(saved, 3, data).ok());
    const auto bytes = ReadBytes(saved);
    ASSERT_EQ(bytes.size(), 290u + 1870u);
    EXPECT_TRUE(std::equal(bytes.begin() + 290, bytes.end(), data.image.begin() + 10 + 3 * 1870));
    ASSERT_TRUE(ReadModelFile(saved, 0, data).ok());
    EXPECT_TRUE(std::equal(bytes.begin() + 290, bytes.end(), data.modelSlots.Slot(0).begin()));
}

}  // namespace
