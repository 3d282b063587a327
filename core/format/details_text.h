#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text/wording.h"
#include "core/panchang/birth_details.h"

namespace zorvane {

// A start or end this close to the birth is worth a sentence.
inline constexpr double kNearBoundMinutes = 15.0;

// A moment in the birth's own clock, ISO 8601 rounded to the second:
// "1947-08-14T23:12:05+05:30" (a clock behind universal time gives "-05:00").
std::string FormatBirthClock(double universalJd, double clockLeadHours);

// The same moment in universal time: "1947-08-14T18:30:00Z".
std::string FormatUniversalTime(double universalJd);

// The clock's lead on universal time as signed hours and minutes: "+5:30".
std::string FormatClockLead(double clockLeadHours);

// An angle as D°M′S″, rounded to the second: "23°08′41″".
std::string FormatDegreesMinutesSeconds(double degrees);

// A place's latitude and longitude to the arc-minute: "28°36′N", "77°13′E".
std::string FormatLatitude(double northDegrees);
std::string FormatLongitude(double eastDegrees);

// A sidereal longitude as its sign and the place within it: "Simha 12°03′04″".
std::string FormatSignPosition(double siderealDegrees);

// Tithi index 0..29 with its paksha: "Shukla Dwitiya", "Krishna Amavasya".
std::string TithiWithPaksha(int tithiIndex);

// Why sunrise, sunset or vara are missing; empty for SunNote::None.
std::string_view SunNoteText(SunNote note);

// One sentence for each limb whose start or end lies within 15 minutes of
// the birth, in panchang order (tithi, vara, nakshatra, yoga, karana), e.g.
// "The nakshatra began 4 minutes before the birth; a birth 5 minutes earlier
// gives Punarvasu."
// The names and words come in the wording's language; English by default.
std::vector<std::string> NearBoundSentences(const BirthDetails& details, const Wording& wording = {});

}  // namespace zorvane
