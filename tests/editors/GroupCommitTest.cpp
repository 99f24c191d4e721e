#include <gtest/gtest.h>

#include <array>
#include <string>

#include "dataset/CamPacData.h"
#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"
#include "editors/GroupCommit.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"
#include "editors/PageBuilder.h"

namespace {

constexpr int kRecordSize = 32;
using Record = std::array<Byte, kRecordSize>;

std::optional<Message> RefuseWhenByte31Set(ConstModelRecord record, const GroupInput&) {
    if (record[31] != 0) {
        return Message::Numbered(txt::kStickSwitchOnHeli);
    }
    return std::nullopt;
}

void MarkByte30(ModelRecord record, const GroupInput&) {
    record[30] = 0xAA;
}

bool Byte29Clear(ConstModelRecord record, const Field&) {
    return record[29] == 0;
}

// "Aus" (bit set) and "Aktiv" (bit clear), as the mixer rows of the mixing pages have it.
const ChoiceList& OffOnList() {
    static const ChoiceList list = {
        {{"Aus", {0x01, 0x01}, {0x01, 0x01}}, {"Aktiv", {0x00, 0x01}, {0x00, 0x01}}}, std::nullopt};
    return list;
}

const PageTable& Page() {
    static const PageTable page = PageBuilder(7, "page")
                                      .Group("trims")
                                      .Signed("t1", 0, -120, 120)
                                      .Signed("t2", 1, -120, 120)
                                      .Signed("t3", 2, -120, 120)
                                      .Signed("t4", 3, -120, 120)
                                      .Group("flags")
                                      .Flag("a", 10, 0x01)
                                      .Clears({{10, 0x02}, {10, 0x04}})
                                      .Flag("b", 10, 0x02)
                                      .Clears({{10, 0x01}})
                                      .Flag("c", 10, 0x04)
                                      .Group("rows")
                                      .Choice("v-tail", 20, OffOnList())
                                      .WhenChosen(1, {{21, 0x01}})
                                      .Choice("delta", 21, OffOnList())
                                      .WhenChosen(1, {{20, 0x01}})
                                      .Signed("rate", 22, -100, 100)
                                      .Group("diff row")
                                      .Signed("diff", 23, -100, 100)
                                      .OnEveryCommit({{24, 0x06}})
                                      .Group("hooked")
                                      .Refuse(RefuseWhenByte31Set)
                                      .BeforeWrite(MarkByte30)
                                      .Signed("h", 11, -10, 10)
                                      .Group("guarded")
                                      .Signed("shown", 12, -10, 10)
                                      .Signed("disabled", 13, -10, 10)
                                      .EnabledIf(Byte29Clear)
                                      .ShownOnly()
                                      .Signed("readout", 14, -128, 127)
                                      .Build();
    return page;
}

GroupInput InputWith(const Record& record, const std::string& group,
                     const std::vector<std::pair<std::string, long long>>& numbers) {
    GroupInput input = CurrentGroupInput(Page(), group, record);
    for (const auto& [name, number] : numbers) {
        for (auto& [field, value] : input) {
            if (field->key == name) {
                value.number = number;
            }
        }
    }
    return input;
}

TEST(CommitGroup, StopsAtFirstRefusalAndKeepsEarlierValues) {
    Record record{};
    const GroupInput input =
        InputWith(record, "trims", {{"t1", 5}, {"t2", -6}, {"t3", 121}, {"t4", 7}});
    const Status committed = CommitGroup(Page(), "trims", input, record);
    ASSERT_FALSE(committed.ok());
    EXPECT_EQ(std::get<std::string>(committed.error().arguments[0]), "t3");
    EXPECT_EQ(record[0], 5);
    EXPECT_EQ(record[1], 0xFA);
    EXPECT_EQ(record[2], 0);
    EXPECT_EQ(record[3], 0);
}

TEST(CommitGroup, ChecksStoredValuesOfTheGroupInOrder) {
    Record record{};
    record[1] = 0x80;  // -128: out of range although nobody typed it
    const GroupInput input = InputWith(record, "trims", {{"t1", 9}, {"t4", 9}});
    const Status committed = CommitGroup(Page(), "trims", input, record);
    ASSERT_FALSE(committed.ok());
    EXPECT_EQ(std::get<std::string>(committed.error().arguments[0]), "t2");
    EXPECT_EQ(record[0], 9);
    EXPECT_EQ(record[3], 0);
}

struct ExclusionCase {
    Byte before;
    std::string ticked;
    Byte after;
};

class ExclusionTest : public testing::TestWithParam<ExclusionCase> {};

TEST_P(ExclusionTest, TickingClearsTheExcludedFlags) {
    Record record{};
    record[10] = GetParam().before;
    const GroupInput input = InputWith(record, "flags", {{GetParam().ticked, 1}});
    ASSERT_TRUE(CommitGroup(Page(), "flags", input, record).ok());
    EXPECT_EQ(record[10], GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Flags, ExclusionTest,
                         testing::Values(ExclusionCase{0x06, "a", 0x01},
                                         ExclusionCase{0x05, "b", 0x06},
                                         ExclusionCase{0x03, "c", 0x07},
                                         // an already ticked flag clears nothing
                                         ExclusionCase{0x07, "a", 0x07}));

// A row switched to "Aktiv" switches the other row off (sets its bit) on every commit in
// which it is "Aktiv"; a row that switches others off whatever it holds does so on every
// commit.
TEST(CommitGroup, ChosenEntriesAndRowsSetTheBitsTheyExclude) {
    Record record{};
    record[20] = 0x01;  // v-tail "Aus"
    record[21] = 0x00;  // delta "Aktiv"
    GroupInput input = InputWith(record, "rows", {{"v-tail", 1}});
    ASSERT_TRUE(CommitGroup(Page(), "rows", input, record).ok());
    EXPECT_EQ(record[20], 0x00);
    EXPECT_EQ(record[21], 0x01);
    // committing the rate of the active row switches the other off again
    record[21] = 0x00;
    input = InputWith(record, "rows", {{"rate", 5}});
    ASSERT_TRUE(CommitGroup(Page(), "rows", input, record).ok());
    EXPECT_EQ(record[21], 0x01);
    EXPECT_EQ(record[22], 5);
    // a row that stays "Aus" switches nothing
    record[20] = 0x01;
    record[21] = 0x00;
    input = InputWith(record, "rows", {{"rate", 6}});
    ASSERT_TRUE(CommitGroup(Page(), "rows", input, record).ok());
    EXPECT_EQ(record[21], 0x00);

    record[24] = 0x80;
    input = InputWith(record, "diff row", {{"diff", 0}});
    ASSERT_TRUE(CommitGroup(Page(), "diff row", input, record).ok());
    EXPECT_EQ(record[24], 0x86);
}

TEST(CommitGroup, RefusalHookWritesNothing) {
    Record record{};
    record[31] = 1;
    const GroupInput input = InputWith(record, "hooked", {{"h", 3}});
    const Status committed = CommitGroup(Page(), "hooked", input, record);
    ASSERT_FALSE(committed.ok());
    EXPECT_EQ(committed.error().text, 236);
    EXPECT_EQ(record[11], 0);
    EXPECT_EQ(record[30], 0);
}

TEST(CommitGroup, BeforeWriteHookRunsBeforeTheValues) {
    Record record{};
    const GroupInput input = InputWith(record, "hooked", {{"h", 3}});
    ASSERT_TRUE(CommitGroup(Page(), "hooked", input, record).ok());
    EXPECT_EQ(record[30], 0xAA);
    EXPECT_EQ(record[11], 3);
}

TEST(CommitGroup, DisabledFieldsAreNeitherCheckedNorWritten) {
    Record record{};
    record[29] = 1;
    const GroupInput input = InputWith(record, "guarded", {{"shown", 4}, {"disabled", 99}});
    ASSERT_TRUE(CommitGroup(Page(), "guarded", input, record).ok());
    EXPECT_EQ(record[12], 4);
    EXPECT_EQ(record[13], 0);
}

// An FF9 data set of six models whose image bytes count 0 to 99 over and over, edited with
// the sample page.
struct EditorFixture : testing::Test {
    EditorFixture() {
        data.imageSize = 2048;
        for (int i = 0; i < data.imageSize; ++i) {
            data.image[static_cast<std::size_t>(i)] = static_cast<Byte>(i % 100);
        }
        data.typeName = "FF9       ";
        IdentifyFromName(data, catalogue);
        data.state = DataSetState::Unchanged;
        family.basePage = &Page();
    }
    ModelEditor Editor() { return ModelEditor(data, family); }

    TransmitterCatalogue catalogue;
    CamPacData data;
    EditorFamily family;
};

TEST_F(EditorFixture, CommitOutsideEditModeWritesNothing) {
    ModelEditor editor = Editor();
    const auto slotBefore =
        std::vector<Byte>(data.modelSlots.Slot(0).begin(), data.modelSlots.Slot(0).end());
    ASSERT_TRUE(AssignFields(editor, 0, {{"t1", "1"}}).ok());
    EXPECT_EQ(std::vector<Byte>(data.modelSlots.Slot(0).begin(), data.modelSlots.Slot(0).end()),
              slotBefore);
    EXPECT_EQ(data.state, DataSetState::Unchanged);
}

TEST_F(EditorFixture, ApplyIsRefusedWhileTheBasePageInputIsRefused) {
    ModelEditor editor = Editor();
    editor.StartEditing();
    EXPECT_EQ(data.state, DataSetState::Editing);
    ASSERT_TRUE(AssignFields(editor, 0, {{"t1", "1"}}).ok());
    ASSERT_FALSE(AssignFields(editor, 0, {{"t1", "200"}}).ok());
    EXPECT_TRUE(editor.InputRejected(7));
    const auto imageBefore = data.image;
    const Status applied = editor.Apply();
    ASSERT_FALSE(applied.ok());
    EXPECT_EQ(applied.error().text, 229);
    EXPECT_EQ(data.image, imageBefore);
    EXPECT_TRUE(editor.Editing());

    ASSERT_TRUE(AssignFields(editor, 0, {{"t2", "2"}}).ok());
    EXPECT_FALSE(editor.InputRejected(7));
    ASSERT_TRUE(editor.Apply().ok());
    EXPECT_FALSE(editor.Editing());
    EXPECT_EQ(data.state, DataSetState::Changed);
    EXPECT_EQ(data.image[static_cast<std::size_t>(data.firstModelOffset)], 1);
    EXPECT_EQ(data.image[static_cast<std::size_t>(data.firstModelOffset) + 1], 2);
}

TEST_F(EditorFixture, RevertRestoresEveryModel) {
    ModelEditor editor = Editor();
    editor.StartEditing();
    for (int model = 0; model < data.modelCount; ++model) {
        ASSERT_TRUE(AssignFields(editor, model, {{"t1", "-7"}}).ok());
    }
    data.currentModel = 1;
    const auto imageBefore = data.image;
    editor.Revert(catalogue);
    EXPECT_EQ(data.image, imageBefore);
    for (int model = 0; model < data.modelCount; ++model) {
        EXPECT_EQ(
            data.modelSlots.Slot(model)[0],
            data.image[static_cast<std::size_t>(data.firstModelOffset + model * data.modelSize)]);
    }
    EXPECT_EQ(data.currentModel, 0);
    EXPECT_EQ(data.state, DataSetState::Unchanged);
    EXPECT_FALSE(editor.Editing());
}

// Revert takes back the edit only: changes applied before it began and not yet saved keep
// the data set marked as changed, so that leaving still asks before they are lost.
TEST_F(EditorFixture, RevertKeepsEarlierChangesMarked) {
    for (const DataSetState before : {DataSetState::Unchanged, DataSetState::Changed}) {
        data.state = before;
        ModelEditor editor = Editor();
        editor.StartEditing();
        ASSERT_TRUE(AssignFields(editor, 0, {{"t1", "-7"}}).ok());
        editor.Revert(catalogue);
        EXPECT_EQ(data.state, before);
    }
}

struct AssignCase {
    std::string name;
    std::string text;
    std::string literal;
};

class AssignRefusalTest : public EditorFixture, public testing::WithParamInterface<AssignCase> {};

TEST_P(AssignRefusalTest, NamesTheProblem) {
    ModelEditor editor = Editor();
    editor.StartEditing();
    data.modelSlots.Slot(0)[29] = 1;
    const Status assigned = AssignFields(editor, 0, {{GetParam().name, GetParam().text}});
    ASSERT_FALSE(assigned.ok());
    EXPECT_EQ(assigned.error().literal, GetParam().literal);
}

INSTANTIATE_TEST_SUITE_P(Names, AssignRefusalTest,
                         testing::Values(AssignCase{"nothing", "1", "Kein solches Feld: 'nothing'"},
                                         AssignCase{"readout", "1", "'readout' wird nur angezeigt"},
                                         AssignCase{"disabled", "1", "'disabled' ist gesperrt"},
                                         AssignCase{"t1", "one",
                                                    "Geben Sie bitte eine ganze Zahl ein."}));

TEST_F(EditorFixture, EachValueCommitsItsGroupInTurn) {
    ModelEditor editor = Editor();
    editor.StartEditing();
    const Status assigned = AssignFields(editor, 0, {{"t4", "4"}, {"t3", "130"}, {"a", "1"}});
    ASSERT_FALSE(assigned.ok());
    EXPECT_EQ(data.modelSlots.Slot(0)[3], 4);
    EXPECT_EQ(data.modelSlots.Slot(0)[2], 12);
    EXPECT_EQ(data.modelSlots.Slot(0)[10], 20);
}

TEST_F(EditorFixture, DescribeShowsEveryFieldWithItsState) {
    data.modelSlots.Slot(0)[29] = 1;
    const std::vector<ShownField> shown = DescribeModel(family, data.modelSlots.Slot(0));
    ASSERT_EQ(shown.size(), Page().fields.size());
    for (const ShownField& field : shown) {
        EXPECT_EQ(field.enabled, field.field->key != "disabled") << field.field->key;
    }
    EXPECT_EQ(shown.front().shown, "10");
    EXPECT_EQ(shown.back().shown, "24");
}

}  // namespace
