#include "editors/PageBuilder.h"

#include <optional>
#include <utility>

namespace {

constexpr int kHalfPercentMax = 200;

bool InGyroMode(ConstModelRecord record, const Field& field) {
    return field.ruleOffset >= 0 && static_cast<std::size_t>(field.ruleOffset) < record.size() &&
           (record[static_cast<std::size_t>(field.ruleOffset)] & field.ruleMask) == field.ruleMask;
}

// A field of another family's table at the place the map gives its bytes, or none when a
// byte it owns does not move along with it (or its codec reads bytes beside its own).
std::optional<Field> Moved(const Field& source, const OffsetMap& map) {
    const std::optional<int> offset = MapOffset(map, source.offset);
    if (!offset || source.codec->SharesItsByte()) {
        return std::nullopt;
    }
    Field field;
    field.key = source.key;
    field.refusal = source.refusal;
    field.label = source.label;
    field.tooltip = source.tooltip;
    field.tooltipText = source.tooltipText;
    field.codec = source.codec;
    field.offset = *offset;
    field.ranges = source.ranges;
    field.exchangePrompt = source.exchangePrompt;
    field.minutesName = source.minutesName;
    field.secondsName = source.secondsName;
    field.shownForHeli = source.shownForHeli;
    const std::vector<BitRef> before = source.codec->OwnedBits(source);
    const std::vector<BitRef> after = field.codec->OwnedBits(field);
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (MapOffset(map, before[i].offset) != after[i].offset) {
            return std::nullopt;
        }
    }
    const auto moveConditions = [&map](const std::vector<BitCondition>& conditions) {
        std::vector<BitCondition> moved;
        for (const BitCondition& condition : conditions) {
            if (const std::optional<int> to = MapOffset(map, condition.offset)) {
                moved.push_back({*to, condition.mask, condition.value});
            }
        }
        return moved;
    };
    field.shownIfBits = moveConditions(source.shownIfBits);
    field.enabledIfBits = moveConditions(source.enabledIfBits);
    return field;
}

}  // namespace

PageBuilder::PageBuilder(int pageNumber, std::string caption) {
    page_.pageNumber = pageNumber;
    page_.caption = std::move(caption);
}

PageBuilder& PageBuilder::Group(std::string name) {
    return Group(std::move(name), "");
}

PageBuilder& PageBuilder::Group(std::string name, std::string box) {
    group_ = std::move(name);
    box_ = std::move(box);
    enabledFromHere_.clear();
    enabledFromHereTypes_.clear();
    shownForHeliFromHere_.reset();
    return *this;
}

PageBuilder& PageBuilder::ShownOnly() {
    return Group("");
}

PageBuilder& PageBuilder::Policy(const GroupPolicy& policy) {
    CurrentHooks().policy = policy;
    return *this;
}

PageBuilder& PageBuilder::DefaultPolicy(const GroupPolicy& policy) {
    page_.defaultPolicy = policy;
    return *this;
}

PageBuilder& PageBuilder::GroupCaptionText(int number) {
    CurrentHooks().captionText = number;
    return *this;
}

PageBuilder& PageBuilder::Push(Field field) {
    field.group = group_;
    field.box = box_;
    field.enabledIf = enabledFromHere_;
    field.enabledForTypes = enabledFromHereTypes_;
    if (shownForHeliFromHere_) {
        field.shownForHeli = shownForHeliFromHere_;
    }
    field.types = types_;
    field.variant = variant_;
    page_.fields.push_back(std::move(field));
    return *this;
}

PageBuilder& PageBuilder::Add(std::string key, int offset, codec::CodecPtr codec) {
    Field field;
    field.key = std::move(key);
    field.offset = offset;
    field.codec = std::move(codec);
    return Push(std::move(field));
}

PageBuilder& PageBuilder::Number(std::string key, int offset, codec::ByteFormat format, int min,
                                 int max) {
    Add(std::move(key), offset, codec::Number(format));
    page_.fields.back().ranges = {{min, max}};
    return *this;
}

PageBuilder& PageBuilder::Unranged(std::string key, int offset, codec::ByteFormat format) {
    return Add(std::move(key), offset, codec::Number(format));
}

PageBuilder& PageBuilder::Signed(std::string key, int offset, int min, int max) {
    return Number(std::move(key), offset, codec::kSigned, min, max);
}

PageBuilder& PageBuilder::Unsigned(std::string key, int offset, int min, int max, Byte mask) {
    codec::ByteFormat format = codec::kUnsigned;
    format.mask = mask;
    return Number(std::move(key), offset, format, min, max);
}

