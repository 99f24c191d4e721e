#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "Fc16DataSet.h"
#include "PageDriving.h"
#include "StandInHost.h"
#include "editors/ModelEditorPage.h"
#include "editors/fc16/Fc16Pages.h"

// The FC16 base page and both program pages driven headless, with a stand-in for the main
// window that keeps the tab-to-page map.
namespace {

// Normal set: get data, models, content, base page, program page, save; while editing the
// base page and the program page.
StandInHost FakeHost(const std::filesystem::path& folder) {
    return StandInHost(folder, Fc16DataSet(), {0, 1, 2, 20, 21, 3}, {20, 21}, 5,
                       {fc16::kBasePage, fc16::kUniversalPage, fc16::kHeliPage});
}

struct Fc16PageFixture : testing::Test {
    Fc16PageFixture() {
        auto editor = std::make_shared<ModelEditor>(host.data(), fc16::Family());
        base = std::make_unique<ModelEditorPage>(host, nullptr, fc16::BasePage(), editor);
        universal = std::make_unique<ModelEditorPage>(host, nullptr, fc16::UniversalPage(), editor);
        heli = std::make_unique<ModelEditorPage>(host, nullptr, fc16::HeliPage(), editor);
        base->OnPageRefresh();
    }

    template <typename Control>
    static Control* Get(ModelEditorPage& page, const std::string& key) {
        return ControlOf<Control>(page, key);
    }
    void Type(const std::string& key, const QString& text) { TypeInto(*base, key, text); }
    static void Choose(ModelEditorPage& page, const std::string& key, const QString& entry) {
        ChooseIn(page, key, entry);
    }
    // Keys typed one by one into a program page's field, as the user types them.
    void Keys(ModelEditorPage& page, const std::string& key, const char* keys) {
        auto* edit = Get<QLineEdit>(page, key);
        edit->setFocus();
        QTest::keyClicks(edit, keys);
    }
    void StartEditing() { base->editToggle()->click(); }
    Byte SlotByte(int offset) {
        return host.data().modelSlots.Slot(0)[static_cast<std::size_t>(offset)];
    }

