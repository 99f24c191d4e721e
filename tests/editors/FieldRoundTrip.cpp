#include "FieldRoundTrip.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editors/FieldCodec.h"

namespace {

std::vector<Byte> Scrambled(std::vector<Byte> record, const Field& field, std::mt19937& random) {
    for (const BitRef& bit : field.codec->OwnedBits(field)) {
        record[static_cast<std::size_t>(bit.offset)] ^= static_cast<Byte>(random() & bit.mask);
    }
    return record;
}

bool Usable(const Field& field, ConstModelRecord record) {
    return !field.IsShownOnly() && IsFieldShown(field, record) && IsFieldEnabled(field, record);
}

// The record with the bits the field owns cleared.
std::vector<Byte> Outside(std::vector<Byte> record, const Field& field) {
    for (const BitRef& bit : field.codec->OwnedBits(field)) {
        record[static_cast<std::size_t>(bit.offset)] &= static_cast<Byte>(~bit.mask);
    }
    return record;
}

}  // namespace

int CheckEveryFieldRoundTrips(const EditorFamily& family, int typeOffset,
                              const std::vector<int>& typeCodes, std::size_t recordSize,
                              unsigned seed, int samples) {
    std::mt19937 random(seed);
    int roundTrips = 0;
    for (const int type : typeCodes) {
        for (int sample = 0; sample < samples; ++sample) {
            std::vector<Byte> record(recordSize);
            for (Byte& byte : record) {
                byte = static_cast<Byte>(random());
            }
            record[static_cast<std::size_t>(typeOffset)] = static_cast<Byte>(type);
            for (const PageTable* page : family.PagesForModel(record)) {
                for (const Field& field : page->fields) {
                    if (!Usable(field, record)) {
                        continue;
                    }
                    SCOPED_TRACE(field.key + " type " + std::to_string(type));
                    const FieldValue value = DecodeField(field, record);
                    if (!field.codec->Entries().empty() && value.number < 0) {
                        continue;
                    }
                    std::vector<Byte> first = Scrambled(record, field, random);
                    std::vector<Byte> second = Scrambled(record, field, random);
                    if (!Usable(field, first) || !Usable(field, second)) {
                        continue;
                    }
                    const std::vector<Byte> before = first;
                    const bool firstChanges = DecodeField(field, first) != value;
                    const bool secondChanges = DecodeField(field, second) != value;
                    const Status written = CheckAndWriteField(field, value, first);
                    if (!written.ok()) {
                        // a timer may keep its first part; nothing outside the field moves
                        EXPECT_EQ(Outside(first, field), Outside(before, field));
                        continue;
                    }
                    // A value shown for codes that no entry takes back (the "." of a
                    // name) is kept where it stands, and refused where it would be written.
                    if (!CheckAndWriteField(field, value, second).ok()) {
                        EXPECT_FALSE(firstChanges);
                        EXPECT_TRUE(secondChanges);
                        continue;
                    }
                    // A gyro byte of exactly 100 is rate 0 on the AVC side; "Norm" cannot
                    // be told from it.
                    const bool shares = field.codec->SharesItsByte();
                    const bool gyroCentre =
                        shares && first[static_cast<std::size_t>(field.offset)] == 100;
                    // Names and timers are stored in one form (FC16: upper case, ':' for a
                    // blank, BCD digits): bytes shown otherwise (a lower-case letter, a BCD
                    // nibble above 9) come back in that form, which then stays as it is.
                    const FieldValue decoded = DecodeField(field, first);
                    const bool textForm =
                        field.codec->Kind() == "name" || field.codec->Kind() == "timer";
                    if (textForm && decoded != value) {
                        const std::vector<Byte> stored = first;
                        GroupPolicy rewrite;
                        rewrite.skipUnchanged = false;
                        EXPECT_TRUE(CheckAndWriteField(field, decoded, first, rewrite).ok());
                        EXPECT_EQ(first, stored);
                    } else if (!gyroCentre) {
                        EXPECT_EQ(decoded, field.codec->Written(field, value));
                    }
                    EXPECT_EQ(Outside(first, field), Outside(before, field));
                    if (firstChanges && secondChanges && !shares) {
                        for (const BitRef& bit : field.codec->WrittenBits(field, value)) {
                            const auto at = static_cast<std::size_t>(bit.offset);
                            EXPECT_EQ(first[at] & bit.mask, second[at] & bit.mask)
                                << "offset " << bit.offset;
                        }
                    }
                    ++roundTrips;
                }
            }
        }
    }
    return roundTrips;
}
