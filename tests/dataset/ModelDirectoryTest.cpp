#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dataset/CamPacData.h"
#include "dataset/ModelDirectory.h"

namespace {

// A data set of a type with every model byte distinct per model: byte j of model i is
// i * 31 + j.
CamPacData DataSetOf(const char* typeName, int size) {
    TransmitterCatalogue catalogue;
    CamPacData data;
    data.typeName = typeName;
    data.imageSize = size;
    IdentifyFromName(data, catalogue);
    for (int i = 0; i < data.modelCount; ++i) {
        for (int j = 0; j < data.modelSize; ++j) {
            data.image[data.firstModelOffset + i * data.modelSize + j] =
                static_cast<Byte>(i * 31 + j);
        }
        data.modelComments[i] = "comment " + std::to_string(i);
    }
    data.modelSlots.LoadModelSlots(data.image, data.firstModelOffset, data.modelCount,
                                   data.modelSize);
    data.state = DataSetState::Unchanged;
    return data;
}

std::vector<Byte> ImageModel(const CamPacData& data, int model) {
    const auto begin = data.image.begin() + data.firstModelOffset + model * data.modelSize;
    return {begin, begin + data.modelSize};
}

std::vector<Byte> SlotModel(const CamPacData& data, int model) {
    const auto slot = data.modelSlots.Slot(model);
    return {slot.begin(), slot.begin() + data.modelSize};
}

TEST(FillModelList, NumbersFromTheStartWithThreeDigits) {
    TransmitterCatalogue catalogue;
    CamPacData data;
    ASSERT_TRUE(InitialiseImage(data, catalogue, "FF9       ", 1024));
    struct Case {
        int start;
        std::vector<std::string> lines;
    };
    for (const Case& c : std::vector<Case>{
             {1, {"001: MODEL-09", "002: MODEL-10", "003: MODEL-11"}},
             {0, {"000: MODEL-09", "001: MODEL-10", "002: MODEL-11"}},
             {100, {"100: MODEL-09", "101: MODEL-10", "102: MODEL-11"}},
         }) {
        EXPECT_EQ(FillModelList(data, c.start), c.lines);
    }
}

TEST(FillModelList, AnUnknownTypeHasNoModels) {
    CamPacData data = DataSetOf("Unbekannt ", 2048);
    EXPECT_TRUE(FillModelList(data, 1).empty());
}

TEST(MoveModel, ExchangesBytesAndCommentsWithTheNeighbour) {
    struct Case {
        int model;
        MoveDirection direction;
        int other;
    };
    for (const Case& c :
         std::vector<Case>{{3, MoveDirection::Up, 2}, {3, MoveDirection::Down, 4}}) {
        CamPacData data = DataSetOf("FC18V3    ", 2048);
        const auto before = ImageModel(data, c.model);
        const auto otherBefore = ImageModel(data, c.other);
        EXPECT_EQ(MoveModel(data, c.model, c.direction), c.other);
        EXPECT_EQ(ImageModel(data, c.other), before);
        EXPECT_EQ(ImageModel(data, c.model), otherBefore);
        EXPECT_EQ(SlotModel(data, c.other), before);
        EXPECT_EQ(data.modelComments[c.other], "comment 3");
        EXPECT_EQ(data.modelComments[c.model], "comment " + std::to_string(c.other));
        EXPECT_EQ(data.state, DataSetState::Changed);
    }
}

TEST(MoveModel, FirstUpAndLastDownChangeNothing) {
    for (const auto& [model, direction] : std::vector<std::pair<int, MoveDirection>>{
             {0, MoveDirection::Up}, {10, MoveDirection::Down}}) {
        CamPacData data = DataSetOf("FC18V3    ", 2048);
        const auto image = data.image;
        EXPECT_EQ(MoveModel(data, model, direction), model);
        EXPECT_EQ(data.image, image);
        EXPECT_EQ(data.state, DataSetState::Unchanged);
    }
}

TEST(MoveModel, UpThenDownRestoresTheImage) {
    CamPacData data = DataSetOf("FF10      ", 8192);
    const auto image = data.image;
    const int moved = MoveModel(data, 7, MoveDirection::Up);
    EXPECT_EQ(MoveModel(data, moved, MoveDirection::Down), 7);
    EXPECT_EQ(data.image, image);
}

TEST(CopyModel, CopiesBytesAndCommentToTheTypedNumber) {
    CamPacData data = DataSetOf("FX18V1/2  ", 2048);
    const auto source = ImageModel(data, 1);
    ASSERT_TRUE(CopyModel(data, 1, "6"));
    EXPECT_EQ(ImageModel(data, 5), source);
    EXPECT_EQ(SlotModel(data, 5), source);
    EXPECT_EQ(data.modelComments[5], "comment 1");
    EXPECT_EQ(data.state, DataSetState::Changed);
    EXPECT_EQ(CopiedMessage().text, 125);
}

TEST(CopyModel, ANumberOutsideTheModelsIsText124AndChangesNothing) {
    for (const char* typed : {"0", "13", "-1", "abc", ""}) {
        CamPacData data = DataSetOf("FX18V1/2  ", 2048);
        const auto image = data.image;
        const Status status = CopyModel(data, 1, typed);
        ASSERT_FALSE(status) << typed;
        EXPECT_EQ(status.error().text, 124);
        EXPECT_EQ(data.image, image);
        EXPECT_EQ(data.state, DataSetState::Unchanged);
    }
}

TEST(CopyModel, OntoItselfKeepsTheBytesButMarksTheDataSetChanged) {
    CamPacData data = DataSetOf("FC18V3    ", 2048);
    const auto image = data.image;
    ASSERT_TRUE(CopyModel(data, 2, "3"));
    EXPECT_EQ(data.image, image);
    EXPECT_EQ(data.state, DataSetState::Changed);
}

TEST(CompareModels, ModelsThatDifferOnlyInTheirNamesAreEqual) {
    struct Case {
        const char* typeName;
        int size;
        int nameOffset;
        int nameLength;
    };
    for (const Case& c : std::vector<Case>{{"FC18V3    ", 2048, 0, 8},
                                           {"FC16      ", 2048, 32, 4},
                                           {"FC18V1    ", 2048, 45, 8},
                                           {"FC28V2    ", 2048, 0, 8},
                                           {"FF3       ", 2048, 0, 6},
                                           {"FF8       ", 2048, 2, 6},
                                           {"FF9 Super ", 2048, 4, 8},
                                           {"FF10      ", 2048, 0, 10},
                                           {"T3PK      ", 2048, 0, 10},
                                           {"FX14      ", 2048, 0, 4},
                                           {"FX18V1/2  ", 2048, 0, 4}}) {
        CamPacData data = DataSetOf(c.typeName, c.size);
        ASSERT_TRUE(CopyModel(data, 0, "2"));
        for (int i = 0; i < c.nameLength; ++i) {
            data.modelSlots.Slot(1)[c.nameOffset + i] ^= 0x55;
        }
        const auto compared = CompareModels(data, 0, "2");
        ASSERT_TRUE(compared) << c.typeName;
        EXPECT_EQ(compared.value().differences, 0) << c.typeName;
        EXPECT_EQ(compared.value().message.text, 121);
        EXPECT_EQ(compared.value().message.arguments, (std::vector<MessageArgument>{1LL, 2LL}));
        // One byte just past the name counts.
        data.modelSlots.Slot(1)[c.nameOffset + c.nameLength] ^= 0x55;
        EXPECT_EQ(CompareModels(data, 0, "2").value().differences, 1) << c.typeName;
    }
}

TEST(CompareModels, CountsEveryDifferingByteAndNamesBothModels) {
    CamPacData data = DataSetOf("FF9       ", 2048);
    const auto compared = CompareModels(data, 2, "5");
    ASSERT_TRUE(compared);
    // Byte j of model i is i * 31 + j: models 2 and 4 differ in every byte but the name.
    EXPECT_EQ(compared.value().differences, 330 - 8);
    EXPECT_EQ(compared.value().message.text, 122);
    EXPECT_EQ(compared.value().message.arguments, (std::vector<MessageArgument>{3LL, 5LL, 322LL}));
    EXPECT_EQ(data.state, DataSetState::Unchanged);
}

TEST(CompareModels, ANumberOutsideTheModelsIsText120) {
    CamPacData data = DataSetOf("FF9       ", 2048);
    for (const char* typed : {"0", "7", "x"}) {
        const auto compared = CompareModels(data, 0, typed);
        ASSERT_FALSE(compared) << typed;
        EXPECT_EQ(compared.error().text, 120);
    }
}

TEST(ResetModel, WritesTheDefaultRecordOverOneModelOnly) {
    CamPacData data = DataSetOf("FC18V3    ", 2048);
    ASSERT_TRUE(CanResetModels(data));
    const auto neighbour = ImageModel(data, 1);
    ASSERT_TRUE(ResetModel(data, 0));
    EXPECT_EQ(ModelName(data, 0), "MODEL-03");
    EXPECT_EQ(SlotModel(data, 0), ImageModel(data, 0));
    EXPECT_EQ(ImageModel(data, 1), neighbour);
    EXPECT_EQ(data.state, DataSetState::Changed);
    ASSERT_TRUE(ResetModel(data, 10));
    EXPECT_EQ(ModelName(data, 10), "MODEL-13");
}

TEST(ResetModel, TypesWithoutEditorHaveNoReset) {
    for (const char* typeName : {"FF8       ", "FF9 Super ", "FC28V3    ", "T3PK      "}) {
        CamPacData data = DataSetOf(typeName, 2048);
        const auto image = data.image;
        EXPECT_FALSE(CanResetModels(data)) << typeName;
        EXPECT_FALSE(ResetModel(data, 0)) << typeName;
        EXPECT_EQ(data.image, image);
    }
}

TEST(SetModelComment, TakesUpToFortyCharactersAndRefusesLonger) {
    CamPacData data = DataSetOf("FF9       ", 2048);
    ASSERT_TRUE(SetModelComment(data, 1, std::string(40, 'x')));
    EXPECT_EQ(data.modelComments[1], std::string(40, 'x'));
    const Status refused = SetModelComment(data, 1, std::string(41, 'y'));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().text, 136);
    EXPECT_EQ(data.modelComments[1], std::string(40, 'x'));
}