    TempFolder folder;
    StandInHost host = FakeHost(folder.path());
    std::unique_ptr<ModelEditorPage> base;
    std::unique_ptr<ModelEditorPage> universal;
    std::unique_ptr<ModelEditorPage> heli;
};

TEST_F(Fc16PageFixture, BasePageShowsTheModelInItsBoxes) {
    EXPECT_EQ(base->modelList()->count(), 25);
    EXPECT_EQ(base->modelList()->item(1)->text(), "0004");
    EXPECT_EQ(Get<QLineEdit>(*base, "Name")->text(), "0003");
    EXPECT_EQ(Get<QLineEdit>(*base, "Name")->maxLength(), 4);
    EXPECT_EQ(Get<QLineEdit>(*base, "Name")->toolTip().toStdString(), host.language().GetText(227));
    EXPECT_EQ(Get<QLineEdit>(*base, "Stopuhr")->text(), "01:00");
    EXPECT_EQ(Get<QComboBox>(*base, "DRSW")->currentText(), "DRSW 1");
    EXPECT_EQ(Get<QLineEdit>(*base, "Servoweg ATV R1")->toolTip(), "10 ... 110");
    // a mixer's switch, functions and rate commit apart but share the box "Mischer 1"
    QGroupBox* mixer = base->GroupBox("Mischer 1 Ein");
    ASSERT_NE(mixer, nullptr);
    EXPECT_EQ(mixer->title(), "Mischer 1");
    EXPECT_EQ(base->GroupBox("Mischer 1 Funktion"), mixer);
    EXPECT_EQ(base->GroupBox("Mischer 1 %"), mixer);
    EXPECT_TRUE(mixer->isAncestorOf(base->Control("Mischer 1 NEG")));
    EXPECT_EQ(base->GroupBox("Fail Save Position")->title(), "Fail Save");
}

// A refused name character writes none of the name; apply is refused until a commit
// succeeds.
TEST_F(Fc16PageFixture, ARefusedNameKeepsTheStoredName) {
    StartEditing();
    Type("Name", "a_1");
    ASSERT_EQ(host.dialogs_.ShownNumbers(), std::vector<int>{231});
    EXPECT_EQ(SlotByte(32), 0xB0);
    EXPECT_EQ(Get<QLineEdit>(*base, "Name")->text(), "0003");
    base->applyButton()->click();
    EXPECT_EQ(host.dialogs_.ShownNumbers().back(), 229);
    Type("Name", "ab");
    EXPECT_EQ(Get<QLineEdit>(*base, "Name")->text(), "AB::");
    EXPECT_EQ(base->modelList()->item(0)->text(), "AB::");
    base->applyButton()->click();
    EXPECT_EQ(host.data().image[kFc16FirstModel + 32], 0xC1);
    EXPECT_EQ(host.data().image[kFc16FirstModel + 35], 0xBA);
}

// The stopwatch takes "mm:ss" with its colon before position 3.
TEST_F(Fc16PageFixture, StopwatchEntry) {
    StartEditing();
    Type("Stopuhr", "12:05");
    EXPECT_EQ(SlotByte(48), 0x12);
    EXPECT_EQ(SlotByte(49), 0x05);
    Type("Stopuhr", "123:00");
    ASSERT_EQ(host.dialogs_.shown.size(), 1u);
    EXPECT_EQ(host.dialogs_.shown[0].literal,
              "Falsche Eingabe 'Stopuhr 1/ Zeit'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt");
    EXPECT_EQ(Get<QLineEdit>(*base, "Stopuhr")->text(), "12:05");
    Choose(*base, "Stopuhr Schalter", "-C");
    EXPECT_EQ(SlotByte(50), 0x90);
}

// The Universal page commits on every keystroke: each key writes the rate and switches
// the rows that exclude DIFF off; a text on its way to a number waits for the next key.
TEST_F(Fc16PageFixture, UniversalRatesCommitOnEveryKeystroke) {
    host.data().modelSlots.Slot(0)[55] = 0x09;  // DIFF "Aus", FLPR and DELTA "Aktiv"
    StartEditing();
    universal->OnPageRefresh();
    Get<QLineEdit>(*universal, "DIFF %")->selectAll();
    Keys(*universal, "DIFF %", "3");
    EXPECT_EQ(SlotByte(57), 3);
    EXPECT_EQ(SlotByte(55), 0x0F);
    EXPECT_EQ(Get<QComboBox>(*universal, "FLPR")->currentText(), "Aus");
    Keys(*universal, "DIFF %", "0");
    EXPECT_EQ(SlotByte(57), 30);
    EXPECT_EQ(Get<QLineEdit>(*universal, "FLPR %")->text(), "30");
    EXPECT_EQ(Get<QLineEdit>(*universal, "DELTA Quer %")->text(), "30");
    QTest::keyClick(Get<QLineEdit>(*universal, "DIFF %"), Qt::Key_Backspace);
    QTest::keyClick(Get<QLineEdit>(*universal, "DIFF %"), Qt::Key_Backspace);
    EXPECT_EQ(SlotByte(57), 3);
    EXPECT_EQ(Get<QLineEdit>(*universal, "DIFF %")->text(), "");
    Keys(*universal, "DIFF %", "129");
    EXPECT_EQ(SlotByte(57), 12);
    ASSERT_EQ(host.dialogs_.shown.size(), 1u);
    EXPECT_EQ(host.dialogs_.shown[0].literal,
              "Geben Sie bitte eine ganze Zahl zwischen 0 und 127 ein.");
    EXPECT_EQ(Get<QLineEdit>(*universal, "DIFF %")->text(), "12");
    universal->Control("DIFF % neg")->setFocus();
    Get<QCheckBox>(*universal, "DIFF % neg")->click();
    EXPECT_EQ(SlotByte(57), 0x8C);
}

// Outside edit mode the program pages take no input.
TEST_F(Fc16PageFixture, ProgramPagesAreReadOnlyOutsideEditMode) {
    universal->OnPageRefresh();
    Keys(*universal, "CROW Offset", "7");
    EXPECT_EQ(SlotByte(69), 0);
    EXPECT_TRUE(host.dialogs_.shown.empty());
}

// The Heli page: a minus sign waits for its digits; lists commit at once.
TEST_F(Fc16PageFixture, HeliValuesAndLists) {
    StartEditing();
    Choose(*base, "Programm", "Heli");
    heli->OnPageRefresh();
    Get<QLineEdit>(*heli, "HOLD %")->selectAll();
    Keys(*heli, "HOLD %", "-");
    EXPECT_EQ(SlotByte(62), 228);
    EXPECT_TRUE(host.dialogs_.shown.empty());
    Keys(*heli, "HOLD %", "5");
    EXPECT_EQ(SlotByte(62), 0xFB);
    Choose(*heli, "SWSH", "4 - zwei Nick-, ein Rollservo");
    EXPECT_EQ(SlotByte(55), 0xBE);
    Choose(*heli, "IDLE", "Aktiv");
    EXPECT_EQ(SlotByte(55), 0xBA);
}

}  // namespace
