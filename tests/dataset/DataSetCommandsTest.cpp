#include <gtest/gtest.h>

#include "dataset/DataSetCommands.h"
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
    dialogs.files.push_back(romFile.string());
    ASSERT_EQ(LoadCommand(session, dialogs), CommandOutcome::Done);
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

TEST_F(DataSetCommandsTest, SavingLeavesAnUnchangedDataSetNamedAfterTheNewFile) {
    dialogs.files.push_back(romFile.string());
    ASSERT_EQ(LoadCommand(session, dialogs), CommandOutcome::Done);
    session.data.state = DataSetState::Changed;
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

TEST_F(DataSetCommandsTest, CancellingTheSaveDialogWritesNothing) {
    dialogs.files.push_back(romFile.string());
    ASSERT_EQ(LoadCommand(session, dialogs), CommandOutcome::Done);
    session.data.state = DataSetState::Changed;
    EXPECT_EQ(SaveCommand(session, dialogs), CommandOutcome::Cancelled);
    EXPECT_EQ(session.data.state, DataSetState::Changed);
}

}  // namespace
