#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "EditorWindow.h"
#include "RecordVectors.h"
#include "fc16/Fc16DataSet.h"
#include "fc18v3/Fc18v3DataSet.h"
#include "ff10/Ff10DataSet.h"
#include "ff9/Ff9DataSet.h"
#include "fx18/Fx18DataSet.h"

// The editor pages of every family in the main window: read-only outside edit mode, edit
// mode with its tabs, commit, refusal, apply and revert, and the tab after the base page
// following the program or type of the shown model.
namespace {

struct Tabs {
    std::vector<int> normal;
    std::vector<int> editing;
};
// Models 2 and 3: their program or type code and the page it brings.
struct OtherModels {
    int typeOffset;
    Byte second;
    int secondPage;
    Byte third;
    int thirdPage;
};
// An entry that commits: the byte it writes and what the field then shows.
struct Entry {
    std::string key;
    std::string text;
    int offset;
    Byte value;
    std::string shown;
};
// A refused entry: text 219 and the name it gives, another text number, or the field
// exchange's prompt (text -1).
struct Refused {
    std::string key;
    std::string text;
    int number;
    std::string message;
};
// The program or type list: the entry, the byte it writes, the page it brings.
struct Choice {
    std::string key;
    std::string entry;
    int offset;
    Byte value;
    int page;
};

struct PageFamily {
    const char* name;
    CamPacData (*data)();
    int firstModel;  // image offset of model 1
    Tabs tabs;
    OtherModels others;
    Entry entry;
    Refused refused;
    Choice program;
};

std::ostream& operator<<(std::ostream& out, const PageFamily& f) {
    return out << f.name;
}

const PageFamily kFamilies[] = {
    {"Ff9",
     [] { return Ff9DataSet(Ff9Record(0)); },
     10,
     {{0, 1, 2, 40, 41, 49, 3}, {40, 41, 49}},
     {3, 129, 43, 1, 42},
     {"SubTrimm 1", "7", 46, 7, "7"},
     {"Servoweg 1L", "141", 219, "Servoweg 1L"},
     {"Modelltyp", "Heli SWH1", 3, 129, 43}},
    {"Fc18v3",
     Fc18v3DataSet,
     20,
     {{0, 1, 2, 10, 11, 3}, {10, 11}},
     {115, 9, 12, 3, 16},
     {"Expo Quer Ein", "50", 62, 12, "48"},
     {"D/R Höhe Ein L", "111", 219, "D/R Höhe"},
     {"Mischprogramm", "Heli R3", 115, 5, 12}},
    {"Fc16",
     Fc16DataSet,
     kFc16FirstModel,
     {{0, 1, 2, 20, 21, 3}, {20, 21}},
     {55, 0x8E, 22, 0x0F, 21},
     {"Stopuhr", "12:05", 48, 0x12, "12:05"},
     {"Name", "a_1", 231, ""},
     {"Programm", "Heli", 55, 142, 22}},
    {"Fx18",
     Fx18DataSet,
     kFx18FirstModel,
     {{0, 1, 2, 30, 31, 3}, {30, 31}},
     {109, 130, 34, 2, 33},
     {"Name", "ab", 0, 0x0E, "AB  "},
     {"Geberweg L1", "101", -1, Between(0, 100)},
     {"Mischprogramm", "Heli H1", 109, 0x80, 34}},
    {"Ff10",
     Ff10DataSet,
     16,
     {{0, 1, 2, 50, 51, 59, 3}, {50, 51, 59}},
     {10, 132, 53, 3, 52},
     {"Modellname", "Hü 1", 1, 0x81, "Hü 1      "},
     {"Servoweg 1L", "141", 219, "Servoweg 1L"},
     {"Modelltyp", "Heli HE3", 10, 135, 53}},
};

// Models 2 and 3 get the other program or type codes.
CamPacData WindowData(const PageFamily& family) {
    CamPacData data = family.data();
    const auto type = static_cast<std::size_t>(family.others.typeOffset);
    data.modelSlots.Slot(1)[type] = family.others.second;
    data.modelSlots.Slot(2)[type] = family.others.third;
    return data;
}

class PageContract : public testing::TestWithParam<PageFamily>, public EditorWindow {
  protected:
    PageContract() : EditorWindow(WindowData(GetParam()), GetParam().tabs.editing[0]) {}

    QLineEdit* Edit(const std::string& key) {
        return EditorWindow::Edit(family.tabs.editing[0], key);
    }
    void Type(const std::string& key, const std::string& text) {
        EditorWindow::Type(family.tabs.editing[0], key, QString::fromStdString(text));
    }
    std::vector<Byte> Record() {
        const ModelRecord slot = session.data.modelSlots.Slot(0);
        return {slot.begin(), slot.end()};
    }
    Byte SlotByte(int offset) { return EditorWindow::SlotByte(0, offset); }
    Byte ImageByte(int offset) {
        return session.data.image[static_cast<std::size_t>(family.firstModel + offset)];
    }
    std::vector<int> WithMixingPage(std::vector<int> tabs, int page) {
        tabs[tabs.size() == family.tabs.editing.size() ? 1 : 4] = page;
        return tabs;
    }

