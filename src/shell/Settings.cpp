#include "shell/Settings.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>
#include <vector>

#include "common/FileAccess.h"
#include "common/FileBytes.h"
#include "common/TextToInt.h"

namespace {

constexpr int kLineCount = 11;
constexpr const char* kFileName = "Keplund.ini";

// Ten numbers and a path: anything longer is no settings file of this program.
constexpr std::uintmax_t kLargestFile = 4096 + kLineCount * 16;
// The adapter dialog takes no more (text 212): more would make every LPT transfer hang.
constexpr int kMostWaitStates = 5000;

std::vector<std::string> SplitLines(std::span<const Byte> bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (static_cast<int>(lines.size()) < kLineCount && start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\n') {
            ++end;
        }
        std::string line(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                         bytes.begin() + static_cast<std::ptrdiff_t>(end));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    lines.resize(kLineCount);  // a line the file lacks reads as empty
    return lines;
}

std::filesystem::path UserConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        return std::filesystem::path(xdg) / "keplund";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".config" / "keplund";
    }
    return {};
}

}  // namespace

SettingsLoad LoadSettings(const std::filesystem::path& file, Settings& settings) {
    const FileBytes read = ReadFileBytes(file, kLargestFile);
    if (read.fault != FileFault::None) {
        return {};
    }
    return ParseSettings(read.bytes, settings);
}

SettingsLoad ParseSettings(std::span<const Byte> bytes, Settings& settings) {
    const auto lines = SplitLines(bytes);
    if (TextToInt(lines[0]) != Settings::kVersion) {
        return {};
    }
    SettingsLoad result;
    result.loaded = true;
    settings.lastFilePath = lines[1];
    if (!lines[2].empty()) {
        settings.lptAddress = static_cast<std::uint16_t>(TextToInt(lines[2]));
    }
    const int waitStates = TextToInt(lines[3]);
    if (lines[3].empty() || waitStates < 0 || waitStates > kMostWaitStates) {
        result.waitStatesMissing = true;
    } else {
        settings.waitStates = waitStates;
    }
    settings.clockFor64k = lines[4] == "1";
    settings.alwaysCompare = lines[5] == "1";
    settings.useUsb = TextToInt(lines[6]);
    settings.usbVendor = TextToInt(lines[7]);
    settings.usbProduct = TextToInt(lines[8]);
    settings.ff9SuperAsFf9 = lines[9] == "1";
    settings.language = TextToInt(lines[10]);
    if (settings.language < 1 || settings.language > 5) {
        settings.language = 1;
    }
    return result;
}

bool SaveSettings(const std::filesystem::path& file, const Settings& s) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        return false;
    }
    char line[64];
    auto number = [&](long long value) {
        std::snprintf(line, sizeof line, "%lld\r\n", value);
        out << line;
    };
    number(Settings::kVersion);
    out << s.lastFilePath << "\r\n";
    number(s.lptAddress);
    number(s.waitStates);
    number(s.clockFor64k ? 1 : 0);
    number(s.alwaysCompare ? 1 : 0);
    number(s.useUsb);
    number(s.usbVendor);
    number(s.usbProduct);
    number(s.ff9SuperAsFf9 ? 1 : 0);
    number(s.language);
    out.close();
    return !out.fail();
}

SettingsLocation LocateSettings(const std::filesystem::path& programFolder) {
    return LocateSettings(programFolder, MayWrite(programFolder));
}

SettingsLocation LocateSettings(const std::filesystem::path& programFolder,
                                bool programFolderWritable) {
    const auto besideProgram = programFolder / kFileName;
    const auto inUserConfig = UserConfigFolder() / kFileName;
    SettingsLocation location;
    location.writeTo = programFolderWritable ? besideProgram : inUserConfig;
    const auto& other = programFolderWritable ? inUserConfig : besideProgram;
    std::error_code error;
    location.readFrom =
        std::filesystem::exists(location.writeTo, error) || !std::filesystem::exists(other, error)
            ? location.writeTo
            : other;
    return location;
}
