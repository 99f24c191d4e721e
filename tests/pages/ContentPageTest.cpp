#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "pages/PageFixture.h"
#include "shell/TabSets.h"

namespace {

class ContentPage : public PageTest {
  protected:
    void Open(const char* typeName, int size) {
        NewDataSet(typeName, size);
        ShowPage(page::kContent);
        list = Find<QListWidget>(page::kContent, "byteList");
        expert = Find<QCheckBox>(page::kContent, "expertCheck");
    }
    void SwitchExpertOn() {
        dialogs.answers.push_back(Answer::Ok);
        expert->setFocus();
        QTest::keyClick(expert, Qt::Key_Space);
    }
    QLineEdit* Field(int i) {
        return Find<QLineEdit>(page::kContent, ("byteField" + std::to_string(i)).c_str());
    }
    QLabel* Address(int i) {
        return Find<QLabel>(page::kContent, ("address" + std::to_string(i)).c_str());
    }
    QListWidget* list = nullptr;
    QCheckBox* expert = nullptr;
};

TEST_F(ContentPage, ShowsEveryByteEightToALine) {
    Open("FC18V3    ", 512);
    ASSERT_EQ(list->count(), 64);
    EXPECT_EQ(list->item(0)->text(),
              "[0000]:    000   001   000   002   255   255   255   255\t........");
    EXPECT_EQ(list->item(3)->text(),
              "[0024]:    076   045   048   051   128   000   000   000\tL-03....");
}

TEST_F(ContentPage, ExpertModeAsksFirstAndCancelLeavesItOff) {
    Open("FC18V3    ", 512);
    expert->setFocus();
    QTest::keyClick(expert, Qt::Key_Space);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{536});
    EXPECT_FALSE(expert->isChecked());
    EXPECT_TRUE(
        Find<QLabel>(page::kContent, "contentLabel")->isVisibleTo(Window().Page(page::kContent)));
    EXPECT_FALSE(Field(0)->isVisibleTo(Window().Page(page::kContent)));

    SwitchExpertOn();
    EXPECT_TRUE(expert->isChecked());
    EXPECT_FALSE(
        Find<QLabel>(page::kContent, "contentLabel")->isVisibleTo(Window().Page(page::kContent)));
    EXPECT_TRUE(Field(0)->isVisibleTo(Window().Page(page::kContent)));
}

TEST_F(ContentPage, ChangedFieldsAreStoredWithOk) {
    Open("FF9       ", 2048);
    SwitchExpertOn();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Address(i)->text(), QString::number(16 + i));
    }
    EXPECT_EQ(Field(0)->text(), QString::number(session.data.image[16]));
    auto* ok = Find<QPushButton>(page::kContent, "okButton");
    EXPECT_FALSE(ok->isVisibleTo(Window().Page(page::kContent)));
    Field(2)->setFocus();
    Field(2)->selectAll();
    QTest::keyClicks(Field(2), "44");
    EXPECT_TRUE(ok->isVisibleTo(Window().Page(page::kContent)));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Space);
    ProcessEvents();
    EXPECT_EQ(session.data.image[18], 44);
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(list->item(2)->text().contains("044"));
    EXPECT_EQ(session.data.modelSlots.Slot(0)[8], 44);  // model 0 starts at 10
    EXPECT_TRUE(dialogs.ShownNumbers() == std::vector<int>{536});
}

// 300 is no byte: OK refuses it with text 120 and the line stays as it was, with the typed
// value left in its field to be corrected.
TEST_F(ContentPage, ExpertModeRefusesValuesAbove255) {
    Open("FF9       ", 2048);
    SwitchExpertOn();
    list->setCurrentRow(2);
    const auto before = session.data.image;
    Field(2)->setFocus();
    Field(2)->selectAll();
    QTest::keyClicks(Field(2), "300");
    auto* ok = Find<QPushButton>(page::kContent, "okButton");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Space);
    ProcessEvents();
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{536, 120}));
    EXPECT_EQ(session.data.image, before);
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    EXPECT_EQ(Field(2)->text(), "300");
}

