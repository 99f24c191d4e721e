#include "editors/ModelComparison.h"

#include <algorithm>
#include <map>

#include "editors/ComparisonTexts.h"
#include "editors/EditorFamilies.h"
#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"
#include "editors/ModelFields.h"

namespace {

bool IsNameOffset(const NameField& name, int offset) {
    return offset >= name.offset && offset < name.offset + name.length;
}

// The model name is no setting: two models that differ only in their names are the same
// setup, as the byte count says.
bool IsModelName(const Field& field, const NameField& name) {
    const std::vector<BitRef> bits = field.codec->OwnedBits(field);
    return !bits.empty() && std::all_of(bits.begin(), bits.end(), [&](const BitRef& bit) {
        return IsNameOffset(name, bit.offset);
    });
}

ShownModelType TypeOf(const ModelTypeTable& table, ConstModelRecord record) {
    const auto at = static_cast<std::size_t>(table.offset);
    const int stored = at < record.size() ? record[at] & table.mask : 0;
    return {table.EntryOf(record), stored};
}

// The bits a listed setting stands for: those its two values write (a list entry writes
// only its own pattern, a model type only its code), or all it owns.
std::vector<BitRef> BitsOf(const SettingDifference& difference) {
    const FieldCodec& codec = *difference.field->codec;
    std::vector<BitRef> bits = codec.WrittenBits(*difference.field, difference.a);
    const std::vector<BitRef> more = codec.WrittenBits(*difference.field, difference.b);
    bits.insert(bits.end(), more.begin(), more.end());
    return bits.empty() ? codec.OwnedBits(*difference.field) : bits;
}

int CountOtherBytes(const std::vector<SettingDifference>& fields, const NameField& name,
                    ConstModelRecord a, ConstModelRecord b) {
    const std::size_t size = std::min(a.size(), b.size());
    std::vector<Byte> explained(size, 0);
    for (const SettingDifference& difference : fields) {
        for (const BitRef& bit : BitsOf(difference)) {
            if (bit.offset >= 0 && static_cast<std::size_t>(bit.offset) < size) {
                explained[static_cast<std::size_t>(bit.offset)] |= bit.mask;
            }
        }
    }
    int count = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const auto differing = static_cast<Byte>(a[i] ^ b[i]);
        if (!IsNameOffset(name, static_cast<int>(i)) && (differing & ~explained[i]) != 0) {
            ++count;
        }
    }
    return count;
}

}  // namespace

std::string ShownModelType::Text() const {
    return entry != nullptr ? entry->text
                            : std::string(literal::kUnlistedCodePrefix) + std::to_string(code);
}

bool SettingsComparison::TypesDiffer() const {
    return typeA && typeB && typeA->code != typeB->code;
}

SettingsComparison CompareSettings(const EditorFamily& family, ConstModelRecord a,
                                   ConstModelRecord b) {
    SettingsComparison comparison;
    if (family.modelTypes != nullptr) {
        comparison.typeA = TypeOf(*family.modelTypes, a);
        comparison.typeB = TypeOf(*family.modelTypes, b);
    }
    // Keys are unique within a family, so a field both models show has one key in both.
    std::map<std::string, ShownField> shownForB;
    for (ShownField& shown : DescribeModel(family, b)) {
        shownForB.emplace(shown.field->key, std::move(shown));
    }
    for (ShownField& shown : DescribeModel(family, a)) {
        const auto other = shownForB.find(shown.field->key);
        if (other == shownForB.end() || other->second.shown == shown.shown ||
            IsModelName(*shown.field, family.nameField)) {
            continue;
        }
        comparison.fields.push_back({shown.page, shown.field, std::move(shown.value),
                                     other->second.value, std::move(shown.shown),
                                     other->second.shown});
    }
    comparison.otherBytes = CountOtherBytes(comparison.fields, family.nameField, a, b);
    return comparison;
}

std::optional<SettingsComparison> CompareModelSettings(const CamPacData& data, int model, int other,
                                                       bool ff9SuperAsFf9) {
    const EditorFamily* family = EditorFamilyFor(data.typeName, ff9SuperAsFf9);
    const auto fits = [&data](int index) { return index >= 0 && index < data.modelCount; };
    if (family == nullptr || !fits(model) || !fits(other) || data.modelSize <= 0) {
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(data.modelSize);
    return CompareSettings(*family, data.modelSlots.Slot(model).first(size),
                           data.modelSlots.Slot(other).first(size));
}

Message DifferingSettingsHeading(int numberA, int numberB) {
    return Message::Numbered(txt::kDifferingSettings,
                             {static_cast<long long>(numberA), static_cast<long long>(numberB)});
}

Message DifferentTypesNote(int numberA, const std::string& typeA, int numberB,
                           const std::string& typeB) {
    return Message::Numbered(txt::kDifferentModelTypes, {static_cast<long long>(numberA), typeA,
                                                         static_cast<long long>(numberB), typeB});
}

Message OtherBytesNote(int count) {
    return Message::Numbered(txt::kOtherDifferingBytes, {static_cast<long long>(count)});
}