    const PageFamily& family = GetParam();
};

TEST_P(PageContract, OutsideEditModeNothingIsWritten) {
    EXPECT_EQ(window->currentPage(), family.tabs.editing[0]);
    EXPECT_EQ(window->TabPages(), family.tabs.normal);
    EXPECT_TRUE(Edit(family.entry.key)->isReadOnly());
    QComboBox* list = ControlOf<QComboBox>(Base(), family.program.key);
    EXPECT_EQ(list->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(list->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_FALSE(Base().applyButton()->isEnabled());
    const std::vector<Byte> before = Record();
    const QString shown = Edit(family.entry.key)->text();
    Type(family.entry.key, family.entry.text);
    EXPECT_EQ(Record(), before);
    EXPECT_EQ(Edit(family.entry.key)->text(), shown);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(PageContract, EditModeCommitsAndApplyStoresTheImage) {
    Click(Base().editToggle());
    EXPECT_EQ(window->TabPages(), family.tabs.editing);
    EXPECT_EQ(session.data.state, DataSetState::Editing);
    EXPECT_FALSE(Base().editToggle()->isEnabled());
    EXPECT_FALSE(Edit(family.entry.key)->isReadOnly());
    EXPECT_EQ(ControlOf<QComboBox>(Base(), family.program.key)->focusPolicy(), Qt::StrongFocus);
    EXPECT_FALSE(Base().numberField()->focusPolicy() & Qt::TabFocus);
    const Byte stored = ImageByte(family.entry.offset);
    Type(family.entry.key, family.entry.text);
    EXPECT_EQ(SlotByte(family.entry.offset), family.entry.value);
    EXPECT_EQ(Edit(family.entry.key)->text().toStdString(), family.entry.shown);
    EXPECT_EQ(ImageByte(family.entry.offset), stored);
    Click(Base().applyButton());
    EXPECT_EQ(ImageByte(family.entry.offset), family.entry.value);
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_EQ(window->TabPages(), family.tabs.normal);
    EXPECT_EQ(window->currentPage(), family.tabs.editing[0]);
    EXPECT_TRUE(Base().editToggle()->isEnabled());
    EXPECT_FALSE(Base().editToggle()->isChecked());
    EXPECT_TRUE(Edit(family.entry.key)->isReadOnly());
}

// The stored value shows again, the field keeps the focus, and apply is refused (229)
// until a commit succeeds.
TEST_P(PageContract, ARefusalKeepsTheStoredValueAndHoldsApplyBack) {
    window->show();
    Click(Base().editToggle());
    const std::vector<Byte> before = Record();
    const auto image = session.data.image;
    const QString shown = Edit(family.refused.key)->text();
    Type(family.refused.key, family.refused.text);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, family.refused.number);
    if (family.refused.number == 219) {
        EXPECT_EQ(std::get<std::string>(dialogs.shown[0].arguments.at(0)), family.refused.message);
    } else if (family.refused.number < 0) {
        EXPECT_EQ(dialogs.shown[0].literal, family.refused.message);
    }
    EXPECT_EQ(Record(), before);
    EXPECT_EQ(Edit(family.refused.key)->text(), shown);
    EXPECT_EQ(Base().focusWidget(), Edit(family.refused.key));
    Click(Base().applyButton());
    EXPECT_EQ(dialogs.ShownNumbers().back(), 229);
    EXPECT_EQ(session.data.image, image);
    EXPECT_EQ(window->TabPages(), family.tabs.editing);
}

TEST_P(PageContract, AProgramChangeSwapsTheMixingPageAndRevertUndoesIt) {
    Click(Base().editToggle());
    QComboBox* list = ControlOf<QComboBox>(Base(), family.program.key);
    const QString stored = list->currentText();
    ChooseIn(Base(), family.program.key, QString::fromStdString(family.program.entry));
    Settle();
    EXPECT_EQ(SlotByte(family.program.offset), family.program.value);
    EXPECT_EQ(window->TabPages(), WithMixingPage(family.tabs.editing, family.program.page));
    Click(Base().revertButton());
    EXPECT_EQ(SlotByte(family.program.offset), ImageByte(family.program.offset));
    EXPECT_EQ(list->currentText(), stored);
    EXPECT_EQ(window->TabPages(), family.tabs.normal);
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    EXPECT_TRUE(Base().editToggle()->isEnabled());
}

// On the base page and on the mixing page itself, in the normal set and while editing.
TEST_P(PageContract, TheMixingTabFollowsTheModel) {
    Base().modelList()->setCurrentRow(1);
    Settle();
    EXPECT_EQ(window->TabPages(), WithMixingPage(family.tabs.normal, family.others.secondPage));
    Click(Base().editToggle());
    EXPECT_EQ(window->TabPages(), WithMixingPage(family.tabs.editing, family.others.secondPage));
    window->SelectTab(1);
    Settle();
    EXPECT_EQ(window->currentPage(), family.others.secondPage);
    Page(family.others.secondPage).modelList()->setCurrentRow(2);
    Settle();
    EXPECT_EQ(window->TabPages(), WithMixingPage(family.tabs.editing, family.others.thirdPage));
    EXPECT_EQ(window->currentPage(), family.others.thirdPage);
    EXPECT_EQ(Page(family.others.thirdPage).shownModel(), 2);
    Click(Base().revertButton());
    EXPECT_EQ(window->TabPages(), family.tabs.normal);
    EXPECT_EQ(window->currentPage(), family.tabs.editing[0]);
}

INSTANTIATE_TEST_SUITE_P(Families, PageContract, testing::ValuesIn(kFamilies),
                         [](const testing::TestParamInfo<PageFamily>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
