#pragma once

#include <string>

#include "editors/PageBuilder.h"

namespace ff10 {

// The switch lists of the FF10 pages (see Ff10Lists.h).
enum class SwitchSet {
    Start,  // with "Gas" and "Pwr" (timer start)
    Plain,  // "A" ... "H", "Ls1" ... "Ls3"
    Mixer,  // with "Gas"
};

// A switch list at `offset` and its position lists, in the current group: "<name>
// Schalter"; "<name> Position", six positions, shown for the switches A to H and the
// stick; "<name> Position Ls", two positions, shown for a logic switch. "Null" is written as
// no position or, with `nullAll`, as all positions. The labels begin with `label` (empty:
// the name).
void AddSwitch(PageBuilder& page, const std::string& name, int offset, SwitchSet set,
               bool nullAll = false, const std::string& label = "");

// The throttle cut of every program: switch at 129, position at 131 (FF9's field) with the
// program's range.
void AddThrottleCut(PageBuilder& page, int min, int max);

}  // namespace ff10
