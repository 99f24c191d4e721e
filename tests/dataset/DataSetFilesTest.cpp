#include <gtest/gtest.h>
#include <unistd.h>

#include "dataset/DataSetFiles.h"
#include "support/TestFiles.h"

namespace {

class DataSetFilesTest : public testing::Test {
  protected:
    DataSetFileRead Read(const RomFileFields& fields) {
        WriteBytes(file, BuildRomFile(fields));
        return ReadDataSetFile(file, data, catalogue);
    }

    void ExpectReset() {
        EXPECT_EQ(data.imageSize, 0);
        EXPECT_EQ(data.typeName, "");
        EXPECT_EQ(data.modelCount, 0);
        EXPECT_EQ(data.dataSetComment, "");
        EXPECT_EQ(data.fileName, "noname");
        EXPECT_EQ(data.image[0], kErasedByte);
    }

    TempFolder folder;
    std::filesystem::path file = folder / "set.rom";
    TransmitterCatalogue catalogue;
    CamPacData data;
};

TEST_F(DataSetFilesTest, ReadsAWholeCamPacFile) {
    RomFileFields fields;
    fields.comment = "Sommer 2024";
    fields.modelComments = {"Ka8", "", "Ask 21"};
    fields.modelComments.resize(11);
    const auto read = Read(fields);
    ASSERT_TRUE(read.status.ok());
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_EQ(data.typeName, "FC18V3    ");
    EXPECT_EQ(data.imageSize, 2048);
    EXPECT_EQ(data.modelCount, 11);
    EXPECT_EQ(data.dataSetComment, "Sommer 2024");
    EXPECT_EQ(data.modelComments[0], "Ka8");
    EXPECT_EQ(data.modelComments[2], "Ask 21");
    EXPECT_EQ(data.fileName, "set.rom");
    const auto image = HeaderedImage(2048, 3, 0x0002);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), data.image.begin()));
    EXPECT_EQ(data.image[2048], kErasedByte);
}

struct Refusal {
    const char* name;
    RomFileFields fields;
    int text;
    const char* suffix;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

Refusal Case(const char* name, int text, const char* suffix, void (*change)(RomFileFields&)) {
    RomFileFields fields;
    change(fields);
    return {name, fields, text, suffix};
}

class RefusedFiles : public DataSetFilesTest, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusedFiles, AreReportedAndLeaveTheDataSetReset) {
    const Refusal& refusal = GetParam();
    data.dataSetComment = "old";
    const auto read = Read(refusal.fields);
    ASSERT_FALSE(read.status.ok());
    EXPECT_EQ(read.status.error().text, refusal.text);
    EXPECT_EQ(read.status.error().suffix, refusal.suffix);
    ExpectReset();
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RefusedFiles,
    testing::Values(Case("FirstTag", 46, "\n\r ([Keplund ])",
                         [](RomFileFields& f) { f.keplundTag = "[Keplund]"; }),
                    Case("VersionTag", 46, "\n\r ([Version ])",
                         [](RomFileFields& f) { f.versionTag = "[Versionx]"; }),
                    Case("UnknownType", 48, "\n\r (FC99      )",
                         [](RomFileFields& f) { f.typeName = "FC99      "; }),
                    // The message shows the name as text: up to its filler, in UTF-8.
                    Case("ShortUnknownType", 48, "\n\r (FX19)",
                         [](RomFileFields& f) { f.typeName = "FX19"; }),
                    Case("UnknownTypeWithUmlaut", 48, "\n\r (M\xC3\xA4nner    )",
                         [](RomFileFields& f) { f.typeName = "M\xE4nner    "; }),
                    Case("CamPacTag", 46, "", [](RomFileFields& f) { f.camPacTag = "[Campac  ]"; }),
                    Case("Size4096", 49, "", [](RomFileFields& f) { f.size = "4096"; }),
                    Case("CommentTag", 46, "\n\r ([Kommenta])",
                         [](RomFileFields& f) { f.commentTag = "[Comment ]"; }),
                    Case("DataTag", 46, "\n\r ([Daten   ])",
                         [](RomFileFields& f) { f.dataTag = "[Data    ]"; }),
                    // A file cut inside its image must not load as if it were complete.
                    Case("CutImage", 46, "\n\r ([Daten   ])",
                         [](RomFileFields& f) {
                             f.image = HeaderedImage(2048, 3, 2);
                             f.image.resize(1000);
                             f.withModelComments = false;
                         })),
    [](const testing::TestParamInfo<Refusal>& param) { return param.param.name; });

TEST_F(DataSetFilesTest, VersionsFrom300To399AreRead) {
    for (const auto& [version, accepted] : std::vector<std::pair<std::string, bool>>{
             {"300", true}, {"399", true}, {"299", false}, {"400", false}, {"  350", true}}) {
        RomFileFields fields;
        fields.version = version;
        const auto read = Read(fields);
        EXPECT_EQ(read.status.ok(), accepted) << version;
        if (!accepted) {
            EXPECT_EQ(read.status.error().text, 47);
            EXPECT_EQ(read.status.error().suffix, "\n\r (" + version + ")")
                << "the field shown without its 0 filler";
        }
    }
}

