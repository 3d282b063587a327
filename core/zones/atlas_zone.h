#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <functional>

#include "core/text/wording.h"

namespace zorvane {

// How a clock time stands to a change of the clocks on its date.
enum class ClockTimeAtChange {
    Ordinary,
    Skipped,   // the clocks jumped over it; read with the offset before the jump
    Repeated,  // it came twice; read as the first time, the offset before the change
};

// A zone's offset from universal time at a birth date and clock time, from
// the system's time-zone database with its historical rules. Offsets are
// east-positive minutes, rounded to the nearest minute (local mean time
// carried seconds: Kolkata kept 5:21:10 until 1906).
struct ZoneAtBirth {
    bool known = false;  // a zone the database holds, and a real date
    int offsetMinutes = 0;
    int standardOffsetMinutes = 0;
    ClockTimeAtChange clockTime = ClockTimeAtChange::Ordinary;

    // Summer time in force: the clocks' advance over the zone's standard
    // time (2 hours in Britain in 1941, negative in Ireland's winters).
    int summerMinutes() const { return offsetMinutes - standardOffsetMinutes; }
};

// Unknown for any zone id that is not one of the system's known ids: an id
// read from a file is never handed to the zone library as it stands, since
// the library would open "../../some/fifo" as a path.
ZoneAtBirth ZoneAt(const QByteArray& ianaZone, QDate date, QTime clockTime);

// A zone's offset from universal time in minutes (east positive, rounded to
// the minute) at a universal-time Julian day, following the zone's history:
// the clock a day's panchang reads its times on. An unknown zone reads 0.
std::function<int(double universalJd)> ZoneOffsetFunction(const QByteArray& ianaZone);
// One of the ids QTimeZone::availableTimeZoneIds() lists.
bool IsKnownZoneId(const QByteArray& ianaZone);

// Seconds to the nearest minute, halves away from zero.
int RoundToMinutes(int seconds);

// "+5:30", "-3:30", "0:00".
QString OffsetText(int minutes);

// What a reader of the list must know beside the offset: summer time in
// force ("summer time", "double summer time", "summer time +0:30") and a
// clock time that a change skipped or repeated. Empty when neither.
QString ZoneNote(const ZoneAtBirth& zone, const Wording& wording = {});

}  // namespace zorvane
