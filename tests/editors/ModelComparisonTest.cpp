#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "editors/EditorFamilies.h"
#include "editors/ModelComparison.h"

namespace {

using Row = std::tuple<std::string, std::string, std::string, std::string>;

// Page caption, key and both shown values of every listed setting, in order.
std::vector<Row> Rows(const SettingsComparison& comparison) {
    std::vector<Row> rows;
    for (const SettingDifference& difference : comparison.fields) {
        rows.emplace_back(difference.page->caption, difference.field->key, difference.shownA,
                          difference.shownB);
    }
    return rows;
}

const EditorFamily& Family(const char* typeName) {
    const EditorFamily* family = EditorFamilyFor(typeName, false);
    EXPECT_NE(family, nullptr) << typeName;
    return *family;
}

// Records made by hand: all zero but for the name and the bytes each test sets.
std::vector<Byte> Record(std::size_t size, std::size_t nameOffset, const std::string& name) {
    std::vector<Byte> record(size, 0);
    for (std::size_t i = 0; i < name.size(); ++i) {
        record[nameOffset + i] = static_cast<Byte>(name[i]);
    }
    return record;
}

std::vector<Byte> Ff9(const std::string& name) {
    return Record(330, 4, name);
}

std::vector<Byte> Fc18v3(const std::string& name) {
    return Record(180, 0, name);
}

TEST(ModelComparison, Ff9ModelsThatDifferInThreeSettingsListExactlyThose) {
    std::vector<Byte> a = Ff9("FIRST   ");
    std::vector<Byte> b = Ff9("SECOND  ");
    a[15] = 0x70;  // timer 1: 6000 tenths = 10:00
    a[16] = 0x17;
    b[15] = 0x94;  // 4500 tenths = 07:30
    b[16] = 0x11;
    b[48] = 0xFB;  // sub-trim 3: -5
    b[54] = 0x02;  // channel 2 reversed
    const SettingsComparison comparison = CompareSettings(Family("FF9       "), a, b);
    EXPECT_EQ(Rows(comparison), (std::vector<Row>{
                                    {"Grundeinstellungen", "Stopuhr 1/ Zeit", "10:00", "07:30"},
                                    {"Grundeinstellungen", "SubTrimm 3", "0", "-5"},
                                    {"Grundeinstellungen", "Reverse 2", "0", "1"},
                                }));
    EXPECT_FALSE(comparison.TypesDiffer());
    ASSERT_TRUE(comparison.typeA);
    EXPECT_EQ(comparison.typeA->Text(), "Acro");
    EXPECT_EQ(comparison.otherBytes, 0);
}

TEST(ModelComparison, Fc18v3ModelsThatDifferInThreeSettingsListExactlyThose) {
    std::vector<Byte> a = Fc18v3("MODEL-03");
    std::vector<Byte> b = Fc18v3("MODEL-07");
    a[8] = 0x80;   // modulation PPM
    b[62] = 0xF9;  // aileron exponential "Ein": -7, shown x 4
    b[100] = 5;    // stopwatch 1: 5 minutes
    b[99] = 30;    // and 30 seconds
    const SettingsComparison comparison = CompareSettings(Family("FC18V3    "), a, b);
    EXPECT_EQ(Rows(comparison), (std::vector<Row>{
                                    {"Grundeinstellungen", "Modulation", "PPM", "PCM"},
                                    {"Grundeinstellungen", "Uhr 1", "00:00", "05:30"},
                                    {"Grundeinstellungen", "Expo Quer Ein", "0", "-28"},
                                }));
    ASSERT_TRUE(comparison.typeA && comparison.typeB);
    EXPECT_EQ(comparison.typeA->Text(), "Standard");
    EXPECT_FALSE(comparison.TypesDiffer());
    EXPECT_EQ(comparison.otherBytes, 0);
}

TEST(ModelComparison, NamesAloneAreNoDifference) {
    const SettingsComparison comparison =
        CompareSettings(Family("FF9       "), Ff9("ONE     "), Ff9("TWO     "));
    EXPECT_TRUE(comparison.fields.empty());
    EXPECT_EQ(comparison.otherBytes, 0);
}

// Mixer 1 shows its curve points only in curve mode (byte 68 bit 5), its rates otherwise:
// a hidden point is no setting of the model, only a byte that differs.
TEST(ModelComparison, AFieldTheModelsDoNotShowIsOnlyAByte) {
    std::vector<Byte> a = Fc18v3("MODEL-03");
    std::vector<Byte> b = a;
    b[106] = 50;  // curve point 2
    const EditorFamily& family = Family("FC18V3    ");
    SettingsComparison linear = CompareSettings(family, a, b);
    EXPECT_TRUE(linear.fields.empty());
    EXPECT_EQ(linear.otherBytes, 1);

    a[68] = b[68] = 0x20;
    EXPECT_EQ(Rows(CompareSettings(family, a, b)),
              (std::vector<Row>{{"Grundeinstellungen", "Mischer 1 Kurve 2", "0", "50"}}));
}

// A bit no field owns (byte 8 bit 5 is kept) differs: one byte the list does not explain,
// even where a setting of the same byte is listed.
TEST(ModelComparison, BitsNoSettingWritesAreCountedApart) {
    std::vector<Byte> a = Fc18v3("MODEL-03");
    std::vector<Byte> b = a;
    b[8] = 0x20;
    EXPECT_TRUE(CompareSettings(Family("FC18V3    "), a, b).fields.empty());
    EXPECT_EQ(CompareSettings(Family("FC18V3    "), a, b).otherBytes, 1);
    b[8] = 0xA0;
    const SettingsComparison both = CompareSettings(Family("FC18V3    "), a, b);
    EXPECT_EQ(Rows(both), (std::vector<Row>{{"Grundeinstellungen", "Modulation", "PCM", "PPM"}}));
    EXPECT_EQ(both.otherBytes, 1);
}

// An aeroplane and a glider: the type is the one setting listed; the pages only one of
// them shows (acrobatic or glider programme) are not compared, their bytes are counted.
TEST(ModelComparison, ModelsOfDifferentTypesCompareWhatBothShow) {
    std::vector<Byte> a = Ff9("ACRO    ");
    std::vector<Byte> b = Ff9("GLIDER  ");
    b[3] = 1;
    b[126] = 10;  // the aeroplane's throttle cut rate
    const SettingsComparison comparison = CompareSettings(Family("FF9       "), a, b);
    ASSERT_EQ(comparison.fields.size(), 1U);
    EXPECT_EQ(comparison.fields[0].shownA, "Acro");
    EXPECT_EQ(comparison.fields[0].shownB, "Glider 1");
    EXPECT_TRUE(comparison.TypesDiffer());
    EXPECT_EQ(comparison.typeB->Text(), "Glider 1");
    EXPECT_EQ(comparison.otherBytes, 1);

    // a helicopter code no list entry has
    b[3] = 0xA0;
    const SettingsComparison heli = CompareSettings(Family("FF9       "), a, b);
    EXPECT_TRUE(heli.TypesDiffer());
    EXPECT_EQ(heli.typeB->Text(), "Code 160");
}

TEST(ModelComparison, DataSetsWithoutEditorPagesHaveNoSettingsToCompare) {
    CamPacData data;
    data.typeName = "FF8       ";
    data.modelCount = 2;
    data.modelSize = 100;
    EXPECT_FALSE(CompareModelSettings(data, 0, 1, false));
    data.typeName = "FF9 Super ";
    data.modelSize = 330;
    EXPECT_FALSE(CompareModelSettings(data, 0, 1, false));
    ASSERT_TRUE(CompareModelSettings(data, 0, 1, true));
    EXPECT_FALSE(CompareModelSettings(data, 0, 2, true));
}

}  // namespace
