#pragma once

// How a group of fields commits. Every page has a default and a group may differ.
struct GroupPolicy {
    // Check then write each value in turn (a refused value leaves the earlier ones
    // written), or check every value of the group before any is written.
    enum class Order { AsWritten, CheckAllFirst };
    // Edit fields commit when they lose the focus, or on every change of their text.
    enum class Trigger { FocusOut, EveryKeystroke };
    // Outside edit mode a commit shows the stored values again, silently or after text 230.
    enum class OutsideEditMode { Restore, Notice230 };
    // A value out of range brings text 219, or the field exchange's own prompt
    // "Geben Sie bitte eine ganze Zahl zwischen %1 und %2 ein.".
    enum class RangeMessage { Text219, ExchangePrompt };

    Order order = Order::AsWritten;
    Trigger trigger = Trigger::FocusOut;
    OutsideEditMode outsideEditMode = OutsideEditMode::Restore;
    RangeMessage rangeMessage = RangeMessage::Text219;
    // A value that decodes as the bytes already do leaves them untouched, so bits the pages
    // do not know survive a commit of their group.
    bool skipUnchanged = true;
};

// The policies the pages use, by name.
namespace policy {
// Base pages: check and write in turn, text 219, restore outside edit mode.
inline constexpr GroupPolicy kStandard{};
// Groups whose values are all tested before the first is written.
inline constexpr GroupPolicy kCheckAllFirst{GroupPolicy::Order::CheckAllFirst};
// Mixing pages that tell the user edit mode is off (text 230).
inline constexpr GroupPolicy kNoticeOutsideEdit{GroupPolicy::Order::AsWritten,
                                                GroupPolicy::Trigger::FocusOut,
                                                GroupPolicy::OutsideEditMode::Notice230};
// Pages whose fields commit on every keystroke and tell the user edit mode is off.
inline constexpr GroupPolicy kEveryKeystroke{GroupPolicy::Order::AsWritten,
                                             GroupPolicy::Trigger::EveryKeystroke,
                                             GroupPolicy::OutsideEditMode::Notice230};
// Pages whose ranges the field exchange tests with its own prompt.
inline constexpr GroupPolicy kExchangePrompt{
    GroupPolicy::Order::CheckAllFirst, GroupPolicy::Trigger::FocusOut,
    GroupPolicy::OutsideEditMode::Restore, GroupPolicy::RangeMessage::ExchangePrompt};
}  // namespace policy
