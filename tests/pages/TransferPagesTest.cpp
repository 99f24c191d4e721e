#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "adapters/SimulatedConnection.h"
#include "pages/PageFixture.h"
#include "shell/QtUserDialogs.h"
#include "shell/TabSets.h"

void PrintTo(AdapterKind kind, std::ostream* out) {
    *out << (kind == AdapterKind::Lpt ? "LPT" : "USB");
}

namespace {

// The get-data and save pages reading, comparing and writing a simulated CamPac whose
// content lives in an image file, through either adapter.
class TransferPages : public PageTest, public testing::WithParamInterface<AdapterKind> {
  protected:
    TransferPages() {
        setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
        moduleImage = HeaderedImage(2048, 3, 0x0002);
        WriteBytes(imagePath, moduleImage);
        session.settings.alwaysCompare = false;
    }

    void Connect() {
        SimulatedConnection::Options options;
        options.image = imagePath;
        options.kind = GetParam();
        auto connection = SimulatedConnection::Open(options, dialogs);
        ASSERT_TRUE(connection.ok());
        Window().UseConnection(std::move(connection.value()));
        ProcessEvents();
    }

    void Click(int pageNumber, const char* name) {
        QTest::mouseClick(Find<QPushButton>(pageNumber, name), Qt::LeftButton);
        ProcessEvents();
    }

    QListWidget* List(int pageNumber) { return Find<QListWidget>(pageNumber, "differenceList"); }

    std::filesystem::path imagePath = folder / "module.bin";
    std::vector<Byte> moduleImage;
};

TEST_P(TransferPages, ReadingAModuleMakesItTheDataSet) {
    Connect();
    Click(page::kGetData, "readButton");
    // Reading the same module again keeps the comments while "Kommentare behalten" is on.
    session.data.dataSetComment = "kept";
    Window().UpdateHeader();
    ShowPage(page::kGetData);
    Click(page::kGetData, "readButton");
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    EXPECT_EQ(session.data.typeName, "FC18V3    ");
    EXPECT_EQ(session.data.imageSize, 2048);
    EXPECT_TRUE(std::equal(moduleImage.begin(), moduleImage.end(), session.data.image.begin()));
    EXPECT_EQ(session.data.dataSetComment, "kept");
    EXPECT_GT(TabCount(), 1);
    EXPECT_NE(Window().currentPage(), page::kGetData);
    EXPECT_TRUE(Window().menuBar()->isEnabled()) << "the menu works again after the read";
    EXPECT_FALSE(Find<QPushButton>(page::kGetData, "readButton")->isChecked());
    // The progress bars stand full at the end of each transfer, whichever adapter served it.
    EXPECT_EQ(Find<QProgressBar>(page::kGetData, "progressBar")->maximum(), 2048);
    EXPECT_EQ(Find<QProgressBar>(page::kGetData, "progressBar")->value(), 2048);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;
}

// With "Immer Vergleichen" the compare after a read runs on the compare button: the read
// button goes back to its own caption, and the list ends with the summary.
TEST_P(TransferPages, CompareAfterReadRunsOnTheCompareButton) {
    session.settings.alwaysCompare = true;
    Connect();
    Click(page::kGetData, "readButton");
    ASSERT_EQ(session.data.state, DataSetState::Unchanged);
    auto* read = Find<QPushButton>(page::kGetData, "readButton");
    auto* compare = Find<QPushButton>(page::kGetData, "compareButton");
    EXPECT_EQ(read->text(), DisplayText(Text(88)));
    EXPECT_EQ(compare->text(), DisplayText(Text(106)));
    EXPECT_FALSE(read->isChecked());
    EXPECT_FALSE(compare->isChecked());
    QListWidget* list = List(page::kGetData);
    ASSERT_EQ(list->count(), 1) << "only the summary: the module equals what was read";
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;
}

// While the compare after a read runs, only its own button (the cancel) reacts: the read
// button waits until the read is over.
TEST_P(TransferPages, TheReadButtonWaitsWhileTheCompareAfterReadRuns) {
    session.settings.alwaysCompare = true;
    Connect();
    auto* read = Find<QPushButton>(page::kGetData, "readButton");
    auto* compare = Find<QPushButton>(page::kGetData, "compareButton");
    int seen = 0;
    int readEnabled = 0;
    int compareEnabled = 0;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (compare->isChecked()) {
            ++seen;
            readEnabled += read->isEnabled() ? 1 : 0;
            compareEnabled += compare->isEnabled() ? 1 : 0;
        }
    });
    sampler.start(0);
    Click(page::kGetData, "readButton");
    sampler.stop();
    ASSERT_EQ(session.data.state, DataSetState::Unchanged);
    ASSERT_GT(seen, 0) << "the compare ran";
    EXPECT_EQ(readEnabled, 0);
    EXPECT_EQ(compareEnabled, seen);
    EXPECT_TRUE(read->isEnabled()) << "afterwards both buttons work again";
    EXPECT_TRUE(compare->isEnabled());
}

// The elapsed time is the time the user waited: a simulated module's modelled clock, here
// moved on by a thousand seconds while the write runs, does not show.
TEST_P(TransferPages, TheElapsedTimeIsTheTimeTheUserWaits) {
    Connect();
    NewDataSet("FC18V3    ", 2048);
    auto* simulated = dynamic_cast<SimulatedConnection*>(Window().connection());
    ASSERT_NE(simulated, nullptr);
    QTimer clockJump;
    QObject::connect(&clockJump, &QTimer::timeout,
                     [&] { simulated->camPac().clock.Advance(1000LL * 1000 * 1000); });
    clockJump.start(0);
    ShowPage(page::kSave);
    Click(page::kSave, "writeButton");
    clockJump.stop();
    const QString elapsed = Find<QLabel>(page::kSave, "elapsedLine")->text();
    const QRegularExpressionMatch seconds =
        QRegularExpression(QStringLiteral("(\\d+)")).match(elapsed);
    ASSERT_TRUE(seconds.hasMatch()) << elapsed.toStdString();
    EXPECT_LT(seconds.captured(1).toInt(), 1000) << elapsed.toStdString();
}

