#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "dataset/ModelDirectory.h"
#include "dataset/Version2Import.h"
#include "shell/Session.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A version 2.x file: the four head lines, the comment and one line per byte value.
std::string Version2File(const std::string& version, const std::string& kind,
                         const std::string& size, const std::string& comment,
                         const std::vector<int>& bytes, const char* lineEnd = "\r\n") {
    std::string text =
        version + lineEnd + kind + lineEnd + size + lineEnd + "0" + lineEnd + comment + lineEnd;
    for (int b : bytes) {
        text += std::to_string(b) + lineEnd;
    }
    return text;
}

std::vector<int> CountingBytes(int count) {
    std::vector<int> bytes;
    for (int i = 0; i < count; ++i) {
        bytes.push_back(i % 256);
    }
    return bytes;
}

struct ImportCase {
    const char* what;
    std::string kind;
    std::string size;
    int bytes;
    std::string typeName;
    int imageSize;
    int typeIndex;
    int modelCount;
};

void PrintTo(const ImportCase& c, std::ostream* out) {
    *out << c.what;
}

class Version2Kinds : public testing::TestWithParam<ImportCase> {};

TEST_P(Version2Kinds, GiveTypeAndSizeFromLines2And3) {
    const ImportCase& c = GetParam();
    TempFolder folder;
    WriteText(folder / "old.txt",
              Version2File("26", c.kind, c.size, "Vereinsmodelle", CountingBytes(c.bytes)));
    TransmitterCatalogue catalogue;
    CamPacData data;
    ASSERT_TRUE(ReadVersion2File(folder / "old.txt", data, catalogue)) << c.what;
    EXPECT_EQ(data.typeName, c.typeName) << c.what;
    EXPECT_EQ(data.imageSize, c.imageSize) << c.what;
    EXPECT_EQ(data.typeIndex, c.typeIndex) << c.what;
    EXPECT_EQ(data.modelCount, c.modelCount) << c.what;
    EXPECT_EQ(data.dataSetComment, "Vereinsmodelle");
    EXPECT_EQ(data.state, DataSetState::Unchanged);
    EXPECT_EQ(data.fileName, "old.txt");
    for (int i = 0; i < data.imageSize; ++i) {
        ASSERT_EQ(data.image[i], i % 256) << c.what << " byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Version2Kinds,
    testing::Values(ImportCase{"FC16 64k", "2", "33", 8192, "FC16      ", 8192, 1, 102},
                    ImportCase{"FC18V3 4k", "2", "01", 512, "FC18V3    ", 512, 0, 2},
                    ImportCase{"FF8 16k", "2", "22", 2048, "FF8       ", 2048, 6, 8},
                    // The FC18V2 has no catalogue entry: its data sets are of unknown type.
                    ImportCase{"FC18V2 16k", "2", "12", 2048, "Unbekannt ", 2048, 14, 0},
                    ImportCase{"raw 2k", "1", "1", 256, "Unbekannt ", 256, 14, 0},
                    ImportCase{"raw 16k", "1", "4", 2048, "Unbekannt ", 2048, 14, 0}));

TEST(Version2Import, ByteLinesKeepTheirLowEightBitsAndMissingLinesReadAsZero) {
    TempFolder folder;
    WriteText(folder / "short.txt", Version2File("20", "1", "2", "", {300, 255, -1, 7}, "\n"));
    TransmitterCatalogue catalogue;
    CamPacData data;
    ASSERT_TRUE(ReadVersion2File(folder / "short.txt", data, catalogue));
    ASSERT_EQ(data.imageSize, 512);
    EXPECT_EQ(data.image[0], 44);
    EXPECT_EQ(data.image[1], 255);
    EXPECT_EQ(data.image[2], 255);
    EXPECT_EQ(data.image[3], 7);
    for (int i = 4; i < 512; ++i) {
        ASSERT_EQ(data.image[i], 0) << i;
    }
}

TEST(Version2Import, RefusesWithTheTextsOfEachCheckAndLeavesTheDataSetReset) {
    struct Case {
        std::string version;
        std::string kind;
        std::string size;
        int text;
    };
    // A size the file does not give would leave an image of no bytes that no CamPac and no
    // CamPac file can take: refused like a CamPac file of a bad size.
    for (const Case& c : std::vector<Case>{{"30", "1", "2", 46},
                                           {"19", "1", "2", 46},
                                           {"", "1", "2", 46},
                                           {"29", "3", "2", 51},
                                           {"20", "0", "2", 51},
                                           {"26", "1", "5", 49},
                                           {"26", "1", "0", 49},
                                           {"26", "2", "04", 49},
                                           {"26", "2", "30", 49}}) {
        TempFolder folder;
        WriteText(folder / "bad.txt",
                  Version2File(c.version, c.kind, c.size, "x", CountingBytes(512)));
        TransmitterCatalogue catalogue;
        CamPacData data;
        ASSERT_TRUE(InitialiseImage(data, catalogue, "FF9       ", 2048));
        const Status status = ReadVersion2File(folder / "bad.txt", data, catalogue);
        ASSERT_FALSE(status) << c.version << "/" << c.kind << "/" << c.size;
        EXPECT_EQ(status.error().text, c.text);
        EXPECT_EQ(data.imageSize, 0);
        EXPECT_EQ(data.state, DataSetState::None);
        EXPECT_EQ(data.image[0], 0xFF);
        EXPECT_EQ(data.dataSetComment, "");
    }
}

class ImportCommand : public testing::Test {
  protected:
    ImportCommand() : session(folder.path()) {
        InitialiseImage(session.data, session.catalogue, "FC18V3    ", 2048);
        WriteText(folder / "old.txt", Version2File("26", "2", "32", "", CountingBytes(2048)));
    }
    TempFolder folder;
    Session session;
    ScriptedDialogs dialogs;
};

// A cancelled file dialog, or No to the discard question, keeps the data set.
TEST_F(ImportCommand, CancellingKeepsTheDataSet) {
    const auto image = session.data.image;
    EXPECT_EQ(ImportVersion2File(session, dialogs), CommandOutcome::Cancelled);
    EXPECT_EQ(session.data.image, image);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].defaultExtension, "rom");

    session.data.state = DataSetState::Changed;
    dialogs.files.push_back((folder / "old.txt").string());
    EXPECT_EQ(ImportVersion2File(session, dialogs), CommandOutcome::Cancelled);
    EXPECT_EQ(dialogs.ShownNumbers(), std::vector<int>{44});
    EXPECT_EQ(session.data.typeName, "FC18V3    ");
}

