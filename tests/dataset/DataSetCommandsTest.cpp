#include <gtest/gtest.h>

#include "dataset/DataSetCommands.h"
#include "dataset/DataSetFiles.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

class DataSetCommandsTest : public testing::Test {
  protected:
    DataSetCommandsTest() {
        RomFileFields fields;
        fields.comment = "Winter";
        fields.modelComments.resize(11);
        WriteBytes(romFile, BuildRomFile(fields));
        ResetDataSet(session.data, session.catalogue, true);
    }

    // Loads the FC18 file through the file dialog.
    void LoadRom() {
        dialogs.files.push_back(romFile.string());
        ASSERT_EQ(LoadCommand(session, dialogs), CommandOutcome::Done);
    }

    TempFolder folder;
    std::filesystem::path romFile = folder / "fc18.rom";
    Session session{folder.path()};
    ScriptedDialogs dialogs;
};

TEST_F(DataSetCommandsTest, LoadAsksForAFileAndNamesTheDataSetAfterIt) {
    dialogs.files.push_back(romFile.string());
    EXPECT_EQ(LoadCommand(session, dialogs), CommandOutcome::Done);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].filter, "CamPac Daten(*.rom)|*.rom|Alle Dateien(*.*)|*.*||");
    EXPECT_EQ(dialogs.fileRequests[0].defaultExtension, "rom");
    EXPECT_EQ(dialogs.fileRequests[0].proposedName, "noname");
    EXPECT_EQ(dialogs.fileRequests[0].folder, folder.path().string());
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    EXPECT_EQ(session.settings.lastFilePath, romFile.string());
    EXPECT_EQ(session.data.fileName, "fc18.rom");
    EXPECT_EQ(session.data.displayPath, DisplayPathOf(romFile.string()));
    EXPECT_EQ(session.dataSetFolder, folder.path().string());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DataSetCommandsTest, UnsavedChangesAreOnlyDiscardedOnYes) {
    LoadRom();
    session.data.state = DataSetState::Changed;
    session.data.image[100] = 0x11;

    dialogs.answers.push_back(Answer::No);
    EXPECT_EQ(LastFileCommand(session, dialogs), CommandOutcome::Cancelled);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{44});
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(session.data.image[100], 0x11);

    dialogs.answers.push_back(Answer::Yes);
    EXPECT_EQ(LastFileCommand(session, dialogs), CommandOutcome::Done);
    EXPECT_NE(session.data.image[100], 0x11);
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
}

TEST_F(DataSetCommandsTest, LastFileWithoutAPathFailsLikeAnUnreadableFile) {
    EXPECT_EQ(LastFileCommand(session, dialogs), CommandOutcome::Failed);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{45});
    EXPECT_EQ(session.data.state, DataSetState::None);
    EXPECT_EQ(session.data.imageSize, 0);
}

TEST_F(DataSetCommandsTest, LastFileRemembersItsFolderForTheNextLoad) {
    const auto elsewhere = folder / "archiv";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::copy_file(romFile, elsewhere / "fc18.rom");
    session.settings.lastFilePath = (elsewhere / "fc18.rom").string();
    ASSERT_EQ(LastFileCommand(session, dialogs), CommandOutcome::Done);
    EXPECT_EQ(LoadCommand(session, dialogs), CommandOutcome::Cancelled);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].folder, elsewhere.string());
}

TEST_F(DataSetCommandsTest, AFailedLoadShowsItsMessageAndLeavesNoDataSet) {
    WriteBytes(folder / "bad.rom", {'x', 'y'});
    dialogs.files.push_back((folder / "bad.rom").string());
    EXPECT_EQ(LoadCommand(session, dialogs), CommandOutcome::Failed);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{46});
    EXPECT_EQ(session.data.state, DataSetState::None);
    EXPECT_EQ(session.settings.lastFilePath, "");
}

// The file is read into a data set of its own: one that fails part of the way (here in its
// image) leaves the open data set, unsaved changes and comments included, as it was.
TEST_F(DataSetCommandsTest, AFailedLoadKeepsTheOpenDataSet) {
    LoadRom();
    session.data.image[100] = 0x11;
    session.data.modelComments[2] = "Hangflug";
    session.data.state = DataSetState::Changed;
    std::vector<Byte> cut = ReadBytes(romFile);
    cut.resize(400);
    WriteBytes(folder / "cut.rom", cut);
    dialogs.answers.push_back(Answer::Yes);
    dialogs.files.push_back((folder / "cut.rom").string());
    EXPECT_EQ(LoadCommand(session, dialogs), CommandOutcome::Failed);
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{44, 46}));
    EXPECT_EQ(session.data.image[100], 0x11);
    EXPECT_EQ(session.data.modelComments[2], "Hangflug");
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_EQ(session.data.fileName, "fc18.rom");
    EXPECT_EQ(session.settings.lastFilePath, romFile.string());
}

