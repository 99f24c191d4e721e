#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "adapters/CamPacConnection.h"
#include "pages/CPage.h"
#include "shell/MainDialogFixture.h"
#include "shell/Mnemonics.h"
#include "shell/QtUserDialogs.h"
#include "shell/ResultDialogs.h"
#include "shell/ShellTexts.h"
#include "shell/TabSets.h"

namespace {

// Runs `act` on the modal dialog that the next call opens, as soon as it is shown.
void OnNextModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

void CloseModal(QWidget* modal) {
    QTest::keyClick(modal, Qt::Key_Escape);
    modal->close();
}

using DesktopWindow = MainDialogTest;

// Enter never throws work away: every question has the answer that keeps everything as
// its default button.
TEST_F(DesktopWindow, EnterAnswersEveryQuestionWithTheAnswerThatKeepsTheWork) {
    QtUserDialogs real(session.language);
    real.SetParent(window.get());
    const struct {
        MessageButtons buttons;
        Answer expected;
    } cases[] = {{MessageButtons::YesNo, Answer::No}, {MessageButtons::OkCancel, Answer::Cancel}};
    for (const auto& c : cases) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            OnNextModal([key](QWidget* box) { QTest::keyClick(box, key); });
            EXPECT_EQ(real.Show(Message::Numbered(txt::kConfirmDiscardChanges)
                                    .WithButtons(c.buttons, MessageIcon::Question)),
                      c.expected);
        }
    }
}

// Qt's own buttons speak the chosen language, and follow a language switch.
TEST_F(DesktopWindow, QtsOwnButtonsFollowTheChosenLanguage) {
    const auto yesCaption = [] {
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text().remove('&');
    };
    EXPECT_EQ(yesCaption(), "Ja");
    window->menu().languages[5]->trigger();
    EXPECT_EQ(yesCaption(), "Oui");
    window->menu().languages[2]->trigger();
    EXPECT_EQ(yesCaption(), "Yes");
}

// The file dialogs say what they do, and a save dialog leaves the question whether to
// replace a file to the program, which asks it once.
TEST_F(DesktopWindow, FileDialogsHaveTitlesAndDoNotAskAboutReplacingThemselves) {
    QtUserDialogs real(session.language);
    real.SetParent(window.get());
    QString title;
    bool asksItself = true;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        asksItself = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    FileRequest request{"CamPac Daten(*.rom)|*.rom||", "rom", "x.rom", folder.path().string(), 574};
    EXPECT_FALSE(real.ChooseFileToSave(request).has_value());
    EXPECT_EQ(title.toStdString(), "CamPac-Datei speichern");
    EXPECT_FALSE(asksItself);
}

TEST_F(DesktopWindow, TheStandardShortcutsReachTheFileCommands) {
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, 573);

    LoadFile("FC28V3    ", 0x0103);
    session.data.image[100] = 0x33;
    session.data.state = DataSetState::Changed;
    const std::size_t requests = dialogs.fileRequests.size();
    // Save writes the file the data set came from, without a dialog.
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.fileRequests.size(), requests);
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    CamPacData saved;
    ASSERT_TRUE(ReadDataSetFile(folder / "set.rom", saved, session.catalogue).status.ok());
    EXPECT_EQ(saved.image[100], 0x33);

    // Save as always asks for the file.
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), requests + 1);
    EXPECT_EQ(dialogs.fileRequests.back().title, 574);
    EXPECT_EQ(dialogs.fileRequests.back().proposedName, "set.rom");

    bool aboutShown = false;
    OnNextModal([&](QWidget* modal) {
        aboutShown = modal->windowTitle() == "Info - Keplund";
        CloseModal(modal);
    });
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_TRUE(aboutShown);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(DesktopWindow, ShortcutsWaitWhileATransferRuns) {
    window->SetTransferRunning(true);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_TRUE(window->isVisible());
    window->SetTransferRunning(false);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
}

// Every menu title and item can be reached with Alt and a letter of its own.
TEST_F(DesktopWindow, EveryMenuEntryHasItsOwnMnemonic) {
    const auto mnemonicsOf = [](const QList<QAction*>& actions) {
        std::vector<QChar> letters;
        for (const QAction* action : actions) {
            if (action->isSeparator() || action == nullptr) {
                continue;
            }
            const QString text = action->text();
            const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            EXPECT_GE(at, 0) << text.toStdString();
            if (at >= 0) {
                letters.push_back(text[at + 1].toLower());
            }
        }
        std::sort(letters.begin(), letters.end());
        EXPECT_EQ(std::adjacent_find(letters.begin(), letters.end()), letters.end());
    };
    mnemonicsOf(window->menuBar()->actions());
    for (QAction* title : window->menuBar()->actions()) {
        QList<QAction*> items = title->menu()->actions();
        items.removeAll(window->menu().lastFile);  // its caption becomes the file's path
        mnemonicsOf(items);
    }
    QString taken = QStringLiteral("sd");
    EXPECT_EQ(WithMnemonic(QStringLiteral("Speichern"), taken), "S&peichern");
    EXPECT_EQ(WithMnemonic(QStringLiteral("&Laden"), taken), "&Laden");
    EXPECT_EQ(taken, "sdp");
}

