#pragma once

#include <vector>

#include "common/UserDialogs.h"
#include "dataset/CamPacData.h"
#include "dataset/TransmitterCatalogue.h"
#include "shell/LanguageTable.h"

class QWidget;

// What the editor pages need of the main window: the data set, the catalogue (revert),
// the language, the dialogs and the tab control with its tab-to-page map. The main window
// implements it; page tests use a small stand-in.
class EditorHost {
  public:
    virtual ~EditorHost() = default;

    virtual CamPacData& data() = 0;
    virtual const TransmitterCatalogue& catalogue() const = 0;
    virtual const LanguageTable& language() const = 0;
    virtual UserDialogs& dialogs() = 0;

    // The page each tab position shows, in tab order.
    virtual std::vector<int> TabPages() const = 0;
    virtual void SetTabPage(int position, int pageNumber) = 0;
    virtual bool HasPage(int pageNumber) const = 0;
    virtual int CurrentTab() const = 0;
    // Shows the page the map names for the position.
    virtual void SelectTab(int position) = 0;
    // Puts the tabs of one set into the tab control.
    virtual void BuildTabs(int set) = 0;
    // Prints a page as it looks, under the heading of the data set and the given model.
    virtual void PrintPage(QWidget& page, int model) = 0;
    // The status bar forgets `shown` if it still shows it as the last result.
    virtual void WithdrawResult(const Message& /*shown*/) {}
};
