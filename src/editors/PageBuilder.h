#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "editors/FieldModel.h"
#include "editors/OffsetMap.h"
#include "editors/codecs/Codecs.h"

// Writes an editor page's table one row per field. Fields join the group named last
// (or are shown only after ShownOnly) and are written in the order they are added. A
// field's key is also its refusal name unless Refusal gives another.
class PageBuilder {
  public:
    PageBuilder(int pageNumber, std::string caption);

    // Following fields commit in this group; rules set with EnabledFromHere end here.
    PageBuilder& Group(std::string name);
    // A group shown in a box with other groups (a mixer whose switch, functions and rate
    // commit apart): consecutive groups with the same box share it.
    PageBuilder& Group(std::string name, std::string box);
    // Following fields are shown only.
    PageBuilder& ShownOnly();
    // The policy of the current group, or of every group that names none.
    PageBuilder& Policy(const GroupPolicy& policy);
    PageBuilder& DefaultPolicy(const GroupPolicy& policy);
    // The current group's box caption from the language table.
    PageBuilder& GroupCaptionText(int number);

    // A field of any codec.
    PageBuilder& Add(std::string key, int offset, codec::CodecPtr codec);
    // A number of the given format, tested against [min, max] in shown units.
    PageBuilder& Number(std::string key, int offset, codec::ByteFormat format, int min, int max);
    // A number written as the low bits of the entry, without a range test.
    PageBuilder& Unranged(std::string key, int offset, codec::ByteFormat format);
    PageBuilder& Signed(std::string key, int offset, int min, int max);
    PageBuilder& Unsigned(std::string key, int offset, int min, int max, Byte mask = 0xFF);
    // A half-percent field of 0 to 100 %.
    PageBuilder& HalfPercent(std::string key, int offset);
    PageBuilder& Flag(std::string key, int offset, Byte mask);
    PageBuilder& FlagTickedWhenClear(std::string key, int offset, Byte mask);
    PageBuilder& Choice(std::string key, int offset, const ChoiceList& list, int secondOffset = -1);
    PageBuilder& ModelType(std::string key, const ModelTypeTable& table);
    // A tenths timer "<prefix> Zeit" whose parts are refused as "<prefix> min" and
    // "<prefix> sek".
    PageBuilder& Timer(const std::string& prefix, int offset);
    // A timer of any layout with its whole-entry and part names.
    PageBuilder& Timer(std::string key, int offset, codec::TimerFormat format, std::string refusal,
                       std::string minutesName, std::string secondsName);
    PageBuilder& Name(std::string key, int offset, int length);
    PageBuilder& Name(std::string key, int offset, codec::NameFormat format);
    PageBuilder& SignMagnitude(std::string key, int offset, int min, int max, int minAmount);
    // A gyro rate and its "<key> AVC" side, which shows only in the rate/AVC mode (the
    // bits of `modeMask` all set in the byte at `modeOffset`).
    PageBuilder& Gyro(const std::string& key, int offset, int modeOffset, Byte modeMask);
    // Five points "<prefix>1" ... "<prefix>5" at offset ... offset + 4.
    PageBuilder& HalfPercentCurve(const std::string& prefix, int offset);
    PageBuilder& SignedCurve(const std::string& prefix, int offset, int min, int max);
    // Fields of another family's page that this family keeps elsewhere in its record:
    // every field `pick` chooses whose bytes the map moves joins the current group (a
    // shown-only field stays shown only) with its key, names, codec and ranges. Its bit
    // conditions move with it; conditions on bytes the map leaves, rules that read the
    // other record, captions and model-type lists stay behind (the types are this page's).
    PageBuilder& Reuse(const PageTable& from, const OffsetMap& map,
                       const std::function<bool(const Field&)>& pick);

    // Names, rules and extras of the field added last.
    PageBuilder& Refusal(std::string name);
    PageBuilder& Label(std::string label);
    // A caption from the language table, followed by `suffix` ("Steckplatz" + " 3").
    PageBuilder& LabelText(int number, std::string suffix = "");
    // The list added last shows as radio buttons.
    PageBuilder& RadioButtons();
    PageBuilder& Tooltip(std::string text);
    PageBuilder& TooltipText(int number);
    PageBuilder& AlsoRange(int min, int max);
    // The only range of the field added last, in place of those it had.
    PageBuilder& Range(int min, int max);
    // The field exchange's own prompt refuses the field's range (not text 219).
    PageBuilder& ExchangePrompt();
    PageBuilder& ShownIf(FieldRule rule);
    PageBuilder& EnabledIf(FieldRule rule);
    PageBuilder& RuleOffset(int offset, Byte mask = 0);
    PageBuilder& CaptionBy(FieldCaption caption);
    // The bits of `mask` at `offset` must hold `value` for the field to be shown, or enabled.
    PageBuilder& ShownIfBits(int offset, Byte mask, Byte value);
    PageBuilder& EnabledIfBits(int offset, Byte mask, Byte value);
    // The model types (codes of the page's type table) that show or enable the field.
    PageBuilder& ShownForTypes(std::vector<int> codes);
    PageBuilder& EnabledForTypes(std::vector<int> codes);
    // Shown only for helicopter types, or only for the others.
    PageBuilder& ShownForHeli(bool heli);
    // An enabling rule, bit condition or type list for every following field of the group.
    PageBuilder& EnabledFromHere(FieldRule rule);
    PageBuilder& EnabledFromHereForTypes(std::vector<int> codes);
    // Every following field of the group shown only for helicopter types, or only for others.
    PageBuilder& ShownFromHereForHeli(bool heli);
    // The model-type table the type lists of the following fields refer to.
    PageBuilder& Types(const ModelTypeTable& table);

    // Hooks of the current group and exclusions of the field added last.
    PageBuilder& Refuse(RefuseHook refuse);
    PageBuilder& BeforeWrite(BeforeWriteHook beforeWrite);
    PageBuilder& AfterWrite(AfterWriteHook afterWrite);
    // Ticking the flag added last clears these bits.
    PageBuilder& Clears(std::initializer_list<BitRef> bits);
    // Every commit in which the field added last holds `value` sets and clears these bits.
    PageBuilder& WhenChosen(long long value, std::vector<BitRef> sets,
                            std::vector<BitRef> clears = {});
    // A change of the field added last to `value` sets and clears these bits.
    PageBuilder& WhenChangedTo(long long value, std::vector<BitRef> sets,
                               std::vector<BitRef> clears = {});
    // Every commit of the field added last, whatever it holds, sets and clears these bits.
    PageBuilder& OnEveryCommit(std::vector<BitRef> sets, std::vector<BitRef> clears = {});

    // The page's variants, and the variant of the following fields (-1: every variant).
    PageBuilder& Variants(std::string caption, std::vector<std::string> names);
    PageBuilder& VariantFromHere(int variant);

    // Page elements beyond fields.
    PageBuilder& Note(std::string text, int textNumber = 0);
    PageBuilder& Graph(CurveGraph graph);

    PageTable Build() const { return page_; }

  private:
    PageBuilder& Push(Field field);
    GroupHooks& CurrentHooks();

    PageTable page_;
    std::string group_;
    std::string box_;
    std::vector<FieldRule> enabledFromHere_;
    std::vector<int> enabledFromHereTypes_;
    std::optional<bool> shownForHeliFromHere_;
    const ModelTypeTable* types_ = nullptr;
    int variant_ = -1;
};
