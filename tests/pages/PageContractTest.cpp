#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <string>
#include <vector>

#include "pages/PageFixture.h"
#include "shell/TabSets.h"

namespace {

// What every fixed page promises: it is usable with the keyboard alone and fits a window
// of 1024 x 768.
class FixedPages : public PageTest, public testing::WithParamInterface<int> {};

TEST_P(FixedPages, EveryControlTakesTheKeyboardFocus) {
    NewDataSet("FF9       ", 2048);
    QWidget* shown = Window().Page(GetParam());
    ShowPage(GetParam());
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        const bool interactive = qobject_cast<QAbstractButton*>(control) != nullptr ||
                                 qobject_cast<QLineEdit*>(control) != nullptr ||
                                 qobject_cast<QComboBox*>(control) != nullptr ||
                                 qobject_cast<QListWidget*>(control) != nullptr;
        if (interactive && control->parentWidget() != nullptr &&
            qobject_cast<QComboBox*>(control->parentWidget()) == nullptr) {
            EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus)
                << control->objectName().toStdString() << " on page " << GetParam();
        }
    }
}

TEST_P(FixedPages, FitA1024By768Window) {
    NewDataSet("FF9       ", 2048);
    ShowPage(GetParam());
    const QSize needed = Window().minimumSizeHint();
    EXPECT_LE(needed.width(), 1024) << "page " << GetParam();
    EXPECT_LE(needed.height(), 768) << "page " << GetParam();
    Window().resize(1024, 768);
    EXPECT_LE(Window().Page(GetParam())->minimumSizeHint().height(),
              Window().Page(GetParam())->height());
}

// The names of the controls Tab visits on a page, from its first control on, until the
// focus leaves the page.
std::vector<std::string> TabWalk(QWidget* page, QWidget* first) {
    std::vector<std::string> visited;
    first->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 60 && page->isAncestorOf(QApplication::focusWidget()); ++step) {
        QWidget* focused = QApplication::focusWidget();
        visited.push_back(focused->objectName().toStdString());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return visited;
}

// Tab goes through a page as it reads: down each column, the columns from left to right;
// within a row from left to right.
TEST_F(PageTest, TabWalksEveryPageInReadingOrder) {
    NewDataSet("FF9       ", 2048);
    Window().Page(page::kGetData)->SetTransfersEnabled(true);
    Window().Page(page::kSave)->SetTransfersEnabled(true);
    const auto walk = [this](int number, const char* first) {
        ShowPage(number);
        QWidget* shown = Window().Page(number);
        auto names = TabWalk(shown, shown->findChild<QWidget*>(QString::fromLatin1(first)));
        std::erase(names, "printButton");  // printing comes with its own work
        return names;
    };
    EXPECT_EQ(walk(page::kGetData, "typeList"),
              (std::vector<std::string>{"typeList", "sizeList", "newButton", "loadButton",
                                        "lastFileButton", "importButton", "readButton",
                                        "keepComments", "compareButton", "differenceList"}));
    EXPECT_EQ(walk(page::kModels, "modelList"),
              (std::vector<std::string>{"modelList", "modelComment", "moveUpButton",
                                        "moveDownButton", "numberingButton", "resetButton",
                                        "compareButton", "copyButton", "loadModelButton",
                                        "saveModelButton", "saveAllButton", "explorerCheck"}));
    EXPECT_EQ(walk(page::kContent, "expertCheck"),
              (std::vector<std::string>{"expertCheck", "byteList"}));
    dialogs.answers.push_back(Answer::Ok);
    Window()
        .Page(page::kContent)
        ->findChild<QAbstractButton*>(QStringLiteral("expertCheck"))
        ->click();
    EXPECT_EQ(walk(page::kContent, "expertCheck"),
              (std::vector<std::string>{"expertCheck", "byteList", "byteField0", "byteField1",
                                        "byteField2", "byteField3", "byteField4", "byteField5",
                                        "byteField6", "byteField7", "fillButton"}));
    EXPECT_EQ(walk(page::kSave, "eraseButton"),
              (std::vector<std::string>{"eraseButton", "saveButton", "exportButton",
                                        "decimalOption", "writeButton", "changesOnly",
                                        "compareButton", "differenceList"}));
}

INSTANTIATE_TEST_SUITE_P(GetDataModelsContentSave, FixedPages,
                         testing::Values(page::kGetData, page::kModels, page::kContent,
                                         page::kSave));

}  // namespace
