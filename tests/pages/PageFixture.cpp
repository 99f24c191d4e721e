#include "pages/PageFixture.h"

#include <QCoreApplication>
#include <QTabBar>

#include "dataset/ModelDirectory.h"

PageTest::PageTest() : session(folder.path()) {
    CopyLanguageFiles(folder.path());
    session.language.LoadLanguage(1);
    session.settings.useUsb = 0;
    session.settings.waitStates = 150;
}

PageTest::~PageTest() {
    window.reset();
}

CMainDialog& PageTest::Window() {
    if (!window) {
        window = std::make_unique<CMainDialog>(session, dialogs, printing);
        window->SetProcessEnd([](int) {});
        window->show();
        window->activateWindow();
        ProcessEvents();
    }
    return *window;
}

void PageTest::NewDataSet(const char* typeName, int size) {
    Window();
    ASSERT_TRUE(InitialiseImage(session.data, session.catalogue, typeName, size));
    window->ChooseTypeTabs();
    window->UpdateHeader();
    ProcessEvents();
}

void PageTest::ShowPage(int pageNumber) {
    QTabBar* tabs = Window().tabBar();
    for (int position = 0; position < tabs->count(); ++position) {
        window->SelectTab(position);
        if (window->currentPage() == pageNumber) {
            break;
        }
    }
    ProcessEvents();
}

void PageTest::ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

int PageTest::TabCount() {
    return Window().tabBar()->count();
}

std::string PageTest::Text(int number) {
    return session.language.GetText(number);
}
