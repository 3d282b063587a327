#pragma once

#include <QByteArray>
#include <QDate>
#include <QTime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/wording.h"
#include "core/zones/atlas_zone.h"
#include "core/zones/clock_change.h"
#include "core/zones/clock_standards.h"

namespace zorvane {

// The user's choices for a clock time at a place whose zone follows the
// atlas: which reading of a time at a change of the clocks, and which clock
// standard the time was read from (India and its neighbours before 1956).
struct ClockSelection {
    RepeatedChoice repeated = RepeatedChoice::Earlier;
    ClockStandard standard = ClockStandard::TzDatabase;
    bool operator==(const ClockSelection&) const = default;
};

// What a place's zone offers for one clock time: the tz database's reading
// (the earlier one at a change), the change of the clocks if the time lies at
// one, and the standards it may have been read from.
struct ClockOffer {
    ZoneAtBirth zone;
    ClockChange change;                          // Ordinary when at no change
    std::vector<ClockStandardOption> standards;  // empty where the question does not arise
};

// Where and when: the atlas zone id, the civil date and clock time, the
// place in degrees (north and east positive).
ClockOffer ClockOfferAt(const QByteArray& zoneId, QDate date, QTime clockTime, double latitudeDegrees,
                        double longitudeDegrees);

// One choice the user may make for a clock time, as a list shows it.
struct ClockChoiceRow {
    ClockSelection selection;
    ClockStandardOption option;  // name, offset, years, where and source of the choice
};

// Every choice the offer gives: at a change, the reading before it (the
// default) and after it; then each clock standard but the tz database's,
// whose reading the first rows already are. Empty when there is no choice.
std::vector<ClockChoiceRow> ClockChoiceRows(const ClockOffer& offer);

// The clock a selection applies.
struct AppliedClock {
    bool known = false;
    // The zone with the chosen offset, as the atlas writes it into the boxes
    // (its standard offset kept, so a chosen summer time is ticked as DST).
    ZoneAtBirth zone;
    int offsetSeconds = 0;  // the whole offset, seconds east positive
    // The clock standard applied instead of the tz database's, if any.
    std::optional<ClockStandardOption> standard;
    // What a reader must be told about the choice; empty when nothing.
    std::string note;
};

// A selection that does not apply to this offer (a standard outside its
// years or places, "later" at an ordinary time) falls back to the default.
// clockText "02:30" and dateText "2023-03-12" go into the note.
AppliedClock ApplyClockSelection(const ClockOffer& offer, const ClockSelection& selection,
                                 std::string_view clockText, std::string_view dateText,
                                 const Wording& wording = {});

// "read on Bombay Time (+4:51, Bombay and its suburbs, until 1955) instead of
// the tz database's +5:30; source: ...".
std::string StandardClockNote(const ClockStandardOption& option, int tzSeconds, const Wording& wording = {});

// "the tz database's +5:30 applied; before 1956 a time here may have been
// read from another clock": where a time may have been read from another
// clock and none was chosen.
std::string TzDatabaseClockNote(int tzSeconds, const Wording& wording = {});

// The key a chart file keeps for a selection part, and back ("later",
// "bombay"); nothing for an unknown key.
std::string_view RepeatedChoiceKey(RepeatedChoice choice);
std::string_view ClockStandardKey(ClockStandard standard);
std::optional<ClockStandard> ClockStandardOfKey(std::string_view key);

}  // namespace zorvane
