#include "editors/PageBuilder.h"

#include <utility>

namespace {

constexpr int kHalfPercentMax = 200;

Field Basic(std::string name, Codec codec, int offset) {
    Field field;
    field.name = std::move(name);
    field.codec = codec;
    field.offset = offset;
    return field;
}

}  // namespace

PageBuilder::PageBuilder(int pageNumber, std::string caption) {
    page_.pageNumber = pageNumber;
    page_.caption = std::move(caption);
}

PageBuilder& PageBuilder::Group(std::string name) {
    group_ = std::move(name);
    enabledFromHere_.clear();
    return *this;
}

PageBuilder& PageBuilder::ShownOnly() {
    return Group("");
}

PageBuilder& PageBuilder::Add(Field field) {
    field.group = group_;
    field.enabledIf = enabledFromHere_;
    page_.fields.push_back(std::move(field));
    return *this;
}

PageBuilder& PageBuilder::Signed(std::string name, int offset, int min, int max) {
    Field field = Basic(std::move(name), Codec::SignedByte, offset);
    field.ranges = {{min, max}};
    return Add(std::move(field));
}

PageBuilder& PageBuilder::Unsigned(std::string name, int offset, int min, int max, Byte mask) {
    Field field = Basic(std::move(name), Codec::UnsignedByte, offset);
    field.ranges = {{min, max}};
    field.mask = mask;
    return Add(std::move(field));
}

PageBuilder& PageBuilder::HalfPercent(std::string name, int offset) {
    Field field = Basic(std::move(name), Codec::HalfPercent, offset);
    field.ranges = {{0, kHalfPercentMax}};
    return Add(std::move(field));
}

PageBuilder& PageBuilder::Flag(std::string name, int offset, Byte mask) {
    Field field = Basic(std::move(name), Codec::Flag, offset);
    field.mask = mask;
    return Add(std::move(field));
}

PageBuilder& PageBuilder::FlagTickedWhenClear(std::string name, int offset, Byte mask) {
    Flag(std::move(name), offset, mask);
    page_.fields.back().tickedWhenClear = true;
    return *this;
}

PageBuilder& PageBuilder::Choice(std::string name, int offset, const ChoiceList& list,
                                 int secondOffset) {
    Field field = Basic(std::move(name), Codec::Choice, offset);
    field.choices = &list;
    field.secondOffset = secondOffset;
    return Add(std::move(field));
}

PageBuilder& PageBuilder::Timer(const std::string& prefix, int offset) {
    Field field = Basic(prefix + " Zeit", Codec::Timer, offset);
    field.minutesName = prefix + " min";
    field.secondsName = prefix + " sek";
    return Add(std::move(field));
}

PageBuilder& PageBuilder::Name(std::string name, int offset, int length) {
    Field field = Basic(std::move(name), Codec::Name, offset);
    field.length = length;
    return Add(std::move(field));
}

PageBuilder& PageBuilder::Gyro(const std::string& name, int offset, int modeOffset, Byte modeMask) {
    Field rate = Basic(name, Codec::GyroRate, offset);
    rate.ranges = {{0, kHalfPercentMax}};
    rate.secondOffset = modeOffset;
    rate.mask = modeMask;
    Add(rate);
    Field avc = Basic(name + " AVC", Codec::GyroAvc, offset);
    avc.secondOffset = modeOffset;
    avc.mask = modeMask;
    Add(std::move(avc));
    return ShownIf([](ConstModelRecord record, const Field& field) {
        return field.secondOffset >= 0 &&
               static_cast<std::size_t>(field.secondOffset) < record.size() &&
               (record[static_cast<std::size_t>(field.secondOffset)] & field.mask) == field.mask;
    });
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

PageBuilder& PageBuilder::AlsoRange(int min, int max) {
    page_.fields.back().ranges.push_back({min, max});
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

PageBuilder& PageBuilder::RuleOffset(int offset) {
    page_.fields.back().ruleOffset = offset;
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

GroupHooks& PageBuilder::CurrentHooks() {
    for (GroupHooks& hooks : page_.hooks) {
        if (hooks.group == group_) {
            return hooks;
        }
    }
    page_.hooks.push_back({group_});
    return page_.hooks.back();
}

PageBuilder& PageBuilder::Refuse(std::optional<Message> (*refuse)(ConstModelRecord,
                                                                  const GroupInput&)) {
    CurrentHooks().refuse = refuse;
    return *this;
}

PageBuilder& PageBuilder::BeforeWrite(void (*beforeWrite)(ModelRecord, const GroupInput&)) {
    CurrentHooks().beforeWrite = beforeWrite;
    return *this;
}

PageBuilder& PageBuilder::Clears(std::initializer_list<BitRef> bits) {
    page_.exclusions.push_back({page_.fields.back().name, bits});
    return *this;
}
