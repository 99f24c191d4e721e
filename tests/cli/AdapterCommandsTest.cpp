#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/AdapterTestCommand.h"
#include "cli/CompareCommand.h"
#include "cli/ReadCommand.h"
#include "cli/WriteCommand.h"
#include "dataset/DataSetFiles.h"
#include "support/CommandCall.h"
#include "support/NoAdapterMachine.h"
#include "support/TestFiles.h"

namespace {

using MachineCommand = int (*)(const std::vector<std::string>&, const std::filesystem::path&,
                               std::ostream&, std::ostream&, const HardwareMachine&);

class AdapterCommands : public testing::Test {
  protected:
    AdapterCommands() {
        CopyLanguageFiles(program.path());
        WriteBytes(image, HeaderedImage(2048, 3, 0x0002));
    }

    CommandRun Run(CliCommand command, const std::vector<std::string>& words) {
        return CallCommand(command, words, program.path());
    }
    // A command on this machine without any adapter.
    CommandRun OnBareMachine(MachineCommand command, const std::vector<std::string>& words) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = command(words, program.path(), out, err, NoAdapterMachine(bare.path()));
        return {status, out.str(), err.str()};
    }

    TempFolder program;
    TempFolder work;
    TempFolder bare;
    std::filesystem::path image = work / "module.img";
};

// ---- adapter-test -------------------------------------------------------------------

TEST_F(AdapterCommands, LineTestOnTheSimulatedParallelPort) {
    struct Case {
        std::vector<std::string> extra;
        int status;
        const char* json;
    };
    const Case cases[] = {
        {{},
         0,
         R"j({"adapter": "lpt", "lineTest": {"passed": true, "text": 197, "step": 7}, "waitstates": 150})j"},
        {{"--fault", "sda-stuck-low"},
         1,
         R"j({"adapter": "lpt", "lineTest": {"passed": false, "text": 195, "step": 1}, "waitstates": 150})j"},
        {{"--fault", "scl-stuck-low"},
         1,
         R"j({"adapter": "lpt", "lineTest": {"passed": false, "text": 196, "step": 2}, "waitstates": 150})j"},
        {{"--fault", "no-ack", "--fault", "scl-stuck-high", "--waitstates", "20"},
         1,
         R"j({"adapter": "lpt", "lineTest": {"passed": false, "text": 196, "step": 3}, "waitstates": 20})j"},
        {{"--fault", "port-denied"},
         1,
         R"j({"error": {"text": 76, "message": "Zugriff über den Porttreiber fehlgeschlagen (Fehlercode 13).\r\n(0x378: Permission denied)"}})j"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{"--simulate", image.string(), "--adapter", "lpt", "--json"};
        words.insert(words.end(), c.extra.begin(), c.extra.end());
        const CommandRun run = Run(RunAdapterTestCommand, words);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, std::string(c.json) + "\n");
    }
}