// Each address stands in the column of its field.
TEST_F(ContentPage, EachAddressStandsAboveItsField) {
    Open("FC16      ", 8192);
    SwitchExpertOn();
    list->setCurrentRow(1000);
    ProcessEvents();
    for (int i = 0; i < 8; ++i) {
        const QRect address = Address(i)->geometry();
        const QRect field = Field(i)->geometry();
        EXPECT_EQ(address.left(), field.left()) << i;
        EXPECT_EQ(address.width(), field.width()) << i;
        EXPECT_LT(address.bottom(), field.top()) << i;
        EXPECT_TRUE(Address(i)->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(Address(i)->text(), QString::number(8000 + i));
    }
}

// Any fill leaves the type name "Unbekannt " (the type of the image can no longer be
// vouched for); the pages are those of the type the header names: the FF9 pages while the
// fill leaves the header alone, none once it covers the header.
TEST_F(ContentPage, AnyFillLeavesAnUnknownTypeName) {
    Open("FF9       ", 2048);
    SwitchExpertOn();
    dialogs.texts = {"100", "110", "0"};
    QTest::mouseClick(Find<QPushButton>(page::kContent, "fillButton"), Qt::LeftButton);
    ProcessEvents();
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{536});
    EXPECT_EQ(session.data.typeName, "Unbekannt ");
    EXPECT_EQ(Window().rcSystemField()->text(), " Unbekannt \n 16k");
    EXPECT_EQ(session.data.modelCount, 6);
    EXPECT_EQ(TabCount(), 4);
    EXPECT_EQ(Window().currentPage(), page::kModels);
    EXPECT_NE(Window().Page(page::kFf9Base), nullptr);

    ShowPage(page::kContent);
    dialogs.texts = {"0", "3", "0"};
    QTest::mouseClick(Find<QPushButton>(page::kContent, "fillButton"), Qt::LeftButton);
    ProcessEvents();
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{536, 62}));
    EXPECT_EQ(session.data.modelCount, 0);
    EXPECT_EQ(TabCount(), 4);
    EXPECT_EQ(Window().currentPage(), page::kModels);
    EXPECT_EQ(std::vector<Byte>(session.data.image.begin(), session.data.image.begin() + 5),
              (std::vector<Byte>{0, 0, 0, 0, 0xFF}));
}

TEST_F(ContentPage, FillChecksItsAnswersAndStopsOnCancel) {
    struct Case {
        std::vector<std::optional<std::string>> typed;
        std::vector<int> shown;
    };
    for (const Case& c : std::vector<Case>{{{"8192"}, {120}},
                                           {{"10", "9"}, {120}},
                                           {{"10", "20", "256"}, {120}},
                                           {{"10", "20", std::nullopt}, {}},
                                           {{std::nullopt}, {}}}) {
        Open("FC16      ", 8192);
        if (!expert->isChecked()) {
            SwitchExpertOn();
        }
        const auto image = session.data.image;
        dialogs.shown.clear();
        dialogs.texts.assign(c.typed.begin(), c.typed.end());
        QTest::mouseClick(Find<QPushButton>(page::kContent, "fillButton"), Qt::LeftButton);
        EXPECT_EQ(dialogs.ShownNumbers(), c.shown);
        EXPECT_EQ(session.data.image, image);
        EXPECT_EQ(session.data.typeName, "FC16      ");
    }
}

TEST_F(ContentPage, FillBeyondTheEndStopsAtTheLastByte) {
    Open("FC16      ", 8192);
    SwitchExpertOn();
    const auto before = session.data.image;
    dialogs.texts = {"8000", "9000", "7"};
    QTest::mouseClick(Find<QPushButton>(page::kContent, "fillButton"), Qt::LeftButton);
    for (int i = 8000; i < 8192; ++i) {
        ASSERT_EQ(session.data.image[i], 7) << i;
    }
    EXPECT_EQ(session.data.image[7999], before[7999]);
    EXPECT_EQ(session.data.state, DataSetState::Changed);
}

}  // namespace