// Save writes the file the data set came from without a dialog; a data set from elsewhere
// (here a new one) asks for its file, proposing its type and the day.
TEST_F(DataSetCommandsTest, SaveWritesTheKnownFileAndAsksOnlyForANewOne) {
    LoadRom();
    session.data.image[100] = 0x22;
    session.data.state = DataSetState::Changed;
    EXPECT_EQ(SaveCommand(session, dialogs, SaveTarget::KnownFile), CommandOutcome::Done);
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(ReadBytes(romFile), EncodeDataSetFile(session.data));
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);

    ResetDataSet(session.data, session.catalogue, true);
    session.data.typeName = "FX18V1/2  ";
    IdentifyFromName(session.data, session.catalogue);
    session.data.imageSize = 2048;
    session.data.state = DataSetState::Changed;
    EXPECT_EQ(SaveCommand(session, dialogs, SaveTarget::KnownFile), CommandOutcome::Cancelled);
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].title, 574);
    EXPECT_EQ(dialogs.fileRequests[1].proposedName.substr(0, 9), "FX18V1-2_");
}

// A chosen file that exists is replaced only after Yes.
TEST_F(DataSetCommandsTest, SavingOverAnotherFileAsksFirst) {
    LoadRom();
    WriteBytes(folder / "other.rom", {1, 2, 3});
    session.data.state = DataSetState::Changed;
    dialogs.files.push_back((folder / "other.rom").string());
    EXPECT_EQ(SaveCommand(session, dialogs), CommandOutcome::Cancelled);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{570});
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ReadBytes(folder / "other.rom"), (std::vector<Byte>{1, 2, 3}));
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_EQ(session.data.fileName, "fc18.rom");

    dialogs.files.push_back((folder / "other.rom").string());
    dialogs.answers.push_back(Answer::Yes);
    EXPECT_EQ(SaveCommand(session, dialogs), CommandOutcome::Done);
    EXPECT_EQ(ReadBytes(folder / "other.rom"), ReadBytes(romFile));
    EXPECT_EQ(session.data.fileName, "other.rom");
}

TEST(ProposedDataSetName, IsTheTypeAndTheDay) {
    std::tm day{};
    day.tm_year = 2026 - 1900;
    day.tm_mon = 2;
    day.tm_mday = 9;
    const std::pair<const char*, const char*> cases[] = {
        {"FC18V3    ", "FC18V3_2026-03-09.rom"},
        {"FX18V1/2  ", "FX18V1-2_2026-03-09.rom"},
        {"FF9 Super ", "FF9-Super_2026-03-09.rom"},
        {"Unbekannt ", "CamPac_2026-03-09.rom"},
        {"", "CamPac_2026-03-09.rom"},
    };
    for (const auto& [type, name] : cases) {
        CamPacData data;
        data.typeName = type;
        EXPECT_EQ(ProposedDataSetName(data, day), name) << type;
    }
    CamPacData loaded;
    loaded.typeName = "FC16      ";
    loaded.filePath = "/archiv/Verein/fc16.rom";
    EXPECT_EQ(ProposedDataSetName(loaded, day), "fc16.rom");
}

TEST_F(DataSetCommandsTest, SavingLeavesAnUnchangedDataSetNamedAfterTheNewFile) {
    LoadRom();
    session.data.state = DataSetState::Changed;
    EXPECT_EQ(SaveCommand(session, dialogs), CommandOutcome::Cancelled);  // dialog cancelled
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    const auto target = folder / "sub" / "neu.rom";
    std::filesystem::create_directories(target.parent_path());
    dialogs.files.push_back(target.string());
    EXPECT_EQ(SaveCommand(session, dialogs), CommandOutcome::Done);
    EXPECT_EQ(dialogs.fileRequests.back().proposedName, "fc18.rom");
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    EXPECT_EQ(session.data.fileName, "neu.rom");
    EXPECT_EQ(session.settings.lastFilePath, target.string());
    EXPECT_EQ(ReadBytes(target), ReadBytes(romFile));
}

}  // namespace