TEST_F(AdapterCommands, LineTestTellsTheFailingStepInWords) {
    const CommandRun run =
        Run(RunAdapterTestCommand, {"--simulate", image.string(), "--adapter", "lpt", "--fault",
                                    "scl-stuck-low", "--lang", "English"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "Step 2: Line test failed: the input SCL-In shows the wrong level.\n"
              "Please check adapter, cable and LPT address.\n");
}

TEST_F(AdapterCommands, InformationOfTheSimulatedUsbAdapter) {
    const CommandRun run =
        Run(RunAdapterTestCommand, {"--simulate", image.string(), "--adapter", "usb", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        R"j({"adapter": "usb", "found": true, "info": {"text": "FW=1.3\nPC=12000000\nTC=52\nTP=0\n\nTakt: 100000 Hz", "processorClock": 12000000, "divisor": 52, "prescalerIndex": 0, "clockHz": 100000}})j"
        "\n");
}

// ---- a machine without the adapter ----------------------------------------------------

TEST_F(AdapterCommands, WithoutTheUsbAdapterEveryCommandFailsWithItsText) {
    // No settings file: the USB adapter is the default.
    const auto rom = (work / "out.rom").string();
    CommandRun read = OnBareMachine(RunReadCommand, {rom, "--json"});
    EXPECT_EQ(read.status, 1);
    EXPECT_EQ(read.out.rfind(R"j({"error": {"text": 101, "message": ")j", 0), 0u) << read.out;
    EXPECT_FALSE(std::filesystem::exists(rom));

    read = OnBareMachine(RunReadCommand, {rom, "--lang", "English"});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.err.find("The USB adapter was not found."), std::string::npos) << read.err;

    WriteBytes(work / "in.rom", BuildRomFile({}));
    EXPECT_EQ(OnBareMachine(RunCompareCommand, {(work / "in.rom").string()}).status, 1);
    EXPECT_EQ(OnBareMachine(RunWriteCommand,
                            {(work / "in.rom").string(), "--backups", (work / "backups").string()})
                  .status,
              1);
    EXPECT_FALSE(std::filesystem::exists(work / "backups"));

    const CommandRun test = OnBareMachine(RunAdapterTestCommand, {"--json"});
    EXPECT_EQ(test.status, 1);
    EXPECT_EQ(test.out, "{\"adapter\": \"usb\", \"found\": false, \"info\": null}\n");
}

TEST_F(AdapterCommands, WithoutTheParallelPortTheAccessMessageSaysWhichAddress) {
    const auto rom = (work / "out.rom").string();
    CommandRun read = OnBareMachine(RunReadCommand, {rom, "--adapter", "lpt", "--lang", "English"});
    EXPECT_EQ(read.status, 1);
    EXPECT_EQ(read.err,
              "keplund-cli: The port driver could not be opened. The LPT adapter cannot be "
              "used.\r\n(no parallel port at 0x378)\n");

    read =
        OnBareMachine(RunReadCommand, {rom, "--adapter", "lpt", "--lpt-address", "03bc", "--json"});
    EXPECT_EQ(read.status, 1);
    EXPECT_EQ(read.out.rfind(R"j({"error": {"text": 75,)j", 0), 0u) << read.out;
    EXPECT_NE(read.out.find("0x3BC"), std::string::npos);

    const CommandRun test = OnBareMachine(RunAdapterTestCommand, {"--adapter", "lpt", "--json"});
    EXPECT_EQ(test.status, 1);
    EXPECT_EQ(test.out.rfind(R"j({"error": {"text": 75,)j", 0), 0u) << test.out;
}

// ---- the write that cannot change the module --------------------------------------------

TEST_F(AdapterCommands, AWriteProtectedModuleFailsTheVerifyAndKeepsTheBackup) {
    for (const char* adapter : {"lpt", "usb"}) {
        SCOPED_TRACE(adapter);
        const std::vector<Byte> module = HeaderedImage(2048, 3, 0x0002);
        std::vector<Byte> wanted = module;
        wanted[100] = static_cast<Byte>(wanted[100] + 1);
        wanted[1500] = static_cast<Byte>(wanted[1500] + 1);
        WriteBytes(image, wanted);
        const auto rom = (work / "wanted.rom").string();
        ASSERT_EQ(
            Run(RunReadCommand, {rom, "--simulate", image.string(), "--adapter", adapter}).status,
            0);
        WriteBytes(image, module);
        const auto backups = work / (std::string("backups-") + adapter);

        const CommandRun write = Run(
            RunWriteCommand, {rom, "--simulate", image.string(), "--adapter", adapter, "--fault",
                              "write-protected", "--backups", backups.string(), "--json"});
        EXPECT_EQ(write.status, 1);
        EXPECT_NE(write.out.find("Prüfung fehlgeschlagen: 2 Bytes falsch"), std::string::npos)
            << write.out;
        EXPECT_EQ(ReadBytes(image), module);
        // The backup holds the module as it was before the write.
        std::vector<std::filesystem::path> kept;
        for (const auto& entry : std::filesystem::directory_iterator(backups)) {
            kept.push_back(entry.path());
        }
        ASSERT_EQ(kept.size(), 1u);
        TransmitterCatalogue catalogue;
        CamPacData backup;
        ASSERT_TRUE(ReadDataSetFile(kept.front(), backup, catalogue).status.ok());
        EXPECT_EQ(std::vector<Byte>(backup.image.begin(), backup.image.begin() + 2048), module);
    }
}

// ---- command lines ------------------------------------------------------------------------

TEST_F(AdapterCommands, RefusesAdapterOptionsItCannotUse) {
    const auto rom = (work / "out.rom").string();
    const std::vector<std::vector<std::string>> refused{
        {rom, "--fault", "no-ack"},
        {rom, "--simulate", image.string(), "--fault", "sda-stuck-high"},
        {rom, "--simulate", image.string(), "--fault", "flip:9000"},
        {rom, "--lpt-address", "378"},
        {rom, "--lpt-address", "0x378"},
        {rom, "--waitstates", "5001"},
        {rom, "--waitstates", "fast"},
        {rom, "--adapter", "serial"},
    };
    for (const auto& words : refused) {
        SCOPED_TRACE(words[2]);
        const CommandRun run = Run(RunReadCommand, words);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage: keplund-cli read"), std::string::npos) << run.err;
    }
    EXPECT_EQ(Run(RunAdapterTestCommand, {"extra", "--simulate", image.string()}).status, 2);
}

}  // namespace
