#pragma once

#include <optional>
#include <string>

#include "common/Message.h"
#include "editors/FieldModel.h"

// The rules of the FF9 pages that a table row cannot say: the timer position list that
// shows only for switches A to H, two labels that follow the record, and the refusals of
// texts 236 to 240.
namespace ff9 {

inline constexpr int kBasePage = 40;
inline constexpr int kAcrobaticPage = 41;
inline constexpr int kGliderPage = 42;
inline constexpr int kHeliPage = 43;
inline constexpr int kMixersPage = 49;

inline constexpr int kModelTypeOffset = 3;
inline constexpr char kModelTypeField[] = "Modelltyp";

// Model type codes the pages' enabling rules name.
inline constexpr int kAcro = 0;
inline constexpr int kGlider1 = 1;
inline constexpr int kGlider2 = 2;
inline constexpr int kHeliSwh1 = 129;
inline constexpr int kHeliSwh2 = 130;
inline constexpr int kHeliSwh4 = 131;
inline constexpr int kHeliSr3 = 132;
inline constexpr int kHeliSn3 = 133;

// The model types of the FF9: list text, type byte, mixing page and default block.
const ModelTypeTable& ModelTypes();

// The timer switch byte at the field's offset selects one of the switches A to H.
bool TimerSwitchIsAToH(ConstModelRecord record, const Field& field);

// Labels: the two flap values read "FLAP 1" and "FLAP 2" while the flaperon is on,
// "ELEvon ..." while the elevon mixer is on, "Flap/Ele ..." otherwise; the governor
// rates read "Norm.", "Idle 1", "Idle 2" and "Idle 3" while the governor is switched by
// flight condition.
std::string FlapCaption(ConstModelRecord record, const Field& field);
std::string GovernorCaption(ConstModelRecord record, const Field& field);

// Refusals: a stick switch as dual-rate switch of a helicopter model (text 236), "Cond"
// for an aeroplane or glider model (237), the throttle needle switched on while the
// ailevator is on (238), the governor's second option entry with the throttle needle on
// or for "Heli SWH4" (240).
std::optional<Message> RefuseDualRateSwitch(ConstModelRecord record, const GroupInput& input);
std::optional<Message> RefuseNeedleWithAilevator(ConstModelRecord record, const GroupInput& input);
std::optional<Message> RefuseGovernor(ConstModelRecord record, const GroupInput& input);

}  // namespace ff9
