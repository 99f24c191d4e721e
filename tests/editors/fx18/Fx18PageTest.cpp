#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "Fx18DataSet.h"
#include "PageDriving.h"
#include "StandInHost.h"
#include "editors/CurveGraphWidget.h"
#include "editors/EditorHost.h"
#include "editors/ModelEditorPage.h"
#include "editors/fx18/Fx18Pages.h"
#include "support/TestFiles.h"

// The FX18 pages driven headless with a stand-in for the main window, one page of each
// kind.
namespace {

// Normal set: get data, models, content, base page, mixing page, save; editing set: base
// page and mixing page.
StandInHost Fx18Host(const std::filesystem::path& folder) {
    return StandInHost(folder, Fx18DataSet(), {0, 1, 2, 30, 31, 3}, {30, 31}, 7,
                       {30, 31, 32, 33, 34});
}

struct Fx18PageFixture : testing::Test {
    Fx18PageFixture() {
        editor = std::make_shared<ModelEditor>(host.data(), fx18::Family());
        base = std::make_unique<ModelEditorPage>(host, nullptr, fx18::BasePage(), editor);
        base->OnPageRefresh();
    }

    std::unique_ptr<ModelEditorPage> Page(const PageTable& table) {
        auto page = std::make_unique<ModelEditorPage>(host, nullptr, table, editor);
        page->OnPageRefresh();
        return page;
    }
    static QLineEdit* Edit(ModelEditorPage& page, const std::string& key) {
        return ControlOf<QLineEdit>(page, key);
    }
    Byte& SlotByte(int offset) {
        return host.data().modelSlots.Slot(0)[static_cast<std::size_t>(offset)];
    }
    std::string Text(int number) { return host.language().GetText(number); }

    TempFolder folder;
    StandInHost host = Fx18Host(folder.path());
    std::shared_ptr<ModelEditor> editor;
    std::unique_ptr<ModelEditorPage> base;
};

TEST_F(Fx18PageFixture, TheBasePageShowsTheModelWithTheLanguagesCaptions) {
    EXPECT_EQ(base->modelList()->count(), 12);
    EXPECT_EQ(base->modelList()->item(0)->text(), "E-01");
    EXPECT_EQ(base->modelList()->item(11)->text(), "E-12");
    EXPECT_EQ(Edit(*base, "Name")->text(), "E-01");
    EXPECT_EQ(Edit(*base, "Name")->maxLength(), 4);
    EXPECT_EQ(Edit(*base, "Name")->toolTip().toStdString(), Text(227));
    EXPECT_EQ(Edit(*base, "Stopuhr Zeit")->text(), "00:00");
    EXPECT_EQ(base->GroupBox("Stopuhr")->title().toStdString(), Text(254));
    EXPECT_EQ(base->LabelOf("Stopuhr Pos")->text().toStdString(), Text(258));
    EXPECT_EQ(base->LabelOf("Mixtrimm 3")->text().toStdString(), Text(434) + " 3");
    auto* direction = qobject_cast<QComboBox*>(base->Control("Stopuhr Richtung"));
    ASSERT_NE(direction, nullptr);
    EXPECT_EQ(direction->itemText(1).toStdString(), Text(256));
    // the stick mode is shown only
    auto* mode = qobject_cast<QComboBox*>(base->Control("Knüppel-Mode"));
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->currentText(), "Mode 1");
    base->editToggle()->click();
    EXPECT_EQ(mode->focusPolicy(), Qt::NoFocus);
}

// The stopwatch takes "m:s" and shows "mm:ss"; a time it cannot hold brings text 228.
TEST_F(Fx18PageFixture, TheStopwatchEntry) {
    base->editToggle()->click();
    TypeInto(*base, "Stopuhr Zeit", "100:00");
    EXPECT_EQ(host.dialogs_.ShownNumbers(), std::vector<int>{228});
    TypeInto(*base, "Stopuhr Zeit", "5:7");
    EXPECT_EQ(SlotByte(88), 0x01);
    EXPECT_EQ(SlotByte(89), 0x33);
    EXPECT_EQ(Edit(*base, "Stopuhr Zeit")->text(), "05:07");
}

TEST_F(Fx18PageFixture, TheBasicPageHasItsNote) {
    const auto basic = Page(fx18::BasicPage());
    bool noteShown = false;
    for (const QLabel* label : basic->findChildren<QLabel*>()) {
        noteShown = noteShown ||
                    label->text() == "Im Basic Mischprogramm gibt es keine weiteren Einstellungen.";
    }
    EXPECT_TRUE(noteShown);
}

