#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/Bytes.h"
#include "common/UserDialogs.h"
#include "dataset/ModelDirectory.h"
#include "dataset/TransmitterCatalogue.h"

// Helpers shared by the fuzz targets. Each target feeds one reader of outside data with
// the fuzzer's bytes through the entry point the program itself uses.

// Declines every question and chooses no file: nothing a reader asks may need a user.
class NoUserDialogs : public UserDialogs {
  public:
    Answer Show(const Message& message) override { return DecliningAnswer(message.buttons); }
    std::optional<std::string> ChooseFileToOpen(const FileRequest&) override { return {}; }
    std::optional<std::string> ChooseFileToSave(const FileRequest&) override { return {}; }
    std::optional<std::string> ChooseFolder(const FileRequest&) override { return {}; }
    std::optional<std::string> PromptText(const std::string&) override { return {}; }
};

inline std::span<const Byte> InputBytes(const std::uint8_t* data, std::size_t size) {
    return {data, size};
}

// The input split at line feeds, each line without its line end.
inline std::vector<std::string> InputLines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(data[i]);
        }
    }
    lines.push_back(line);
    return lines;
}

// A folder of this fuzzing process for readers that take a file, removed at its end.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        // Memory-backed where there is such a folder: the file is written for every input.
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "keplund-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        static const struct Remover {
            std::filesystem::path path;
            ~Remover() {
                std::error_code ignored;
                std::filesystem::remove_all(path, ignored);
            }
        } remover{pattern};
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// The types with default model records, which a new data set can be made of.
inline constexpr int kTypesWithRecords = 5;

// A new 8192-byte data set of one of those types, as the "new" command makes it; `choice`
// picks the type.
inline bool NewDataSetOfType(int choice, CamPacData& set) {
    static const TransmitterCatalogue catalogue;
    static constexpr std::array<std::string_view, kTypesWithRecords> kTypes{
        "FC16      ", "FC18V3    ", "FX18V1/2  ", "FF9       ", "FF10      "};
    return InitialiseImage(set, catalogue, kTypes[choice % kTypesWithRecords], 8192).ok();
}

// Stops the fuzzer with a crash when a property of the program does not hold.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}
