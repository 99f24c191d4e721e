#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <algorithm>
#include <memory>

#include "EditorWindow.h"
#include "Ff10DataSet.h"
#include "PageDriving.h"
#include "dataset/ModelDirectory.h"
#include "editors/ModelEditorPage.h"
#include "editors/ff10/Ff10DefaultBlocks.h"
#include "shell/CMainDialog.h"
#include "shell/Session.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

// The FF10 pages driven headless in the main window: one page of each kind, the page swap
// on a model's type, the flight conditions of the helicopter and glider pages.
namespace {

constexpr int kBase = 50;
constexpr int kAcrobatic = 51;
constexpr int kGlider = 52;
constexpr int kHeli = 53;
constexpr int kMixers = 59;
constexpr int kFirstModel = 16;
constexpr int kRecord = 488;

void SetType(CamPacData& data, int model, int type,
             const std::array<Byte, ff10::kTypeBlockSize>& block) {
    const auto first = static_cast<std::size_t>(kFirstModel + model * kRecord);
    data.image[first + 10] = static_cast<Byte>(type);
    std::copy(block.begin(), block.end(), data.image.begin() + static_cast<long>(first) + 58);
}

// Model 2 a helicopter, model 3 a glider, the others aeroplanes.
CamPacData Ff10WindowData() {
    CamPacData data = Ff10DataSet();
    SetType(data, 1, 132, ff10::kHelicopterBlock);
    SetType(data, 2, 3, ff10::kGliderBlock);
    IdentifyFromName(data, TransmitterCatalogue{});
    return data;
}

struct Ff10PageFixture : testing::Test, EditorWindow {
    Ff10PageFixture() : EditorWindow(Ff10WindowData(), kBase) {}

