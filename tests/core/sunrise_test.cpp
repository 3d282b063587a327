// Sunrise and sunset, the weekday, and the crossing search they share with
// the limbs' bounds.
#include <gtest/gtest.h>

#include <cmath>

#include "core/time/crossing_search.h"
#include "core/time/day_number.h"
#include "core/sky/sunrise.h"

namespace zorvane {
namespace {

constexpr double kSecondsPerDay = 86400;

TEST(CrossingSearch, FindsTheMomentAnUnevenAngleReachesItsTarget) {
    // Angles whose rate swings as the Moon's does (and far more), so the mean
    // rate's first step misses and the secant and bracket must finish.
    struct Case {
        const char* what;
        double meanRate;
        double swing;
        double target;
    };
    const Case cases[] = {
        {"target ahead", 13.2, 1.5, 20.0},
        {"target behind", 13.2, 1.5, -7.0},
        {"rate swinging by nearly itself", 1.0, 0.9, 0.75},
    };
    for (const Case& c : cases) {
        const GrowingAngle angle = [&](double t) { return c.meanRate * t + c.swing * std::sin(t); };
        const double found = FindCrossing(angle, {0.0, angle(0.0), c.meanRate}, c.target);
        // The exact moment by bisection to the last bit.
        double low = -10, high = 10;
        for (int i = 0; i < 200; ++i) (angle((low + high) / 2) < c.target ? low : high) = (low + high) / 2;
        EXPECT_NEAR(found, low, kCrossingToleranceDays) << c.what;
    }
}

TEST(CrossingSearch, UnwrapsAReducedAngleNearItsReference) {
    EXPECT_DOUBLE_EQ(UnwrapNear(359.0, 1.0, 360), -1.0);
    EXPECT_DOUBLE_EQ(UnwrapNear(2.0, 719.0, 360), 722.0);
    EXPECT_DOUBLE_EQ(UnwrapNear(10.0, 10.5, 360), 10.0);
    EXPECT_DOUBLE_EQ(UnwrapNear(0.5, 26.75, 27), 27.5);
}

TEST(Sunrise, AgreesWithTheReferenceEphemeris) {
    // Reference: the true altitude of the Sun's centre at -0°50′ from the
    // reference ephemeris (libswe, Moshier), found with
    // tools/reference_accuracy.cpp. Over its 1901-2050 sweep the largest
    // difference is a few seconds; this tolerance leaves room for that.
    constexpr double kToleranceSeconds = 5;
    struct Case {
        const char* where;
        int year, month, day;
        double latitude, longitude, leadHours;
        double sunriseJd, sunsetJd;
    };
    const Case cases[] = {
        {"Greenwich", 2000, 1, 1, 51.4769, 0.0, 0.0, 2451544.83721835, 2451545.16747040},
        {"New York, summer time", 2021, 3, 20, 40.7, -74.0, -4.0, 2459293.95760270, 2459294.46419088},
        {"Sydney, winter", 2021, 6, 21, -33.87, 151.21, 10.0, 2459386.37498943, 2459386.78740403},
    };
    for (const Case& c : cases) {
        const SunriseSunset sun =
            ComputeSunriseSunset(DayNumber(c.month, c.day, c.year), c.leadHours, {c.latitude, c.longitude});
        ASSERT_EQ(sun.passage, SunPassage::RisesAndSets) << c.where;
        EXPECT_NEAR(*sun.sunriseJd * kSecondsPerDay, c.sunriseJd * kSecondsPerDay, kToleranceSeconds) << c.where;
        EXPECT_NEAR(*sun.sunsetJd * kSecondsPerDay, c.sunsetJd * kSecondsPerDay, kToleranceSeconds) << c.where;
    }
}

TEST(Sunrise, PolarDaysAndNightsAreReportedAsSuch) {
    struct Case {
        int year, month, day;
        double latitude;
        SunPassage passage;
    };
    const Case cases[] = {
        {2020, 6, 21, 69.65, SunPassage::PolarDay},     // Tromsø, midsummer
        {2020, 12, 21, 69.65, SunPassage::PolarNight},  // Tromsø, midwinter
        {2020, 12, 21, -75.0, SunPassage::PolarDay},    // the Antarctic, its midsummer
        {2020, 3, 20, 90.0, SunPassage::PolarDay},      // the pole at the equinox: refraction lifts it
        {2020, 3, 20, 0.0, SunPassage::RisesAndSets},
    };
    for (const Case& c : cases) {
        const SunriseSunset sun = ComputeSunriseSunset(DayNumber(c.month, c.day, c.year), 1.0, {c.latitude, 19.0});
        EXPECT_EQ(sun.passage, c.passage) << c.year << "-" << c.month << "-" << c.day << " at " << c.latitude;
        EXPECT_EQ(sun.sunriseJd.has_value(), c.passage == SunPassage::RisesAndSets);
    }
}

TEST(Sunrise, EventsFallOnTheCivilDateOfTheClock) {
    // A clock far ahead of its longitude: the events must still be those of
    // the date in that clock, between its midnights.
    const double dayNumber = DayNumber(7, 1, 2010);
    for (const double lead : {-12.0, -5.0, 0.0, 8.0, 14.0}) {
        const SunriseSunset sun = ComputeSunriseSunset(dayNumber, lead, {10.0, 0.0});
        const double midnight = dayNumber - 0.5 - lead / 24;
        ASSERT_TRUE(sun.sunriseJd && sun.sunsetJd) << lead;
        EXPECT_GE(*sun.sunriseJd, midnight) << lead;
        EXPECT_LT(*sun.sunsetJd, midnight + 1) << lead;
    }
}

TEST(CivilWeekday, CountsFromSunday) {
    EXPECT_EQ(CivilWeekday(DayNumber(1, 1, 2000)), 6);   // a Saturday
    EXPECT_EQ(CivilWeekday(DayNumber(8, 15, 1947)), 5);  // a Friday
    EXPECT_EQ(CivilWeekday(DayNumber(1, 1, 1901)), 2);   // a Tuesday
}

}  // namespace
}  // namespace zorvane
