#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "common/Bytes.h"

// What survives between runs, in "Keplund.ini": eleven text lines identified by position.
struct Settings {
    static constexpr int kVersion = 309;

    std::string lastFilePath;
    std::uint16_t lptAddress = 888;
    std::int32_t waitStates = 150;
    bool clockFor64k = true;
    bool alwaysCompare = true;
    int useUsb = 1;
    int usbVendor = 5824;
    int usbProduct = 1503;
    bool ff9SuperAsFf9 = true;
    int language = 1;
};

struct SettingsLoad {
    bool loaded = false;             // false: missing, unreadable or of another version
    bool waitStatesMissing = false;  // line 4 was empty or outside 0 to 5000
};

// Reads the file over the defaults already in `settings`. A file of another version is
// ignored whole, its path line included.
// Only a regular file of at most the length of eleven such lines is read.
SettingsLoad LoadSettings(const std::filesystem::path& file, Settings& settings);
// The same from the file's bytes.
SettingsLoad ParseSettings(std::span<const Byte> bytes, Settings& settings);
bool SaveSettings(const std::filesystem::path& file, const Settings& settings);

// Where the settings file is read and written: beside the program, or, where that folder
// cannot be written (an installed program), in the user's configuration folder. It is read
// from the place it is written to when it exists there, else from the other place.
struct SettingsLocation {
    std::filesystem::path readFrom;
    std::filesystem::path writeTo;
};
SettingsLocation LocateSettings(const std::filesystem::path& programFolder);
SettingsLocation LocateSettings(const std::filesystem::path& programFolder,
                                bool programFolderWritable);
