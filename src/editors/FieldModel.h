#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/Bytes.h"
#include "common/Message.h"
#include "dataset/ModelNames.h"
#include "editors/GroupPolicy.h"

// A model record: the bytes of one model slot.
using ModelRecord = std::span<Byte>;
using ConstModelRecord = std::span<const Byte>;

// Bits of one or two record bytes: the bits of `care` must equal those of `value`. The
// byte at a field's offset is the low half, the byte at its second offset the high half.
struct BitPattern {
    std::uint16_t value = 0;
    std::uint16_t care = 0;
};

// One entry of a list: its built-in text, the bits it writes and the bits by which it is
// recognised (and further patterns that also read as it), and the language text that
// replaces its text on the page (0 for none).
struct ChoiceEntry {
    std::string text;
    BitPattern write;
    BitPattern read;
    int textNumber = 0;
    std::vector<BitPattern> alsoRead = {};
};

// A list whose entries stand for bit patterns. Reading picks the entry whose pattern
// matches with the most bits; a stored pattern that no entry matches shows the fallback
// entry, or no entry at all.
struct ChoiceList {
    std::vector<ChoiceEntry> entries;
    std::optional<int> fallback;
};

// Bits of one record byte.
struct BitRef {
    int offset = 0;
    Byte mask = 0;
};

class FieldCodec;
struct Field;
// An enabling or showing rule, asked with the record as it stands.
using FieldRule = bool (*)(ConstModelRecord record, const Field& field);
// The label of a field whose meaning depends on the record.
using FieldCaption = std::string (*)(ConstModelRecord record, const Field& field);

// The bits of `mask` in the byte at `offset` hold `value`.
struct BitCondition {
    int offset = 0;
    Byte mask = 0;
    Byte value = 0;
};

struct ModelTypeTable;

// Entered values are tested against each range in turn; the first that fails refuses.
// Ranges are in the units the codec tests (for half-percent fields: halves).
struct ValueRange {
    int min = 0;
    int max = 0;
};

// One field of a model record as an editor page shows it.
struct Field {
    std::string key;      // unique within the family: command line, exclusions, focus
    std::string refusal;  // the name range and timer refusals give; may be shared
    std::string label;    // the caption beside the control; empty: the key
    int labelText = 0;    // a caption from the language table, followed by `label`
    std::string tooltip;  // a fixed tooltip, or empty
    int tooltipText = 0;  // a tooltip from the language table, or 0
    std::string group;    // the commit handler it belongs to; empty: shown only
    std::string box;      // the box it is shown in, when several handlers share one
    std::shared_ptr<const FieldCodec> codec;
    int offset = 0;
    std::vector<ValueRange> ranges;
    // A field whose range the field exchange tests with its own prompt, whatever its
    // group's policy says.
    bool exchangePrompt = false;
    std::string minutesName;  // timers: names of the parts in refusals
    std::string secondsName;
    int ruleOffset = -1;  // a further byte that the field's rules look at, and its bits
    Byte ruleMask = 0;
    // All must hold for the control to be shown, or enabled: rules, bit conditions, and
    // model types (codes of the page's model-type table; empty: every type).
    std::vector<FieldRule> shownIf;
    std::vector<FieldRule> enabledIf;
    std::vector<BitCondition> shownIfBits;
    std::vector<BitCondition> enabledIfBits;
    const ModelTypeTable* types = nullptr;
    std::vector<int> shownForTypes;
    std::vector<int> enabledForTypes;
    std::optional<bool> shownForHeli;  // shown only for helicopter types, or only for others
    // The page's variant (a flight condition) the field belongs to; -1: every variant.
    int variant = -1;
    FieldCaption caption = nullptr;  // none: the label
    bool radioButtons = false;       // a list shown as radio buttons

    bool IsShownOnly() const { return group.empty(); }
    const std::string& Box() const { return box.empty() ? group : box; }
    const std::string& Label() const { return label.empty() ? key : label; }
};

// What a control holds for a field: a number (integer in the codec's units: half-percent
// and gyro rates in halves, list entry or -1 for none, check box 0 or 1) or a text (timer,
// name).
struct FieldValue {
    long long number = 0;
    std::string text;

    friend bool operator==(const FieldValue&, const FieldValue&) = default;
};

// The values of one group, in the group's order, as the page's controls hold them.
using GroupInput = std::vector<std::pair<const Field*, FieldValue>>;

// What committing a flag or list does to other bits of the record: it sets and clears
// them when the field changes to `value` (a flag ticked: 1), on every commit in which the
// field holds `value` (`everyCommit`), or on every commit of the field whatever it holds
// (`anyValue`: a mixer row that switches others off).
struct Exclusion {
    std::string flag;  // the key of the field
    std::vector<BitRef> clears;
    std::vector<BitRef> sets = {};
    long long value = 1;
    bool everyCommit = false;
    bool anyValue = false;
};

// A refusal asked before anything of the group is written.
using RefuseHook = std::optional<Message> (*)(ConstModelRecord record, const GroupInput& input);
// A step run before the group's values are written.
using BeforeWriteHook = void (*)(ModelRecord record, const GroupInput& input);
// A step run after the group's values are written; it may change the record further and
// returns a warning to show (the values stay written).
using AfterWriteHook = std::optional<Message> (*)(ModelRecord record, const GroupInput& input);

// The policy and special rules of a group, beside the table.
struct GroupHooks {
    std::string group;
    RefuseHook refuse = nullptr;
    BeforeWriteHook beforeWrite = nullptr;
    AfterWriteHook afterWrite = nullptr;
    std::optional<GroupPolicy> policy;
    int captionText = 0;  // the box caption from the language table instead of the name
};

