#include "editors/FieldModel.h"

#include <algorithm>
#include <bit>

const Field* PageTable::FindField(const std::string& key) const {
    for (const Field& field : fields) {
        if (field.key == key) {
            return &field;
        }
    }
    return nullptr;
}

const GroupHooks* PageTable::HooksOf(const std::string& group) const {
    for (const GroupHooks& entry : hooks) {
        if (entry.group == group) {
            return &entry;
        }
    }
    return nullptr;
}

GroupPolicy PageTable::PolicyOf(const std::string& group) const {
    const GroupHooks* entry = HooksOf(group);
    return entry != nullptr && entry->policy ? *entry->policy : defaultPolicy;
}

std::vector<const Field*> PageTable::GroupFields(const std::string& group) const {
    std::vector<const Field*> members;
    for (const Field& field : fields) {
        if (!field.IsShownOnly() && field.group == group) {
            members.push_back(&field);
        }
    }
    return members;
}

namespace {

int CodeOf(const ModelTypeTable& table, ConstModelRecord record) {
    if (table.offset < 0 || static_cast<std::size_t>(table.offset) >= record.size()) {
        return -1;
    }
    const int shift = std::countr_zero(static_cast<unsigned>(table.mask));
    return (record[static_cast<std::size_t>(table.offset)] & table.mask) >> shift;
}

const ModelTypeCodes* OtherCodesOf(const ModelTypeTable& table, ConstModelRecord record) {
    const int code = CodeOf(table, record);
    for (const ModelTypeCodes& codes : table.otherCodes) {
        if (code >= codes.first && code <= codes.last) {
            return &codes;
        }
    }
    return nullptr;
}

}  // namespace

const ModelTypeEntry* ModelTypeTable::EntryOf(ConstModelRecord record) const {
    const int code = CodeOf(*this, record);
    for (const ModelTypeEntry& entry : entries) {
        if (entry.code == code) {
            return &entry;
        }
    }
    return nullptr;
}

bool ModelTypeTable::IsHeli(ConstModelRecord record) const {
    if (const ModelTypeEntry* entry = EntryOf(record)) {
        return entry->heli;
    }
    const ModelTypeCodes* codes = OtherCodesOf(*this, record);
    return codes != nullptr && codes->heli;
}

int ModelTypeTable::MixingPageOf(ConstModelRecord record) const {
    if (const ModelTypeEntry* entry = EntryOf(record)) {
        return entry->mixingPage;
    }
    const ModelTypeCodes* codes = OtherCodesOf(*this, record);
    return codes == nullptr ? 0 : codes->mixingPage;
}

std::vector<const PageTable*> EditorFamily::AllPages() const {
    std::vector<const PageTable*> all;
    if (basePage != nullptr) {
        all.push_back(basePage);
    }
    all.insert(all.end(), mixingPages.begin(), mixingPages.end());
    all.insert(all.end(), otherPages.begin(), otherPages.end());
    return all;
}

const PageTable* EditorFamily::PageByNumber(int pageNumber) const {
    for (const PageTable* page : AllPages()) {
        if (page->pageNumber == pageNumber) {
            return page;
        }
    }
    return nullptr;
}

int EditorFamily::MixingPageOf(ConstModelRecord record) const {
    return modelTypes == nullptr ? 0 : modelTypes->MixingPageOf(record);
}

bool EditorFamily::IsMixingPage(int pageNumber) const {
    return std::any_of(mixingPages.begin(), mixingPages.end(), [pageNumber](const PageTable* page) {
        return page->pageNumber == pageNumber;
    });
}

std::vector<const PageTable*> EditorFamily::PagesForModel(ConstModelRecord record) const {
    std::vector<const PageTable*> pages;
    if (basePage != nullptr) {
        pages.push_back(basePage);
    }
    const int mixing = MixingPageOf(record);
    if (IsMixingPage(mixing)) {
        pages.push_back(PageByNumber(mixing));
    }
    pages.insert(pages.end(), otherPages.begin(), otherPages.end());
    return pages;
}

std::string EditorFamily::ModelName(ConstModelRecord record) const {
    return DecodeName(nameField, nameCharset, record);
}

namespace {

bool Holds(const Field& field, ConstModelRecord record, const std::vector<FieldRule>& rules,
           const std::vector<BitCondition>& bits, const std::vector<int>& types,
           std::optional<bool> heli) {
    const bool rulesHold = std::all_of(rules.begin(), rules.end(),
                                       [&](FieldRule rule) { return rule(record, field); });
    const bool bitsHold = std::all_of(bits.begin(), bits.end(), [&](const BitCondition& bit) {
        return bit.offset >= 0 && static_cast<std::size_t>(bit.offset) < record.size() &&
               (record[static_cast<std::size_t>(bit.offset)] & bit.mask) == bit.value;
    });
    if (!rulesHold || !bitsHold) {
        return false;
    }
    if (heli && field.types != nullptr && field.types->IsHeli(record) != *heli) {
        return false;
    }
    if (types.empty() || field.types == nullptr) {
        return true;
    }
    const ModelTypeEntry* entry = field.types->EntryOf(record);
    return entry != nullptr && std::find(types.begin(), types.end(), entry->code) != types.end();
}

}  // namespace

bool IsFieldShown(const Field& field, ConstModelRecord record) {
    return Holds(field, record, field.shownIf, field.shownIfBits, field.shownForTypes,
                 field.shownForHeli);
}

bool IsFieldEnabled(const Field& field, ConstModelRecord record) {
    return Holds(field, record, field.enabledIf, field.enabledIfBits, field.enabledForTypes,
                 std::nullopt);
}

std::string CaptionOf(const Field& field, ConstModelRecord record) {
    return field.caption != nullptr ? field.caption(record, field) : field.Label();
}

namespace {

// The byte of point n (0 to 4) of a curve, or -1 for a point the curve leaves out.
int PointOffset(const CurveOfGraph& curve, int n) {
    if (curve.offsets.empty()) {
        return curve.firstOffset + n * curve.stride;
    }
    const auto index = static_cast<std::size_t>(n);
    return index < curve.offsets.size() ? curve.offsets[index] : -1;
}

}  // namespace

std::vector<std::pair<int, int>> CurvePoints(const CurveGraph& graph, const CurveOfGraph& curve,
                                             ConstModelRecord record) {
    std::vector<std::pair<int, int>> points;
    for (int n = 0; n < 5; ++n) {
        const int offset = PointOffset(curve, n);
        if (offset < 0) {
            continue;
        }
        const auto at = static_cast<std::size_t>(offset);
        const Byte stored = at < record.size() ? record[at] : 0;
        const int value = graph.isSigned ? static_cast<std::int8_t>(stored) : stored;
        const double product = (value + graph.valueOffset) * static_cast<double>(graph.scale);
        points.emplace_back(graph.firstX + n * graph.step, graph.baseY - static_cast<int>(product));
    }
    return points;
}
