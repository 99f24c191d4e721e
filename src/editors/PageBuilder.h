#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "editors/FieldModel.h"

// Writes an editor page's table one row per field. Fields join the group named last
// (or are shown only after ShownOnly) and are written in the order they are added.
class PageBuilder {
  public:
    PageBuilder(int pageNumber, std::string caption);

    // Following fields commit in this group; rules set with EnabledFromHere end here.
    PageBuilder& Group(std::string name);
    // Following fields are shown only.
    PageBuilder& ShownOnly();

    PageBuilder& Signed(std::string name, int offset, int min, int max);
    PageBuilder& Unsigned(std::string name, int offset, int min, int max, Byte mask = 0xFF);
    // A half-percent field of 0 to 100 %.
    PageBuilder& HalfPercent(std::string name, int offset);
    PageBuilder& Flag(std::string name, int offset, Byte mask);
    PageBuilder& FlagTickedWhenClear(std::string name, int offset, Byte mask);
    PageBuilder& Choice(std::string name, int offset, const ChoiceList& list,
                        int secondOffset = -1);
    // A timer "<prefix> Zeit" whose parts are refused as "<prefix> min" and "<prefix> sek".
    PageBuilder& Timer(const std::string& prefix, int offset);
    PageBuilder& Name(std::string name, int offset, int length);
    // A gyro rate and its "<name> AVC" choice, which shows only in the rate/AVC mode
    // (the bits of `modeMask` all set in the byte at `modeOffset`).
    PageBuilder& Gyro(const std::string& name, int offset, int modeOffset, Byte modeMask);
    // Five points "<prefix>1" ... "<prefix>5" at offset ... offset + 4.
    PageBuilder& HalfPercentCurve(const std::string& prefix, int offset);
    PageBuilder& SignedCurve(const std::string& prefix, int offset, int min, int max);

    // Rules and extras of the field added last.
    PageBuilder& AlsoRange(int min, int max);
    PageBuilder& ShownIf(FieldRule rule);
    PageBuilder& EnabledIf(FieldRule rule);
    PageBuilder& RuleOffset(int offset);
    PageBuilder& CaptionBy(FieldCaption caption);
    // An enabling rule for every following field of the group.
    PageBuilder& EnabledFromHere(FieldRule rule);

    // Hooks of the current group and exclusions of the field added last.
    PageBuilder& Refuse(std::optional<Message> (*refuse)(ConstModelRecord, const GroupInput&));
    PageBuilder& BeforeWrite(void (*beforeWrite)(ModelRecord, const GroupInput&));
    PageBuilder& Clears(std::initializer_list<BitRef> bits);

    PageTable Build() const { return page_; }

  private:
    PageBuilder& Add(Field field);
    GroupHooks& CurrentHooks();

    PageTable page_;
    std::string group_;
    std::vector<FieldRule> enabledFromHere_;
};
