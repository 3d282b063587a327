#pragma once

#include <string>

#include "core/time/zone_date.h"

namespace zorvane {

// A moment's clock reading in a zone offsetMinutes ahead of universal time
// (east positive), rounded to the whole second first so that the date, the
// hour and the minute never disagree (23:59:59.6 reads as the next day's
// 00:00:00).
struct ZoneClock {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
ZoneClock ZoneClockAt(double universalJd, int offsetMinutes);

// "HH:MM:SS".
std::string ClockText(const ZoneClock& clock);

// "HH:MM", the seconds rounded away first.
std::string ClockMinuteText(double universalJd, int offsetMinutes);

// "+05:30", "-03:30", "+00:00".
std::string OffsetIsoText(int offsetMinutes);

// "2023-07-20T05:34:12+05:30".
std::string IsoMomentText(double universalJd, int offsetMinutes);

// The universal-time Julian day of a civil date's midnight on a clock
// offsetMinutes ahead of universal time.
double ZoneMidnightJd(const CivilDate& date, int offsetMinutes);

}  // namespace zorvane