// Comments live only in the data set file: a changed comment must be saved like a changed
// model, so leaving the data set asks first.
TEST(SetModelComment, AChangedCommentMarksTheDataSetChanged) {
    struct Case {
        const char* what;
        DataSetState before;
        std::string typed;
        DataSetState after;
    };
    for (const Case& c : std::vector<Case>{
             {"new text", DataSetState::Unchanged, "Halle", DataSetState::Changed},
             {"cleared", DataSetState::Unchanged, "", DataSetState::Changed},
             {"the same text", DataSetState::Unchanged, "comment 1", DataSetState::Unchanged},
             {"refused", DataSetState::Unchanged, std::string(41, 'y'), DataSetState::Unchanged},
             {"already changed", DataSetState::Changed, "Halle", DataSetState::Changed},
             {"erased data set", DataSetState::Editing, "Halle", DataSetState::Editing},
         }) {
        CamPacData data = DataSetOf("FF9       ", 2048);
        data.state = c.before;
        SetModelComment(data, 1, c.typed);
        EXPECT_EQ(data.state, c.after) << c.what;
    }
}

TEST(SetModelComment, CountsCharactersNotUtf8Bytes) {
    CamPacData data = DataSetOf("FF9       ", 2048);
    std::string umlauts;
    for (int i = 0; i < 40; ++i) {
        umlauts += "ä";
    }
    ASSERT_TRUE(SetModelComment(data, 0, umlauts));
    EXPECT_EQ(data.modelComments[0], std::string(40, '\xE4'));
}

}  // namespace