// The wing mode is a row of radio buttons; a delta wing with a V-tail brings text 233.
TEST_F(Fx18PageFixture, TheMotorflugWingModeAndItsWarning) {
    SlotByte(109) = 1;
    SlotByte(111) = 0x00;  // no wing mode stored, V-tail on
    const auto page = Page(fx18::MotorflugPage());
    const QList<QRadioButton*> buttons = page->Control("Flügel")->findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(buttons[0]->text(), "Delta");
    for (const QRadioButton* button : buttons) {
        EXPECT_FALSE(button->isChecked());
    }
    // outside edit mode the buttons take no click
    EXPECT_TRUE(buttons[0]->testAttribute(Qt::WA_TransparentForMouseEvents));
    base->editToggle()->click();
    page->OnPageRefresh();
    EXPECT_FALSE(buttons[0]->testAttribute(Qt::WA_TransparentForMouseEvents));
    buttons[0]->click();
    EXPECT_EQ(SlotByte(111), 0x02);
    EXPECT_EQ(host.dialogs_.ShownNumbers(), std::vector<int>{233});
    EXPECT_TRUE(buttons[0]->isChecked());
    buttons[1]->click();
    EXPECT_EQ(SlotByte(111), 0x04);
    EXPECT_EQ(host.dialogs_.ShownNumbers(), std::vector<int>{233});
}

// Channel 5 for the flaperon and the butterfly: ticking "BUTT" sets the flaperon back.
TEST_F(Fx18PageFixture, TheSeglerGivesChannelFiveToOneMixer) {
    SlotByte(109) = 2;
    SlotByte(110) = 0xFF;
    SlotByte(111) = 0x01;
    const auto page = Page(fx18::SeglerPage());
    base->editToggle()->click();
    page->OnPageRefresh();
    auto* butterfly = qobject_cast<QCheckBox*>(page->Control("BUTT Ein"));
    ASSERT_NE(butterfly, nullptr);
    butterfly->click();
    EXPECT_EQ(host.dialogs_.ShownNumbers(), std::vector<int>{235});
    EXPECT_EQ(SlotByte(110), 0xBF);
    EXPECT_EQ(SlotByte(111), 0x00);
    EXPECT_EQ(qobject_cast<QComboBox*>(page->Control("Flaperon Kanal"))->currentText(), "Kan.7");
}

// The heli graph: seven curve boxes, ticked at first, that store nothing; the throttle
// line of the defaults runs from the lower left corner of the area to the upper right.
TEST_F(Fx18PageFixture, TheHeliGraph) {
    base->editToggle()->click();
    ChooseIn(*base, "Mischprogramm", "Heli H1");
    const auto page = Page(fx18::HeliPage());
    ASSERT_NE(page->graph(), nullptr);
    ASSERT_EQ(page->curveBoxes().size(), 7u);
    EXPECT_EQ(page->curveBoxes()[0]->text(), "NORMAL Gas");
    EXPECT_EQ(page->curveBoxes()[6]->text(), "Pitch Autorot");
    for (const QCheckBox* box : page->curveBoxes()) {
        EXPECT_TRUE(box->isChecked());
    }
    const CurveGraph& graph = *fx18::HeliPage().graph;
    SlotByte(146) = 0xCE;  // point 2 at -50
    SlotByte(147) = 0x32;  // point 4 at 50
    EXPECT_EQ(
        CurvePoints(graph, graph.curves[0], host.data().modelSlots.Slot(0)),
        (std::vector<std::pair<int, int>>{{5, 205}, {105, 155}, {205, 105}, {305, 55}, {405, 5}}));
    EXPECT_EQ(CurvePoints(graph, graph.curves[6], host.data().modelSlots.Slot(0)),
              (std::vector<std::pair<int, int>>{{5, 205}, {405, 5}}));
    const std::vector<Byte> before(host.data().modelSlots.Slot(0).begin(),
                                   host.data().modelSlots.Slot(0).end());
    for (QCheckBox* box : page->curveBoxes()) {
        box->click();
    }
    EXPECT_TRUE(std::equal(before.begin(), before.end(), host.data().modelSlots.Slot(0).begin()));
    // with every box unticked only the axes are left on the dialog's grey
    page->graph()->setFixedSize(graph.width, graph.height);  // page pixels one to one
    QImage image(page->graph()->size(), QImage::Format_RGB32);
    page->graph()->render(&image);
    EXPECT_EQ(image.pixelColor(105, 155), QColor(212, 208, 200));
    EXPECT_EQ(image.pixelColor(205, 150), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(100, 105), QColor(Qt::black));
}

}  // namespace
