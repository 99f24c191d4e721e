#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "adapters/Clock.h"
#include "adapters/ModuleAccess.h"
#include "editors/EditorHost.h"
#include "pages/printing/PrintDialogs.h"
#include "shell/MainMenu.h"
#include "shell/QtTranslation.h"
#include "shell/ResultDialogs.h"

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

    // The print dialogs default to none: such a window prints nothing.
    CMainDialog(Session& session, UserDialogs& dialogs,
                PrintDialogs& printDialogs = NoPrintDialogs());
    ~CMainDialog() override;

    Session& session() { return session_; }
    // The dialogs of the run; what they report also becomes the status bar's last result.
    UserDialogs& dialogs() override { return dialogs_; }
    PrintDialogs& printDialogs() { return printDialogs_; }
    const MainMenu& menu() const { return menu_; }

    // Shows the page the tab-to-page map names for a tab position.
    void SelectTab(int position) override;
    // Puts the tabs of one set into the tab control and writes the tab-to-page map. The tab
    // that follows an editor family's base page shows one of its mixing pages: the one it
    // showed before, or the first that exists; without any it is left out.
    void BuildTabs(int set) override;
    void PrintPage(QWidget& page, int model) override;
    void WithdrawResult(const Message& shown) override;
    // After a data set arrived: its editor pages, its tab set and its first page.
    void ChooseTypeTabs();
    void CreateTypePages();
    void CreateTypePages(const std::string& typeName);
    void UpdateHeader();

    // After the data set changed its type: the type's editor pages and tab set, showing the
    // tab at `position`.
    void ShowTypeTabsAt(int position);
    // The tabs without editor pages, on the models page (an erased or filled image).
    void ShowWithoutEditorTabs();

    void RunLoad();
    void RunImport();
    void RunLastFile();
    // Save: to the file the data set came from, else (and always from the save page) to a
    // file the user chooses.
    void RunSave();
    void RunSaveAs();
    void RunExit();
    // Takes the edit in the field that holds the focus, as leaving the field does (the
    // header's comment, a model's comment, an editor page's entry). Every action that
    // replaces the data set or ends the run calls it first: a shortcut, a menu or the close
    // button leave the focus where it is, and the edit must count before the question
    // whether unsaved changes may be lost.
    void TakePendingEdit();
    // A window that only lays out pages for a printout ends without writing the settings or
    // its own size and place: the user's settings are left as they are.
    void EndWithoutSavingSettings() { finished_ = true; }

    // The status bar's last result.
    void ShowResult(const QString& text);
    QLabel* resultLabel() const { return resultLabel_; }
    QLabel* adapterStatus() const { return adapterStatus_; }
    QLabel* portStatus() const { return portStatus_; }
    // The title: the data set's file name, marked while it holds unsaved changes.
    void RefreshTitle();
    // The file that keeps the window's size and place between runs.
    std::filesystem::path WindowStateFile() const;

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
    // After the connection's adapter changed: the transfer buttons follow its port access.
    void ConnectionChanged();
    // Whether the USB adapter is the adapter of this run: the connection's, else the one
    // chosen for the run, else the one of the settings.
    bool UsesUsb() const;
    void SetChosenAdapter(AdapterKind kind);
    // Where the run reaches its CamPac, for the status bar.
    void SetPortName(const QString& name);
    // Names the port anew whenever the connection's adapter changes (the adapter dialog).
    void SetPortNamer(std::function<QString()> namer);
    // The engine for one transfer on the data set through the connection; nothing while
    // there is no connection.
    std::unique_ptr<TransferEngine> MakeTransferEngine();
    // Posts "transfer on" or "transfer off" to the get-data and save pages.
    void PostTransfersEnabled(bool enabled);
    // While a transfer runs the menu (with its shortcuts), the tabs and the header comment
    // wait, and the window does not close.
    void SetTransferRunning(bool running);

    // What ends the process when not even the old language file can be opened again.
    void SetProcessEnd(std::function<void(int)> end) { endProcess_ = std::move(end); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildHeader(QWidget* area);
    void BuildStatusBar();
    void PlaceWindow();
    void SaveWindowState();
    void ConnectMenu();
    void ShowAdapterStatus();
    void ShowAdapterOnPages();
    void RunSaveTo(int target);
    void AfterLoad(int outcome);
    void ShowLastFileInMenu();
    void OnLanguageChosen(int language);
    void AddPage(int number, CPage* page);
    void FinishRun();

    Session& session_;
    ResultDialogs dialogs_;
    PrintDialogs& printDialogs_;
    MainMenu menu_;
    QtTranslation qtTranslation_;
    StepLabels* steps_ = nullptr;
    QLabel* rcSystemField_ = nullptr;
    QLabel* fileNameField_ = nullptr;
    QLineEdit* commentField_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* pageArea_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QLabel* adapterStatus_ = nullptr;
    QLabel* portStatus_ = nullptr;
    std::map<int, CPage*> pages_;
    std::vector<int> tabPages_;
    int currentPage_ = 0;
    int tabSet_ = 0;
    bool buildingTabs_ = false;
    bool finished_ = false;
    bool exitConfirmed_ = false;
    bool transferRunning_ = false;
    bool titlePending_ = false;
    std::function<void(int)> endProcess_;
    std::unique_ptr<CamPacConnection> connection_;
    std::optional<AdapterKind> chosenAdapter_;
    std::function<QString()> portNamer_;
    // The elapsed time a transfer shows is the time the user waits, even on a simulated
    // CamPac whose clock models the module's timing.
    SteadyClock elapsedClock_;
};
