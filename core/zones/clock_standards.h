#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/text/wording.h"

namespace zorvane {

// The clocks a birth time in British India (and Ceylon) may have been read
// from before the single Indian Standard Time took hold.
enum class ClockStandard { TzDatabase, Bombay, Calcutta, Madras, War, LocalMean };

// A box of latitude and longitude, degrees, north and east positive.
struct PlaceArea {
    double southDegrees;
    double northDegrees;
    double westDegrees;
    double eastDegrees;
};

// One clock standard: where and when it was kept and where that is written.
struct ClockStandardRow {
    ClockStandard standard;
    std::string_view key;     // the command line's --clock value
    std::string_view name;
    int offsetSeconds;        // east of universal time; unused for tz and lmt
    int firstYear;            // civil years, both inclusive
    int lastYear;
    std::string_view zones;   // atlas zone ids it may apply in, blank-separated
    bool limitedToArea;       // only inside `area` (a town and its suburbs)
    PlaceArea area;
    std::string_view where;   // the places, as the user reads them
    std::string_view source;
};

// The table, one standard a row; see clock_standards.cpp for the sources.
extern const std::array<ClockStandardRow, 6> kClockStandards;

// The last year in which a birth in these zones raises the question at all:
// after 1955 every town of India kept Indian Standard Time.
inline constexpr int kLastYearOfLocalClocks = 1955;

// A standard offered for one birth, with its offset there.
struct ClockStandardOption {
    ClockStandard standard = ClockStandard::TzDatabase;
    std::string_view key;
    std::string_view name;
    int offsetSeconds = 0;
    std::string years;        // "until 1955", "1941-1945"
    std::string_view where;
    std::string_view source;
};

// An option's years worded: "until 1955" as the wording says it, "1941-1945"
// as it stands. Its name and places are worded whole (wording.Say), its
// source stays as written.
std::string WordedYears(std::string_view years, const Wording& wording);

// Where and when a birth was, as the lookup needs it.
struct BirthPlaceAndYear {
    std::string_view zoneId;  // the atlas's zone, e.g. "Asia/Kolkata"
    double latitudeDegrees = 0;
    double longitudeDegrees = 0;  // east positive
    int year = 0;
    int tzOffsetSeconds = 0;  // what the tz database gives at the birth
};

// The standards a birth time may have been read from: empty when the
// question does not arise (another zone, or after 1955); otherwise the tz
// database's value first, then each standard of the place and year, then the
// place's local mean time.
std::vector<ClockStandardOption> ClockStandardsAt(const BirthPlaceAndYear& birth);

// The row of a --clock value; none for an unknown key.
const ClockStandardRow* FindClockStandard(std::string_view key);

// The standard named by key for this birth, or a sentence saying why it
// cannot apply (its years, its places, or an unknown name).
std::variant<ClockStandardOption, std::string> ChooseClockStandard(std::string_view key,
                                                                   const BirthPlaceAndYear& birth);

// The local mean time of a longitude: 4 minutes of time a degree, seconds.
int LocalMeanTimeSeconds(double longitudeDegrees);

}  // namespace zorvane
