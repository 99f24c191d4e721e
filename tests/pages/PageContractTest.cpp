#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

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

INSTANTIATE_TEST_SUITE_P(GetDataModelsContentSave, FixedPages,
                         testing::Values(page::kGetData, page::kModels, page::kContent,
                                         page::kSave));

}  // namespace
