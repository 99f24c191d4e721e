#pragma once

#include <optional>

#include "common/Message.h"
#include "editors/FieldModel.h"

// The FF10 record's fixed places, its model types, and the rules of its pages that a table
// row cannot say.
namespace ff10 {

inline constexpr int kBasePage = 50;
inline constexpr int kAcrobaticPage = 51;
inline constexpr int kGliderPage = 52;
inline constexpr int kHeliPage = 53;
inline constexpr int kMixersPage = 59;

inline constexpr int kRecordSize = 488;
inline constexpr int kModelTypeOffset = 10;
inline constexpr char kModelTypeField[] = "Modelltyp";

// Model type codes the pages' rules name.
inline constexpr int kAcro = 0;
inline constexpr int kGlider1A1F = 1;
inline constexpr int kGlider2A1F = 2;
inline constexpr int kGlider2A2F = 3;
inline constexpr int kHeliH1 = 129;
inline constexpr int kHeliH2 = 130;
inline constexpr int kHeliH4 = 131;
inline constexpr int kHeliHr3 = 132;
inline constexpr int kHeliHn3 = 133;
inline constexpr int kHeliHMinus3 = 134;
inline constexpr int kHeliHe3 = 135;
inline constexpr int kHeliH4x = 136;

// The twelve model types: list text, type byte, mixing page and default block.
const ModelTypeTable& ModelTypes();

// Which position list a switch byte at the field's offset shows: six positions for the
// switches A to H and the stick, two for a logic switch, none for "Pwr". Logic switches
// are codes 12 to 14, on channels 9 and 10 codes 13 to 15.
bool HoldsLogicSwitch(ConstModelRecord record, const Field& field);
bool HoldsOtherSwitch(ConstModelRecord record, const Field& field);
bool HoldsOtherSwitchNotPower(ConstModelRecord record, const Field& field);
bool HoldsChannelLogicSwitch(ConstModelRecord record, const Field& field);
bool HoldsChannelSwitch(ConstModelRecord record, const Field& field);
// A dual-rate switch byte holds one of the switches A to H (not a stick switch or "Cond").
bool HoldsDualRateSwitchAToH(ConstModelRecord record, const Field& field);

// A stick switch as the dual-rate switch of a helicopter model (text 236), "Cond" for an
// aeroplane or glider model (237).
std::optional<Message> RefuseDualRateSwitch(ConstModelRecord record, const GroupInput& input);

}  // namespace ff10
