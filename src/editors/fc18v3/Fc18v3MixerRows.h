#pragma once

#include <string>

#include "editors/PageBuilder.h"

namespace fc18v3 {

// Writes the rows of a mixing page. A row is one commit handler and one box: an on/off
// list ("Aus" while its bit in 117 to 119 is set, "Aktiv" while it is clear) and value
// fields, all written when any of them commits. Keys are the row's caption with its blanks
// collapsed, then the field's label, so a row that several pages share has the same keys
// on each ("55 Seite -> Höhe L%").
//
// The fixed-wing pages test no range of their own (Value, Expo, Travel, HundredMinus): an
// entry the byte cannot hold is refused with the field exchange's prompt instead of being
// stored as its low eight bits (200 would turn into -56); any value the byte holds is taken.
class MixerRows {
  public:
    // `tooltips`: value fields carry "-100 ... 100" and the flap travel "0 ... 100" (the
    // Motorflug page; the glider pages have no tooltips).
    MixerRows(PageBuilder& page, bool tooltips);

    // A row without or with an on/off list; `hint` labels the list where a row names the
    // trimmers that act on it.
    MixerRows& Row(const std::string& caption);
    MixerRows& Row(const std::string& caption, int onOffOffset, Byte bit,
                   const std::string& hint = "Aus/Aktiv");
    // A two's complement percentage.
    MixerRows& Value(const std::string& label, int offset);
    // A percentage stored divided by four ("Expo"), shown x 4.
    MixerRows& Expo(const std::string& label, int offset);
    // An unsigned travel (digits only).
    MixerRows& Travel(const std::string& label, int offset);
    // A neutral point: a left and a right value field. Mixers that share one show it in
    // each of their rows.
    MixerRows& Neutral(int leftOffset, int rightOffset);
    // The byte shown as 100 - its value. It commits apart from the row's other fields,
    // in the row's box, since one of them shows the same byte.
    MixerRows& HundredMinus(const std::string& label, int offset);
    // A number with the range the page tests and its tooltip.
    MixerRows& Ranged(const std::string& label, int offset, codec::ByteFormat format, int min,
                      int max, const char* tooltip);
    // Five curve points "Punkt 1" to "Punkt 5", percent 0 to 100.
    MixerRows& Curve(int firstOffset);
    // A list of the row other than its on/off list.
    MixerRows& List(const std::string& label, int offset, const ChoiceList& list);
    // Choosing "Aktiv" in the row's list (a change to it) also sets `bit`, switching
    // another mixer off.
    MixerRows& SwitchesOff(BitRef bit);

    // The key of a field of the current row, and the page for fields of other kinds.
    std::string Key(const std::string& label) const { return keyPrefix_ + " " + label; }
    PageBuilder& page() { return page_; }

  private:
    MixerRows& WithinByte(const std::string& label, int offset, codec::ByteFormat format,
                          const char* tooltip);

    PageBuilder& page_;
    bool tooltips_;
    std::string caption_;
    std::string keyPrefix_;
};

// A fixed-wing page: first the rows every one has, "51 Zusatztrimmung" (outputs 1 to 8),
// "52 Expo Störkl.", the flap travel `flapCaption` (the stick travel bytes of the flap
// function from `flapOffset`), "54 Quer -> Seite", "55 Seite -> Höhe", "56 Querruder
// Differenzierung"; on the glider pages "57 Mischer V-Leitw." and "61 Störklappe -> Höhe";
// then the page's own rows; last "75 Delta". On the glider pages V-tail and delta switch
// each other off. The Motorflug page writes 51, 52 and 56 with two blanks after the
// number, and its value fields carry tooltips.
using OwnRows = void (*)(MixerRows& rows);
PageTable FixedWingPage(int pageNumber, const std::string& caption, bool glider,
                        const std::string& flapCaption, int flapOffset, OwnRows ownRows);

// The fixed-wing pages: outside edit mode a commit tells the user so (text 230); an entry
// the byte cannot hold brings the field exchange's prompt.
inline constexpr GroupPolicy kFixedWingPolicy{
    GroupPolicy::Order::AsWritten, GroupPolicy::Trigger::FocusOut,
    GroupPolicy::OutsideEditMode::Notice230, GroupPolicy::RangeMessage::ExchangePrompt};

// Choosing "Aktiv" in a row that excludes delta sets this bit (Segler 2 flaperon).
inline constexpr BitRef kDeltaOff{119, 0x01};

}  // namespace fc18v3
