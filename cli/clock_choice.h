#pragma once

#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/place_listing.h"
#include "cli/reading_fields.h"

namespace zorvane::cli {

// The zone of a reading at an atlas place after --clock and --repeated:
// the fields to compute, the applied-zone sentence, what happened at a
// change of the clocks or a clock standard, and the standards a time there
// may have been read from with what each changes (India before 1956).
struct ClockChoice {
    std::string fault;  // why --clock cannot apply here; empty otherwise
    ReadingFields fields;
    std::string zoneApplied;
    std::string clockNote;
    std::vector<std::string> standards;  // one line per standard
    // The atlas zone whose clock later times are read on; empty when a
    // clock standard was chosen (its times stay on that clock).
    std::string placeClockZone;
};

ClockChoice ChooseClock(const Options& options, const PlaceListing& listing);

}  // namespace zorvane::cli
