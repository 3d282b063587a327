#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/dasha/vimshottari_dasha.h"
#include "core/panchang/birth_details.h"
#include "core/state/birth_data.h"
#include "core/state/chart_state.h"
#include "core/reading/number_text.h"
#include "core/reading/birth_input.h"

namespace zorvane {

// One computed reading as the front ends see it: what was applied, what came
// out, and the numbers behind it. A value, made once per calculation; the
// window, the command line and the batch read nothing else.
struct BirthRecord {
    // Whose reading, where: as given, never computed with.
    std::string name;
    BirthPlace place;
    // The inputs as the computations applied them.
    BirthData birth;
    int second = 0;  // the clock's seconds as given
    // The offset applied and how it was made ("+6:30 from UT = zone +5:30
    // and DST +1:00 (typed)"), and what happened at a change of the clocks
    // or a choice of clock standard (empty when nothing did). A front end
    // that knows where the zone came from writes its own sentence here.
    std::string zoneApplied;
    std::string clockNote;
    // Degrees, north positive. Empty when the latitude boxes do not give one
    // (a latitude never blocks a reading).
    std::optional<double> latitudeDegrees;

    // Rows of NakshatraNames / NakshatraTable and YogaNames / YogaTable.
    // Empty when the Moon stands at exactly 360 degrees sidereal (the empty
    // name slot) or a position falls outside the table.
    std::optional<int> nakshatraIndex;
    std::optional<int> yogaIndex;

    // The numbers behind the names, as the command line prints them.
    double universalHours = 0;      // hours from the civil date's midnight
    double julianDayNumber = 0;     // noon-based day number of the civil date
    double centuries = 0;           // Julian centuries from 2000 January 1.5
    double ayanamsa = 0;            // sidereal offset of the nakshatra's Moon, degrees
    double moonSidereal = 0;        // the nakshatra's sidereal Moon, degrees
    double jde = 0;                 // Julian ephemeris day of the panchang
    double panchangAyanamsa = 0;    // degrees
    double moonUnreduced = 0;       // panchang Moon, degrees, whole turns kept
    double sunUnreduced = 0;        // panchang Sun, degrees, whole turns kept
    double yogaPosition = 0;        // counted in yogas, 0 <= y < 27

    // Everything shown beyond the two names, and the dasha of the same
    // sidereal Moon. Filled by AddDetailsAndDasha only: a batch that does not
    // ask for them does not pay for them.
    std::optional<BirthDetails> details;
    std::optional<VimshottariDasha> dasha;
};

// The record of the names and numbers that the computation steps have just
// left in chart for this input (details and dasha not yet filled).
BirthRecord MakeBirthRecord(const BirthInput& input, const ChartState& chart);

// The names of the record's rows; empty for no row.
std::string_view NakshatraNameOf(const BirthRecord& record);
std::string_view YogaNameOf(const BirthRecord& record);

}  // namespace zorvane
