// Second tier: many readings against an independent evaluation of the same
// steps (tests/golden/make_golden.py, plain Python floats).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/panchang/birth_nakshatra.h"
#include "core/sky/sidereal_moon.h"
#include "core/time/universal_time.h"
#include "core/panchang/birth_yoga.h"
#include "core/time/delta_t.h"
#include "core/sky/moon_longitude.h"
#include "core/sky/panchang_ayanamsa.h"
#include "core/sky/sun_longitude.h"

namespace zorvane {
namespace {

// Both sides evaluate the same operations in the same order in IEEE double
// with the same libm; they may still part in the last bits where the
// independent side writes T**3 as a power. A relative error of 1e-13 is far
// below any digit the program shows and far above such last-bit differences.
constexpr double kRelativeTolerance = 1e-13;

std::vector<std::string> SplitCsv(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) fields.push_back(field);
    return fields;
}

TEST(GoldenReadings, MatchTheIndependentEvaluation) {
    std::ifstream file(ZORVANE_GOLDEN_DIR "/readings.csv");
    ASSERT_TRUE(file) << "missing golden data";
    std::string line;
    std::getline(file, line);
    const std::vector<std::string> header = SplitCsv(line);
    auto column = [&](const char* name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };

    const char* valueNames[] = {"universal_hours", "julian_day_number", "centuries",  "ayanamsa",
                                "moon_sidereal",   "jde",               "panchang_ayanamsa",
                                "moon_unreduced",  "sun_unreduced",     "yoga_position"};
    double largestError = 0;
    std::string largestErrorWhere;
    int readings = 0;
    while (std::getline(file, line)) {
        const std::vector<std::string> f = SplitCsv(line);
        ASSERT_EQ(f.size(), header.size());
        auto number = [&](const char* name) { return std::stod(f[column(name)]); };
        auto whole = [&](const char* name) { return static_cast<std::int16_t>(std::stoi(f[column(name)])); };
        BirthData birth;
        birth.Year = whole("year");
        birth.Month = whole("month");
        birth.Day = whole("day");
        birth.Hour = whole("hour");
        birth.Minute = whole("minute");
        birth.ZoneHour = whole("zone_hour");
        birth.ZoneMinute = whole("zone_min");
        birth.LonDegrees = whole("lon_deg");
        birth.LonMinutes = whole("lon_min");
        birth.LonEast = whole("east") != 0;
        birth.DaylightSaving = whole("dst") != 0;
        ChartState chart;
        ComputeBirthNakshatra(birth, chart);
        ComputeBirthYoga(chart);

        EXPECT_EQ(chart.NakshatraName, f[column("nakshatra")]) << line;
        EXPECT_EQ(chart.YogaName, f[column("yoga")]) << line;
        const double computed[] = {chart.UniversalHours,     chart.JulianDayNumber,      chart.Centuries,
                                   chart.Ayanamsa,           chart.MoonLongitude,        chart.JulianEphemerisDay,
                                   chart.PanchangAyanamsa,   chart.MoonLongitudeUnreduced,
                                   chart.SunLongitudeUnreduced, chart.YogaPosition};
        for (std::size_t i = 0; i < std::size(valueNames); ++i) {
            const double expected = number(valueNames[i]);
            const double error = std::fabs(computed[i] - expected) / std::max(1.0, std::fabs(expected));
            if (error > largestError) {
                largestError = error;
                largestErrorWhere = std::string(valueNames[i]) + " in " + line;
            }
            EXPECT_LE(error, kRelativeTolerance) << valueNames[i] << " in " << line;
        }
        // The theories as functions of time give the birth's values bit for
        // bit, so a search around the birth agrees with the name shown.
        const double T = CenturiesSinceJ2000(chart.JulianDayNumber, chart.UniversalHours);
        EXPECT_EQ(T, chart.Centuries) << line;
        EXPECT_EQ(NakshatraMoonSiderealDegrees(T), chart.MoonLongitude) << line;
        const double jde = EphemerisJulianDay(UniversalJulianDay(chart.JulianDayNumber, chart.UniversalHours));
        EXPECT_EQ(jde, chart.JulianEphemerisDay) << line;
        EXPECT_EQ(PanchangAyanamsaOffset(jde), chart.PanchangAyanamsa) << line;
        EXPECT_EQ(PanchangMoonLongitudeUnreduced(jde), chart.MoonLongitudeUnreduced) << line;
        EXPECT_EQ(PanchangSunLongitudeUnreduced(jde), chart.SunLongitudeUnreduced) << line;
        ++readings;
    }
    EXPECT_GT(readings, 100);
    std::cout << "largest relative error over " << readings << " readings: " << largestError
              << (largestErrorWhere.empty() ? "" : " (" + largestErrorWhere + ")") << "\n";
}

}  // namespace
}  // namespace zorvane
