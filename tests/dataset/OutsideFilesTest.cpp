#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <thread>

#include "adapters/SimulatedConnection.h"
#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelFileBrowse.h"
#include "dataset/Version2Import.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

// Every reader of a file the user names (or that lies beside the program) reads only a
// regular file and nothing larger than the largest valid file of its kind: a folder, a
// FIFO or a device is refused before it is opened, an oversized file before it is read.

namespace {

std::string TextOf(const Message& message) {
    return message.text >= 0 ? "text " + std::to_string(message.text) : message.literal;
}

std::string Said(const Status& status) {
    return status ? "read" : TextOf(status.error());
}

// One reader: what it says about the file at `path`.
struct Reader {
    const char* name;
    std::function<std::string(const std::filesystem::path&)> read;
};

const TransmitterCatalogue& Catalogue() {
    static const TransmitterCatalogue catalogue;
    return catalogue;
}

std::vector<Reader> Readers() {
    return {
        {"CamPacFile",
         [](const std::filesystem::path& path) {
             CamPacData data;
             const std::string said = Said(ReadDataSetFile(path, data, Catalogue()).status);
             return said == "read" || data.state == DataSetState::None ? said : "not reset";
         }},
        {"ModelFile",
         [](const std::filesystem::path& path) {
             CamPacData data;
             EXPECT_TRUE(InitialiseImage(data, Catalogue(), "FF9       ", 2048));
             return Said(ReadModelFile(path, 0, data));
         }},
        {"ModelFilePreview",
         [](const std::filesystem::path& path) {
             const auto head = ReadModelFileHead(path, "FF9       ");
             return head ? std::string("read") : TextOf(head.error());
         }},
        {"Version2Import",
         [](const std::filesystem::path& path) {
             CamPacData data;
             return Said(ReadVersion2File(path, data, Catalogue()));
         }},
    };
}

class EveryReader : public testing::TestWithParam<Reader> {
  protected:
    TempFolder folder;
};

TEST_P(EveryReader, RefusesAFolderAndDevicesAsNoRegularFile) {
    std::filesystem::create_directory(folder / "folder.rom");
    EXPECT_EQ(GetParam().read(folder / "folder.rom"), "text 640");
    EXPECT_EQ(GetParam().read("/dev/null"), "text 640");
    EXPECT_EQ(GetParam().read("/dev/zero"), "text 640");
    EXPECT_EQ(GetParam().read(folder / "missing.rom"), "text 45");
}

// A FIFO blocks the opening until a writer comes; a reader that opened it would hang. Should
// one do so, the writer that comes after two seconds releases it and the test fails.
TEST_P(EveryReader, RefusesAFifoWithoutOpeningIt) {
    const auto fifo = folder / "fifo.rom";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> done = false;
    std::atomic<bool> released = false;
    std::thread writer([&] {
        for (int waited = 0; waited < 200 && !done; ++waited) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        while (!done) {
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                released = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    const std::string said = GetParam().read(fifo);
    done = true;
    writer.join();
    EXPECT_FALSE(released);
    EXPECT_EQ(said, "text 640");
}

INSTANTIATE_TEST_SUITE_P(Readers, EveryReader, testing::ValuesIn(Readers()),
                         [](const testing::TestParamInfo<Reader>& param) {
                             return std::string(param.param.name);
                         });

std::vector<Byte> PaddedTo(std::vector<Byte> bytes, std::size_t size) {
    bytes.resize(size, 0);
    return bytes;
}

// The largest CamPac file: 290 head bytes, 8192 image bytes, the 10-byte comment tag and
// 140 comments of 40 bytes. One byte more is refused before it is read.
TEST(OversizedFiles, CamPacFileUpToItsLargestSize) {
    TempFolder folder;
    WriteBytes(folder / "largest.rom", PaddedTo(BuildRomFile({}), 14092));
    WriteBytes(folder / "larger.rom", PaddedTo(BuildRomFile({}), 14093));
    EXPECT_EQ(Readers()[0].read(folder / "largest.rom"), "read");
    EXPECT_EQ(Readers()[0].read(folder / "larger.rom"), "text 641");
}

// The largest model file: 290 head bytes and a record as large as the largest image.
TEST(OversizedFiles, ModelFileUpToItsLargestSize) {
    TempFolder folder;
    WriteBytes(folder / "largest.mdl", PaddedTo(BuildMdlFile({}), 8482));
    WriteBytes(folder / "larger.mdl", PaddedTo(BuildMdlFile({}), 8483));
    for (const Reader& reader : {Readers()[1], Readers()[2]}) {
        EXPECT_EQ(reader.read(folder / "largest.mdl"), "read") << reader.name;
        EXPECT_EQ(reader.read(folder / "larger.mdl"), "text 641") << reader.name;
    }
}

TEST(OversizedFiles, Version2FileOfAMegabyteIsRefused) {
    TempFolder folder;
    std::string text = "26\r\n1\r\n1\r\n0\r\nKommentar\r\n";
    for (int i = 0; i < 256; ++i) {
        text += "7\r\n";
    }
    std::ofstream(folder / "v2.rom", std::ios::binary) << text;
    std::ofstream(folder / "v2big.rom", std::ios::binary) << text << std::string(1 << 20, '\n');
    EXPECT_EQ(Readers()[3].read(folder / "v2.rom"), "read");
    EXPECT_EQ(Readers()[3].read(folder / "v2big.rom"), "text 641");
}

// The simulated CamPac takes its module from a raw image file.
std::string OpenSimulated(const std::filesystem::path& image) {
    ScriptedDialogs dialogs;
    SimulatedConnection::Options options;
    options.image = image;
    const auto opened = SimulatedConnection::Open(options, dialogs);
    if (opened) {
        return "read";
    }
    const std::string& said = opened.error().literal;
    return said.rfind(image.string(), 0) == 0 ? said.substr(image.string().size()) : said;
}

TEST(SimulatedModuleFile, IsARegularFileOfACamPacSize) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "module.bin");
    EXPECT_EQ(OpenSimulated(folder / "module.bin"), ": not a regular file");
    EXPECT_EQ(OpenSimulated("/dev/zero"), ": not a regular file");
    EXPECT_EQ(OpenSimulated(folder / "absent.bin"), ": cannot be read");
    WriteBytes(folder / "odd.bin", std::vector<Byte>(1000, 0xFF));
    EXPECT_EQ(OpenSimulated(folder / "odd.bin"),
              ": no CamPac image (256, 512, 1024, 2048 or 8192 bytes)");
    WriteBytes(folder / "big.bin", std::vector<Byte>(8193, 0xFF));
    EXPECT_EQ(OpenSimulated(folder / "big.bin"),
              ": no CamPac image (256, 512, 1024, 2048 or 8192 bytes)");
    WriteBytes(folder / "largest.bin", std::vector<Byte>(8192, 0xFF));
    EXPECT_EQ(OpenSimulated(folder / "largest.bin"), "read");
}

TEST(SettingsFileKinds, AFolderOrAnOversizedFileCountsAsNoSettingsFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "Keplund.ini");
    Settings settings;
    EXPECT_FALSE(LoadSettings(folder / "Keplund.ini", settings).loaded);
    EXPECT_FALSE(LoadSettings("/dev/zero", settings).loaded);
    std::ofstream(folder / "big.ini", std::ios::binary) << "309\r\n/x.rom\r\n888\r\n77\r\n"
                                                        << std::string(1 << 20, ' ');
    EXPECT_FALSE(LoadSettings(folder / "big.ini", settings).loaded);
    EXPECT_EQ(settings.waitStates, 150);
}

TEST(LanguageFileKinds, AFolderOrAnOversizedFileCannotBeOpened) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "English.lng");
    std::ofstream(folder / "Deutsch.lng", std::ios::binary) << std::string(2 << 20, '\n');
    LanguageTable table(folder.path());
    EXPECT_FALSE(table.LoadLanguage(2));
    EXPECT_FALSE(table.LoadLanguage(1));
}

}  // namespace
