#pragma once

#include <filesystem>
#include <string>

#include "dataset/CamPacData.h"
#include "dataset/TransmitterCatalogue.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"

// Everything one run of the program holds: the catalogue, the one data set, the settings
// and the open language file, and the folders the file dialogs remember for this run.
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

    std::string FolderOrStart(const std::string& remembered) const {
        return remembered.empty() ? startFolder.string() : remembered;
    }
};
