#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "EditorWindow.h"
#include "editors/ModelEditorPage.h"
#include "ff9/Ff9DataSet.h"
#include "shell/CMainDialog.h"
#include "shell/Session.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

constexpr int kBase = 40;
constexpr int kNormalTabs = 7;
constexpr int kEditingTabs = 3;
constexpr int kMixingTab = 4;

// An FF9 Super data set gets the FF9 pages only while the menu option says so.
TEST(Ff9SuperPages, FollowTheMenuOption) {
    for (const bool asFf9 : {true, false}) {
        TempFolder folder;
        CopyLanguageFiles(folder.path());
        Session session{folder.path()};
        session.language.LoadLanguage(1);
        session.settings.ff9SuperAsFf9 = asFf9;
        session.data = Ff9DataSet(Ff9Record(0));
        session.data.typeName = "FF9 Super ";
        ScriptedDialogs dialogs;
        CMainDialog window(session, dialogs);
        window.ChooseTypeTabs();
        QCoreApplication::processEvents();
        for (const int page : {40, 41, 42, 43, 49}) {
            EXPECT_EQ(window.Page(page) != nullptr, asFf9) << page;
        }
        EXPECT_EQ(window.currentPage(), asFf9 ? 40 : 1);
    }
}

// The main window with an FF9 data set: model 1 an aeroplane (sub-trim 1 at -5), model 2
// a helicopter, model 3 a "Glider 1", the others aeroplanes.
CamPacData Ff9WindowData() {
    std::vector<Byte> record = Ff9Record(0);
    record[46] = 0xFB;
    CamPacData data = Ff9DataSet(record);
    CopyBytes(data.image, 10 + 330, Ff9Record(129), 0, 330);
    CopyBytes(data.image, 10 + 660, Ff9Record(1), 0, 330);
    IdentifyFromName(data, TransmitterCatalogue{});
    return data;
}

struct EditorPageFixture : testing::Test, EditorWindow {
    EditorPageFixture() : EditorWindow(Ff9WindowData(), kBase) {}

    Byte ImageByte(int model, int offset) {
        return session.data.image[static_cast<std::size_t>(10 + model * 330 + offset)];
    }
};

TEST_F(EditorPageFixture, OpensOnTheBasePageWithTheFirstModel) {
    EXPECT_EQ(Edit(kBase, "SubTrimm 1")->text(), "-5");
    EXPECT_EQ(Page(kBase).modelList()->count(), 6);
}

TEST_F(EditorPageFixture, CheckBoxesAndListsCommitAtOnce) {
    StartEditing();
    qobject_cast<QCheckBox*>(Page(kBase).Control("Reverse 3"))->click();
    Settle();
    EXPECT_EQ(SlotByte(0, 54), 0x04);
    Choose(kBase, "Stopuhr 1/ Schalter", "Power");
    EXPECT_EQ(SlotByte(0, 13), 0x70);
    EXPECT_TRUE(Page(kBase).Control("Stopuhr 1/ Position")->isHidden());
}

TEST_F(EditorPageFixture, TheMenuCannotSaveWhileAnEditIsOpen) {
    Q_EMIT window->menu().fileMenu->aboutToShow();
    EXPECT_TRUE(window->menu().save->isEnabled());
    StartEditing();
    Q_EMIT window->menu().fileMenu->aboutToShow();
    EXPECT_FALSE(window->menu().save->isEnabled()) << "the file would lack the open edit";
}

// A renamed model shows its new name in the list at once, on this page and the next.
TEST_F(EditorPageFixture, ModelListShowsTheNewName) {
    StartEditing();
    Type(kBase, "Modellname", "XYZ");
    EXPECT_EQ(Page(kBase).modelList()->item(0)->text(), "XYZ     ");
    window->SelectTab(2);
    Settle();
    EXPECT_EQ(Page(49).modelList()->item(0)->text(), "XYZ     ");
}

// A refusal or a prompt stands in the status bar until a commit succeeds; a result that
// is no refusal of the page stays.
TEST_F(EditorPageFixture, ASuccessfulCommitClearsTheRefusalFromTheStatusBar) {
    StartEditing();
    QLabel* result = window->resultLabel();
    Type(kBase, "Servoweg 1L", "141");
    EXPECT_FALSE(result->text().isEmpty());
    Type(kBase, "Servoweg 1L", "140");
    EXPECT_TRUE(result->text().isEmpty());

    Type(kBase, "SubTrimm 2", "abc");
    EXPECT_EQ(result->text(), "Geben Sie bitte eine ganze Zahl ein.");
    Type(kBase, "SubTrimm 2", "3");
    EXPECT_TRUE(result->text().isEmpty());

    window->ShowResult(QStringLiteral("Gelesen"));
    Type(kBase, "SubTrimm 2", "4");
    EXPECT_EQ(result->text(), "Gelesen");
}

TEST_F(EditorPageFixture, NotANumberBringsThePromptAndKeepsTheValue) {
    StartEditing();
    Type(kBase, "SubTrimm 2", "abc");
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().literal, "Geben Sie bitte eine ganze Zahl ein.");
    EXPECT_EQ(Edit(kBase, "SubTrimm 2")->text(), "0");
}

TEST_F(EditorPageFixture, EscRestoresTheStoredValue) {
    StartEditing();
    QLineEdit* edit = Edit(kBase, "SubTrimm 1");
    edit->setText("99");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), "-5");
    EXPECT_EQ(SlotByte(0, 46), 0xFB);
    edit->setText("98");
    QTest::keyClick(&Page(kBase), Qt::Key_Escape);
    EXPECT_EQ(edit->text(), "-5");
}

