#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dasha/vimshottari_dasha.h"
#include "core/text/wording.h"
#include "core/panchang/birth_details.h"
#include "core/reading/birth_record.h"

namespace zorvane {
struct PlaceClock;
}

namespace zorvane {

// The texts of a reading as every front end shows them: the details window,
// Copy Reading, the printed and PDF report and the command line's text all
// take their words and numbers from here, so they cannot drift apart. The
// functions that take a Wording give their names in its language and their
// other words through its translation; the default is English as written.

struct TextLine {
    std::string label;
    std::string value;
};

struct LimbLine {
    std::string limb;    // "Tithi", "Vara", ...
    std::string name;    // "Shukla Chaturdashi (14)"
    std::string starts;  // a clock time in the birth's zone, or a dash
    std::string ends;
};

struct PeriodLine {
    std::string lord;
    std::string starts;  // dates in the birth's zone
    std::string ends;
    bool runningToday = false;
};

// "1947-08-14 23:12:05": a moment on the birth's clock; a dash for none.
std::string ClockLine(double universalJd, double clockLeadHours);
std::string ClockLine(const std::optional<double>& universalJd, double clockLeadHours);
// "Simha 12°03′04″" in the wording's language.
std::string SignPositionLine(double siderealDegrees, const Wording& wording = {});

// "1947-08-15": the calendar date of a moment on the birth's clock.
std::string DateLine(double universalJd, double clockLeadHours);
// "77°13′ E" from whole degrees and minutes (signs dropped) and a hemisphere.
std::string DegreesMinutesLine(int degrees, int minutes, char hemisphere);
// "28°36′ N", or "none valid".
std::string LatitudeLine(const std::optional<double>& latitudeDegrees, const Wording& wording = {});
// "15 August 1947".
std::string LongDateLine(int year, int month, int day, const Wording& wording = {});
// "New Delhi, Delhi, India": the place parts given, blanks trimmed.
std::string PlaceLine(const BirthPlace& place);
// "+5:30 from universal time, no summer time".
std::string ZoneLine(double clockLeadHours, bool daylightSaving, const Wording& wording = {});
// "Uttara Phalguni pada 2, lord Sun".
std::string NakshatraPadaLine(const BirthDetails& details, const Wording& wording = {});

// What the ayanamsas and sunrise are, said where their numbers are shown.
// The bound is the largest difference tools/ayanamsa_against_lahiri.cpp
// found, every day of 1901-2050 (6.5″ for the nakshatra's, 4.0″ for the
// panchang's, against the Swiss Ephemeris's Lahiri with nutation).
inline constexpr std::string_view kConventionsSentence =
    "Both ayanamsas are the program's own formulas, within 7\u2033 of Lahiri (Chitrapaksha) over "
    "1901-2050; sunrise and sunset are those of the Sun's upper limb at -0\u00b050\u2032.";

// Date, clock time, zone, the clock chosen (when there was a choice), place
// (when named), longitude, latitude and universal time of the birth. Needs
// the record's details.
std::vector<TextLine> BirthLines(const BirthRecord& record, const Wording& wording = {});
// The Moon, the Sun, both ayanamsas, sunrise and sunset (or why none), and
// the conventions they follow (kConventionsSentence). Without a place clock,
// the times are on the birth's offset.
std::vector<TextLine> SkyLines(const BirthDetails& details, const Wording& wording = {});
std::vector<TextLine> SkyLines(const BirthDetails& details, const PlaceClock& clock, const Wording& wording = {});
// Tithi, vara, nakshatra, yoga and karana with their spans.
std::vector<LimbLine> LimbLines(const BirthDetails& details, const Wording& wording = {});
std::vector<LimbLine> LimbLines(const BirthDetails& details, const PlaceClock& clock, const Wording& wording = {});
// The nine mahadashas; the one running at todayNoonJd (universal) marked.
std::vector<PeriodLine> MahadashaLines(const VimshottariDasha& dasha, double clockLeadHours,
                                       double todayNoonJd, const Wording& wording = {});
std::vector<PeriodLine> MahadashaLines(const VimshottariDasha& dasha, const PlaceClock& clock,
                                       double todayNoonJd, const Wording& wording = {});

// "Saturn 18 years 0 months 25 days": the lord at birth and the balance of
// its period, in the wording's language (English exactly as DashaBalanceText).
std::string DashaBalanceLine(const VimshottariDasha& dasha, const Wording& wording = {});

// The details as plain text, "Label: value" a line, as the command line and
// Copy Reading print them (birth lines excluded: the caller has its own).
std::string DetailsPlainText(const BirthDetails& details, const Wording& wording = {});
std::string DetailsPlainText(const BirthDetails& details, const PlaceClock& clock, const Wording& wording = {});

}  // namespace zorvane
