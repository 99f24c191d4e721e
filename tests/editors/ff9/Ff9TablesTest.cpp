#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dataset/CamPacData.h"
#include "editors/EditorFamilies.h"
#include "editors/FieldCodec.h"
#include "editors/ff9/Ff9Pages.h"
#include "editors/ff9/Ff9Rules.h"

namespace {

// Lists have entries; exactly the number kinds have ranges.
TEST(Ff9Tables, EveryFieldHasWhatItsCodecNeeds) {
    for (const PageTable* page : {&ff9::BasePage(), &ff9::AcrobaticPage(), &ff9::GliderPage(),
                                  &ff9::HeliPage(), &ff9::MixersPage()}) {
        for (const Field& field : page->fields) {
            SCOPED_TRACE(field.key);
            const std::string_view kind = field.codec->Kind();
            if (kind == "list" || kind == "model-type") {
                EXPECT_FALSE(field.codec->Entries().empty());
            }
            const bool ranged = kind == "signed" || kind == "unsigned" || kind == "half-percent" ||
                                kind == "gyro-rate";
            EXPECT_EQ(!field.ranges.empty(), ranged);
        }
    }
}

struct MixingCase {
    int typeByte;
    int page;
};

class MixingPageTest : public testing::TestWithParam<MixingCase> {};

TEST_P(MixingPageTest, FitsTheModelType) {
    std::vector<Byte> record(kSlotSize, 0);
    record[ff9::kModelTypeOffset] = static_cast<Byte>(GetParam().typeByte);
    EXPECT_EQ(ff9::Family().MixingPageOf(record), GetParam().page);
}

INSTANTIATE_TEST_SUITE_P(Types, MixingPageTest,
                         testing::Values(MixingCase{0, 41}, MixingCase{1, 42}, MixingCase{2, 42},
                                         MixingCase{128, 43}, MixingCase{133, 43}, MixingCase{3, 0},
                                         MixingCase{127, 0}));

// Labels that follow the record: the flap values read as flaperon or elevon values when
// that mixer is on, the governor rates as flight conditions when switched by condition.
struct CaptionCase {
    int typeByte;
    int offset;
    Byte value;
    std::string field;
    std::string caption;
};

std::ostream& operator<<(std::ostream& out, const CaptionCase& c) {
    return out << c.field << " with byte " << c.offset << " = " << static_cast<int>(c.value);
}

class CaptionTest : public testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionTest, FollowsTheRecord) {
    const CaptionCase& c = GetParam();
    std::vector<Byte> record(kSlotSize, 0);
    record[ff9::kModelTypeOffset] = static_cast<Byte>(c.typeByte);
    record[static_cast<std::size_t>(c.offset)] = c.value;
    const Field* field = nullptr;
    for (const PageTable* page : ff9::Family().PagesForModel(record)) {
        if (field == nullptr) {
            field = page->FindField(c.field);
        }
    }
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(CaptionOf(*field, record), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Ff9, CaptionTest,
    testing::Values(CaptionCase{0, 79, 0x20, "FLP/AIL/ELE - Flp 1", "FLAP 1"},
                    CaptionCase{0, 79, 0x08, "FLP/AIL/ELE - Flp 2", "ELEvon 2"},
                    CaptionCase{1, 79, 0x00, "FLP/AIL/ELE - Flp 1", "Flap/Ele 1"},
                    CaptionCase{2, 79, 0x90, "FLP/AIL/ELE - Flp 2", "Flap/Ele 2"},
                    CaptionCase{130, 250, 0x80, "Governor 1", "Norm."},
                    CaptionCase{130, 250, 0x81, "Governor 2", "Idle 1"},
                    CaptionCase{131, 250, 0x80, "Governor 3", "Idle 2"},
                    CaptionCase{131, 250, 0x80, "Governor 4", "Idle 3"},
                    CaptionCase{131, 250, 0x00, "Governor 4", "Governor 4"},
                    CaptionCase{130, 250, 0x01, "Governor 1", "Governor 1"},
                    CaptionCase{0, 79, 0x20, "SubTrimm 1", "SubTrimm 1"}));

TEST(EditorFamilyFor, Ff9SuperFollowsTheMenuOption) {
    EXPECT_EQ(EditorFamilyFor("FF9       ", false), &ff9::Family());
    EXPECT_EQ(EditorFamilyFor("FF9 Super ", true), &ff9::Family());
    EXPECT_EQ(EditorFamilyFor("FF9 Super ", false), nullptr);
    EXPECT_EQ(EditorFamilyFor("FF9", false), nullptr);
    EXPECT_EQ(EditorFamilyFor("FF8       ", true), nullptr);
}

}  // namespace
