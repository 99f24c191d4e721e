#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <memory>

#include "Fc18v3DataSet.h"
#include "PageDriving.h"
#include "StandInHost.h"
#include "editors/CurveGraphWidget.h"
#include "editors/ModelEditorPage.h"
#include "editors/ModelFields.h"
#include "editors/fc18v3/Fc18v3Pages.h"

// A glider page and the heli page with its graph, driven headless with a stand-in host.
namespace {

// Normal set: get data, models, content, base page, mixing page, save.
StandInHost FakeHost(const std::filesystem::path& folder) {
    return StandInHost(folder, Fc18v3DataSet(), {0, 1, 2, 10, 11, 3}, {10, 11}, 2,
                       {10, 11, 12, 13, 14, 15, 16});
}

struct MixingPageFixture : testing::Test {
    // Model 1 flies `program` (with its default bytes), model 2 "Heli R3".
    void Open(const PageTable& table, const std::string& program) {
        editor = std::make_shared<ModelEditor>(host.data(), fc18v3::Family());
        editor->StartEditing();
        EXPECT_TRUE(AssignFields(*editor, 0, {{"Mischprogramm", program}}).ok());
        EXPECT_TRUE(AssignFields(*editor, 1, {{"Mischprogramm", "Heli R3"}}).ok());
        if (!editing) {
            EXPECT_TRUE(editor->Apply().ok());
        }
        page = std::make_unique<ModelEditorPage>(host, nullptr, table, editor);
        page->OnPageRefresh();
    }

    QLineEdit* Edit(const std::string& key) { return ControlOf<QLineEdit>(*page, key); }
    QComboBox* List(const std::string& key) { return ControlOf<QComboBox>(*page, key); }
    void Type(const std::string& key, const QString& text) { TypeInto(*page, key, text); }
    void Choose(const std::string& key, const QString& entry) { ChooseIn(*page, key, entry); }
    Byte SlotByte(int offset) {
        return host.data().modelSlots.Slot(0)[static_cast<std::size_t>(offset)];
    }

