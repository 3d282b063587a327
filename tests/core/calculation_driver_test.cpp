// The driver: from the form's texts to the two names.
#include <gtest/gtest.h>

#include "core/reading/calculation_driver.h"
#include "sample_readings.h"

namespace zorvane {
namespace {

ReadingForm Independence() { return testing_readings::Independence1947(); }

TEST(FillBirthData, ConvertsEveryFieldInTheFormsFormat) {
    ReadingForm form = Independence();
    form.zoneHour = "-5";
    form.zoneMinute = "-30";
    form.lonDegrees = "-20";
    form.lonMinutes = "2,5";
    form.monthIndex = 2;
    form.hourText = "23";
    form.minuteText = "59";
    form.westSelected = true;
    form.eastSelected = false;
    form.daylightSaving = true;
    BirthData birth;
    FillBirthData(form, NumberFormat{","}, birth);
    EXPECT_EQ(birth.Month, 3);
    EXPECT_EQ(birth.Day, 15);
    EXPECT_EQ(birth.Year, 1947);
    EXPECT_EQ(birth.ZoneHour, 5);
    EXPECT_EQ(birth.ZoneMinute, 30);
    EXPECT_EQ(birth.Hour, 23);
    EXPECT_EQ(birth.Minute, 59);
    EXPECT_EQ(birth.LonDegrees, -20);
    EXPECT_EQ(birth.LonMinutes, 2);
    EXPECT_FALSE(birth.LonEast);
    EXPECT_TRUE(birth.DaylightSaving);
}

TEST(FillBirthData, AFieldThatDoesNotConvertKeepsItsValue) {
    BirthData birth;
    birth.LonDegrees = 77;
    ReadingForm form = Independence();
    form.lonDegrees = std::string("a");  // a single letter
    FillBirthData(form, NumberFormat{}, birth);
    EXPECT_EQ(birth.LonDegrees, 77);
    EXPECT_EQ(birth.LonMinutes, 13);
}

TEST(RunCalculation, ComputesBothNames) {
    BirthData birth;
    ChartState chart;
    EXPECT_EQ(RunCalculation(Independence(), NumberFormat{}, birth, chart), std::nullopt);
    EXPECT_EQ(chart.YogaName, "Siddhi");
    EXPECT_FALSE(chart.NakshatraName.empty());
}

TEST(RunCalculation, SecondsAndLatitudeDoNotMatter) {
    BirthData first;
    ChartState firstChart;
    ASSERT_FALSE(RunCalculation(Independence(), NumberFormat{}, first, firstChart));
    ReadingForm other = Independence();
    other.latDegrees = std::string("1");
    other.southSelected = true;
    other.northSelected = false;
    BirthData second;
    ChartState secondChart;
    ASSERT_FALSE(RunCalculation(other, NumberFormat{}, second, secondChart));
    EXPECT_EQ(firstChart.NakshatraName, secondChart.NakshatraName);
    EXPECT_EQ(firstChart.YogaName, secondChart.YogaName);
    EXPECT_EQ(firstChart.MoonLongitude, secondChart.MoonLongitude);
}

TEST(RunCalculation, ARefusalChangesNothing) {
    BirthData birth;
    ChartState chart;
    ASSERT_FALSE(RunCalculation(Independence(), NumberFormat{}, birth, chart));
    const BirthData birthBefore = birth;
    const std::string yogaBefore = chart.YogaName;
    const double moonBefore = chart.MoonLongitude;

    ReadingForm refused = Independence();
    refused.yearText = "1990";
    refused.name.clear();
    const std::optional<Refusal> refusal = RunCalculation(refused, NumberFormat{}, birth, chart);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Please Enter Your Name");
    EXPECT_EQ(birth.Year, birthBefore.Year);
    EXPECT_EQ(chart.YogaName, yogaBefore);
    EXPECT_EQ(chart.MoonLongitude, moonBefore);

    refused.name = "Bharat";
    refused.lonDegrees = "1e9";
    ASSERT_TRUE(RunCalculation(refused, NumberFormat{}, birth, chart));
    EXPECT_EQ(birth.Year, birthBefore.Year);
}

// East of Greenwich a zone without a sign lies ahead, as one with "+"; one
// typed with "-" lies behind (the minus was once dropped).
TEST(RunCalculation, AMinusPutsTheZoneBehindAtAnEastLongitude) {
    const auto universalHours = [](const char* zoneHour) {
        ReadingForm form = Independence();
        form.zoneHour = zoneHour;
        BirthData birth;
        ChartState chart;
        EXPECT_FALSE(RunCalculation(form, NumberFormat{}, birth, chart)) << zoneHour;
        return chart.UniversalHours;
    };
    const double plain = universalHours("5");
    EXPECT_EQ(universalHours("+5"), plain);
    EXPECT_EQ(universalHours("-5"), -plain);
    EXPECT_NE(plain, 0.0);
}

// Calcutta Time is +5:53:20 and a clock may be read to the second: both move
// universal time by their seconds, the zone's in its own direction.
TEST(RunCalculation, ZoneAndClockSecondsMoveUniversalTime) {
    constexpr double kSecondsPerHour = 3600.0;
    constexpr double kTolerance = 1e-12;  // hours; a few roundings of doubles near 6
    const auto universalHours = [](int zoneSecond, int clockSecond) {
        ReadingForm form = Independence();
        form.zoneSecond = zoneSecond;
        form.clockSecond = clockSecond;
        BirthData birth;
        ChartState chart;
        EXPECT_FALSE(RunCalculation(form, NumberFormat{}, birth, chart));
        return chart.UniversalHours;
    };
    const double plain = universalHours(0, 0);
    EXPECT_NEAR(universalHours(20, 0), plain - 20 / kSecondsPerHour, kTolerance);
    EXPECT_NEAR(universalHours(0, 45), plain + 45 / kSecondsPerHour, kTolerance);
}

}  // namespace
}  // namespace zorvane

