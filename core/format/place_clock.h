#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/reading/birth_record.h"

namespace zorvane {

// The clock the times shown after a birth are read on: the place's own
// clock at each moment when the birth's zone follows the atlas (sunrise on
// the afternoon after a change of the clocks shows the new offset), the
// birth's offset throughout when the zone was typed or a clock standard
// was chosen.
struct PlaceClock {
    double birthLeadHours = 0;  // the birth's offset, hours east of universal time
    // Minutes east of universal time at a universal-time Julian day; empty
    // for the birth's offset throughout.
    std::function<int(double universalJd)> offsetMinutesAt;

    // The offset at a moment, hours east.
    double LeadHoursAt(double universalJd) const;
    // The offset at a moment differs from the birth's.
    bool DiffersAt(double universalJd) const;
};

// The birth's offset throughout.
PlaceClock BirthClock(double clockLeadHours);
// The record's: its atlas zone's history when it has one (and its details),
// else the birth's offset.
PlaceClock PlaceClockOf(const BirthRecord& record);

// "2023-03-12 07:10:31 (-4:00)": a moment on the place's clock, its offset
// beside it where it differs from the birth's; a dash for none.
std::string PlaceClockLine(double universalJd, const PlaceClock& clock);
std::string PlaceClockLine(const std::optional<double>& universalJd, const PlaceClock& clock);
// "2031-04-05": the calendar date of a moment on the place's clock.
std::string PlaceDateLine(double universalJd, const PlaceClock& clock);

}  // namespace zorvane
