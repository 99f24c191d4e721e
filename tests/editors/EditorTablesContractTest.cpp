#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "FieldRoundTrip.h"
#include "editors/FieldCodec.h"
#include "editors/ModelFields.h"
#include "editors/codecs/FieldCodec.h"
#include "editors/fc16/Fc16Pages.h"
#include "editors/fc18v3/Fc18v3Pages.h"
#include "editors/ff10/Ff10Pages.h"
#include "editors/ff10/Ff10Rules.h"
#include "editors/ff9/Ff9Pages.h"
#include "editors/ff9/Ff9Rules.h"
#include "editors/fx18/Fx18Pages.h"

// The page tables of every editor family: every field round-trips, a key names one field
// among the pages a model of each program or type shows, and every field lies in the record.
namespace {

struct FamilyTables {
    const char* name;
    const EditorFamily& (*family)();
    int typeOffset;
    std::vector<int> typeCodes;
    int recordSize;
    unsigned seed;
    int samples;
    int roundTrips;  // at least
};

std::ostream& operator<<(std::ostream& out, const FamilyTables& f) {
    return out << f.name;
}

const FamilyTables kFamilies[] = {
    {"Ff9",
     ff9::Family,
     ff9::kModelTypeOffset,
     {0, 1, 2, 129, 130, 131, 132, 133},
     330,
     20261206,
     60,
     10000},
    {"Fc18v3",
     fc18v3::Family,
     fc18v3::kProgramOffset,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
     180,
     20261206,
     40,
     20000},
    {"Fc16", fc16::Family, fc16::kProgramOffset, {0x00, 0x80}, 80, 20261216, 200, 35000},
    {"Fx18",
     fx18::Family,
     fx18::kProgramOffset,
     {0, 1, 2, 128, 129, 130, 131, 3, 200},
     166,
     20260518,
     40,
     40000},
    {"Ff10",
     ff10::Family,
     ff10::kModelTypeOffset,
     {0, 1, 2, 3, 129, 130, 131, 132, 133, 134, 135, 136},
     488,
     20261206,
     30,
     20000},
};

class TablesContract : public testing::TestWithParam<FamilyTables> {};

TEST_P(TablesContract, EveryFieldRoundTrips) {
    const FamilyTables& f = GetParam();
    EXPECT_GT(CheckEveryFieldRoundTrips(f.family(), f.typeOffset, f.typeCodes, kSlotSize, f.seed,
                                        f.samples),
              f.roundTrips);
}

TEST_P(TablesContract, KeysAreUniqueForEveryType) {
    const FamilyTables& f = GetParam();
    for (const int type : f.typeCodes) {
        std::vector<Byte> record(kSlotSize, 0);
        record[static_cast<std::size_t>(f.typeOffset)] = static_cast<Byte>(type);
        std::set<std::string> keys;
        for (const ShownField& shown : DescribeModel(f.family(), record)) {
            EXPECT_TRUE(keys.insert(shown.field->key).second) << shown.field->key << " " << type;
        }
    }
}

TEST_P(TablesContract, EveryFieldLiesInTheRecord) {
    for (const PageTable* page : GetParam().family().AllPages()) {
        for (const Field& field : page->fields) {
            for (const BitRef& bit : field.codec->OwnedBits(field)) {
                EXPECT_GE(bit.offset, 0) << field.key;
                EXPECT_LT(bit.offset, GetParam().recordSize) << field.key;
                EXPECT_NE(bit.mask, 0) << field.key;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Families, TablesContract, testing::ValuesIn(kFamilies),
                         [](const testing::TestParamInfo<FamilyTables>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
