#pragma once

#include <array>
#include <optional>

#include "core/dasha/dasha_lords.h"

namespace zorvane {

// Where a sidereal Moon stands among the 27 nakshatras.
struct MoonInNakshatra {
    int nakshatraIndex = 0;        // 0 = Ashwini ... 26 = Revati
    double elapsedFraction = 0.0;  // part of the nakshatra already passed, in [0, 1)
};

// Takes the Moon into [0, 360) degrees (a whole turn added or taken off, and
// exactly 360 read as 0, the start of Ashwini: the nakshatra name table keeps
// an empty slot for 360, the dasha starts the cycle there) and divides it in
// spans of 800 arc-minutes with the very arithmetic of the birth nakshatra,
// so that the index agrees with the name shown up to the last bit.
// Throws std::invalid_argument for a Moon that is not finite.
MoonInNakshatra LocateMoonInNakshatra(double moonSiderealDegrees);

struct Antardasha {
    int lord = 0;             // index into kDashaLords
    double startJd = 0.0;     // universal time, Julian day
    double endJd = 0.0;
    bool beforeBirth = false; // ended at or before the birth
};

struct Mahadasha {
    int lord = 0;
    double startJd = 0.0;
    double endJd = 0.0;
    std::array<Antardasha, kDashaLordCount> antardashas{};
};

// The 120-year cycle of one birth. Periods are half-open [start, end): each
// starts at exactly the moment the one before ends.
struct VimshottariDasha {
    double birthJd = 0.0;
    int nakshatraIndex = 0;
    int birthLord = 0;             // index into kDashaLords
    double elapsedFraction = 0.0;  // of the birth nakshatra, and of the first mahadasha
    double balanceYears = 0.0;     // of the first mahadasha left at birth
    std::array<Mahadasha, kDashaLordCount> mahadashas{};
};

// The first mahadasha is the birth nakshatra's lord's, begun as much before
// the birth as the Moon has passed of its nakshatra. Throws
// std::invalid_argument when either input is not finite.
VimshottariDasha ComputeVimshottariDasha(double moonSiderealDegrees, double birthUniversalJulianDay);

struct RunningDasha {
    int mahadasha = 0;   // index into VimshottariDasha::mahadashas
    int antardasha = 0;  // index into that mahadasha's antardashas
};

// The periods running at a moment (a boundary belongs to the period it
// starts); nothing before the first start or from the end of the cycle on.
std::optional<RunningDasha> FindRunningDasha(const VimshottariDasha& dasha, double universalJulianDay);

struct YearsMonthsDays {
    int years = 0;
    int months = 0;  // 0..11, a month being a twelfth of a year
    int days = 0;    // 0..30
};

// Splits a length in years into whole years, whole months and the rest
// rounded to the nearest whole day (halves up). A rest nearer to the full
// month (30.4375 days) than to 30 days becomes one month more, and twelve
// months one year more. Negative lengths count as zero.
YearsMonthsDays SplitDashaYears(double years);

}  // namespace zorvane
