#pragma once

#include <algorithm>
#include <filesystem>
#include <vector>

#include "Fc18v3DataSet.h"
#include "editors/EditorHost.h"
#include "editors/fc18v3/Fc18v3Pages.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

// A stand-in for the main window of an FC18V3 data set: the normal tab set is get data,
// models, content, base page, mixing page, save; the editing set the base page and the
// mixing page. The mixing tab keeps the page it shows when the sets change.
class Fc18v3Host : public EditorHost {
  public:
    explicit Fc18v3Host(const std::filesystem::path& folder) : language_(folder) {
        CopyLanguageFiles(folder);
        language_.LoadLanguage(1);
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
        return pageNumber >= fc18v3::kBasePage && pageNumber <= fc18v3::kSegler2Page;
    }
    int CurrentTab() const override { return current_; }
    void SelectTab(int position) override { current_ = position; }
    void BuildTabs(int set) override {
        sets.push_back(set);
        const auto base = std::find(tabs_.begin(), tabs_.end(), fc18v3::kBasePage);
        const int mixing = base + 1 != tabs_.end() ? *(base + 1) : fc18v3::kStandardPage;
        tabs_ = set == 2 ? std::vector<int>{fc18v3::kBasePage, mixing}
                         : std::vector<int>{0, 1, 2, fc18v3::kBasePage, mixing, 3};
    }
    void PrintPage(QWidget&, int model) override { printed.push_back(model); }

    std::vector<int> sets;
    std::vector<int> printed;
    ScriptedDialogs dialogs_;

  private:
    CamPacData data_ = Fc18v3DataSet();
    TransmitterCatalogue catalogue_;
    LanguageTable language_;
    std::vector<int> tabs_ = {0, 1, 2, fc18v3::kBasePage, fc18v3::kStandardPage, 3};
    int current_ = 3;
};