// Enter moves the focus on from every kind of control, as Tab would.
TEST_F(EditorPageFixture, EnterMovesTheFocusOn) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    StartEditing();
    for (const std::string name : {"SubTrimm 2", "Reverse 3", "Modulation"}) {
        QWidget* control = Page(kBase).Control(name);
        control->setFocus();
        Settle();
        ASSERT_EQ(QApplication::focusWidget(), control) << name;
        QTest::keyClick(control, Qt::Key_Return);
        Settle();
        EXPECT_NE(QApplication::focusWidget(), control) << name;
    }
}

TEST_F(EditorPageFixture, RevertRestoresEveryModel) {
    StartEditing();
    Type(kBase, "SubTrimm 1", "3");
    Page(kBase).modelList()->setCurrentRow(3);
    Settle();
    Type(kBase, "SubTrimm 1", "4");
    Page(kBase).revertButton()->click();
    Settle();
    EXPECT_EQ(SlotByte(0, 46), 0xFB);
    EXPECT_EQ(SlotByte(3, 46), 0xFB);
    EXPECT_EQ(Page(kBase).modelList()->currentRow(), 0);
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    EXPECT_EQ(window->tabBar()->count(), kNormalTabs);
}

// A helicopter's dual rates have no left and right.
TEST_F(EditorPageFixture, SelectingAModelShowsTheFieldsOfItsType) {
    Page(kBase).modelList()->setCurrentRow(1);
    Settle();
    EXPECT_FALSE(Page(kBase).Control("DualRate Up 1")->isHidden());
    EXPECT_TRUE(Page(kBase).Control("DualRate Up 1L")->isHidden());
}

// A model whose type byte names no family keeps an editor page behind the mixing tab: in
// edit mode that tab must not lead out to the models page.
TEST_F(EditorPageFixture, EditModeNeverLeadsOutOfTheEditorPages) {
    session.data.image[10 + 3 * 330 + 3] = 5;
    IdentifyFromName(session.data, session.catalogue);
    Page(kBase).modelList()->setCurrentRow(3);
    Settle();
    StartEditing();
    ASSERT_EQ(window->tabBar()->count(), kEditingTabs);
    for (int position = 0; position < kEditingTabs; ++position) {
        EXPECT_NE(dynamic_cast<ModelEditorPage*>(window->Page(window->TabPage(position))), nullptr)
            << position;
    }
}

TEST_F(EditorPageFixture, ModelTypeChangeSwapsTheMixingPage) {
    StartEditing();
    Choose(kBase, "Modelltyp", "Heli SWH1");
    EXPECT_EQ(SlotByte(0, 3), 129);
    EXPECT_EQ(SlotByte(0, 58), 0x3F);
    EXPECT_EQ(window->TabPage(1), 43);
    EXPECT_FALSE(Page(kBase).Control("Expo Down 4")->isHidden());
    window->SelectTab(1);
    Settle();
    EXPECT_EQ(window->currentPage(), 43);
    Type(43, "ThrCut", "35");
    EXPECT_EQ(dialogs.shown.back().text, 219);
    EXPECT_EQ(dialogs.shown.back().arguments[1], MessageArgument(-30LL));
}

// Turning the mouse wheel to scroll the page must not change a list that happens to lie
// under the pointer: a new model type would replace the whole mixing program.
TEST_F(EditorPageFixture, WheelOverAListScrollsInsteadOfChoosing) {
    StartEditing();
    for (const std::string name : {"Modelltyp", "DualRate Schalter 2", "Kanal 5"}) {
        auto* list = qobject_cast<QComboBox*>(Page(kBase).Control(name));
        ASSERT_NE(list, nullptr) << name;
        const int before = list->currentIndex();
        for (const int step : {-120, 120}) {
            QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, step), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QCoreApplication::sendEvent(list, &wheel);
            Settle();
            EXPECT_EQ(list->currentIndex(), before) << name;
        }
    }
    EXPECT_EQ(SlotByte(0, 3), 0);
    EXPECT_EQ(SlotByte(0, 58), 0x4C);
    EXPECT_EQ(SlotByte(0, 84), ImageByte(0, 84));
    EXPECT_EQ(SlotByte(0, 72), ImageByte(0, 72));
}

// The glider defaults have the flaperon on: the flap values are labelled as flaperon values.
TEST_F(EditorPageFixture, LabelsFollowTheShownModel) {
    Page(kBase).modelList()->setCurrentRow(2);
    Settle();
    window->SelectTab(kMixingTab);
    Settle();
    ASSERT_EQ(window->currentPage(), 42);
    QWidget* flap = Page(42).Control("FLP/AIL/ELE - Flp 1");
    auto* form = qobject_cast<QFormLayout*>(flap->parentWidget()->layout());
    ASSERT_NE(form, nullptr);
    auto* label = qobject_cast<QLabel*>(form->labelForField(flap));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "FLAP 1");
}

TEST_F(EditorPageFixture, MixersPageDisablesWhatTheHelicopterUses) {
    Page(kBase).modelList()->setCurrentRow(1);
    Settle();
    window->SelectTab(5);
    Settle();
    EXPECT_EQ(window->currentPage(), 49);
    EXPECT_TRUE(Page(49).Control("Mischer 2 L")->isEnabled());
    EXPECT_FALSE(Page(49).Control("Mischer 3 L")->isEnabled());
}

}  // namespace