    TempFolder folder;
    StandInHost host = FakeHost(folder.path());
    bool editing = true;
    std::shared_ptr<ModelEditor> editor;
    std::unique_ptr<ModelEditorPage> page;
};

TEST_F(MixingPageFixture, GliderRowsCommitAndExcludeEachOther) {
    Open(fc18v3::Segler5Page(), "Segler 5");
    page->show();
    EXPECT_NE(page->GroupBox("56 Querruder Differenzierung"), nullptr);
    EXPECT_EQ(page->LabelOf("72 Butterfly Que %")->text(), "Que %");
    EXPECT_EQ(List("75 Delta")->currentText(), "Aus");
    Choose("75 Delta", "Aktiv");
    Choose("57 Mischer V-Leitw.", "Aktiv");
    EXPECT_EQ(SlotByte(117) & 0x08, 0);
    EXPECT_EQ(SlotByte(119) & 0x01, 1);
    EXPECT_EQ(List("75 Delta")->currentText(), "Aus");
    // one neutral point shown in three rows
    Type("65 Bremskl.->Wölbkl. Neutral % links", "-15");
    EXPECT_EQ(SlotByte(147), 0xF1);
    EXPECT_EQ(Edit("64 Bremskl. -> Höhe Neutral % links")->text(), "-15");
    EXPECT_EQ(Edit("66 Bremsklappen -> Querruder Neutral % links")->text(), "-15");
    // the camber trim's top is 100 - its bottom
    Type("74 Wölbkl. Trimmung Ob.%", "30");
    EXPECT_EQ(SlotByte(135), 70);
    EXPECT_EQ(Edit("74 Wölbkl. Trimmung Unt.%")->text(), "70");
    EXPECT_TRUE(host.dialogs_.shown.empty());
}

TEST_F(MixingPageFixture, AnEntryTheByteCannotHoldIsRefused) {
    Open(fc18v3::Segler5Page(), "Segler 5");
    page->show();
    Type("55 Seite -> Höhe R%", "200");
    ASSERT_EQ(host.dialogs_.shown.size(), 1u);
    EXPECT_EQ(host.dialogs_.shown[0].literal,
              "Geben Sie bitte eine ganze Zahl zwischen -128 und 127 ein.");
    EXPECT_EQ(SlotByte(122), 50);
    EXPECT_EQ(Edit("55 Seite -> Höhe R%")->text(), "50");
    EXPECT_EQ(page->focusWidget(), Edit("55 Seite -> Höhe R%"));
}

TEST_F(MixingPageFixture, OutsideEditModeAFixedWingPageSaysSo) {
    editing = false;
    Open(fc18v3::MotorflugPage(), "Motorflug");
    EXPECT_EQ(Edit("53 Flaperon Weg Ob.%")->toolTip(), "0 ... 100");
    EXPECT_EQ(Edit("61 Gasvorwahl %")->toolTip(), "-100 ... 100");
    EXPECT_TRUE(Edit("61 Gasvorwahl %")->isReadOnly());
    Type("61 Gasvorwahl %", "10");
    EXPECT_EQ(host.dialogs_.ShownNumbers(), std::vector<int>{230});
    EXPECT_EQ(Edit("61 Gasvorwahl %")->text(), "0");
    EXPECT_EQ(SlotByte(142), 0);
}

struct HeliPageFixture : MixingPageFixture {
    HeliPageFixture() { Open(fc18v3::HeliPage(), "Heli R3"); }
    // Whether the graph paints `colour` at a point given in page pixels (the frame begins
    // at 455, 345 and is 205 wide), or beside it as the scaled line may fall.
    bool GraphShows(const QColor& colour, int x, int y) {
        CurveGraphWidget* graph = page->graph();
        QImage image(graph->size(), QImage::Format_RGB32);
        graph->render(&image);
        const QRectF frame = graph->FrameRect();
        const double scale = frame.width() / 205;
        const int atX = static_cast<int>(frame.left() + (x - 455) * scale);
        const int atY = static_cast<int>(frame.top() + (y - 345) * scale);
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if (image.valid(atX + dx, atY + dy) &&
                    image.pixelColor(atX + dx, atY + dy) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    QCheckBox* CurveBox(const QString& label) {
        for (QCheckBox* box : page->curveBoxes()) {
            if (box->text() == label) {
                return box;
            }
        }
        ADD_FAILURE() << label.toStdString();
        return nullptr;
    }
};

TEST_F(HeliPageFixture, TheGraphDrawsTickedCurvesAsTheyChange) {
    const QStringList labels = {"51 Pitch-Heck",   "52 Pitch-Heck2",    "54 Gas VW1",
                                "55 Gas VW2",      "57 Pitchvorwahl 1", "61 Pitchvorwahl 2",
                                "62 Pitch Autorot"};
    ASSERT_EQ(page->curveBoxes().size(), 7u);
    for (int i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(page->curveBoxes()[static_cast<std::size_t>(i)]->text(), labels[i]);
    }
    const QColor blue(0, 0, 230);
    // 54 with the default points 0, 25, 50, 75, 100: (511, 479) lies on it once ticked
    EXPECT_FALSE(GraphShows(blue, 511, 479));
    CurveBox("54 Gas VW1")->click();
    EXPECT_TRUE(GraphShows(blue, 511, 479));
    EXPECT_TRUE(GraphShows(blue, 649, 356));
    Type("54 Gasvorwahl 1 Punkt 2", "50");
    EXPECT_EQ(SlotByte(127), 50);
    EXPECT_TRUE(GraphShows(blue, 511, 438));
    EXPECT_FALSE(GraphShows(blue, 511, 479));
    // 51 (25, 37, 50, 62, 75) in red: its second point at (511, 459)
    CurveBox("51 Pitch-Heck")->click();
    EXPECT_TRUE(GraphShows(QColor(230, 0, 0), 511, 459));
    EXPECT_TRUE(GraphShows(QColor(Qt::black), 557, 360));  // the vertical axis
}

TEST_F(HeliPageFixture, CaptionsTakeTheCurveColoursWhileThePointerIsOverTheGraph) {
    QMouseEvent inside(QEvent::MouseMove, QPointF(100, 90), QPointF(100, 90), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page->graph(), &inside);
    EXPECT_TRUE(page->graph()->pointerInside());
    EXPECT_TRUE(page->GroupBox("54  Gasvorwahl 1")->styleSheet().contains("#0000e6"));
    EXPECT_TRUE(page->GroupBox("62  Autorot. Pitch")->styleSheet().contains("#f0f08c"));
    EXPECT_TRUE(CurveBox("52 Pitch-Heck2")->styleSheet().contains("#960000"));
    EXPECT_FALSE(page->GroupBox("53  Schwebeflug Mitte")->styleSheet().contains("color"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(page->graph(), &leave);
    EXPECT_FALSE(page->graph()->pointerInside());
    EXPECT_TRUE(page->GroupBox("54  Gasvorwahl 1")->styleSheet().contains("black"));
    EXPECT_TRUE(CurveBox("52 Pitch-Heck2")->styleSheet().contains("black"));
}

TEST_F(HeliPageFixture, SwashplateTravelAndRefusals) {
    page->show();
    EXPECT_EQ(Edit("76 Wegeinstellung Taumelscheibe Roll %")->toolTip(), "+/- 10 ... 110");
    Type("76 Wegeinstellung Taumelscheibe Roll %", "-5");
    EXPECT_EQ(SlotByte(163), 138);
    EXPECT_EQ(Edit("76 Wegeinstellung Taumelscheibe Roll %")->text(), "-10");
    Type("57 Pitchvorwahl 1 Punkt 1", "101");
    ASSERT_EQ(host.dialogs_.shown.size(), 1u);
    EXPECT_EQ(host.dialogs_.shown[0].literal,
              "Geben Sie bitte eine ganze Zahl zwischen 0 und 100 ein.");
    EXPECT_EQ(SlotByte(137), 0);
    EXPECT_EQ(Edit("57 Pitchvorwahl 1 Punkt 1")->text(), "0");
    EXPECT_EQ(page->focusWidget(), Edit("57 Pitchvorwahl 1 Punkt 1"));
}

TEST(HeliPageOutsideEditMode, RestoresSilently) {
    TempFolder folder;
    StandInHost host = FakeHost(folder.path());
    host.data().modelSlots.Slot(0)[115] = 5;
    auto editor = std::make_shared<ModelEditor>(host.data(), fc18v3::Family());
    ModelEditorPage page(host, nullptr, fc18v3::HeliPage(), editor);
    page.OnPageRefresh();
    auto* edit = qobject_cast<QLineEdit*>(page.Control("56 Autorotation Gas %"));
    ASSERT_NE(edit, nullptr);
    const QString stored = edit->text();
    edit->setText("12");
    Q_EMIT edit->editingFinished();
    EXPECT_TRUE(host.dialogs_.shown.empty());
    EXPECT_EQ(edit->text(), stored);
}

}  // namespace