PageBuilder& PageBuilder::HalfPercent(std::string key, int offset) {
    return Number(std::move(key), offset, codec::kHalfPercent, 0, kHalfPercentMax);
}

PageBuilder& PageBuilder::Flag(std::string key, int offset, Byte mask) {
    return Add(std::move(key), offset, codec::Flag(mask));
}

PageBuilder& PageBuilder::FlagTickedWhenClear(std::string key, int offset, Byte mask) {
    return Add(std::move(key), offset, codec::Flag(mask, true));
}

PageBuilder& PageBuilder::Choice(std::string key, int offset, const ChoiceList& list,
                                 int secondOffset) {
    return Add(std::move(key), offset, codec::Choice(list, secondOffset));
}

PageBuilder& PageBuilder::ModelType(std::string key, const ModelTypeTable& table) {
    return Add(std::move(key), table.offset, codec::ModelType(table));
}

PageBuilder& PageBuilder::Timer(const std::string& prefix, int offset) {
    return Timer(prefix + " Zeit", offset, codec::TimerFormat{}, prefix + " Zeit", prefix + " min",
                 prefix + " sek");
}

PageBuilder& PageBuilder::Timer(std::string key, int offset, codec::TimerFormat format,
                                std::string refusal, std::string minutesName,
                                std::string secondsName) {
    Add(std::move(key), offset, codec::Timer(format));
    Field& field = page_.fields.back();
    field.refusal = std::move(refusal);
    field.minutesName = std::move(minutesName);
    field.secondsName = std::move(secondsName);
    return *this;
}

PageBuilder& PageBuilder::Name(std::string key, int offset, int length) {
    return Name(std::move(key), offset, codec::NameFormat{NameCharset::Plain, length});
}

PageBuilder& PageBuilder::Name(std::string key, int offset, codec::NameFormat format) {
    return Add(std::move(key), offset, codec::Name(format));
}

PageBuilder& PageBuilder::SignMagnitude(std::string key, int offset, int min, int max,
                                        int minAmount) {
    Add(std::move(key), offset, codec::SignMagnitude(minAmount));
    page_.fields.back().ranges = {{min, max}};
    return *this;
}

PageBuilder& PageBuilder::Gyro(const std::string& key, int offset, int modeOffset, Byte modeMask) {
    Add(key, offset, codec::GyroRate(modeOffset, modeMask));
    page_.fields.back().ranges = {{0, kHalfPercentMax}};
    Add(key + " AVC", offset, codec::GyroSide(modeOffset, modeMask));
    return RuleOffset(modeOffset, modeMask).ShownIf(InGyroMode);
}

PageBuilder& PageBuilder::HalfPercentCurve(const std::string& prefix, int offset) {
    for (int point = 0; point < 5; ++point) {
        HalfPercent(prefix + std::to_string(point + 1), offset + point);
    }
    return *this;
}

PageBuilder& PageBuilder::SignedCurve(const std::string& prefix, int offset, int min, int max) {
    for (int point = 0; point < 5; ++point) {
        Signed(prefix + std::to_string(point + 1), offset + point, min, max);
    }
    return *this;
}

PageBuilder& PageBuilder::Reuse(const PageTable& from, const OffsetMap& map,
                                const std::function<bool(const Field&)>& pick) {
    const std::string group = group_;
    for (const Field& source : from.fields) {
        if (!pick(source)) {
            continue;
        }
        std::optional<Field> field = Moved(source, map);
        if (!field) {
            continue;
        }
        group_ = source.IsShownOnly() ? std::string() : group;
        Push(std::move(*field));
    }
    group_ = group;
    return *this;
}

PageBuilder& PageBuilder::Refusal(std::string name) {
    page_.fields.back().refusal = std::move(name);
    return *this;
}

PageBuilder& PageBuilder::Label(std::string label) {
    page_.fields.back().label = std::move(label);
    return *this;
}

PageBuilder& PageBuilder::LabelText(int number, std::string suffix) {
    page_.fields.back().labelText = number;
    page_.fields.back().label = std::move(suffix);
    return *this;
}

PageBuilder& PageBuilder::RadioButtons() {
    page_.fields.back().radioButtons = true;
    return *this;
}

PageBuilder& PageBuilder::Tooltip(std::string text) {
    page_.fields.back().tooltip = std::move(text);
    return *this;
}

PageBuilder& PageBuilder::TooltipText(int number) {
    page_.fields.back().tooltipText = number;
    return *this;
}

PageBuilder& PageBuilder::AlsoRange(int min, int max) {
    page_.fields.back().ranges.push_back({min, max});
    return *this;
}

PageBuilder& PageBuilder::Range(int min, int max) {
    page_.fields.back().ranges = {{min, max}};
    return *this;
}

