#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelFileBrowse.h"
#include "support/TestFiles.h"

namespace {

CamPacData NewDataSet(const char* typeName) {
    TransmitterCatalogue catalogue;
    CamPacData data;
    InitialiseImage(data, catalogue, typeName, 2048);
    return data;
}

TEST(ModelFileHead, ShowsTypeSizeAndCommentOfAModelFile) {
    TempFolder folder;
    CamPacData data = NewDataSet("FF9       ");
    data.modelComments[2] = "Heli \xF6";
    ASSERT_TRUE(WriteModelFile(folder / "m.mdl", 2, data));
    const auto head = ReadModelFileHead(folder / "m.mdl", "FF9       ");
    ASSERT_TRUE(head);
    EXPECT_EQ(head.value().typeName, "FF9       ");
    EXPECT_EQ(head.value().modelSize, 330);
    EXPECT_EQ(head.value().comment, "Heli ö");
}

TEST(ModelFileHead, RefusesWithTheTextOfTheFault) {
    TempFolder folder;
    const CamPacData data = NewDataSet("FF9       ");
    const std::vector<Byte> good = EncodeModelFile(0, data);
    struct Case {
        const char* what;
        std::vector<Byte> bytes;
        std::string typeName;
        int text;
    };
    auto changed = [&](std::size_t at, const std::string& with) {
        std::vector<Byte> bytes = good;
        std::copy(with.begin(), with.end(), bytes.begin() + at);
        return bytes;
    };
    for (const Case& c : std::vector<Case>{
             {"first tag", changed(0, "[Kepland ]"), "FF9       ", 129},
             {"size tag", changed(50, "[Groesze ]"), "FF9       ", 129},
             {"cut short", std::vector<Byte>(good.begin(), good.begin() + 90), "FF9       ", 129},
             {"version", changed(20, "400"), "FF9       ", 47},
             {"other type", good, "FF10      ", 48}}) {
        WriteBytes(folder / "m.mdl", c.bytes);
        const auto head = ReadModelFileHead(folder / "m.mdl", c.typeName);
        ASSERT_FALSE(head) << c.what;
        EXPECT_EQ(head.error().text, c.text) << c.what;
    }
}

// A model file of the time when the type was called "FX18V1" loads into an FX18V1/2 set.
TEST(ModelFileHead, TheOldFx18NameReadsAsTheNewOne) {
    TempFolder folder;
    const CamPacData data = NewDataSet("FX18V1/2  ");
    std::vector<Byte> bytes = EncodeModelFile(0, data);
    const std::string newName = "FX18V1/2  ";
    const auto at = std::search(bytes.begin(), bytes.end(), newName.begin(), newName.end());
    ASSERT_NE(at, bytes.end());
    const std::string oldName = "FX18V1    ";
    std::copy(oldName.begin(), oldName.end(), at);
    WriteBytes(folder / "m.mdl", bytes);
    const auto head = ReadModelFileHead(folder / "m.mdl", "FX18V1/2  ");
    ASSERT_TRUE(head);
    EXPECT_EQ(head.value().typeName, "FX18V1/2  ");
    EXPECT_EQ(head.value().modelSize, 166);
}

TEST(BrowseFolder, ListsUpFoldersThenModelFiles) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "b-folder");
    std::filesystem::create_directory(folder / "a-folder");
    for (const char* name : {"z.mdl", "A.MDL", "notes.txt", "x.mdl.bak"}) {
        std::ofstream(folder / name) << "x";
    }
    std::vector<std::string> names;
    std::vector<BrowseEntry::Kind> kinds;
    for (const BrowseEntry& entry : BrowseFolder(folder.path())) {
        names.push_back(entry.name);
        kinds.push_back(entry.kind);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"..", "a-folder", "b-folder", "A.MDL", "z.mdl"}));
    using K = BrowseEntry::Kind;
    EXPECT_EQ(kinds, (std::vector<K>{K::Up, K::Folder, K::Folder, K::ModelFile, K::ModelFile}));
}

TEST(SaveAllModels, OneFilePerModelNamedByNumberAndName) {
    TempFolder folder;
    CamPacData data = NewDataSet("FC18V3    ");
    data.modelSlots.Slot(1)[5] = '/';
    data.modelComments[3] = "Vier";
    ASSERT_TRUE(SaveAllModels(folder.path(), data));
    EXPECT_EQ(ModelFileName(data, 0), "001 MODEL-03.mdl");
    EXPECT_EQ(ModelFileName(data, 1), "002 MODEL_04.mdl");
    EXPECT_EQ(ModelFileName(data, 10), "011 MODEL-13.mdl");
    for (int i = 0; i < data.modelCount; ++i) {
        EXPECT_EQ(ReadBytes(folder / ModelFileName(data, i)), EncodeModelFile(i, data)) << i;
    }
}

TEST(SaveAllModels, ReportsAFolderThatCannotBeWritten) {
    TempFolder folder;
    const CamPacData data = NewDataSet("FC18V3    ");
    const Status status = SaveAllModels(folder / "missing", data);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().text, 45);
}

TEST(LoadModelFile, PutsTheRecordIntoSlotAndImageAndAppendsTheComment) {
    TempFolder folder;
    CamPacData source = NewDataSet("FF10      ");
    source.modelSlots.Slot(0)[200] = 0x42;
    source.modelComments[0] = "neu";
    ASSERT_TRUE(WriteModelFile(folder / "m.mdl", 0, source));
    CamPacData data = NewDataSet("FF10      ");
    data.modelComments[3] = "alt ";
    ASSERT_TRUE(LoadModelFile(folder / "m.mdl", data, 3));
    EXPECT_EQ(data.image[data.firstModelOffset + 3 * 488 + 200], 0x42);
    EXPECT_EQ(data.modelSlots.Slot(3)[200], 0x42);
    EXPECT_EQ(data.modelComments[3], "alt neu");
    EXPECT_EQ(data.state, DataSetState::Changed);
}

TEST(LoadModelFile, AFailureChangesNothing) {
    TempFolder folder;
    const CamPacData other = NewDataSet("FF9       ");
    ASSERT_TRUE(WriteModelFile(folder / "m.mdl", 0, other));
    CamPacData data = NewDataSet("FF10      ");
    const auto image = data.image;
    const Status status = LoadModelFile(folder / "m.mdl", data, 0);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().text, 48);
    EXPECT_EQ(data.image, image);
    EXPECT_EQ(data.state, DataSetState::Unchanged);
}

}  // namespace
