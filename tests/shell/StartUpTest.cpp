#include <gtest/gtest.h>

#include <fstream>

#include "shell/StartUp.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

class StartUpTest : public testing::Test {
  protected:
    StartUpTest() { CopyLanguageFiles(folder.path()); }

    TempFolder folder;
    Session session{folder.path()};
    ScriptedDialogs dialogs;
};

TEST_F(StartUpTest, AFirstStartUsesTheDefaultsAndSaysSo) {
    ASSERT_TRUE(StartUp(session, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].literal,
              "Keine oder alte INI Datei gefunden. Bitte Einstellungen im Menü vornehmen");
    EXPECT_EQ(session.settings.useUsb, 1);
    EXPECT_EQ(session.language.GetText(0), "Datei");
    EXPECT_EQ(session.data.state, DataSetState::None);
    EXPECT_EQ(session.data.typeIndex, 14);
}

TEST_F(StartUpTest, MissingWaitstatesAreReportedOnlyForTheParallelPort) {
    std::ofstream(folder / "Keplund.ini") << "309\n\n888\n\n1\n1\n0\n";
    ASSERT_TRUE(StartUp(session, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].literal,
              "Waitstates konnten aus der INI Datei nicht galaden werden.\r\nBitte kontrollieren.");

    std::ofstream(folder / "Keplund.ini") << "309\n\n888\n\n1\n1\n1\n";
    ScriptedDialogs quiet;
    Session again(folder.path());
    ASSERT_TRUE(StartUp(again, quiet));
    EXPECT_TRUE(quiet.shown.empty());
}

TEST_F(StartUpTest, WithoutItsLanguageFileTheProgramDoesNotStart) {
    std::filesystem::remove(folder / "Deutsch.lng");
    EXPECT_FALSE(StartUp(session, dialogs));
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Stop);
    EXPECT_NE(dialogs.shown.back().literal.find("Can not open languagefile"), std::string::npos);
}

TEST_F(StartUpTest, TheEndOfTheRunWritesTheSettings) {
    ASSERT_TRUE(StartUp(session, dialogs));
    session.settings.language = 5;
    ShutDown(session);
    Settings reread;
    EXPECT_TRUE(LoadSettings(folder / "Keplund.ini", reread).loaded);
    EXPECT_EQ(reread.language, 5);
    EXPECT_FALSE(session.language.IsOpen());
}

TEST_F(StartUpTest, SwitchingLanguageFallsBackToTheOldOne) {
    ASSERT_TRUE(StartUp(session, dialogs));
    dialogs.shown.clear();

    EXPECT_EQ(SwitchLanguage(session, dialogs, 2), LanguageSwitch::Switched);
    EXPECT_EQ(session.settings.language, 2);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{43});
    EXPECT_EQ(session.language.GetText(0), "File");

    std::filesystem::remove(folder / "French.lng");
    dialogs.shown.clear();
    EXPECT_EQ(SwitchLanguage(session, dialogs, 5), LanguageSwitch::KeptOld);
    EXPECT_EQ(session.settings.language, 2);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{526});
    EXPECT_EQ(session.language.GetText(0), "File");

    std::filesystem::remove(folder / "English.lng");
    dialogs.shown.clear();
    EXPECT_EQ(SwitchLanguage(session, dialogs, 5), LanguageSwitch::Fatal);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].literal, "Fehler Sprachdatei");
}

}  // namespace

namespace {

// The file dialogs start in the documents folder, the data set dialogs in the folder of the
// last file while it is still there; a folder that does not exist is not used.
TEST(StartFolders, DocumentsAtFirstAndTheLastFilesFolderForDataSets) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "Dokumente");
    std::filesystem::create_directories(folder / "archiv");
    Session session{folder.path()};
    session.settings.lastFilePath = (folder / "archiv" / "verein.rom").string();
    ChooseStartFolders(session, folder / "Dokumente");
    EXPECT_EQ(session.startFolder, folder / "Dokumente");
    EXPECT_EQ(session.FolderOrStart(session.modelFolder), (folder / "Dokumente").string());
    EXPECT_EQ(session.FolderOrStart(session.dataSetFolder), (folder / "archiv").string());

    Session gone{folder.path()};
    gone.settings.lastFilePath = (folder / "weg" / "verein.rom").string();
    ChooseStartFolders(gone, folder / "fehlt");
    EXPECT_EQ(gone.FolderOrStart(gone.dataSetFolder), folder.path().string());
}

}  // namespace