TEST_F(DataSetFilesTest, TheOldFx18NameReadsAsTheNewOne) {
    RomFileFields fields;
    fields.typeName = "FX18V1    ";
    fields.image = HeaderedImage(2048, 3, 0x0901);
    ASSERT_TRUE(Read(fields).status.ok());
    EXPECT_EQ(data.typeName, "FX18V1/2  ");
    EXPECT_EQ(data.modelCount, 12);
}

TEST_F(DataSetFilesTest, AFileWithoutModelCommentsLoads) {
    RomFileFields fields;
    fields.withModelComments = false;
    ASSERT_TRUE(Read(fields).status.ok());
    for (int i = 0; i < data.modelCount; ++i) {
        EXPECT_EQ(data.modelComments[i], "");
    }
}

TEST_F(DataSetFilesTest, ACutModelCommentBlockKeepsTheWholeComments) {
    RomFileFields fields;
    fields.modelComments = {"erster", "zweiter"};
    auto bytes = BuildRomFile(fields);
    bytes.resize(bytes.size() - 20);
    WriteBytes(file, bytes);
    ASSERT_TRUE(ReadDataSetFile(file, data, catalogue).status.ok());
    EXPECT_EQ(data.modelComments[0], "erster");
    EXPECT_EQ(data.modelComments[1], "");
}

TEST_F(DataSetFilesTest, ZeroBytesInTextFieldsVanish) {
    RomFileFields fields;
    fields.comment = std::string("AB\0\0CD", 6);
    fields.modelComments = {std::string("x\0y", 3)};
    ASSERT_TRUE(Read(fields).status.ok());
    EXPECT_EQ(data.dataSetComment, "ABCD");
    EXPECT_EQ(data.modelComments[0], "xy");
}

TEST_F(DataSetFilesTest, ASizeCodeThatDoesNotFitIsAWarningOnly) {
    RomFileFields fields;
    fields.image = HeaderedImage(2048, 4, 0x0002);
    const auto read = Read(fields);
    ASSERT_TRUE(read.status.ok());
    ASSERT_EQ(read.warnings.size(), 1u);
    EXPECT_EQ(read.warnings[0].text, 62);
}

TEST_F(DataSetFilesTest, ReadingAndSavingGivesTheIdenticalBytes) {
    for (const auto& [size, code, type, name] :
         std::vector<std::tuple<int, int, int, std::string>>{{2048, 3, 0x0002, "FC18V3    "},
                                                             {8192, 4, 0x0103, "FC28V3    "},
                                                             {512, 1, 0x0A01, "FF10      "},
                                                             {256, 0, 0x0000, "Unbekannt "}}) {
        RomFileFields fields;
        fields.typeName = name;
        fields.size = std::to_string(size);
        fields.image = HeaderedImage(size, code, type);
        fields.comment = "\xC4nderung vom Mai";
        const TransmitterType& entry = catalogue.Entry(catalogue.IndexOfCode(type));
        for (int i = 0; i < entry.ModelCountFor(size); ++i) {
            fields.modelComments.push_back("Modell " + std::to_string(i));
        }
        const auto original = BuildRomFile(fields);
        WriteBytes(file, original);
        ASSERT_TRUE(ReadDataSetFile(file, data, catalogue).status.ok()) << name;
        const auto copy = folder / "copy.rom";
        ASSERT_TRUE(WriteDataSetFile(copy, data).ok());
        EXPECT_EQ(ReadBytes(copy), original) << name;
    }
}

TEST_F(DataSetFilesTest, AFailedSaveLeavesWhatWasThere) {
    // A folder in the target's place cannot be replaced: the save fails, the folder and
    // its content stay, and no temporary file is left behind.
    RomFileFields fields;
    ASSERT_TRUE(Read(fields).status.ok());
    const auto target = folder / "taken";
    std::filesystem::create_directories(target / "inside");
    const Status saved = WriteDataSetFile(target, data);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().text, 45);
    EXPECT_TRUE(std::filesystem::exists(target / "inside"));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++files;
    }
    EXPECT_EQ(files, 2) << "only set.rom and the folder";
}

TEST_F(DataSetFilesTest, SavingOverAFileKeepsItsPermissions) {
    namespace fs = std::filesystem;
    RomFileFields fields;
    fields.modelComments.resize(11);
    ASSERT_TRUE(Read(fields).status.ok());
    const auto target = folder / "kept.rom";
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
        WriteBytes(target, {1, 2, 3});
        fs::permissions(target, mode, fs::perm_options::replace);
        ASSERT_TRUE(WriteDataSetFile(target, data).ok());
        EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, mode)
            << static_cast<int>(mode);
        EXPECT_EQ(ReadBytes(target), ReadBytes(file));
    }
}

TEST_F(DataSetFilesTest, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "every file is writable for root";
    }
    ASSERT_TRUE(Read(RomFileFields{}).status.ok());
    const auto target = folder / "archive.rom";
    WriteBytes(target, {1, 2, 3});
    std::filesystem::permissions(target, std::filesystem::perms(0444),
                                 std::filesystem::perm_options::replace);
    const Status saved = WriteDataSetFile(target, data);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().text, 45);
    EXPECT_EQ(ReadBytes(target), (std::vector<Byte>{1, 2, 3}));
}

}  // namespace