PageBuilder& PageBuilder::ExchangePrompt() {
    page_.fields.back().exchangePrompt = true;
    return *this;
}

PageBuilder& PageBuilder::ShownIf(FieldRule rule) {
    page_.fields.back().shownIf.push_back(rule);
    return *this;
}

PageBuilder& PageBuilder::EnabledIf(FieldRule rule) {
    page_.fields.back().enabledIf.push_back(rule);
    return *this;
}

PageBuilder& PageBuilder::RuleOffset(int offset, Byte mask) {
    page_.fields.back().ruleOffset = offset;
    page_.fields.back().ruleMask = mask;
    return *this;
}

PageBuilder& PageBuilder::CaptionBy(FieldCaption caption) {
    page_.fields.back().caption = caption;
    return *this;
}

PageBuilder& PageBuilder::EnabledFromHere(FieldRule rule) {
    enabledFromHere_.push_back(rule);
    return *this;
}

PageBuilder& PageBuilder::ShownIfBits(int offset, Byte mask, Byte value) {
    page_.fields.back().shownIfBits.push_back({offset, mask, value});
    return *this;
}

PageBuilder& PageBuilder::EnabledIfBits(int offset, Byte mask, Byte value) {
    page_.fields.back().enabledIfBits.push_back({offset, mask, value});
    return *this;
}

PageBuilder& PageBuilder::ShownForTypes(std::vector<int> codes) {
    page_.fields.back().shownForTypes = std::move(codes);
    return *this;
}

PageBuilder& PageBuilder::EnabledForTypes(std::vector<int> codes) {
    page_.fields.back().enabledForTypes = std::move(codes);
    return *this;
}

PageBuilder& PageBuilder::ShownForHeli(bool heli) {
    page_.fields.back().shownForHeli = heli;
    return *this;
}

PageBuilder& PageBuilder::EnabledFromHereForTypes(std::vector<int> codes) {
    enabledFromHereTypes_ = std::move(codes);
    return *this;
}

PageBuilder& PageBuilder::ShownFromHereForHeli(bool heli) {
    shownForHeliFromHere_ = heli;
    return *this;
}

PageBuilder& PageBuilder::Types(const ModelTypeTable& table) {
    types_ = &table;
    return *this;
}

GroupHooks& PageBuilder::CurrentHooks() {
    for (GroupHooks& hooks : page_.hooks) {
        if (hooks.group == group_) {
            return hooks;
        }
    }
    GroupHooks hooks;
    hooks.group = group_;
    page_.hooks.push_back(hooks);
    return page_.hooks.back();
}

PageBuilder& PageBuilder::Refuse(RefuseHook refuse) {
    CurrentHooks().refuse = refuse;
    return *this;
}

PageBuilder& PageBuilder::BeforeWrite(BeforeWriteHook beforeWrite) {
    CurrentHooks().beforeWrite = beforeWrite;
    return *this;
}

PageBuilder& PageBuilder::AfterWrite(AfterWriteHook afterWrite) {
    CurrentHooks().afterWrite = afterWrite;
    return *this;
}

PageBuilder& PageBuilder::Clears(std::initializer_list<BitRef> bits) {
    page_.exclusions.push_back({page_.fields.back().key, bits});
    return *this;
}

PageBuilder& PageBuilder::WhenChosen(long long value, std::vector<BitRef> sets,
                                     std::vector<BitRef> clears) {
    page_.exclusions.push_back(
        {page_.fields.back().key, std::move(clears), std::move(sets), value, true, false});
    return *this;
}

PageBuilder& PageBuilder::WhenChangedTo(long long value, std::vector<BitRef> sets,
                                        std::vector<BitRef> clears) {
    page_.exclusions.push_back(
        {page_.fields.back().key, std::move(clears), std::move(sets), value, false, false});
    return *this;
}

PageBuilder& PageBuilder::OnEveryCommit(std::vector<BitRef> sets, std::vector<BitRef> clears) {
    page_.exclusions.push_back(
        {page_.fields.back().key, std::move(clears), std::move(sets), 0, false, true});
    return *this;
}

PageBuilder& PageBuilder::Variants(std::string caption, std::vector<std::string> names) {
    page_.variantCaption = std::move(caption);
    page_.variants = std::move(names);
    return *this;
}

PageBuilder& PageBuilder::VariantFromHere(int variant) {
    variant_ = variant;
    return *this;
}

PageBuilder& PageBuilder::Note(std::string text, int textNumber) {
    page_.notes.push_back({std::move(text), textNumber});
    return *this;
}

PageBuilder& PageBuilder::Graph(CurveGraph graph) {
    page_.graph = std::move(graph);
    return *this;
}
