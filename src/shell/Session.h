#pragma once

#include <filesystem>
#include <string>

#include "common/PageMargins.h"
#include "dataset/CamPacData.h"
#include "dataset/TransmitterCatalogue.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"

// Everything one run of the program holds: the catalogue, the one data set, the settings
// and the open language file, and the folders and print margins remembered for this run.
struct Session {
    explicit Session(std::filesystem::path folder)
        : programFolder(folder), startFolder(folder), language(std::move(folder)) {}

    std::filesystem::path programFolder;
    // Where the file dialogs start while they remember no folder (the program sets the
    // user's documents folder).
    std::filesystem::path startFolder;
    TransmitterCatalogue catalogue;
    CamPacData data;
    Settings settings;
    LanguageTable language;
    std::string dataSetFolder;  // empty: the start folder
    std::string modelFolder;
    // The margins of printed editor pages as the page-setup dialog last took them; they
    // start at 0 and are not stored in the settings file.
    PageMargins pageMargins;

    std::string FolderOrStart(const std::string& remembered) const {
        return remembered.empty() ? startFolder.string() : remembered;
    }
};
