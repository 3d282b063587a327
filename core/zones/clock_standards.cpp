#include "core/zones/clock_standards.h"

#include <cmath>

namespace zorvane {

namespace {
constexpr double kSecondsOfTimePerDegree = 240.0;  // 86400 s / 360 degrees
constexpr int kFirstOfferedYear = 1901;            // the year lists' first entry

// Every zone of British India that had Madras railway time and war time.
constexpr std::string_view kBritishIndiaZones = "Asia/Kolkata Asia/Calcutta Asia/Karachi Asia/Dhaka Asia/Dacca";
constexpr std::string_view kAllZones =
    "Asia/Kolkata Asia/Calcutta Asia/Karachi Asia/Dhaka Asia/Dacca Asia/Colombo";
constexpr std::string_view kIndiaZones = "Asia/Kolkata Asia/Calcutta";

// Greater Bombay as it stood in 1950 (island city and suburbs up to Borivali
// and Mulund); Kolkata with Howrah across the Hooghly.
constexpr PlaceArea kBombayArea{18.85, 19.30, 72.75, 73.00};
constexpr PlaceArea kCalcuttaArea{22.40, 22.75, 88.20, 88.50};
constexpr PlaceArea kNoArea{0, 0, 0, 0};
}  // namespace

// Offsets east of universal time in seconds; years inclusive.
// Where sources differ the variant chosen is named in the row's source.
const std::array<ClockStandardRow, 6> kClockStandards = std::to_array<ClockStandardRow>({
    // The tz database's history of the zone (QTimeZone, system zoneinfo).
    {ClockStandard::TzDatabase, "tz", "tz database", 0, kFirstOfferedYear, kLastYearOfLocalClocks, kAllZones, false, kNoArea, "the zone's history", "tz database, files asia (India, Pakistan, Bangladesh, Sri Lanka)"},
    // Bombay Time, Bombay's local mean time at about 72 deg 49' E (+4:51:12 exactly, kept as +4:51); given up in 1955 after the dispute that began with the 1906 mill riots (I. P. Beacock, The Atlantic, 2015-12-22, quoted in the tz file asia). Secondary sources; no tz zone models it.
    {ClockStandard::Bombay, "bombay", "Bombay Time", 4 * 3600 + 51 * 60, kFirstOfferedYear, 1955, kIndiaZones, true, kBombayArea, "Bombay and its suburbs", "secondary sources; tz file asia (India) on the 1906 riots and the half-century dispute"},
    // Calcutta Time, +5:53:20 (Shanks; the Indian Year Book 1936-37, pp 27-8, gives +5:54), kept by government offices until 1948. Secondary sources give 1948 as the end.
    {ClockStandard::Calcutta, "calcutta", "Calcutta Time", 5 * 3600 + 53 * 60 + 20, kFirstOfferedYear, 1948, kIndiaZones, true, kCalcuttaArea, "Kolkata and Howrah", "tz file asia (India): Shanks +5:53:20, Indian Year Book +5:54; until 1948 per secondary sources"},
    // Madras time, +5:21:10, the railways' and telegraphs' time 1870-1905; most towns kept their own local time. The tz database applies it to all of India until 1906-01-01.
    {ClockStandard::Madras, "madras", "Madras (railway) time", 5 * 3600 + 21 * 60 + 10, kFirstOfferedYear, 1905, kBritishIndiaZones, false, kNoArea, "railways and telegraphs of British India", "tz file asia (India): railway time 1870-1906"},
    // War time, +6:30, October 1941 to October 1945 (with a break in the summer of 1942); the tz file calls its one source for this dubious.
    {ClockStandard::War, "war", "War time", 6 * 3600 + 30 * 60, 1941, 1945, kBritishIndiaZones, false, kNoArea, "British India", "tz file asia (India), resting on one source it calls dubious"},
    // The place's own local mean time from its longitude, as most towns kept before 1906.
    {ClockStandard::LocalMean, "lmt", "Local mean time", 0, kFirstOfferedYear, kLastYearOfLocalClocks, kAllZones, false, kNoArea, "any place, from its longitude", "4 minutes of time a degree of longitude"},
});

namespace {

bool ZoneListed(std::string_view zones, std::string_view zoneId) {
    if (zoneId.empty()) return false;
    std::size_t start = 0;
    while (start < zones.size()) {
        const std::size_t end = std::min(zones.find(' ', start), zones.size());
        if (zones.substr(start, end - start) == zoneId) return true;
        start = end + 1;
    }
    return false;
}

bool Inside(const PlaceArea& area, double latitude, double longitude) {
    return latitude >= area.southDegrees && latitude <= area.northDegrees && longitude >= area.westDegrees &&
           longitude <= area.eastDegrees;
}

std::string YearsText(const ClockStandardRow& row) {
    if (row.firstYear <= kFirstOfferedYear) return "until " + std::to_string(row.lastYear);
    return std::to_string(row.firstYear) + "-" + std::to_string(row.lastYear);
}

ClockStandardOption OptionOf(const ClockStandardRow& row, const BirthPlaceAndYear& birth) {
    ClockStandardOption option{row.standard, row.key, row.name, row.offsetSeconds, YearsText(row), row.where,
                               row.source};
    if (row.standard == ClockStandard::TzDatabase) option.offsetSeconds = birth.tzOffsetSeconds;
    if (row.standard == ClockStandard::LocalMean) option.offsetSeconds = LocalMeanTimeSeconds(birth.longitudeDegrees);
    return option;
}

bool InYears(const ClockStandardRow& row, int year) { return year >= row.firstYear && year <= row.lastYear; }

bool AtPlace(const ClockStandardRow& row, const BirthPlaceAndYear& birth) {
    return ZoneListed(row.zones, birth.zoneId) &&
           (!row.limitedToArea || Inside(row.area, birth.latitudeDegrees, birth.longitudeDegrees));
}

}  // namespace

std::string WordedYears(std::string_view years, const Wording& wording) {
    constexpr std::string_view kUntil = "until ";
    if (years.starts_with(kUntil)) return wording.SayWith("until %1", {years.substr(kUntil.size())});
    if (years.empty() || (years.front() >= '0' && years.front() <= '9')) return std::string(years);  // "1941-1945"
    return wording.Say(years);
}

int LocalMeanTimeSeconds(double longitudeDegrees) {
    return static_cast<int>(std::lround(longitudeDegrees * kSecondsOfTimePerDegree));
}

std::vector<ClockStandardOption> ClockStandardsAt(const BirthPlaceAndYear& birth) {
    std::vector<ClockStandardOption> options;
    if (!ZoneListed(kAllZones, birth.zoneId) || birth.year > kLastYearOfLocalClocks) return options;
    for (const ClockStandardRow& row : kClockStandards) {
        if (InYears(row, birth.year) && AtPlace(row, birth)) options.push_back(OptionOf(row, birth));
    }
    return options;
}

const ClockStandardRow* FindClockStandard(std::string_view key) {
    for (const ClockStandardRow& row : kClockStandards) {
        if (row.key == key) return &row;
    }
    return nullptr;
}

std::variant<ClockStandardOption, std::string> ChooseClockStandard(std::string_view key,
                                                                   const BirthPlaceAndYear& birth) {
    const ClockStandardRow* row = FindClockStandard(key);
    if (row == nullptr) return std::string("the clock must be one of bombay, calcutta, madras, war, lmt, tz");
    if (row->standard == ClockStandard::TzDatabase) return OptionOf(*row, birth);
    const std::string kept = std::string(row->name) + " was kept by " + std::string(row->where) + ", " +
                             YearsText(*row);
    if (!InYears(*row, birth.year) || birth.year > kLastYearOfLocalClocks) {
        return kept + "; not in " + std::to_string(birth.year);
    }
    if (!AtPlace(*row, birth)) return kept + "; not at this place";
    return OptionOf(*row, birth);
}

}  // namespace zorvane