// What the pages ask through the main window reaches the dialogs of the run: files,
// folders and prompts alike.
TEST(ResultDialogsTest, PassEveryCallOnAndReportTheMessagesThatAreNoQuestion) {
    ScriptedDialogs inner;
    LanguageTable language(LanguageSourceFolder());
    ASSERT_TRUE(language.LoadLanguage(1));
    ResultDialogs dialogs(inner, language);
    std::vector<std::string> results;
    dialogs.SetResultSink([&](const std::string& text) { results.push_back(text); });
    inner.files = {"a.rom", "b.rom", "folder"};
    inner.texts = {"7"};
    EXPECT_EQ(dialogs.ChooseFileToOpen({}), "a.rom");
    EXPECT_EQ(dialogs.ChooseFileToSave({}), "b.rom");
    EXPECT_EQ(dialogs.ChooseFolder({}), "folder");
    EXPECT_EQ(dialogs.PromptText("?"), "7");
    dialogs.Show(Message::Numbered(txt::kConfirmDiscardChanges)
                     .WithButtons(MessageButtons::YesNo, MessageIcon::Question));
    dialogs.Show(Message::Numbered(txt::kLanguageSwitchFailed));
    EXPECT_EQ(inner.ShownNumbers(), (std::vector<int>{44, 526}));
    EXPECT_EQ(results, std::vector<std::string>{language.GetText(526)});
}

TEST_F(DesktopWindow, TheInfoMenuHasOneAboutItem) {
    EXPECT_EQ(window->menuBar()->actions()[2]->menu()->actions().size(), 1);
}

// The title names the data set's file and marks unsaved changes.
TEST_F(DesktopWindow, TheTitleNamesTheFileAndMarksUnsavedChanges) {
    EXPECT_EQ(window->windowTitle(), "KeplundV3 - Futaba CamPacs");
    LoadFile("FC28V3    ", 0x0103);
    EXPECT_EQ(window->windowTitle(), "set.rom[*] - KeplundV3 - Futaba CamPacs");
    EXPECT_FALSE(window->isWindowModified());
    // A change made on a page shows after the click or key that made it.
    session.data.state = DataSetState::Changed;
    QTest::mouseClick(window->tabBar(), Qt::LeftButton, {}, window->tabBar()->tabRect(1).center());
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isWindowModified());
}

// The status bar names the adapter and the port of the run and the last result; a failed
// command's message becomes the last result too.
TEST_F(DesktopWindow, TheStatusBarShowsAdapterPortAndLastResult) {
    EXPECT_EQ(window->adapterStatus()->text(), "USB-Adapter");
    EXPECT_EQ(window->portStatus()->text(), "Port nicht verfügbar");
    window->SetPortName(QStringLiteral("/dev/parport0"));
    EXPECT_EQ(window->portStatus()->text(), "/dev/parport0");
    LoadFile("FC28V3    ", 0x0103);
    EXPECT_EQ(window->resultLabel()->text().toStdString(),
              "Geladen: " + (folder / "set.rom").string());
    WriteBytes(folder / "bad.rom", {1});
    dialogs.files.push_back((folder / "bad.rom").string());
    window->menu().load->trigger();
    EXPECT_EQ(window->resultLabel()->text().toStdString(), session.language.GetText(46));
}

// The adapter chosen for the run (--adapter) names the adapter even when its port could not
// be opened: an LPT run never shows the USB adapter.
TEST_F(DesktopWindow, TheChosenAdapterIsShownWithoutAConnection) {
    window->SetChosenAdapter(AdapterKind::Lpt);
    window->UseConnection(nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->adapterStatus()->text(), "LPT-Adapter");
    auto* label = window->Page(page::kGetData)->findChild<QLabel*>(QStringLiteral("adapterLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "LPT\n150");
}

// The window can be resized and maximised, opens inside the screen, and opens again at
// the size the user left it.
TEST_F(DesktopWindow, TheWindowIsResizableAndRemembersItsSize) {
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_LT(window->minimumSize().width(), window->maximumSize().width());
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->geometry())) << window->geometry().width();
    window->resize(640, 500);
    ASSERT_TRUE(window->close());
    window.reset();
    CMainDialog again(session, dialogs);
    EXPECT_EQ(again.size(), QSize(640, 500));
    EXPECT_TRUE(std::filesystem::exists(again.WindowStateFile()));
}

}  // namespace
