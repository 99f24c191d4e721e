#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "editors/EditorHost.h"
#include "shell/MainMenu.h"

class CPage;
class CamPacConnection;
class TransferEngine;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabBar;
class StepLabels;
class UserDialogs;
struct Session;

// The main window: step labels, the header of the data set, the menu and the tab area
// that shows one page at a time.
class CMainDialog : public QMainWindow, public EditorHost {
    Q_OBJECT
  public:
    // The models page is tab 1 of every tab set with a data set.
    static constexpr int kModelsTab = 1;

    CMainDialog(Session& session, UserDialogs& dialogs);
    ~CMainDialog() override;

    Session& session() { return session_; }
    UserDialogs& dialogs() override { return dialogs_; }
    const MainMenu& menu() const { return menu_; }

    // Shows the page the tab-to-page map names for a tab position.
    void SelectTab(int position) override;
    // Puts the tabs of one set into the tab control and writes the tab-to-page map. The tab
    // that follows an editor family's base page shows one of its mixing pages: the one it
    // showed before, or the first that exists; without any it is left out.
    void BuildTabs(int set) override;
    // After a data set arrived: its editor pages, its tab set and its first page.
    void ChooseTypeTabs();
    void CreateTypePages();
    void UpdateHeader();

    // After the data set changed its type: the type's editor pages and tab set, showing the
    // tab at `position`.
    void ShowTypeTabsAt(int position);
    // The tabs without editor pages, on the models page (an erased or filled image).
    void ShowWithoutEditorTabs();

    void RunLoad();
    void RunImport();
    void RunLastFile();
    void RunSave();
    void RunExit();

    // The tab-to-page map: the page a tab position shows. The editor pages rewrite the entry
    // of the tab that follows the base page so that it shows the model's mixing page.
    int TabPage(int position) const;
    void SetTabPage(int position, int pageNumber) override;

    // What the editor pages reach through their host interface.
    CamPacData& data() override;
    const TransmitterCatalogue& catalogue() const override;
    const LanguageTable& language() const override;
    std::vector<int> TabPages() const override { return tabPages_; }
    bool HasPage(int pageNumber) const override { return Page(pageNumber) != nullptr; }
    int CurrentTab() const override;

    int currentPage() const { return currentPage_; }
    CPage* Page(int number) const;
    QTabBar* tabBar() const { return tabs_; }
    QLineEdit* commentField() const { return commentField_; }
    QLabel* rcSystemField() const { return rcSystemField_; }
    QLabel* fileNameField() const { return fileNameField_; }
    StepLabels* stepLabels() const { return steps_; }

    // The CamPac of this run (real or simulated); none while port access is off.
    void UseConnection(std::unique_ptr<CamPacConnection> connection);
    CamPacConnection* connection() const { return connection_.get(); }
    // Whether the USB adapter is the adapter of this run.
    bool UsesUsb() const;
    // The engine for one transfer on the data set through the connection; nothing while
    // there is no connection.
    std::unique_ptr<TransferEngine> MakeTransferEngine();
    // Posts "transfer on" or "transfer off" to the get-data and save pages.
    void PostTransfersEnabled(bool enabled);
    // While a transfer runs the menu, the tabs and the header comment wait.
    void SetTransferRunning(bool running);

    // What ends the process when not even the old language file can be opened again.
    void SetProcessEnd(std::function<void(int)> end) { endProcess_ = std::move(end); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildHeader(QWidget* area);
    void ConnectMenu();
    void AfterLoad(int outcome);
    void ShowLastFileInMenu();
    void OnLanguageChosen(int language);
    void AddPage(int number, CPage* page);
    void FinishRun();

    Session& session_;
    UserDialogs& dialogs_;
    MainMenu menu_;
    StepLabels* steps_ = nullptr;
    QLabel* rcSystemField_ = nullptr;
    QLabel* fileNameField_ = nullptr;
    QLineEdit* commentField_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* pageArea_ = nullptr;
    std::map<int, CPage*> pages_;
    std::vector<int> tabPages_;
    int currentPage_ = 0;
    int tabSet_ = 0;
    bool buildingTabs_ = false;
    bool finished_ = false;
    std::function<void(int)> endProcess_;
    std::unique_ptr<CamPacConnection> connection_;
};
