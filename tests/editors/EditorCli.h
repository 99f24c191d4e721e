#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dataset/DataSetFiles.h"
#include "support/CommandCall.h"
#include "support/TestFiles.h"

// keplund-cli commands run on a data set file written into a folder with the language files.
struct EditorCli : testing::Test {
    EditorCli(const CamPacData& data, const std::string& fileName) : rom(folder / fileName) {
        CopyLanguageFiles(folder.path());
        EXPECT_TRUE(WriteDataSetFile(rom, data).ok());
    }
    int Run(CliCommand command, const std::vector<std::string>& words) {
        const CommandRun run = CallCommand(command, words, folder.path());
        out = run.out;
        err = run.err;
        return run.status;
    }
    // Every text stands somewhere in what the command printed.
    void ExpectIn(const std::vector<std::string>& expected) {
        for (const std::string& text : expected) {
            EXPECT_NE(out.find(text), std::string::npos) << text << "\n" << out;
        }
    }

    TempFolder folder;
    std::filesystem::path rom;
    std::filesystem::path written = folder / "out.rom";
    std::string out;
    std::string err;
};
