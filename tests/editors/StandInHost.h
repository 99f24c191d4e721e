#pragma once

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "dataset/CamPacData.h"
#include "dataset/TransmitterCatalogue.h"
#include "editors/EditorHost.h"
#include "shell/LanguageTable.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

// A stand-in for the main window in editor page tests: a data set, the language files,
// scripted dialogs, and a tab-to-page map that the normal and editing tab sets replace.
class StandInHost : public EditorHost {
  public:
    StandInHost(const std::filesystem::path& folder, CamPacData data, std::vector<int> normalTabs,
                std::vector<int> editingTabs, int editingSet, std::vector<int> pages)
        : data_(std::move(data)),
          language_(folder),
          normal_(std::move(normalTabs)),
          editing_(std::move(editingTabs)),
          editingSet_(editingSet),
          pages_(std::move(pages)),
          tabs_(normal_) {
        CopyLanguageFiles(folder);
        language_.LoadLanguage(1);
        current_ =
            static_cast<int>(std::find(tabs_.begin(), tabs_.end(), pages_.front()) - tabs_.begin());
    }

    CamPacData& data() override { return data_; }
    const TransmitterCatalogue& catalogue() const override { return catalogue_; }
    const LanguageTable& language() const override { return language_; }
    UserDialogs& dialogs() override { return dialogs_; }
    std::vector<int> TabPages() const override { return tabs_; }
    void SetTabPage(int position, int pageNumber) override {
        tabs_[static_cast<std::size_t>(position)] = pageNumber;
    }
    bool HasPage(int pageNumber) const override {
        return std::find(pages_.begin(), pages_.end(), pageNumber) != pages_.end();
    }
    int CurrentTab() const override { return current_; }
    void SelectTab(int position) override { current_ = position; }
    void BuildTabs(int set) override {
        sets.push_back(set);
        tabs_ = set == editingSet_ ? editing_ : normal_;
    }
    void PrintPage(QWidget&, int model) override { printed.push_back(model); }

    std::vector<int> sets;  // the tab sets built, in order
    std::vector<int> printed;
    ScriptedDialogs dialogs_;

  private:
    CamPacData data_;
    TransmitterCatalogue catalogue_;
    LanguageTable language_;
    std::vector<int> normal_;
    std::vector<int> editing_;
    int editingSet_;
    std::vector<int> pages_;
    std::vector<int> tabs_;
    int current_ = 0;
};
