#include "core/format/details_text.h"

#include <cmath>
#include <initializer_list>
#include <cstdlib>

#include "core/time/angles.h"
#include "core/time/zone_date.h"
#include "core/format/local_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/yoga_names.h"

namespace zorvane {

namespace {

constexpr long long kSecondsPerMinute = 60;
constexpr long long kSecondsPerHour = 3600;
constexpr long long kClockMinutesPerHour = 60;
// Angles are shown in whole arc-seconds.
constexpr long long kArcsecondsPerArcminute = 60;
constexpr long long kWholeArcsecondsPerDegree = 3600;
constexpr long long kSecondsPerDay = 86400;
constexpr double kMinutesPerDay = 1440.0;
constexpr long long kArcsecondsPerSign = 30 * kWholeArcsecondsPerDegree;
constexpr long long kArcsecondsPerTurn = 360 * kWholeArcsecondsPerDegree;

long long FloorDivide(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// A number with at least this many digits, zeros in front.
std::string Padded(long long value, std::size_t digits) {
    std::string text = std::to_string(value);
    if (text.size() < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

// A moment this close before midnight is midnight: a Julian day near
// 2.4 million carries about 0.05 ms, so a clock time typed as 00:00:00 may
// come back a hair before it. Anything earlier is truly the day before.
constexpr double kMidnightToleranceSeconds = 1e-3;

// Seconds since the midnight that begins day number 0, to the nearest second
// but never rounded over midnight into the next day: a sunset at 23:59:59.6
// stays 23:59:59 of its own day.
long long SecondsWithinTheDay(double exact) {
    const long long rounded = std::llround(exact);
    const auto nextMidnight = static_cast<double>(FloorDivide(rounded, kSecondsPerDay) * kSecondsPerDay);
    if (rounded % kSecondsPerDay == 0 && exact < nextMidnight - kMidnightToleranceSeconds) {
        return rounded - 1;
    }
    return rounded;
}

// Date and time of day of a moment shifted by a whole number of minutes.
std::string FormatDateTime(double universalJd, long long leadMinutes) {
    // Seconds since the midnight that begins day number 0.
    const long long seconds =
        SecondsWithinTheDay((universalJd + 0.5) * static_cast<double>(kSecondsPerDay) +
                            static_cast<double>(leadMinutes * kSecondsPerMinute));
    const long long dayNumber = FloorDivide(seconds, kSecondsPerDay);
    const long long secondOfDay = seconds - dayNumber * kSecondsPerDay;
    const CivilDate date = CivilDateOfDayNumber(dayNumber);
    return Padded(date.year, 4) + "-" + Padded(date.month, 2) + "-" + Padded(date.day, 2) + "T" +
           Padded(secondOfDay / kSecondsPerHour, 2) + ":" + Padded(secondOfDay % kSecondsPerHour / kSecondsPerMinute, 2) +
           ":" + Padded(secondOfDay % kSecondsPerMinute, 2);
}

long long LeadMinutes(double clockLeadHours) {
    return std::llround(clockLeadHours * kMinutesPerHour);
}

std::string DmsOfArcseconds(long long arcseconds) {
    return std::to_string(arcseconds / kWholeArcsecondsPerDegree) + "°" +
           Padded(arcseconds % kWholeArcsecondsPerDegree / kArcsecondsPerArcminute, 2) + "′" +
           Padded(arcseconds % kArcsecondsPerArcminute, 2) + "″";
}

std::string MinutesText(long long minutes, const Wording& wording) {
    return wording.SayWith(minutes == 1 ? "%1 minute" : "%1 minutes", {std::to_string(minutes)});
}

// The sentence for one limb, when a bound lies near the birth.
void AddNearBound(std::vector<std::string>& sentences, std::string_view limb, double birthJd, double startJd,
                  double endJd, const std::string& previousName, const std::string& nextName,
                  const Wording& wording) {
    const auto when = [&wording](long long whole) {
        return whole == 0 ? wording.Say("less than a minute") : MinutesText(whole, wording);
    };
    const double sinceStart = (birthJd - startJd) * kMinutesPerDay;
    if (sinceStart >= 0 && sinceStart <= kNearBoundMinutes) {
        const auto whole = static_cast<long long>(std::floor(sinceStart));
        sentences.push_back(wording.SayWith("The %1 began %2 before the birth; a birth %3 earlier gives %4.",
                                   {wording.Say(limb), when(whole), MinutesText(whole + 1, wording), previousName}));
    }
    const double untilEnd = (endJd - birthJd) * kMinutesPerDay;
    if (untilEnd > 0 && untilEnd <= kNearBoundMinutes) {
        const auto whole = static_cast<long long>(std::floor(untilEnd));
        sentences.push_back(wording.SayWith("The %1 ends %2 after the birth; a birth %3 later gives %4.",
                                   {wording.Say(limb), when(whole),
                                    MinutesText(static_cast<long long>(std::ceil(untilEnd)), wording), nextName}));
    }
}

int Wrapped(int index, int count) {
    return ((index % count) + count) % count;
}

}  // namespace

std::string FormatBirthClock(double universalJd, double clockLeadHours) {
    const long long lead = LeadMinutes(clockLeadHours);
    return FormatDateTime(universalJd, lead) + (lead < 0 ? "-" : "+") +
           Padded(std::llabs(lead) / kClockMinutesPerHour, 2) + ":" + Padded(std::llabs(lead) % kClockMinutesPerHour, 2);
}

std::string FormatUniversalTime(double universalJd) {
    return FormatDateTime(universalJd, 0) + "Z";
}

std::string FormatClockLead(double clockLeadHours) {
    const long long lead = LeadMinutes(clockLeadHours);
    std::string text(lead < 0 ? "-" : "+");
    text += std::to_string(std::llabs(lead) / kClockMinutesPerHour) + ":" +
            Padded(std::llabs(lead) % kClockMinutesPerHour, 2);
    return text;
}

std::string FormatDegreesMinutesSeconds(double degrees) {
    const long long arcseconds = std::llround(std::fabs(degrees) * kArcsecondsPerDegree);
    std::string text = degrees < 0 && arcseconds != 0 ? "-" : "";
    text += DmsOfArcseconds(arcseconds);
    return text;
}

namespace {
std::string PlaceAngle(double degrees, char positive, char negative) {
    const long long arcminutes = std::llround(std::fabs(degrees) * kMinutesPerDegree);
    return std::to_string(arcminutes / kArcsecondsPerArcminute) + "°" +
           Padded(arcminutes % kArcsecondsPerArcminute, 2) + "′" + (degrees < 0 ? negative : positive);
}
}  // namespace

std::string FormatLatitude(double northDegrees) {
    return PlaceAngle(northDegrees, 'N', 'S');
}

std::string FormatLongitude(double eastDegrees) {
    return PlaceAngle(eastDegrees, 'E', 'W');
}

std::string FormatSignPosition(double siderealDegrees) {
    // Rounded first, so 29°59′59.7″ shows as 0°00′00″ of the next sign.
    const long long arcseconds = std::llround(siderealDegrees * kArcsecondsPerDegree) % kArcsecondsPerTurn;
    const long long sign = arcseconds / kArcsecondsPerSign;
    return std::string(kSignNames[static_cast<std::size_t>(sign)]) + " " +
           DmsOfArcseconds(arcseconds % kArcsecondsPerSign);
}

std::string TithiWithPaksha(int tithiIndex) {
    return std::string(PakshaName(tithiIndex + 1)) + " " + std::string(TithiName(tithiIndex + 1));
}

std::string_view SunNoteText(SunNote note) {
    switch (note) {
        case SunNote::None: return "";
        case SunNote::NeedsLatitude: return "Sunrise needs a valid latitude";
        case SunNote::PolarNight: return "The Sun does not rise on this date at this latitude (polar night)";
        case SunNote::PolarDay: return "The Sun does not set on this date at this latitude (polar day)";
        case SunNote::NoSunrise: return "The Sun sets but does not rise on this date at this latitude";
        case SunNote::NoSunset: return "The Sun rises but does not set on this date at this latitude";
    }
    return "";
}

std::vector<std::string> NearBoundSentences(const BirthDetails& details, const Wording& wording) {
    std::vector<std::string> sentences;
    const double birth = details.universalJd;
    const Language language = wording.language;
    auto nakshatra = [language](int i) { return NakshatraText(Wrapped(i, kNakshatraCount), language); };
    auto yoga = [language](int i) { return YogaText(Wrapped(i, kYogaCount), language); };
    auto tithi = [language](int i) { return TithiText(Wrapped(i, kTithiCount), language); };
    auto karana = [language](int i) { return KaranaText(Wrapped(i, kKaranaCount) + 1, language); };
    auto vara = [language](int i) { return VaraText(Wrapped(i, kWeekdayCount), language); };

    const LimbSpan& t = details.tithi;
    AddNearBound(sentences, "tithi", birth, t.startJd, t.endJd, tithi(t.index - 1), tithi(t.index + 1), wording);
    if (details.weekday && details.varaStartJd && details.varaEndJd) {
        const int w = *details.weekday;
        AddNearBound(sentences, "vara", birth, *details.varaStartJd, *details.varaEndJd, vara(w - 1), vara(w + 1),
                     wording);
    }
    const LimbSpan& n = details.nakshatra;
    AddNearBound(sentences, "nakshatra", birth, n.startJd, n.endJd, nakshatra(n.index - 1), nakshatra(n.index + 1),
                 wording);
    const LimbSpan& y = details.yoga;
    AddNearBound(sentences, "yoga", birth, y.startJd, y.endJd, yoga(y.index - 1), yoga(y.index + 1), wording);
    const LimbSpan& k = details.karana;
    AddNearBound(sentences, "karana", birth, k.startJd, k.endJd, karana(k.index - 1), karana(k.index + 1), wording);
    return sentences;
}

}  // namespace zorvane