TEST_P(TransferPages, ReadingAsksBeforeGivingUpUnsavedChanges) {
    Connect();
    NewDataSet("FF9       ", 2048);
    session.data.state = DataSetState::Changed;
    ShowPage(page::kGetData);
    dialogs.answers.push_back(Answer::No);
    Click(page::kGetData, "readButton");
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{44});
    EXPECT_EQ(session.data.typeName, "FF9       ");
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_FALSE(Find<QPushButton>(page::kGetData, "readButton")->isChecked());
}

TEST_P(TransferPages, ComparingListsEveryDifferingByte) {
    Connect();
    Click(page::kGetData, "readButton");
    session.data.image[100] = static_cast<Byte>(session.data.image[100] + 1);
    session.data.image[2047] = static_cast<Byte>(session.data.image[2047] ^ 0xFF);
    ShowPage(page::kGetData);
    Click(page::kGetData, "compareButton");
    QListWidget* list = List(page::kGetData);
    ASSERT_EQ(list->count(), 3) << "two lines and the summary";
    char expected[64];
    std::snprintf(expected, sizeof expected, "1. Byte 100 PC: %03d Chip: %03d",
                  session.data.image[100], moduleImage[100]);
    EXPECT_EQ(list->item(0)->text().toStdString(), expected);
    EXPECT_EQ(session.data.state, DataSetState::Unchanged) << "a compare changes nothing";
}

TEST_P(TransferPages, WritingChangesTheModuleAndKeepsABackup) {
    Connect();
    Click(page::kGetData, "readButton");
    session.data.image[300] = 0x42;
    session.data.image[301] = 0x43;
    ShowPage(page::kSave);
    Click(page::kSave, "writeButton");
    std::vector<Byte> expected = moduleImage;
    expected[300] = 0x42;
    expected[301] = 0x43;
    EXPECT_EQ(ReadBytes(imagePath), expected) << "the module got the two bytes";
    const auto backups = folder / "data" / "keplund" / "backups";
    ASSERT_TRUE(std::filesystem::exists(backups));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(backups)) {
        ++files;
        EXPECT_EQ(entry.path().extension(), ".rom");
    }
    EXPECT_EQ(files, 1);
    EXPECT_FALSE(Find<QPushButton>(page::kSave, "writeButton")->isChecked());
    EXPECT_TRUE(Window().tabBar()->isEnabled());
    EXPECT_EQ(Find<QProgressBar>(page::kSave, "progressBar")->maximum(), 2048);
    EXPECT_EQ(Find<QProgressBar>(page::kSave, "progressBar")->value(), 2048)
        << "full however few pages the write changed";
    // The result names the backup that was made.
    QListWidget* result = List(page::kSave);
    ASSERT_EQ(result->count(), 2);
    const std::filesystem::path backup = std::filesystem::directory_iterator(backups)->path();
    EXPECT_EQ(result->item(1)->text().toStdString(), "Sicherung: " + backup.string());
    EXPECT_EQ(Window().resultLabel()->text().toStdString(),
              "8 Bytes geschrieben, Prüfung bestanden. Sicherung: " + backup.string());

    Click(page::kSave, "compareButton");
    EXPECT_EQ(List(page::kSave)->count(), 1) << "only the summary: no differences";
}

// A port access that faults switches port access off, and the pages turn their transfer
// buttons off with it.
TEST_P(TransferPages, PortAccessFaultTurnsTheTransferButtonsOff) {
    if (GetParam() != AdapterKind::Lpt) {
        GTEST_SKIP() << "the USB adapter has no port access";
    }
    Connect();
    NewDataSet("FC18V3    ", 2048);
    ShowPage(page::kGetData);
    auto* simulated = dynamic_cast<SimulatedConnection*>(Window().connection());
    ASSERT_NE(simulated, nullptr);
    simulated->camPac().port.SetAccessDenied(true);
    Click(page::kGetData, "compareButton");
    // The failed port access is what the user is told (text 76), not a silent adapter.
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{76});
    EXPECT_FALSE(Find<QPushButton>(page::kGetData, "readButton")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(page::kGetData, "compareButton")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(page::kSave, "writeButton")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(page::kSave, "compareButton")->isEnabled());
}

TEST_P(TransferPages, WithoutACamPacTheTransferButtonsStayOff) {
    Window().UseConnection(nullptr);
    ProcessEvents();
    EXPECT_FALSE(Find<QPushButton>(page::kGetData, "readButton")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(page::kGetData, "compareButton")->isEnabled());
    NewDataSet("FC18V3    ", 2048);
    EXPECT_FALSE(Find<QPushButton>(page::kSave, "writeButton")->isEnabled());
    Connect();
    EXPECT_TRUE(Find<QPushButton>(page::kSave, "writeButton")->isEnabled());
    ShowPage(page::kGetData);
    EXPECT_EQ(Find<QLabel>(page::kGetData, "adapterLabel")->text().startsWith("USB"),
              GetParam() == AdapterKind::Usb);
}

INSTANTIATE_TEST_SUITE_P(Adapters, TransferPages,
                         testing::Values(AdapterKind::Lpt, AdapterKind::Usb),
                         [](const testing::TestParamInfo<AdapterKind>& param) {
                             return std::string(param.param == AdapterKind::Lpt ? "Lpt" : "Usb");
                         });

}  // namespace
