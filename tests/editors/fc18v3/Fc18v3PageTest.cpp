#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "Fc18v3DataSet.h"
#include "PageDriving.h"
#include "StandInHost.h"
#include "editors/CurveGraphWidget.h"
#include "editors/EditorHost.h"
#include "editors/ModelEditorPage.h"
#include "editors/PageBuilder.h"
#include "editors/fc18v3/Fc18v3Pages.h"
#include "support/TestFiles.h"

// The FC18V3 base page driven headless, with a stand-in for the main window.
namespace {

// Normal set: get data, models, content, base page, mixing page, save; while editing the
// base page and the mixing page.
StandInHost FakeHost(const std::filesystem::path& folder) {
    return StandInHost(folder, Fc18v3DataSet(), {0, 1, 2, 10, 11, 3}, {10, 11}, 2,
                       {10, 11, 12, 13, 14, 15, 16});
}

struct Fc18v3PageFixture : testing::Test {
    Fc18v3PageFixture() {
        auto editor = std::make_shared<ModelEditor>(host.data(), fc18v3::Family());
        page = std::make_unique<ModelEditorPage>(host, nullptr, fc18v3::BasePage(), editor);
        page->OnPageRefresh();
    }

    QLineEdit* Edit(const std::string& key) { return ControlOf<QLineEdit>(*page, key); }
    QComboBox* List(const std::string& key) { return ControlOf<QComboBox>(*page, key); }
    void Type(const std::string& key, const QString& text) { TypeInto(*page, key, text); }
    void Choose(const std::string& key, const QString& entry) { ChooseIn(*page, key, entry); }
    void StartEditing() { page->editToggle()->click(); }
    Byte SlotByte(int offset) {
        return host.data().modelSlots.Slot(0)[static_cast<std::size_t>(offset)];
    }

