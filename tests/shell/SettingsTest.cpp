#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <utility>

#include "shell/Settings.h"
#include "support/TestFiles.h"

namespace {

class SettingsTest : public testing::Test {
  protected:
    SettingsLoad Load(const std::string& content) {
        std::ofstream(file, std::ios::binary) << content;
        return LoadSettings(file, settings);
    }

    TempFolder folder;
    std::filesystem::path file = folder / "Keplund.ini";
    Settings settings;
};

TEST_F(SettingsTest, ReadsTheElevenLinesByPosition) {
    const auto load = Load(
        "309\r\n/home/pilot/fc18.rom\r\n632\r\n40\r\n0\r\n1\r\n0\r\n1234\r\n5678\r\n0\r\n3\r\n");
    EXPECT_TRUE(load.loaded);
    EXPECT_FALSE(load.waitStatesMissing);
    EXPECT_EQ(settings.lastFilePath, "/home/pilot/fc18.rom");
    EXPECT_EQ(settings.lptAddress, 632);
    EXPECT_EQ(settings.waitStates, 40);
    EXPECT_FALSE(settings.clockFor64k);
    EXPECT_TRUE(settings.alwaysCompare);
    EXPECT_EQ(settings.useUsb, 0);
    EXPECT_EQ(settings.usbVendor, 1234);
    EXPECT_EQ(settings.usbProduct, 5678);
    EXPECT_FALSE(settings.ff9SuperAsFf9);
    EXPECT_EQ(settings.language, 3);
}

TEST_F(SettingsTest, AFileOfAnotherVersionIsIgnoredWhole) {
    const auto load = Load("308\r\n/old/path.rom\r\n632\r\n");
    EXPECT_FALSE(load.loaded);
    EXPECT_EQ(settings.lastFilePath, "");
    EXPECT_EQ(settings.lptAddress, 888);
}

TEST_F(SettingsTest, AMissingFileKeepsTheDefaults) {
    EXPECT_FALSE(LoadSettings(folder / "absent.ini", settings).loaded);
    EXPECT_EQ(settings.waitStates, 150);
    EXPECT_EQ(settings.useUsb, 1);
    EXPECT_TRUE(settings.clockFor64k && settings.alwaysCompare && settings.ff9SuperAsFf9);
}

TEST_F(SettingsTest, EmptyAndOddLinesFollowTheirOwnRules) {
    // Empty address and waitstates keep their defaults; only the exact text "1" switches
    // an option on; a language outside 1 to 5 is German; missing lines read as empty.
    const auto load = Load("309\n\n\n\n 1\n1\n\n");
    EXPECT_TRUE(load.loaded);
    EXPECT_TRUE(load.waitStatesMissing);
    EXPECT_EQ(settings.lptAddress, 888);
    EXPECT_EQ(settings.waitStates, 150);
    EXPECT_FALSE(settings.clockFor64k);
    EXPECT_TRUE(settings.alwaysCompare);
    EXPECT_EQ(settings.useUsb, 0);
    EXPECT_EQ(settings.usbVendor, 0);
    EXPECT_FALSE(settings.ff9SuperAsFf9);
    EXPECT_EQ(settings.language, 1);
    Load("309\n\n\n\n\n\n\n\n\n\n7\n");
    EXPECT_EQ(settings.language, 1);
}

// The adapter dialog takes waitstates from 0 to 5000; the file is held to the same bounds,
// since a huge value would make every parallel-port transfer hang. A value outside counts
// as missing: the default stays and the start-up says so.
TEST_F(SettingsTest, WaitstatesOutsideTheDialogsBoundsCountAsMissing) {
    const std::pair<const char*, int> cases[] = {
        {"5000", 5000}, {"0", 0}, {"5001", 150}, {"2147483647", 150}, {"-1", 150}};
    for (const auto& [line, kept] : cases) {
        Settings read;
        std::ofstream(file, std::ios::binary) << "309\r\n\r\n888\r\n" << line << "\r\n0\r\n";
        const SettingsLoad load = LoadSettings(file, read);
        EXPECT_TRUE(load.loaded) << line;
        EXPECT_EQ(load.waitStatesMissing, kept == 150) << line;
        EXPECT_EQ(read.waitStates, kept) << line;
    }
}

TEST_F(SettingsTest, WritesWhatItReadsByteForByte) {
    const std::string written =
        "309\r\n/data/Mein Modell.rom\r\n888\r\n150\r\n1\r\n0\r\n1\r\n5824\r\n1503\r\n1\r\n2\r\n";
    Load(written);
    const auto copy = folder / "copy.ini";
    ASSERT_TRUE(SaveSettings(copy, settings));
    const auto bytes = ReadBytes(copy);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), written);
}

TEST_F(SettingsTest, AnInstalledProgramKeepsItsSettingsInTheUserFolder) {
    const auto program = folder / "program";
    const auto config = folder / "config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    EXPECT_EQ(LocateSettings(program, true).writeTo, program / "Keplund.ini");
    EXPECT_EQ(LocateSettings(program, true).readFrom, program / "Keplund.ini");

    const auto installed = LocateSettings(program, false);
    EXPECT_EQ(installed.writeTo, config / "keplund" / "Keplund.ini");
    EXPECT_EQ(installed.readFrom, installed.writeTo);
}

TEST_F(SettingsTest, SettingsAreReadFromWhereverTheyAreFound) {
    const auto program = folder / "program";
    const auto config = folder / "config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    std::filesystem::create_directories(program);
    std::ofstream(program / "Keplund.ini") << "309\n";
    EXPECT_EQ(LocateSettings(program, false).readFrom, program / "Keplund.ini");

    std::filesystem::create_directories(config / "keplund");
    std::ofstream(config / "keplund" / "Keplund.ini") << "309\n";
    EXPECT_EQ(LocateSettings(program, false).readFrom, config / "keplund" / "Keplund.ini");
    std::filesystem::remove(program / "Keplund.ini");
    EXPECT_EQ(LocateSettings(program, true).readFrom, config / "keplund" / "Keplund.ini");
}

}  // namespace
