// The program's two sidereal offsets against Lahiri (Chitrapaksha) as the
// Swiss Ephemeris gives it with nutation, the convention the program's own
// offsets follow (tools/ayanamsa_against_lahiri.cpp measures every day).
#include <gtest/gtest.h>

#include <cmath>

#include "core/sky/ephemeris.h"
#include "core/sky/panchang_ayanamsa.h"
#include "core/sky/sidereal_moon.h"
#include "core/time/angles.h"
#include "core/time/day_number.h"
#include "core/time/delta_t.h"
#include "core/time/epochs.h"

namespace zorvane {
namespace {

// The pinned differences were printed by the tool to a hundredth of an
// arcsecond; the library's true ayanamsa does not depend on its data files.
constexpr double kPinnedToleranceArcseconds = 0.02;
// The largest difference the tool found over 1901-2050 (6.5″, nakshatra),
// as the details, the help and the README state it: "within 7″".
constexpr double kStatedBoundArcseconds = 7.0;

double LahiriDegrees(double jdUt) {
    return ComputeSkyPositions(jdUt, 0.0, std::nullopt, Ayanamsa::Lahiri, NodeKind::Mean, "").ayanamsaDegrees;
}
double NakshatraDegrees(double jdUt) { return -AyanamsaOffset((jdUt - kJ2000JulianDay) / kDaysPerJulianCentury); }
double PanchangDegrees(double jdUt) { return -PanchangAyanamsaOffset(EphemerisJulianDay(jdUt)); }

// 1 January, 0h universal time.
double NewYear(int year) { return DayNumber(1, 1, year) - 0.5; }

TEST(AyanamsaAgainstLahiri, PinnedDifferencesOnNewYearsDays) {
    const struct {
        int year;
        double nakshatraArcseconds;  // program minus Lahiri
        double panchangArcseconds;
    } cases[] = {
        {1901, 4.72, 3.45},
        {1950, 3.26, 3.08},
        {2000, 1.82, 2.75},
        {2050, -0.16, 1.93},
    };
    for (const auto& c : cases) {
        const double jd = NewYear(c.year);
        const double lahiri = LahiriDegrees(jd);
        EXPECT_NEAR((NakshatraDegrees(jd) - lahiri) * kArcsecondsPerDegree, c.nakshatraArcseconds,
                    kPinnedToleranceArcseconds)
            << c.year;
        EXPECT_NEAR((PanchangDegrees(jd) - lahiri) * kArcsecondsPerDegree, c.panchangArcseconds,
                    kPinnedToleranceArcseconds)
            << c.year;
    }
}

TEST(AyanamsaAgainstLahiri, WithinTheStatedBoundEveryNewYear) {
    for (int year = 1901; year <= 2050; ++year) {
        const double jd = NewYear(year);
        const double lahiri = LahiriDegrees(jd);
        EXPECT_LE(std::fabs(NakshatraDegrees(jd) - lahiri) * kArcsecondsPerDegree, kStatedBoundArcseconds) << year;
        EXPECT_LE(std::fabs(PanchangDegrees(jd) - lahiri) * kArcsecondsPerDegree, kStatedBoundArcseconds) << year;
    }
}

}  // namespace
}  // namespace zorvane
