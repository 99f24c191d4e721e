#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CompareCommand.h"
#include "cli/ReadCommand.h"
#include "cli/WriteCommand.h"
#include "support/CommandCall.h"
#include "support/TestFiles.h"

namespace {

class TransferCommands : public ::testing::TestWithParam<std::string> {
  protected:
    TransferCommands() { CopyLanguageFiles(program.path()); }

    CommandRun Command(CliCommand command, std::vector<std::string> words) {
        words.insert(words.end(), {"--simulate", image.string(), "--adapter", GetParam(),
                                   "--backups", (work / "backups").string()});
        return CallCommand(command, words, program.path());
    }

    TempFolder program;
    TempFolder work;
    std::filesystem::path image = work / "module.img";
};

TEST_P(TransferCommands, ReadCompareWriteRoundTripOnEverySize) {
    for (int size : {256, 512, 1024, 2048, 8192}) {
        SCOPED_TRACE(size);
        const std::vector<Byte> original = HeaderedImage(size, 0, 0x0701);
        WriteBytes(image, original);
        const auto rom = (work / "read.rom").string();
        ASSERT_EQ(Command(RunReadCommand, {rom, "--json"}).status, 0);

        CommandRun same = Command(RunCompareCommand, {rom, "--json"});
        EXPECT_EQ(same.status, 0);
        EXPECT_EQ(same.out, "{\"differences\": 0, \"lines\": []}\n");

        std::vector<Byte> changed = original;
        changed[17] = 101;
        WriteBytes(image, changed);
        CommandRun differ = Command(RunCompareCommand, {rom, "--json"});
        EXPECT_EQ(differ.status, 1);
        char expected[64];
        std::snprintf(expected, sizeof expected, "1. Byte 17 PC: %03d Chip: 101", original[17]);
        EXPECT_EQ(differ.out,
                  "{\"differences\": 1, \"lines\": [\"" + std::string(expected) + "\"]}\n");

        CommandRun write = Command(RunWriteCommand, {rom, "--only-changes", "--json"});
        EXPECT_EQ(write.status, 0) << write.err;
        EXPECT_NE(write.out.find("\"bytesWritten\": 8"), std::string::npos) << write.out;
        EXPECT_NE(write.out.find("\"verified\": true"), std::string::npos);
        EXPECT_EQ(ReadBytes(image), original);
    }
}

// Progress and summary speak one language: the one of --lang.
TEST_P(TransferCommands, ProgressAndSummarySpeakOneLanguage) {
    WriteBytes(image, HeaderedImage(512, 1, 0x0701));
    const auto rom = (work / "read.rom").string();
    const struct {
        const char* language;
        const char* read;
        const char* writing;
        const char* written;
        const char* compared;
    } cases[] = {
        {"English", "Read 512 bytes (FF9       ) into ", "Writing ...",
         "512 bytes written, verify passed. Backup: ", "Comparison finished: 0 differences."},
        {"Deutsch", "512 Bytes (FF9       ) gelesen und in ", "Schreibe ...",
         "512 Bytes geschrieben, Prüfung bestanden. Sicherung: ",
         "Vergleich beendet: 0 Unterschiede."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        const CommandRun read = Command(RunReadCommand, {rom, "--lang", c.language});
        ASSERT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(read.out.rfind(c.read, 0), 0u) << read.out;
        const CommandRun write = Command(RunWriteCommand, {rom, "--lang", c.language});
        ASSERT_EQ(write.status, 0) << write.err;
        EXPECT_NE(write.err.find(c.writing), std::string::npos) << write.err;
        EXPECT_EQ(write.out.rfind(c.written, 0), 0u) << write.out;
        const CommandRun compare = Command(RunCompareCommand, {rom, "--lang", c.language});
        EXPECT_EQ(compare.out, std::string(c.compared) + "\n");
    }
}

TEST_P(TransferCommands, FailuresExitWithTheirText) {
    WriteBytes(image, std::vector<Byte>(300, 0));
    EXPECT_EQ(Command(RunReadCommand, {(work / "x.rom").string()}).status, 1);
    WriteBytes(image, HeaderedImage(512, 1, 0x0002));
    const auto rom = (work / "small.rom").string();
    ASSERT_EQ(Command(RunReadCommand, {rom}).status, 0);
    WriteBytes(image, HeaderedImage(1024, 2, 0x0002));
    CommandRun mismatch = Command(RunCompareCommand, {rom, "--json"});
    EXPECT_EQ(mismatch.status, 1);
    EXPECT_EQ(mismatch.out.rfind("{\"error\": {\"text\": 109", 0), 0u) << mismatch.out;
}

// An image the simulated CamPac cannot use fails every command on it like any other
// failure; a text the program holds itself has no number.
TEST_P(TransferCommands, AnUnusableImageFailsWithTheErrorObject) {
    std::filesystem::create_directory(work / "folder");
    WriteBytes(work / "short.img", std::vector<Byte>(300, 0));
    const struct {
        std::filesystem::path image;
        std::string says;
    } cases[] = {
        {work / "missing.img", ": cannot be read"},
        {work / "folder", ": not a regular file"},
        {work / "short.img", ": no CamPac image (256, 512, 1024, 2048 or 8192 bytes)"},
    };
    const CliCommand commands[] = {RunReadCommand, RunCompareCommand, RunWriteCommand};
    for (const CliCommand command : commands) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.image.string());
            image = c.image;
            const CommandRun run = Command(command, {(work / "x.rom").string(), "--json"});
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "{\"error\": {\"text\": null, \"message\": \"" + c.image.string() +
                                   c.says + "\"}}\n");
        }
    }
}

// A write that reached the module but cannot keep the image file fails with that failure.
TEST_P(TransferCommands, AnImageThatCannotBeWrittenBackFailsTheWrite) {
    WriteBytes(image, HeaderedImage(512, 1, 0x0701));
    const auto rom = (work / "read.rom").string();
    ASSERT_EQ(Command(RunReadCommand, {rom}).status, 0);
    // The image is replaced through a temporary file beside it: a folder of that name
    // keeps it from being written, whoever runs the tests.
    std::filesystem::create_directory(image.string() + ".keplund-" + std::to_string(::getpid()) +
                                      ".tmp");
    const CommandRun write = Command(RunWriteCommand, {rom, "--json"});
    EXPECT_EQ(write.status, 1);
    EXPECT_EQ(write.out.rfind("{\"error\": {\"text\": 45, ", 0), 0u) << write.out;
}

TEST(TransferCommandsOptions, WrongCommandLinesExitWith2) {
    TempFolder program;
    CopyLanguageFiles(program.path());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunReadCommand({"x.rom", "--adapter", "serial"}, program.path(), out, err), 2);
    // The trace records the simulated parallel-port bus only.
    EXPECT_EQ(
        RunReadCommand({"x.rom", "--adapter", "lpt", "--trace", "t.vcd"}, program.path(), out, err),
        2);
    EXPECT_EQ(RunCompareCommand({}, program.path(), out, err), 2);
    EXPECT_EQ(RunWriteCommand({"a.rom", "--bogus"}, program.path(), out, err), 2);
}

INSTANTIATE_TEST_SUITE_P(Adapters, TransferCommands, ::testing::Values("lpt", "usb"));

}  // namespace