    TempFolder folder;
    StandInHost host = FakeHost(folder.path());
    std::unique_ptr<ModelEditorPage> page;
};

TEST_F(Fc18v3PageFixture, ShowsTheModelWithItsTextsAndTooltips) {
    EXPECT_EQ(page->modelList()->count(), 11);
    EXPECT_EQ(page->modelList()->item(0)->text(), "MODEL-03");
    EXPECT_EQ(page->numberField()->text(), "1");
    EXPECT_TRUE(page->numberField()->isReadOnly());
    EXPECT_EQ(Edit("Name")->text(), "MODEL-03");
    EXPECT_EQ(Edit("Name")->maxLength(), 8);
    EXPECT_EQ(Edit("Name")->toolTip().toStdString(), host.language().GetText(226));
    EXPECT_EQ(Edit("Trimmspeicher 1")->toolTip(), "-128 ... +127");
    EXPECT_EQ(Edit("Steuerfunktion 1")->toolTip(), "1 ... 8");
    EXPECT_EQ(Edit("Uhr 1")->toolTip(), "mm:ss");
    EXPECT_EQ(List("Mischer 1 Modus")->toolTip(), "FC18V3.2");
    EXPECT_EQ(page->LabelOf("Trimmspeicher 1")->text(), "Fkt.1");
    EXPECT_EQ(List("Mischprogramm")->itemText(9).toStdString(), host.language().GetText(331));
    EXPECT_EQ(List("Uhr 1 Schalter")->itemText(26), "Aus");
    EXPECT_EQ(List("Mischer 1 Schalter")->itemText(16), "**");
}

// A text that is no number brings the prompt once; the field shows the stored value.
TEST_F(Fc18v3PageFixture, ANonNumberPromptsOnce) {
    StartEditing();
    Type("Trimmspeicher 2", "abc");
    ASSERT_EQ(host.dialogs_.shown.size(), 1u);
    EXPECT_EQ(host.dialogs_.shown[0].literal, "Geben Sie bitte eine ganze Zahl ein.");
    EXPECT_EQ(Edit("Trimmspeicher 2")->text(), "0");
    Q_EMIT Edit("Trimmspeicher 2")->editingFinished();
    EXPECT_EQ(host.dialogs_.shown.size(), 1u);
}

TEST_F(Fc18v3PageFixture, MixerOneSwapsRatesForItsCurve) {
    StartEditing();
    EXPECT_FALSE(Edit("Mischer 1 L")->isHidden());
    EXPECT_TRUE(Edit("Mischer 1 Kurve 1")->isHidden());
    Choose("Mischer 1 Modus", "Kurve");
    EXPECT_TRUE(SlotByte(68) & 0x20);
    EXPECT_TRUE(Edit("Mischer 1 L")->isHidden());
    EXPECT_TRUE(Edit("Mischer 1 H")->isHidden());
    EXPECT_TRUE(page->Control("Mischer 1 Mit Trimmung")->isHidden());
    EXPECT_FALSE(Edit("Mischer 1 Kurve 1")->isHidden());
}

// A new mixing program rewrites the program bytes, and the tab after the base page shows
// the program's page.
TEST_F(Fc18v3PageFixture, AProgramChangeWritesItsDefaultsAndChoosesItsPage) {
    StartEditing();
    EXPECT_FALSE(page->Control("Mixtrimm 1")->isEnabled());
    Choose("Mischprogramm", List("Mischprogramm")->itemText(9));
    EXPECT_EQ(SlotByte(115), 9);
    EXPECT_EQ(SlotByte(162), 100);
    EXPECT_EQ(SlotByte(56), 100);
    EXPECT_EQ(host.TabPages(), (std::vector<int>{10, 12}));
    EXPECT_TRUE(page->Control("Mixtrimm 1")->isEnabled());
}

// A page with variants (flight conditions) shows the fields of the chosen one; a box
// whose fields all belong to another variant is hidden.
TEST(VariantPage, ShowsOneConditionAtATime) {
    TempFolder folder;
    StandInHost host = FakeHost(folder.path());
    const PageTable table = PageBuilder(10, "Varianten")
                                .Variants("Flugzustand", {"Normal", "Start"})
                                .Group("Offsets")
                                .VariantFromHere(0)
                                .Signed("Offset Normal", 20, -100, 100)
                                .VariantFromHere(1)
                                .Signed("Offset Start", 21, -100, 100)
                                .Refusal("Offset Start")
                                .Group("Start only")
                                .Signed("Delay Start", 22, 0, 100)
                                .VariantFromHere(-1)
                                .Group("Always")
                                .Signed("Trim", 23, -100, 100)
                                .Build();
    EditorFamily family = fc18v3::Family();
    family.basePage = &table;
    auto editor = std::make_shared<ModelEditor>(host.data(), family);
    ModelEditorPage page(host, nullptr, table, editor);
    page.OnPageRefresh();
    ASSERT_NE(page.variantList(), nullptr);
    EXPECT_EQ(page.variantList()->count(), 2);
    EXPECT_FALSE(page.Control("Offset Normal")->isHidden());
    EXPECT_TRUE(page.Control("Offset Start")->isHidden());
    EXPECT_TRUE(page.GroupBox("Start only")->isHidden());
    EXPECT_FALSE(page.Control("Trim")->isHidden());
    page.variantList()->setCurrentIndex(1);
    Q_EMIT page.variantList()->activated(1);
    EXPECT_TRUE(page.Control("Offset Normal")->isHidden());
    EXPECT_FALSE(page.Control("Offset Start")->isHidden());
    EXPECT_FALSE(page.GroupBox("Start only")->isHidden());
    EXPECT_FALSE(page.Control("Trim")->isHidden());
}

// Page elements beyond fields: a note text, and the curve graph with a check box per curve
// whose captions take the curve colours while the pointer is over the graph.
TEST(PageElements, NotesAndTheCurveGraph) {
    TempFolder folder;
    StandInHost host = FakeHost(folder.path());
    CurveGraph graph;
    graph.width = 195;
    graph.height = 175;
    graph.colourCaptions = true;
    graph.curves = {{"54 Gas VW1", "54 Gasvorwahl 1", 126, 1, 0x0000E6, false},
                    {"55 Gas VW2", "55 Gasvorwahl 2", 131, 1, 0x000096, true}};
    const PageTable table =
        PageBuilder(12, "Mischprogramm Heli")
            .Note("Im Standard Mischprogramm gibt es keine weiteren Einstellungen.")
            .Graph(graph)
            .Group("54 Gasvorwahl 1")
            .Unsigned("Gasvorwahl 1 - 1", 126, 0, 100)
            .Group("55 Gasvorwahl 2")
            .Unsigned("Gasvorwahl 2 - 1", 131, 0, 100)
            .Build();
    EditorFamily family = fc18v3::Family();
    family.basePage = &table;
    auto editor = std::make_shared<ModelEditor>(host.data(), family);
    ModelEditorPage page(host, nullptr, table, editor);
    page.OnPageRefresh();
    bool noteShown = false;
    for (const QLabel* label : page.findChildren<QLabel*>()) {
        noteShown =
            noteShown ||
            label->text() == "Im Standard Mischprogramm gibt es keine weiteren Einstellungen.";
    }
    EXPECT_TRUE(noteShown);
    ASSERT_NE(page.graph(), nullptr);
    ASSERT_EQ(page.curveBoxes().size(), 2u);
    EXPECT_EQ(page.curveBoxes()[0]->text(), "54 Gas VW1");
    Q_EMIT page.graph()->PointerMoved(true);
    EXPECT_TRUE(page.curveBoxes()[1]->styleSheet().contains("#000096"));
    EXPECT_TRUE(page.GroupBox("54 Gasvorwahl 1")->styleSheet().contains("#0000e6"));
    Q_EMIT page.graph()->PointerMoved(false);
    EXPECT_TRUE(page.curveBoxes()[1]->styleSheet().contains("black"));
    // a curve box stores nothing
    const std::vector<Byte> before(host.data().modelSlots.Slot(0).begin(),
                                   host.data().modelSlots.Slot(0).end());
    page.curveBoxes()[0]->click();
    EXPECT_TRUE(std::equal(before.begin(), before.end(), host.data().modelSlots.Slot(0).begin()));
}

}  // namespace