    void ChooseCondition(int page, const QString& condition) {
        QComboBox* list = Page(page).variantList();
        ASSERT_NE(list, nullptr);
        const int index = list->findText(condition);
        ASSERT_GE(index, 0) << condition.toStdString();
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
        Settle();
    }
    // In edit mode: the model on the base page, then the tab after it.
    void ShowMixingPage(int model) {
        Page(kBase).modelList()->setCurrentRow(model);
        Settle();
        window->SelectTab(1);
        Settle();
    }
};

TEST_F(Ff10PageFixture, TheBasePageShowsTheModelAndItsSwitches) {
    EXPECT_EQ(window->currentPage(), kBase);
    EXPECT_EQ(window->TabPages(), (std::vector<int>{0, 1, 2, kBase, kAcrobatic, kMixers, 3}));
    EXPECT_EQ(Page(kBase).modelList()->count(), 4);
    EXPECT_EQ(Edit(kBase, "Modellname")->maxLength(), 10);
    EXPECT_EQ(Edit(kBase, "Modellname")->toolTip().toStdString(), session.language.GetText(226));
    EXPECT_EQ(List(kBase, "Stopuhr 1/ Start Schalter")->count(), 13);
    StartEditing();
    EXPECT_EQ(window->tabBar()->count(), 3);
    Choose(kBase, "Stopuhr 1/ Start Schalter", "Ls2");
    EXPECT_EQ(SlotByte(0, 21), 13);
    EXPECT_TRUE(Page(kBase).Control("Stopuhr 1/ Start Position")->isHidden());
    EXPECT_EQ(List(kBase, "Stopuhr 1/ Start Position Ls")->count(), 2);
    EXPECT_FALSE(Page(kBase).Control("Stopuhr 1/ Start Position Ls")->isHidden());
    Choose(kBase, "Stopuhr 1/ Start Position Ls", "Up");
    EXPECT_EQ(SlotByte(0, 21), 0x4D);
    Choose(kBase, "Stopuhr 1/ Start Schalter", "Pwr");
    EXPECT_EQ(SlotByte(0, 21), 0x70);
    EXPECT_TRUE(Page(kBase).Control("Stopuhr 1/ Start Position Ls")->isHidden());
    EXPECT_TRUE(Page(kBase).Control("Stopuhr 1/ Start Position")->isHidden());
    Type(kBase, "Modellname", QString::fromUtf8("Hü 1"));
    EXPECT_EQ(SlotByte(0, 1), 0x81);
    EXPECT_EQ(Page(kBase).modelList()->item(0)->text().toStdString(), "Hü 1      ");
}

TEST_F(Ff10PageFixture, ATypeChangeWritesTheBlockAndSwapsTheMixingPage) {
    StartEditing();
    Type(kBase, "Servoweg 3L", "120");
    Choose(kBase, "Modelltyp", "Heli HE3");
    EXPECT_EQ(SlotByte(0, 10), 135);
    EXPECT_EQ(SlotByte(0, 70), 100);
    EXPECT_EQ(SlotByte(0, 58), 0x3F);
    EXPECT_EQ(window->TabPage(1), kHeli);
    EXPECT_FALSE(Page(kBase).Control("DualRate Hold 4")->isHidden());
    EXPECT_TRUE(Page(kBase).Control("DualRate Up 1R")->isHidden());
    EXPECT_TRUE(Page(kBase).Control("Expo Kanal 3")->isHidden());
    Choose(kBase, "Modelltyp", "Glider 2A1F");
    EXPECT_EQ(window->TabPage(1), kGlider);
}

// The helicopter page shows one flight condition at a time; a group without a curve for
// the condition is hidden.
TEST_F(Ff10PageFixture, TheHeliPageEditsTheChosenCondition) {
    StartEditing();
    ShowMixingPage(1);
    ASSERT_EQ(window->currentPage(), kHeli);
    EXPECT_EQ(Page(kHeli).variantList()->count(), 5);
    EXPECT_EQ(Edit(kHeli, "Pitchkurve 1 Normal")->text(), "-100");
    ChooseCondition(kHeli, "Hold");
    EXPECT_TRUE(Page(kHeli).Control("Pitchkurve 1 Normal")->isHidden());
    EXPECT_FALSE(Page(kHeli).Control("Pitchkurve 1 Hold")->isHidden());
    EXPECT_TRUE(Page(kHeli).GroupBox("Gaskurve")->isHidden());
    EXPECT_TRUE(Page(kHeli).GroupBox("RevoMix")->isHidden());
    Type(kHeli, "Pitchkurve 1 Hold", "-40");
    EXPECT_EQ(SlotByte(1, 311), 60);
    Type(kHeli, "Pitchweg Low Hold", "59");
    EXPECT_EQ(dialogs.shown.back().text, 219);
    EXPECT_EQ(std::get<std::string>(dialogs.shown.back().arguments.at(0)), "Pitchweg Low Hold");
    EXPECT_EQ(Edit(kHeli, "Pitchweg Low Hold")->text(), "100");
    EXPECT_EQ(SlotByte(1, 172), 0xE4);
    ChooseCondition(kHeli, "Idle3");
    Type(kHeli, "Gaskurve 2 Idle3", "37.5");
    EXPECT_EQ(SlotByte(1, 360), 75);
    EXPECT_EQ(Edit(kHeli, "Gaskurve 2 Idle3")->text(), "37.5");
}

TEST_F(Ff10PageFixture, TheGliderPageEditsTheChosenCondition) {
    StartEditing();
    ShowMixingPage(2);
    ASSERT_EQ(window->currentPage(), kGlider);
    ChooseCondition(kGlider, "Landung");
    EXPECT_FALSE(Page(kGlider).Control("Offset->Quer 1 Landung")->isHidden());
    Type(kGlider, "Wölb-Trimm Quer L Landung", "-30");
    EXPECT_EQ(SlotByte(2, 385), 0xE2);
    Choose(kGlider, "Wölb-Trimm Geber Landung", "VrB");
    EXPECT_EQ(SlotByte(2, 383), 1);
    ChooseCondition(kGlider, "Normal");
    EXPECT_TRUE(Page(kGlider).GroupBox("Offset")->isHidden());
}

TEST_F(Ff10PageFixture, TheAcrobaticPageTakesHalfPercentCurves) {
    StartEditing();
    ShowMixingPage(0);
    ASSERT_EQ(window->currentPage(), kAcrobatic);
    Type(kAcrobatic, "GasKurve 3 CT", "62.5");
    EXPECT_EQ(SlotByte(0, 337), 125);
    Type(kAcrobatic, "ThrCut", "41");
    EXPECT_EQ(dialogs.shown.back().text, 219);
    EXPECT_EQ(dialogs.shown.back().arguments.at(2), MessageArgument(40LL));
}

// Mixers 7 and 8 of a helicopter lie in its revolution mixing; a logic switch offers two
// positions, Null written as all positions.
TEST_F(Ff10PageFixture, TheMixersPage) {
    StartEditing();
    window->SelectTab(2);
    Settle();
    ASSERT_EQ(window->currentPage(), kMixers);
    EXPECT_FALSE(Page(kMixers).GroupBox("Mischer 8")->isHidden());
    Choose(kMixers, "Mischer 8 Schalter", "Ls3");
    EXPECT_EQ(SlotByte(0, 243) & 0x0F, 14);
    EXPECT_EQ(List(kMixers, "Mischer 8 Position Ls")->count(), 3);
    Choose(kMixers, "Mischer 8 Position Ls", "Null");
    EXPECT_EQ(SlotByte(0, 243), 0x7E);
    Page(kMixers).modelList()->setCurrentRow(1);
    Settle();
    EXPECT_TRUE(Page(kMixers).GroupBox("Mischer 7")->isHidden());
    EXPECT_FALSE(Page(kMixers).GroupBox("Mischer 6")->isHidden());
}

}  // namespace
