#pragma once

#include <optional>
#include <string>

#include "common/Message.h"
#include "editors/FieldModel.h"

// The rules of the FF9 pages that a table row cannot say: which controls are shown or
// enabled for a model, the refusals of texts 236 to 240, the model-type change and the
// choice of the mixing page.
namespace ff9 {

inline constexpr int kBasePage = 40;
inline constexpr int kAcrobaticPage = 41;
inline constexpr int kGliderPage = 42;
inline constexpr int kHeliPage = 43;
inline constexpr int kMixersPage = 49;

inline constexpr int kModelTypeOffset = 3;
inline constexpr char kModelTypeField[] = "Modelltyp";

// Showing and enabling rules, asked with the record as it stands.
bool AeroplaneOrGliderModel(ConstModelRecord record, const Field& field);
bool HeliModel(ConstModelRecord record, const Field& field);
bool NotHeliModel(ConstModelRecord record, const Field& field);
bool AcroOrGlider1Model(ConstModelRecord record, const Field& field);
bool Glider1Model(ConstModelRecord record, const Field& field);
bool Glider2Model(ConstModelRecord record, const Field& field);
bool HeliSwh1Model(ConstModelRecord record, const Field& field);
bool NotHeliSwh1Model(ConstModelRecord record, const Field& field);
// The timer switch byte at the field's offset selects one of the switches A to H.
bool TimerSwitchIsAToH(ConstModelRecord record, const Field& field);
bool AileronDifferentialOff(ConstModelRecord record, const Field& field);
bool GovernorByCondition(ConstModelRecord record, const Field& field);
// The mixer whose master/slave byte is at the field's rule offset is mastered by a stick.
bool MixerMasterIsStick(ConstModelRecord record, const Field& field);

// Labels: the two flap values read "FLAP 1" and "FLAP 2" while the flaperon is on,
// "ELEvon ..." while the elevon mixer is on, "Flap/Ele ..." otherwise; the governor
// rates read "Norm.", "Idle 1", "Idle 2" and "Idle 3" while the governor is switched by
// flight condition (the Idle 3 rate is enabled only then).
std::string FlapCaption(ConstModelRecord record, const Field& field);
std::string GovernorCaption(ConstModelRecord record, const Field& field);

// Refusals: a stick switch as dual-rate switch of a helicopter model (text 236), "Cond"
// for an aeroplane or glider model (237), the throttle needle switched on while the
// ailevator is on (238), the governor's second option entry with the throttle needle on
// or for "Heli SWH4" (240).
std::optional<Message> RefuseDualRateSwitch(ConstModelRecord record, const GroupInput& input);
std::optional<Message> RefuseNeedleWithAilevator(ConstModelRecord record, const GroupInput& input);
std::optional<Message> RefuseGovernor(ConstModelRecord record, const GroupInput& input);

// A new model type brings the default mixing program of its family (bytes 58 to 279).
void WriteTypeDefaults(ModelRecord record, const GroupInput& input);

// The mixing page for the model's type byte, or 0 for a type without one.
int MixingPageOf(ConstModelRecord record);

}  // namespace ff9
