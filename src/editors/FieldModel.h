#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/Bytes.h"
#include "common/Message.h"

// A model record: the bytes of one model slot.
using ModelRecord = std::span<Byte>;
using ConstModelRecord = std::span<const Byte>;

// Bits of one or two record bytes: the bits of `care` must equal those of `value`. The
// byte at a field's offset is the low half, the byte at its second offset the high half.
struct BitPattern {
    std::uint16_t value = 0;
    std::uint16_t care = 0;
};

// One entry of a list: its built-in text, the language text that replaces it (0 for
// none), the bits it writes and the bits by which it is recognised.
struct ChoiceEntry {
    std::string text;
    BitPattern write;
    BitPattern read;
    int textNumber = 0;
};

// A list whose entries stand for bit patterns. Reading picks the entry whose pattern
// matches with the most bits; a stored pattern that no entry matches shows the fallback
// entry, or no entry at all.
struct ChoiceList {
    std::vector<ChoiceEntry> entries;
    std::optional<int> fallback;
};

// How a field's bytes become the value its control shows.
enum class Codec {
    SignedByte,    // two's complement byte
    UnsignedByte,  // the bits of `mask` (counted from bit 0) as a number, other bits kept
    HalfPercent,   // byte = percent x 2, shown with one decimal
    Flag,          // check box on the bit of `mask`, ticked when set or when clear
    Choice,        // list entry, see ChoiceList
    Timer,         // 16 bits low byte first in tenths of a second, edited as mm:ss
    Name,          // `length` characters byte for byte, blank padded
    GyroRate,      // half-percent; in rate/AVC mode the distance of the byte from 100
    GyroAvc,       // in rate/AVC mode: "AVC" when the byte is 100 or more, else "Norm"
};

struct Field;
// An enabling or showing rule, asked with the record as it stands.
using FieldRule = bool (*)(ConstModelRecord record, const Field& field);
// The label of a field whose meaning depends on the record.
using FieldCaption = std::string (*)(ConstModelRecord record, const Field& field);

// Entered values are tested against each range in turn; the first that fails refuses.
struct ValueRange {
    int min = 0;
    int max = 0;
};

// One field of a model record as an editor page shows it.
struct Field {
    std::string name;   // the name used in refusals, or a clear name where none is given
    std::string group;  // the commit handler it belongs to; empty: shown only
    Codec codec = Codec::UnsignedByte;
    int offset = 0;
    int secondOffset = -1;  // Choice: byte of the high pattern half; Gyro*: the mode byte
    Byte mask = 0xFF;       // UnsignedByte: value bits; Flag: the bit; Gyro*: mode bits
    bool tickedWhenClear = false;
    const ChoiceList* choices = nullptr;
    std::vector<ValueRange> ranges;
    int length = 0;           // Name: bytes
    std::string minutesName;  // Timer: names of the parts in refusals
    std::string secondsName;
    int ruleOffset = -1;             // a further byte that the field's rules look at
    std::vector<FieldRule> shownIf;  // all must hold for the control to be shown
    std::vector<FieldRule> enabledIf;
    FieldCaption caption = nullptr;  // none: the label is the name

    bool IsShownOnly() const { return group.empty(); }
};

// What a control holds for a field: a number (integer; half-percent and gyro rates in
// halves; list entry or -1 for none; check box 0 or 1) or a text (timer, name).
struct FieldValue {
    long long number = 0;
    std::string text;

    friend bool operator==(const FieldValue&, const FieldValue&) = default;
};

// The values of one group, in the group's order, as the page's controls hold them.
using GroupInput = std::vector<std::pair<const Field*, FieldValue>>;

// A flag whose ticking clears other flags of the record.
struct BitRef {
    int offset = 0;
    Byte mask = 0;
};
struct Exclusion {
    std::string flag;
    std::vector<BitRef> clears;
};

// The special rules of a group, beside the table: a refusal asked before anything is
// written, and a step run before the values are written.
struct GroupHooks {
    std::string group;
    std::optional<Message> (*refuse)(ConstModelRecord record, const GroupInput& input) = nullptr;
    void (*beforeWrite)(ModelRecord record, const GroupInput& input) = nullptr;
};

// One editor page: its fields in the order they are written within each group.
struct PageTable {
    int pageNumber = 0;
    std::string caption;
    std::vector<Field> fields;
    std::vector<GroupHooks> hooks;
    std::vector<Exclusion> exclusions;

    const Field* FindField(const std::string& name) const;
    const GroupHooks* HooksOf(const std::string& group) const;
    std::vector<const Field*> GroupFields(const std::string& group) const;
};

// The editor pages of a transmitter family.
struct EditorFamily {
    const PageTable* basePage = nullptr;
    std::vector<const PageTable*> mixingPages;  // one of them follows the base page
    std::vector<const PageTable*> otherPages;   // shown for every model
    int nameOffset = 0;
    int nameLength = 0;
    // The mixing page that fits the model's type, or 0 to leave the tab as it is.
    int (*mixingPageOf)(ConstModelRecord record) = nullptr;

    const PageTable* PageByNumber(int pageNumber) const;
    // The pages of a model in tab order: base page, its mixing page, the others.
    std::vector<const PageTable*> PagesForModel(ConstModelRecord record) const;
};

bool IsFieldShown(const Field& field, ConstModelRecord record);
bool IsFieldEnabled(const Field& field, ConstModelRecord record);
// The label the page shows beside the field's control for the record.
std::string CaptionOf(const Field& field, ConstModelRecord record);
