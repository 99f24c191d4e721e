#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "pages/CPage.h"
#include "shell/CMainDialog.h"
#include "shell/Session.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPrintDialogs.h"
#include "support/TestFiles.h"

class QWidget;

// The main window with its real pages over a session whose program folder is a temporary
// folder holding the language files; the dialogs, the print dialogs too, are scripted.
class PageTest : public testing::Test {
  protected:
    PageTest();
    ~PageTest() override;

    // Creates the window; a test may prepare the session first.
    CMainDialog& Window();
    // A new data set as the get-data page makes it, shown as after "New".
    void NewDataSet(const char* typeName, int size);
    // Shows a page as a click on its tab does, and lets its refresh run.
    void ShowPage(int pageNumber);
    void ProcessEvents();

    template <typename Widget>
    Widget* Find(int pageNumber, const char* name) {
        auto* widget = Window().Page(pageNumber)->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    int TabCount();
    std::string Text(int number);

    TempFolder folder;
    Session session;
    ScriptedDialogs dialogs;
    ScriptedPrintDialogs printing;
    std::unique_ptr<CMainDialog> window;
};