// A page element that is not a field: a graph of five-point curves, each drawn while its
// check box is ticked. In page pixels: the graph covers the frame (left, top, width,
// height); point n (0 to 4) of a curve lies at x = firstX + n * step and
// y = baseY - trunc((value + valueOffset) * scale), with the factor held in single
// precision (1.65 is 1.6499999761...) and the product truncated toward zero.
struct CurveOfGraph {
    std::string label;    // the caption of its check box
    std::string group;    // the field group whose caption takes the curve's colour
    int firstOffset = 0;  // the five points, one byte each, `stride` apart
    int stride = 1;
    std::uint32_t colour = 0;  // 0xRRGGBB
    bool dotted = false;
    // The bytes of points 1 to 5 where they lie scattered over the record (then
    // `firstOffset` and `stride` are not used); a point at -1 is left out of the line.
    std::vector<int> offsets = {};
};
struct CurveGraph {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int firstX = 0;
    int step = 0;
    int baseY = 0;
    float scale = 1.0F;
    int valueOffset = 0;
    bool isSigned = false;  // points are two's complement bytes
    // The axes: a vertical line at axisX from axisTop to axisBottom and a horizontal line
    // at axisY from axisLeft to axisRight.
    int axisX = 0;
    int axisTop = 0;
    int axisBottom = 0;
    int axisY = 0;
    int axisLeft = 0;
    int axisRight = 0;
    std::vector<CurveOfGraph> curves;
    // While the pointer is inside the frame, the curves' check boxes and group captions are
    // painted in the curves' colours.
    bool colourCaptions = false;
    // The curves' check boxes are ticked when the page is built.
    bool startTicked = false;
};
// The points of a curve for the record, in page pixels (five, less those left out).
std::vector<std::pair<int, int>> CurvePoints(const CurveGraph& graph, const CurveOfGraph& curve,
                                             ConstModelRecord record);

struct PageNote {
    std::string text;
    int textNumber = 0;
};

// One editor page: its fields in the order they are written within each group.
struct PageTable {
    int pageNumber = 0;
    std::string caption;
    std::vector<Field> fields;
    std::vector<GroupHooks> hooks;
    std::vector<Exclusion> exclusions;
    GroupPolicy defaultPolicy;
    std::vector<PageNote> notes;
    std::optional<CurveGraph> graph;
    // Variants of the page's groups (flight conditions): the page shows the fields of the
    // variant chosen in a list captioned `variantCaption`; the command line shows them all.
    std::string variantCaption;
    std::vector<std::string> variants;

    const Field* FindField(const std::string& key) const;
    const GroupHooks* HooksOf(const std::string& group) const;
    GroupPolicy PolicyOf(const std::string& group) const;
    std::vector<const Field*> GroupFields(const std::string& group) const;
};

// One entry of a family's model-type (mixing program) table: its list text, the code in
// the type byte, the mixing page it brings, whether it is a helicopter, and the default
// bytes a change to it writes (offset, bytes), in this order, before the code is stored.
struct ModelTypeEntry {
    std::string text;
    int code = 0;
    int mixingPage = 0;
    bool heli = false;
    std::vector<std::pair<int, std::vector<Byte>>> defaults;
    int textNumber = 0;
};

// Codes that no entry lists but that still choose a mixing page ("128 or more is a
// helicopter").
struct ModelTypeCodes {
    int first = 0;
    int last = 0;
    int mixingPage = 0;
    bool heli = false;
};

// Where a family keeps the model type and what each type stands for.
struct ModelTypeTable {
    int offset = 0;
    Byte mask = 0xFF;
    std::vector<ModelTypeEntry> entries;
    std::vector<ModelTypeCodes> otherCodes = {};

    // The entry the record's type byte names, or nullptr for a code no entry has.
    const ModelTypeEntry* EntryOf(ConstModelRecord record) const;
    bool IsHeli(ConstModelRecord record) const;
    // The mixing page for the record's type, or 0 for a code without one.
    int MixingPageOf(ConstModelRecord record) const;
};

// The editor pages of a transmitter family: one registry row.
struct EditorFamily {
    std::string name;                    // "FF9"
    std::vector<std::string> typeNames;  // the catalogue names that get the pages
    std::string optionalTypeName;        // a name that gets them while the menu option says so
    int normalTabSet = 0;
    int editingTabSet = 0;
    NameField nameField;
    NameCharset nameCharset = NameCharset::Plain;
    const ModelTypeTable* modelTypes = nullptr;
    const PageTable* basePage = nullptr;
    std::vector<const PageTable*> mixingPages;  // one of them follows the base page
    std::vector<const PageTable*> otherPages;   // shown for every model

    const PageTable* PageByNumber(int pageNumber) const;
    // The mixing page that fits the model's type, or 0 to leave the tab as it is.
    int MixingPageOf(ConstModelRecord record) const;
    bool IsMixingPage(int pageNumber) const;
    // The pages of a model in tab order: base page, its mixing page, the others.
    std::vector<const PageTable*> PagesForModel(ConstModelRecord record) const;
    std::vector<const PageTable*> AllPages() const;
    // The model's name as the family's model lists show it.
    std::string ModelName(ConstModelRecord record) const;
};

bool IsFieldShown(const Field& field, ConstModelRecord record);
bool IsFieldEnabled(const Field& field, ConstModelRecord record);
// The label the page shows beside the field's control for the record.
std::string CaptionOf(const Field& field, ConstModelRecord record);