TEST_F(ImportCommand, ReplacesTheDataSetAndRemembersTheFolder) {
    session.data.state = DataSetState::Changed;
    dialogs.answers.push_back(Answer::Yes);
    dialogs.files.push_back((folder / "old.txt").string());
    EXPECT_EQ(ImportVersion2File(session, dialogs), CommandOutcome::Done);
    EXPECT_EQ(session.data.typeName, "FC16      ");
    EXPECT_EQ(session.data.modelCount, 25);
    EXPECT_EQ(session.data.state, DataSetState::Unchanged);
    EXPECT_EQ(session.dataSetFolder, folder.path().string());
}

// The file is read into a data set of its own: a failed import leaves the open data set,
// unsaved changes included, as it was.
TEST_F(ImportCommand, AFailedReadShowsItsTextAndLeavesTheOpenDataSet) {
    dialogs.files.push_back((folder / "old.txt").string());
    ASSERT_EQ(ImportVersion2File(session, dialogs), CommandOutcome::Done);
    session.data.image[300] = 0x5A;
    session.data.state = DataSetState::Changed;
    WriteText(folder / "bad.txt", "31\r\n");
    dialogs.answers.push_back(Answer::Yes);
    dialogs.files.push_back((folder / "bad.txt").string());
    EXPECT_EQ(ImportVersion2File(session, dialogs), CommandOutcome::Failed);
    EXPECT_EQ(dialogs.ShownNumbers(), (std::vector<int>{44, 46}));
    EXPECT_EQ(session.data.state, DataSetState::Changed);
    EXPECT_EQ(session.data.typeName, "FC16      ");
    EXPECT_EQ(session.data.image[300], 0x5A);
    EXPECT_EQ(dialogs.fileRequests.back().title, 575);
}

}  // namespace
