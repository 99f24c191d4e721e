#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include "dataset/DataSetFiles.h"
#include "pages/CPage.h"
#include "shell/CMainDialog.h"
#include "shell/StartUp.h"
#include "shell/StepLabels.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

class MainDialogTest : public testing::Test {
  protected:
    MainDialogTest() {
        CopyLanguageFiles(folder.path());
        EXPECT_TRUE(StartUp(session, dialogs));
        dialogs.shown.clear();
        window = std::make_unique<CMainDialog>(session, dialogs);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::vector<int> TabCaptions() const {
        std::vector<int> captions;
        for (int i = 0; i < window->tabBar()->count(); ++i) {
            captions.push_back(TextNumberOf(window->tabBar()->tabText(i)));
        }
        return captions;
    }

    int TextNumberOf(const QString& caption) const {
        for (int n : {52, 53, 54, 55, 56, 57, 58}) {
            if (caption.toStdString() == session.language.GetText(n)) {
                return n;
            }
        }
        return -1;
    }

    void LoadFile(const std::string& typeName, int typeCode) {
        RomFileFields fields;
        fields.typeName = typeName;
        fields.image = HeaderedImage(2048, 3, typeCode);
        fields.comment = "Vereinsabend";
        WriteBytes(folder / "set.rom", BuildRomFile(fields));
        dialogs.files.push_back((folder / "set.rom").string());
        window->menu().load->trigger();
    }

    QColor StepColour(int step) const {
        return window->stepLabels()->Label(step)->palette().color(QPalette::WindowText);
    }

    TempFolder folder;
    Session session{folder.path()};
    ScriptedDialogs dialogs;
    std::unique_ptr<CMainDialog> window;
};

TEST_F(MainDialogTest, StartsWithGermanCaptionsAndOnlyTheGetDataTab) {
    EXPECT_EQ(window->windowTitle(), "KeplundV3 - Futaba CamPacs");
    const auto menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "Datei");
    EXPECT_EQ(menus[1]->text(), "Einstellungen");
    EXPECT_EQ(menus[2]->text(), "Info");
    EXPECT_EQ(window->menu().exit->text(), "Beenden");
    EXPECT_EQ(window->stepLabels()->Label(0)->text(), "Daten holen");
    EXPECT_EQ(window->stepLabels()->Label(0)->font().weight(), QFont::Bold);
    EXPECT_EQ(window->commentField()->toolTip().toStdString(), session.language.GetText(19));
    EXPECT_EQ(TabCaptions(), std::vector<int>{52});
    EXPECT_EQ(window->currentPage(), 0);
    EXPECT_EQ(StepColour(0), StepLabels::kActiveColour);
    EXPECT_EQ(StepColour(1), QColor(Qt::black));
    EXPECT_TRUE(window->menu().clockFor64k->isChecked());
    EXPECT_TRUE(window->menu().alwaysCompare->isChecked());
    EXPECT_TRUE(window->menu().ff9SuperAsFf9->isChecked());
    EXPECT_TRUE(window->menu().languages[1]->isChecked());
    EXPECT_FALSE(window->menu().lastFile->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainDialogTest, AnFf9SuperDataSetWithoutTheOptionOpensOnTheModelsPage) {
    window->menu().ff9SuperAsFf9->trigger();
    ASSERT_FALSE(session.settings.ff9SuperAsFf9);
    LoadFile("FF9 Super ", 0x0702);
    EXPECT_EQ(TabCaptions(), (std::vector<int>{52, 53, 54, 58}));
    EXPECT_EQ(window->currentPage(), 1);
    EXPECT_EQ(window->tabBar()->currentIndex(), 1);
    EXPECT_EQ(StepColour(1), StepLabels::kActiveColour);
    EXPECT_EQ(window->rcSystemField()->text(), " FF9 Super \n 16k");
    EXPECT_EQ(window->commentField()->text(), "Vereinsabend");
    EXPECT_TRUE(window->menu().lastFile->isEnabled());
    EXPECT_EQ(window->menu().lastFile->text().toStdString(), (folder / "set.rom").string());
}

TEST_F(MainDialogTest, TabsFollowTheUsersClicks) {
    LoadFile("FC28V3    ", 0x0103);
    const QRect saveTab = window->tabBar()->tabRect(3);
    QTest::mouseClick(window->tabBar(), Qt::LeftButton, {}, saveTab.center());
    EXPECT_EQ(window->currentPage(), 3);
    EXPECT_EQ(StepColour(2), StepLabels::kActiveColour);
    EXPECT_TRUE(window->Page(3)->isVisible());
    EXPECT_FALSE(window->Page(1)->isVisible());
}

TEST_F(MainDialogTest, TypeAndSizeStandLineByLineBesideTheirLabels) {
    LoadFile("FC28V3    ", 0x0103);
    const auto* labels = window->findChild<QLabel*>(QStringLiteral("rcSystemLabels"));
    ASSERT_NE(labels, nullptr);
    EXPECT_EQ(labels->text(), "RCAnlage:\nCamPac:");
    const QLabel* field = window->rcSystemField();
    EXPECT_EQ(labels->geometry().top(), field->geometry().top());
    EXPECT_TRUE(labels->alignment() & Qt::AlignTop);
    EXPECT_TRUE(field->alignment() & Qt::AlignTop);
    EXPECT_EQ(labels->font(), field->font());
}

TEST_F(MainDialogTest, SaveIsOfferedOnlyWithADataSet) {
    QMenu* fileMenu = window->menuBar()->actions()[0]->menu();
    Q_EMIT fileMenu->aboutToShow();
    EXPECT_FALSE(window->menu().save->isEnabled());
    LoadFile("FC28V3    ", 0x0103);
    Q_EMIT fileMenu->aboutToShow();
    EXPECT_TRUE(window->menu().save->isEnabled());
}

TEST_F(MainDialogTest, TheWindowFitsTheScreen) {
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE(window->frameGeometry().width(), screen.width());
    EXPECT_LE(window->frameGeometry().height(), screen.height());
    EXPECT_LE(window->minimumSizeHint().height(), screen.height());
}

TEST_F(MainDialogTest, AFailedLoadFallsBackToTheGetDataTab) {
    LoadFile("FC28V3    ", 0x0103);
    WriteBytes(folder / "bad.rom", {1, 2, 3});
    dialogs.files.push_back((folder / "bad.rom").string());
    window->menu().load->trigger();
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{46});
    EXPECT_EQ(TabCaptions(), std::vector<int>{52});
    EXPECT_EQ(window->rcSystemField()->text(), " \n ");
}

