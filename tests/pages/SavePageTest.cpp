#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "dataset/DataSetFiles.h"
#include "dataset/TextExport.h"
#include "pages/PageFixture.h"
#include "shell/TabSets.h"

namespace {

class SavePage : public PageTest {
  protected:
    void Open(const char* typeName, int size) {
        NewDataSet(typeName, size);
        ShowPage(page::kSave);
    }
    void Click(const char* name) {
        QTest::mouseClick(Find<QAbstractButton>(page::kSave, name), Qt::LeftButton);
        ProcessEvents();
    }
};

TEST_F(SavePage, StartsWithDecimalAndChangesOnlyAndTransfersOffWithoutACamPac) {
    Open("FC18V3    ", 2048);
    EXPECT_TRUE(Find<QRadioButton>(page::kSave, "decimalOption")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(page::kSave, "changesOnly")->isChecked());
    EXPECT_FALSE(Find<QPushButton>(page::kSave, "writeButton")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(page::kSave, "compareButton")->isEnabled());
}

TEST_F(SavePage, EraseAsksAndLeavesAnErasedImageOfUnknownType) {
    Open("FC16      ", 2048);
    Click("eraseButton");
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{174});
    EXPECT_EQ(session.data.typeName, "FC16      ");

    dialogs.answers.push_back(Answer::Yes);
    Click("eraseButton");
    EXPECT_EQ(session.data.imageSize, 2048);
    EXPECT_EQ(session.data.typeName, "Unbekannt ");
    EXPECT_EQ(session.data.modelCount, 0);
    EXPECT_EQ(session.data.state, DataSetState::Editing);
    for (int i = 0; i < 2048; ++i) {
        ASSERT_EQ(session.data.image[i], 0xFF) << i;
    }
    EXPECT_EQ(TabCount(), 4);
    EXPECT_EQ(Window().currentPage(), page::kModels);
}

TEST_F(SavePage, ExportWritesTheChosenFormat) {
    Open("FF9       ", 1024);
    for (const auto& [option, format] : std::vector<std::pair<const char*, ExportFormat>>{
             {"hexOption", ExportFormat::Hexadecimal}, {"decimalOption", ExportFormat::Decimal}}) {
        auto* radio = Find<QRadioButton>(page::kSave, option);
        radio->setFocus();
        QTest::keyClick(radio, Qt::Key_Space);
        dialogs.files.push_back((folder / "out.txt").string());
        // The second export replaces the first file: it asks once, and goes on after Yes.
        dialogs.answers.push_back(Answer::Yes);
        Click("exportButton");
        const auto written = ReadBytes(folder / "out.txt");
        EXPECT_EQ(std::string(written.begin(), written.end()), ExportedText(session.data, format));
    }
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{570});
    EXPECT_EQ(dialogs.fileRequests.back().defaultExtension, "txt");
    EXPECT_EQ(dialogs.fileRequests.back().title, 579);
    // Named after the type and the day.
    EXPECT_TRUE(
        QString::fromStdString(dialogs.fileRequests.back().proposedName)
            .contains(QRegularExpression(QStringLiteral("^FF9_\\d{4}-\\d\\d-\\d\\d\\.txt$"))))
        << dialogs.fileRequests.back().proposedName;
}

TEST_F(SavePage, SaveWritesTheDataSetFile) {
    Open("FX18V1/2  ", 2048);
    session.data.state = DataSetState::Changed;
    dialogs.files.push_back((folder / "set.rom").string());
    Click("saveButton");
    EXPECT_EQ(ReadBytes(folder / "set.rom"), EncodeDataSetFile(session.data));
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    EXPECT_EQ(session.data.fileName, "set.rom");
}

}  // namespace
