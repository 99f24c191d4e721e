#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <functional>

#include "pages/CPage.h"
#include "shell/MainDialogFixture.h"
#include "shell/TabSets.h"

namespace {

// A menu caption as it reads, without the "&" of its mnemonic.
QString Caption(const QAction* action) {
    return action->text().remove('&');
}

TEST_F(MainDialogTest, StartsWithGermanCaptionsAndOnlyTheGetDataTab) {
    EXPECT_EQ(window->windowTitle(), "KeplundV3 - Futaba CamPacs");
    const auto menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(Caption(menus[0]), "Datei");
    EXPECT_EQ(Caption(menus[1]), "Einstellungen");
    EXPECT_EQ(Caption(menus[2]), "Info");
    EXPECT_EQ(Caption(window->menu().exit), "Beenden");
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

// A file that cannot be loaded leaves the data set that was open, with its unsaved changes,
// its tabs and its header.
TEST_F(MainDialogTest, AFailedLoadKeepsTheOpenDataSet) {
    LoadFile("FC28V3    ", 0x0103);
    session.data.image[100] = 0x42;
    session.data.state = DataSetState::Changed;
    WriteBytes(folder / "bad.rom", {1, 2, 3});
    dialogs.answers.push_back(Answer::Yes);
    dialogs.files.push_back((folder / "bad.rom").string());
    window->menu().load->trigger();
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{44, 46}));
    EXPECT_EQ(TabCaptions(), (std::vector<int>{52, 53, 54, 58}));
    EXPECT_EQ(window->rcSystemField()->text(), " FC28V3    \n 16k");
    EXPECT_EQ(session.data.image[100], 0x42);
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_EQ(session.data.fileName, "set.rom");
    EXPECT_EQ(session.settings.lastFilePath, (folder / "set.rom").string());
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

// A comment typed into the header or into the models page counts as soon as an action would
// lose it, even while the field still holds the focus (a shortcut, a menu, the close button):
// "Beenden", the close button, Load, Last file, import and New ask before it is lost.
TEST_F(MainDialogTest, ACommentStillBeingTypedIsAskedForBeforeItIsLost) {
    struct Field {
        const char* name;
        std::function<QLineEdit*()> open;
        std::function<std::string()> taken;
    };
    const std::vector<Field> fields{
        {"data set comment", [&] { return window->commentField(); },
         [&] { return session.data.dataSetComment; }},
        {"model comment",
         [&] {
             window->SelectTab(CMainDialog::kModelsTab);
             QCoreApplication::processEvents();  // the page fills its list and selects
             return window->Page(page::kModels)
                 ->findChild<QLineEdit*>(QStringLiteral("modelComment"));
         },
         [&] { return session.data.modelComments[0]; }},
    };
    const std::vector<std::pair<const char*, std::function<void()>>> actions{
        {"exit", [&] { window->menu().exit->trigger(); }},
        {"close button", [&] { window->close(); }},
        {"load", [&] { window->menu().load->trigger(); }},
        {"last file", [&] { window->menu().lastFile->trigger(); }},
        {"import", [&] { window->menu().import->trigger(); }},
        {"new",
         [&] {
             window->Page(page::kGetData)
                 ->findChild<QPushButton*>(QStringLiteral("newButton"))
                 ->click();
         }},
    };
    for (const Field& field : fields) {
        for (const auto& [name, act] : actions) {
            SCOPED_TRACE(std::string(field.name) + ", " + name);
            session.data.state = DataSetState::Unchanged;
            LoadFile("FC28V3    ", 0x0103);
            dialogs.shown.clear();
            QLineEdit* edit = field.open();
            ASSERT_NE(edit, nullptr);
            edit->setFocus();
            ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
            edit->selectAll();
            QTest::keyClicks(edit, "Flugtag");
            dialogs.answers.push_back(Answer::No);
            act();
            EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{44});
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(field.taken(), "Flugtag");
            EXPECT_EQ(session.data.state, DataSetState::Changed);
        }
    }
}

// The window's close button asks like "Beenden" while changes are unsaved: No keeps the
// window and the data set, Yes ends the run and writes the settings.
TEST_F(MainDialogTest, TheCloseButtonAsksBeforeUnsavedChangesAreLost) {
    LoadFile("FC28V3    ", 0x0103);
    session.data.state = DataSetState::Changed;
    window->menu().alwaysCompare->trigger();
    dialogs.answers.push_back(Answer::No);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{44});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_FALSE(std::filesystem::exists(folder / "Keplund.ini"));

    dialogs.answers.push_back(Answer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    Settings written;
    ASSERT_TRUE(LoadSettings(folder / "Keplund.ini", written).loaded);
    EXPECT_FALSE(written.alwaysCompare);
    EXPECT_EQ(written.lastFilePath, (folder / "set.rom").string());
}

TEST_F(MainDialogTest, TheCloseButtonEndsAtOnceWithoutUnsavedChanges) {
    LoadFile("FC28V3    ", 0x0103);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "Keplund.ini"));
}

// "Beenden" asks once; the close it leads to does not ask again.
TEST_F(MainDialogTest, ExitAsksOnlyOnce) {
    LoadFile("FC28V3    ", 0x0103);
    session.data.state = DataSetState::Changed;
    dialogs.answers.push_back(Answer::Yes);
    window->menu().exit->trigger();
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{44});
    EXPECT_FALSE(window->isVisible());
}

// While a transfer runs inside its button's handler, the window stays: closing it would end
// the run under the transfer.
TEST_F(MainDialogTest, TheWindowDoesNotCloseWhileATransferRuns) {
    window->SetTransferRunning(true);
    EXPECT_FALSE(window->close());
    window->menu().exit->trigger();
    EXPECT_TRUE(window->isVisible());
    window->SetTransferRunning(false);
    EXPECT_TRUE(window->close());
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
    EXPECT_EQ(Caption(window->menu().exit), "Beenden");
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
