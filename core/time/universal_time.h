#pragma once

namespace zorvane {

// Universal time is kept as a day number (the noon-based count DayNumber
// gives for the civil date) plus hours from that date's midnight. The hours
// may fall outside 0..24: the date is never shifted. Every computation that
// needs universal time goes through these, so a birth, and any moment near it
// given the same way, come out alike to the last bit.

// Clock hours less the zone for a zone ahead of universal time, plus the zone
// otherwise. Summer time is already folded into zoneHours.
double UniversalHoursOf(double localHours, double zoneHours, bool zoneAhead);

// Julian centuries from 2000 January 1.5, the time argument of the
// nakshatra's Moon and of its sidereal offset.
double CenturiesSinceJ2000(double dayNumber, double universalHours);

// The continuous universal-time Julian day of the same moment (the panchang's
// time argument before the dynamical-time step).
double UniversalJulianDay(double dayNumber, double universalHours);

}  // namespace zorvane