namespace zorvane {
namespace {

TEST(FillBirthData, LeadingSignsMarkTheZoneAheadOrBehind) {
    const struct {
        const char* text;
        bool ahead, behind;
    } cases[] = {{"+1", true, false}, {" +1", true, false}, {"1", false, false}, {"-1", false, true}};
    for (const auto& c : cases) {
        ReadingForm form = Independence();
        form.zoneHour = c.text;
        BirthData birth;
        FillBirthData(form, NumberFormat{}, birth);
        EXPECT_EQ(birth.ZoneHour, 1) << c.text;
        EXPECT_EQ(birth.ZoneAheadOfUniversalTime, c.ahead) << c.text;
        EXPECT_EQ(birth.ZoneBehindUniversalTime, c.behind) << c.text;
    }
}

TEST(RunCalculation, MadridInSummerUsesTheZoneAhead) {
    // 1 July 1990, 12:00 at 3 W 42 in a zone typed "+1" with summer time:
    // universal time 10:00 (the hemisphere rule alone would give 12:00).
    const ReadingForm form{.name = "Lucia",
                           .zoneHour = "+1",
                           .zoneMinute = "00",
                           .latDegrees = "40",
                           .latMinutes = "25",
                           .lonDegrees = "03",
                           .lonMinutes = "42",
                           .eastSelected = false,
                           .westSelected = true,
                           .daylightSaving = true,
                           .monthIndex = 6,
                           .dayIndex = 0,
                           .dayText = "01",
                           .yearText = "1990",
                           .hourText = "12"};
    BirthData birth;
    ChartState chart;
    ASSERT_EQ(RunCalculation(form, NumberFormat{}, birth, chart), std::nullopt);
    EXPECT_DOUBLE_EQ(chart.UniversalHours, 10.0);
    EXPECT_NEAR(chart.JulianEphemerisDay - chart.JulianDayNumber + 0.5, 10.0 / 24, 1e-3);
}

}  // namespace
}  // namespace zorvane