TEST_F(MainDialogTest, TheHeaderCommentIsTakenWhenTheFieldIsLeft) {
    LoadFile("FC28V3    ", 0x0103);
    window->commentField()->setFocus();
    window->tabBar()->setFocus();
    EXPECT_EQ(session.data.state, DataSetState::Unchanged)
        << "leaving it unchanged changes nothing";
    window->commentField()->setFocus();
    window->commentField()->selectAll();
    window->commentField()->insert(QString::fromUtf8("Grüße "));
    QTest::keyClicks(window->commentField(), QString(250, 'x'));
    EXPECT_EQ(session.data.dataSetComment, "Vereinsabend");
    window->tabBar()->setFocus();
    EXPECT_EQ(session.data.dataSetComment.size(), 200u);
    EXPECT_EQ(session.data.dataSetComment.substr(0, 6),
              "Gr\xFC\xDF"
              "e ");
    EXPECT_EQ(session.data.state, DataSetState::Changed) << "a new comment is an unsaved change";
}

TEST_F(MainDialogTest, ExitAsksWhileChangesAreUnsavedAndNoKeepsEverything) {
    LoadFile("FC28V3    ", 0x0103);
    session.data.state = DataSetState::Changed;
    dialogs.answers.push_back(Answer::No);
    window->menu().exit->trigger();
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{44});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_FALSE(std::filesystem::exists(folder / "Keplund.ini"));

    dialogs.answers.push_back(Answer::Yes);
    window->menu().exit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(std::filesystem::exists(folder / "Keplund.ini"));
}

TEST_F(MainDialogTest, TheCloseButtonEndsAtOnceAndStillWritesTheSettings) {
    LoadFile("FC28V3    ", 0x0103);
    session.data.state = DataSetState::Changed;
    window->menu().alwaysCompare->trigger();
    window->close();
    EXPECT_TRUE(dialogs.shown.empty());
    Settings written;
    ASSERT_TRUE(LoadSettings(folder / "Keplund.ini", written).loaded);
    EXPECT_FALSE(written.alwaysCompare);
    EXPECT_EQ(written.lastFilePath, (folder / "set.rom").string());
}

// The comment field finishes its edit when it loses the focus, which happens once more
// while the window's children are destroyed, after the window itself is gone: its handler
// must not run then (it would change the data set through a destroyed window).
TEST_F(MainDialogTest, DestroyingTheWindowDuringACommentEditLeavesTheDataSetAlone) {
    LoadFile("FC28V3    ", 0x0103);
    ASSERT_EQ(session.data.state, DataSetState::Unchanged);
    window->commentField()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->commentField()->hasFocus(); }));
    QTest::keyClicks(window->commentField(), "neu");
    window.reset();
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    EXPECT_EQ(session.data.dataSetComment, "Vereinsabend");
}

TEST_F(MainDialogTest, EnterAndEscapeNeverCloseTheWindow) {
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window->tabBar(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainDialogTest, SwitchingToEnglishSaysSoAndKeepsTheOpenWindowsCaptions) {
    window->menu().languages[2]->trigger();
    ASSERT_EQ(dialogs.ShownNumbers(), std::vector<int>{43});
    EXPECT_EQ(session.settings.language, 2);
    EXPECT_TRUE(window->menu().languages[2]->isChecked());
    EXPECT_FALSE(window->menu().languages[1]->isChecked());
    EXPECT_EQ(window->menu().exit->text(), "Beenden");
    EXPECT_EQ(session.language.GetText(4), "Exit");
}

TEST_F(MainDialogTest, AFailedLanguageSwitchKeepsTheCheckMarkOnTheOldLanguage) {
    std::filesystem::remove(folder / "Italian.lng");
    window->menu().languages[3]->trigger();
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{526});
    EXPECT_TRUE(window->menu().languages[1]->isChecked());
    EXPECT_EQ(session.settings.language, 1);
}

}  // namespace
