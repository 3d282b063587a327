#include "core/dasha/vimshottari_dasha.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <stdexcept>

#include "core/sky/sidereal_moon.h"
#include "core/time/angles.h"
#include "core/state/chart_state.h"

namespace zorvane {

namespace {

// Each nakshatra spans 800 arc-minutes (13 degrees 20 minutes), the same
// constant and the same order of operations as the birth nakshatra.

constexpr double kDaysPerDashaMonth = kDaysPerDashaYear / kMonthsPerDashaYear;  // 30.4375
// Whole days a month can hold; a rest beyond the midpoint between these
// and the full month rounds up to the month.
constexpr double kWholeDaysInDashaMonth = 30.0;
constexpr double kMonthCarryDays = (kWholeDaysInDashaMonth + kDaysPerDashaMonth) / 2.0;
static_assert(kWholeDaysInDashaMonth < kDaysPerDashaMonth &&
              kDaysPerDashaMonth < kWholeDaysInDashaMonth + 1.0);

int LordYears(int lord) { return kDashaLords[static_cast<std::size_t>(lord)].years; }

int LordAfter(int lord, int steps) { return (lord + steps) % kDashaLordCount; }

// Sub-period j of a mahadasha lasting Y years lasts Y * years(lord j) / 120;
// each boundary is computed from the mahadasha's start with one rounding, and
// the last one is the mahadasha's end itself, so the nine tile it exactly.
void FillAntardashas(Mahadasha& period, double birthJd) {
    const int periodYears = LordYears(period.lord);
    int elapsedLordYears = 0;
    for (int j = 0; j < kDashaLordCount; ++j) {
        Antardasha& sub = period.antardashas[static_cast<std::size_t>(j)];
        sub.lord = LordAfter(period.lord, j);
        sub.startJd = j == 0 ? period.startJd : period.antardashas[static_cast<std::size_t>(j - 1)].endJd;
        elapsedLordYears += LordYears(sub.lord);
        sub.endJd = j == kDashaLordCount - 1
                        ? period.endJd
                        : period.startJd + periodYears * elapsedLordYears * kDaysPerDashaYear /
                                               kDashaCycleYears;
        sub.beforeBirth = sub.endJd <= birthJd;
    }
}

}  // namespace

MoonInNakshatra LocateMoonInNakshatra(double moonSiderealDegrees) {
    if (!std::isfinite(moonSiderealDegrees)) {
        throw std::invalid_argument("the Moon's longitude is not a finite number");
    }
    // fmod is exact and leaves every value the nakshatra can produce as it
    // is; a negative rest takes one turn as the nakshatra does.
    double moon = std::fmod(moonSiderealDegrees, kDegreesPerTurn);
    if (moon < 0.0) moon += kDegreesPerTurn;
    if (moon >= kDegreesPerTurn) moon = 0.0;

    const double position = NakshatraPositionOf(moon);
    // No double below 360 reaches 27 here; the bound keeps the index in the
    // table should that ever change.
    const double slot = std::min(std::floor(position), static_cast<double>(kNakshatraCount - 1));
    MoonInNakshatra where;
    where.nakshatraIndex = static_cast<int>(slot);
    where.elapsedFraction = std::min(position - slot, std::nextafter(1.0, 0.0));
    return where;
}

VimshottariDasha ComputeVimshottariDasha(double moonSiderealDegrees, double birthUniversalJulianDay) {
    if (!std::isfinite(birthUniversalJulianDay)) {
        throw std::invalid_argument("the birth's Julian day is not a finite number");
    }
    const MoonInNakshatra where = LocateMoonInNakshatra(moonSiderealDegrees);

    VimshottariDasha dasha;
    dasha.birthJd = birthUniversalJulianDay;
    dasha.nakshatraIndex = where.nakshatraIndex;
    dasha.birthLord = where.nakshatraIndex % kDashaLordCount;
    dasha.elapsedFraction = where.elapsedFraction;
    const int firstYears = LordYears(dasha.birthLord);
    dasha.balanceYears = (1.0 - where.elapsedFraction) * firstYears;

    // Whole years times 365.25 are exact, so every boundary carries a single
    // rounding and the cycle's end is its start plus exactly 120 years.
    const double cycleStartJd =
        birthUniversalJulianDay - where.elapsedFraction * firstYears * kDaysPerDashaYear;
    int elapsedYears = 0;
    for (int k = 0; k < kDashaLordCount; ++k) {
        Mahadasha& period = dasha.mahadashas[static_cast<std::size_t>(k)];
        period.lord = LordAfter(dasha.birthLord, k);
        period.startJd = k == 0 ? cycleStartJd : dasha.mahadashas[static_cast<std::size_t>(k - 1)].endJd;
        elapsedYears += LordYears(period.lord);
        period.endJd = cycleStartJd + elapsedYears * kDaysPerDashaYear;
        FillAntardashas(period, birthUniversalJulianDay);
    }
    return dasha;
}

std::optional<RunningDasha> FindRunningDasha(const VimshottariDasha& dasha, double universalJulianDay) {
    for (int k = 0; k < kDashaLordCount; ++k) {
        const Mahadasha& period = dasha.mahadashas[static_cast<std::size_t>(k)];
        if (!(universalJulianDay >= period.startJd && universalJulianDay < period.endJd)) continue;
        for (int j = 0; j < kDashaLordCount; ++j) {
            if (universalJulianDay < period.antardashas[static_cast<std::size_t>(j)].endJd) {
                return RunningDasha{k, j};
            }
        }
    }
    return std::nullopt;
}

YearsMonthsDays SplitDashaYears(double years) {
    if (!(years > 0.0)) return {};
    const double length = std::min(years, static_cast<double>(kDashaCycleYears));
    const double wholeYears = std::floor(length);
    const double monthsExact = (length - wholeYears) * kMonthsPerDashaYear;
    const double wholeMonths = std::floor(monthsExact);
    const double restDays = (monthsExact - wholeMonths) * kDaysPerDashaMonth;

    YearsMonthsDays split{static_cast<int>(wholeYears), static_cast<int>(wholeMonths), 0};
    if (restDays >= kMonthCarryDays) {
        ++split.months;
    } else {
        split.days = static_cast<int>(std::floor(restDays + 0.5));
    }
    if (split.months >= kMonthsPerDashaYear) {
        split.months -= kMonthsPerDashaYear;
        ++split.years;
    }
    return split;
}

}  // namespace zorvane
