#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/Result.h"
#include "dataset/CamPacData.h"

// Model files as the models page browses, previews and saves them.

// What the head of a model file says.
struct ModelFileHead {
    std::string typeName;
    int modelSize = 0;
    std::string comment;  // UTF-8
};
// Reads the head of a model file for the preview: text 129 when a tag is wrong or the file
// is too short, 47 for a version out of range, 48 for a model of another type than the
// data set's.
Result<ModelFileHead> ReadModelFileHead(const std::filesystem::path& path,
                                        const std::string& dataSetTypeName);
Result<ModelFileHead> DecodeModelFileHead(std::span<const Byte> bytes,
                                          const std::string& dataSetTypeName);

// One entry of the file browser.
struct BrowseEntry {
    enum class Kind { Up, Folder, ModelFile };
    Kind kind;
    std::string name;
};
// ".." first, then the sub-folders, then the files ending in ".mdl" (any case), each group
// sorted by name.
std::vector<BrowseEntry> BrowseFolder(const std::filesystem::path& folder);

// The file name a model gets when all models are saved: its number (1 for the first
// model) in three digits, a blank and its name, so the files sort by number and show the
// name. Characters a file name cannot hold become "_".
std::string ModelFileName(const CamPacData& data, int model);
// How many of the files "Alle Speichern" would write into the folder exist there already.
int ExistingModelFiles(const std::filesystem::path& folder, const CamPacData& data);
// Saves every model of the data set into the folder; stops at the first failure.
Status SaveAllModels(const std::filesystem::path& folder, const CamPacData& data);
