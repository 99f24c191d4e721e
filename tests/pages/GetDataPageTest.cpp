#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "pages/PageFixture.h"
#include "shell/TabSets.h"

namespace {

using GetDataPage = PageTest;

TEST_F(GetDataPage, StartsWithThePreselectionsAndTransfersOffWithoutACamPac) {
    auto* types = Find<QComboBox>(page::kGetData, "typeList");
    auto* sizes = Find<QComboBox>(page::kGetData, "sizeList");
    EXPECT_EQ(types->count(), 5);
    EXPECT_EQ(types->currentText(), "FC18V3");
    EXPECT_EQ(sizes->currentText(), "16 k Modul");
    auto* keep = Find<QCheckBox>(page::kGetData, "keepComments");
    EXPECT_TRUE(keep->isChecked());
    EXPECT_EQ(keep->toolTip().toStdString(), Text(84));
    EXPECT_FALSE(Find<QPushButton>(page::kGetData, "readButton")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(page::kGetData, "compareButton")->isEnabled());
    Window().Page(page::kGetData)->SetTransfersEnabled(true);
    EXPECT_TRUE(Find<QPushButton>(page::kGetData, "readButton")->isEnabled());
    EXPECT_EQ(Find<QLabel>(page::kGetData, "statusLine1")->text().toStdString(), Text(36));
}

// The CamPac sizes speak the program's language; the German ones are the resource texts.
TEST_F(GetDataPage, TheSizesAreNamedInTheChosenLanguage) {
    const auto sizeNames = [this] {
        auto* sizes = Find<QComboBox>(page::kGetData, "sizeList");
        QStringList names;
        for (int i = 0; i < sizes->count(); ++i) {
            names << sizes->itemText(i);
        }
        return names;
    };
    EXPECT_EQ(sizeNames(), (QStringList{"4 k Modul", "8 k Modul", "16 k Modul", "64 k Modul"}));
    window.reset();
    session.language.LoadLanguage(2);
    EXPECT_EQ(sizeNames(), (QStringList{"4 k module", "8 k module", "16 k module", "64 k module"}));
}

TEST_F(GetDataPage, AdapterLabelNamesTheAdapterInUse) {
    ShowPage(page::kGetData);
    auto* adapter = Find<QLabel>(page::kGetData, "adapterLabel");
    EXPECT_EQ(adapter->text(), "LPT\n150");
    session.settings.useUsb = 1;
    ShowPage(page::kGetData);
    EXPECT_EQ(adapter->text(), "USB\nAdapt.");
}

TEST_F(GetDataPage, NewFc18v3On4kGivesTwoModelsByKeyboard) {
    auto* sizes = Find<QComboBox>(page::kGetData, "sizeList");
    sizes->setFocus();
    QTest::keyClick(sizes, Qt::Key_Home);
    EXPECT_EQ(sizes->currentIndex(), 0);
    auto* newButton = Find<QPushButton>(page::kGetData, "newButton");
    newButton->setFocus();
    QTest::keyClick(newButton, Qt::Key_Space);
    ProcessEvents();
    EXPECT_EQ(session.data.imageSize, 512);
    EXPECT_EQ(std::vector<Byte>(session.data.image.begin(), session.data.image.begin() + 4),
              (std::vector<Byte>{0x00, 0x01, 0x00, 0x02}));
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    auto* list = Find<QListWidget>(page::kModels, "modelList");
    ShowPage(page::kModels);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "001: MODEL-03");
    EXPECT_EQ(list->item(1)->text(), "002: MODEL-04");
    EXPECT_GT(TabCount(), 1);
}

TEST_F(GetDataPage, NewAsksFirstWhileTheDataSetIsChanged) {
    NewDataSet("FF9       ", 2048);
    session.data.state = DataSetState::Changed;
    const auto image = session.data.image;
    ShowPage(page::kGetData);
    QTest::mouseClick(Find<QPushButton>(page::kGetData, "newButton"), Qt::LeftButton);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{44});
    EXPECT_EQ(session.data.image, image);
    EXPECT_EQ(session.data.typeName, "FF9       ");

    dialogs.answers.push_back(Answer::Yes);
    QTest::mouseClick(Find<QPushButton>(page::kGetData, "newButton"), Qt::LeftButton);
    EXPECT_EQ(session.data.typeName, "FC18V3    ");
    EXPECT_EQ(session.data.modelCount, 11);
}

TEST_F(GetDataPage, NewForASizeWithoutModelsShowsText83AndResets) {
    auto* types = Find<QComboBox>(page::kGetData, "typeList");
    auto* sizes = Find<QComboBox>(page::kGetData, "sizeList");
    types->setCurrentIndex(0);  // FC16
    sizes->setCurrentIndex(1);  // 8 k
    QTest::mouseClick(Find<QPushButton>(page::kGetData, "newButton"), Qt::LeftButton);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{83});
    EXPECT_EQ(session.data.state, DataSetState::None);
    EXPECT_EQ(session.data.imageSize, 0);
    EXPECT_EQ(TabCount(), 1);
}

TEST_F(GetDataPage, ImportOpensTheModelsPageOfTheImportedDataSet) {
    std::ofstream(folder / "old.txt") << "26\n2\n02\n0\nalt\n";
    dialogs.files.push_back((folder / "old.txt").string());
    QTest::mouseClick(Find<QPushButton>(page::kGetData, "importButton"), Qt::LeftButton);
    ProcessEvents();
    EXPECT_EQ(session.data.typeName, "FC18V3    ");
    EXPECT_EQ(session.data.imageSize, 2048);
    EXPECT_EQ(Window().currentPage(), page::kModels);
    EXPECT_EQ(Find<QListWidget>(page::kModels, "modelList")->count(), 11);
}

}  // namespace
