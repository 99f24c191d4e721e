#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QTabBar>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "dataset/DataSetFiles.h"
#include "shell/CMainDialog.h"
#include "shell/StartUp.h"
#include "shell/StepLabels.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

// The main window after a start in a temporary program folder holding the language files
// (German, no settings file), shown and active; the dialogs are scripted.
class MainDialogTest : public testing::Test {
  protected:
    MainDialogTest() {
        CopyLanguageFiles(folder.path());
        EXPECT_TRUE(StartUp(session, dialogs));
        dialogs.shown.clear();
        window = std::make_unique<CMainDialog>(session, dialogs);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::vector<int> TabCaptions() const {
        std::vector<int> captions;
        for (int i = 0; i < window->tabBar()->count(); ++i) {
            captions.push_back(TextNumberOf(window->tabBar()->tabText(i)));
        }
        return captions;
    }

    int TextNumberOf(const QString& caption) const {
        for (int n : {52, 53, 54, 55, 56, 57, 58}) {
            if (caption.toStdString() == session.language.GetText(n)) {
                return n;
            }
        }
        return -1;
    }

    void LoadFile(const std::string& typeName, int typeCode) {
        RomFileFields fields;
        fields.typeName = typeName;
        fields.image = HeaderedImage(2048, 3, typeCode);
        fields.comment = "Vereinsabend";
        WriteBytes(folder / "set.rom", BuildRomFile(fields));
        dialogs.files.push_back((folder / "set.rom").string());
        window->menu().load->trigger();
    }

    QColor StepColour(int step) const {
        return window->stepLabels()->Label(step)->palette().color(QPalette::WindowText);
    }

    TempFolder folder;
    Session session{folder.path()};
    ScriptedDialogs dialogs;
    std::unique_ptr<CMainDialog> window;
};
