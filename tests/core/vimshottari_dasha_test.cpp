// Vimshottari dasha: worked examples, the balance in words, the text and JSON
// forms, and properties over a sweep of Moons and birth days.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "core/format/dasha_text.h"
#include "core/dasha/vimshottari_dasha.h"
#include "core/time/zone_date.h"
#include "core/panchang/birth_nakshatra.h"
#include "core/time/day_number.h"
#include "core/panchang/nakshatra_names.h"

namespace zorvane {
namespace {

// A boundary carries one or two roundings of a Julian day near 2.4e6, whose
// spacing is 4.7e-10 days; a millisecond leaves room for both.
constexpr double kBoundaryToleranceDays = 1e-8;
// The Moon rebuilt from nakshatra and fraction: one rounding of a value below 360.
constexpr double kMoonRebuildToleranceDegrees = 1e-12;
constexpr double kNakshatraSpanDegrees = 40.0 / 3.0;

// Noon-based day number plus universal hours: a universal-time Julian day.
double UniversalJd(int year, int month, int day, double hoursFromNoon) {
    return DayNumber(month, day, year) + hoursFromNoon / 24.0;
}

struct PinnedDasha {
    const char* what;
    double moonDegrees;
    double birthJd;
    double zoneHours;
    const char* balance;
    int beforeBirthCount;  // antardashas over before the birth
    const char* cycleStart;
    const char* firstEnd;
    const char* cycleEnd;
};

// Dates worked out independently from the rule with calendar arithmetic.
const PinnedDasha kPinned[] = {
    {"Moon mid-Ashwini: Ketu with 3.5 years, +5:30", 20.0 / 3.0, UniversalJd(2000, 1, 1, 0), 5.5,
     "Ketu 3 years 6 months 0 days", 5, "1996-07-02", "2003-07-03", "2116-07-03"},
    {"same birth in universal time: the first end falls a day earlier", 20.0 / 3.0,
     UniversalJd(2000, 1, 1, 0), 0.0, "Ketu 3 years 6 months 0 days", 5, "1996-07-02", "2003-07-02",
     "2116-07-03"},
    {"Pushya, an eighth passed", 95.0, UniversalJd(1947, 8, 14, 6.5), 5.5,
     "Saturn 16 years 7 months 15 days", 0, "1945-03-30", "1964-03-30", "2065-03-30"},
    {"end of Revati, zone behind universal time", 359.5, UniversalJd(1990, 3, 10, 11), -5.0,
     "Mercury 0 years 7 months 20 days", 8, "1973-10-29", "1990-10-29", "2093-10-29"},
};

TEST(VimshottariDasha, PinnedBirths) {
    for (const PinnedDasha& pin : kPinned) {
        SCOPED_TRACE(pin.what);
        const VimshottariDasha dasha = ComputeVimshottariDasha(pin.moonDegrees, pin.birthJd);
        EXPECT_EQ(DashaBalanceText(dasha), pin.balance);
        const auto date = [&](double jd) { return IsoDateText(ZoneCivilDate(jd, pin.zoneHours)); };
        EXPECT_EQ(date(dasha.mahadashas.front().startJd), pin.cycleStart);
        EXPECT_EQ(date(dasha.mahadashas.front().endJd), pin.firstEnd);
        EXPECT_EQ(date(dasha.mahadashas.back().endJd), pin.cycleEnd);
        EXPECT_EQ(std::count_if(dasha.mahadashas.front().antardashas.begin(),
                                dasha.mahadashas.front().antardashas.end(),
                                [](const Antardasha& sub) { return sub.beforeBirth; }),
                  pin.beforeBirthCount);
    }
}

struct MoonPlace {
    double moonDegrees;
    int nakshatraIndex;
    double elapsedFraction;  // checked to kMoonRebuildToleranceDegrees / span
};

TEST(LocateMoonInNakshatra, TurnEndsAndBoundaries) {
    const double justBelow360 = std::nextafter(360.0, 0.0);
    const MoonPlace places[] = {
        {0.0, 0, 0.0},         {360.0, 0, 0.0},  // the empty name slot reads as Ashwini's start
        {justBelow360, 26, 1.0}, {-0.5, 26, 0.9625},
        {40.0, 3, 0.0},        {std::nextafter(40.0, 0.0), 2, 1.0},
        {720.0 + 95.0, 7, 0.125},
    };
    for (const MoonPlace& place : places) {
        SCOPED_TRACE(place.moonDegrees);
        const MoonInNakshatra where = LocateMoonInNakshatra(place.moonDegrees);
        EXPECT_EQ(where.nakshatraIndex, place.nakshatraIndex);
        EXPECT_NEAR(where.elapsedFraction, place.elapsedFraction, 1e-12);
        EXPECT_LT(where.elapsedFraction, 1.0);
    }
    EXPECT_THROW(LocateMoonInNakshatra(std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
    EXPECT_THROW(ComputeVimshottariDasha(10.0, std::numeric_limits<double>::infinity()),
                 std::invalid_argument);
}

struct SplitCase {
    double years;
    const char* text;
};

TEST(YearsMonthsDaysText, RoundsToTheNearestDayAndCarries) {
    constexpr double kDay = 1.0 / 365.25;
    const SplitCase cases[] = {
        {0.0, "0 years 0 months 0 days"},
        {-1.0, "0 years 0 months 0 days"},
        {1.0 + 1.0 / 12 + kDay, "1 year 1 month 1 day"},
        {12.25 + 4.4 * kDay, "12 years 3 months 4 days"},
        {12.25 + 4.6 * kDay, "12 years 3 months 5 days"},
        {12.25 + 30.2 * kDay, "12 years 3 months 30 days"},   // nearer 30 days
        {12.25 + 30.25 * kDay, "12 years 4 months 0 days"},   // nearer the full month
        {7.0 - 1e-9, "7 years 0 months 0 days"},               // carries into the year
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(YearsMonthsDaysText(c.years), c.text) << c.years;
    }
}

TEST(DashaText, TableAndJsonCarryTheSameDates) {
    const VimshottariDasha dasha = ComputeVimshottariDasha(20.0 / 3.0, UniversalJd(2000, 1, 1, 0));
    const std::string table = DashaTextTable(dasha, 5.5);
    EXPECT_NE(table.find("Balance at birth: Ketu 3 years 6 months 0 days\n"), std::string::npos);
    EXPECT_NE(table.find("Venus                   2003-07-03  2023-07-03\n"), std::string::npos);
    EXPECT_NE(table.find("Mars        1999-01-04  1999-06-02  before birth\n"), std::string::npos);

    const nlohmann::ordered_json json = DashaJson(dasha, 5.5);
    EXPECT_EQ(json.dump().substr(0, 47), R"({"lord":"Ketu","balance_years":3.5,"periods":[{)");
    ASSERT_EQ(json["periods"].size(), 9u);
    const auto& venus = json["periods"][1];
    EXPECT_EQ(venus["lord"], "Venus");
    EXPECT_EQ(venus["start"], "2003-07-03");
    EXPECT_EQ(venus["end"], "2023-07-03");
    ASSERT_EQ(venus["sub"].size(), 9u);
    EXPECT_EQ(venus["sub"][8].dump(), R"({"lord":"Ketu","start":"2022-05-02","end":"2023-07-03"})");
}

// Every property of one computed cycle; returns the largest boundary error
// in days.
double CheckCycle(const VimshottariDasha& dasha, double moonDegrees) {
    double largest = 0;
    const auto track = [&](double error) { largest = std::max(largest, std::abs(error)); };

    const double rebuilt = (dasha.nakshatraIndex + dasha.elapsedFraction) * kNakshatraSpanDegrees;
    EXPECT_NEAR(std::remainder(rebuilt - moonDegrees, 360.0), 0.0, kMoonRebuildToleranceDegrees);
    EXPECT_EQ(dasha.birthLord, dasha.nakshatraIndex % kDashaLordCount);

    const Mahadasha& first = dasha.mahadashas.front();
    EXPECT_EQ(first.lord, dasha.birthLord);
    EXPECT_LE(first.startJd, dasha.birthJd);
    EXPECT_LE(dasha.birthJd, first.endJd);
    track(first.endJd - dasha.birthJd - dasha.balanceYears * kDaysPerDashaYear);
    track(dasha.mahadashas.back().endJd - first.startJd - kDashaCycleYears * kDaysPerDashaYear);

    for (int k = 0; k < kDashaLordCount; ++k) {
        const Mahadasha& period = dasha.mahadashas[static_cast<std::size_t>(k)];
        const int years = kDashaLords[static_cast<std::size_t>(period.lord)].years;
        if (k > 0) {
            EXPECT_EQ(period.startJd, dasha.mahadashas[static_cast<std::size_t>(k - 1)].endJd);
            EXPECT_EQ(period.lord, (dasha.mahadashas[static_cast<std::size_t>(k - 1)].lord + 1) % 9);
        }
        track(period.endJd - period.startJd - years * kDaysPerDashaYear);
        EXPECT_EQ(period.antardashas.front().lord, period.lord);
        EXPECT_EQ(period.antardashas.front().startJd, period.startJd);
        EXPECT_EQ(period.antardashas.back().endJd, period.endJd);
        for (int j = 0; j < kDashaLordCount; ++j) {
            const Antardasha& sub = period.antardashas[static_cast<std::size_t>(j)];
            if (j > 0) {
                EXPECT_EQ(sub.startJd, period.antardashas[static_cast<std::size_t>(j - 1)].endJd);
            }
            const int subYears = kDashaLords[static_cast<std::size_t>(sub.lord)].years;
            track(sub.endJd - sub.startJd - years * subYears * kDaysPerDashaYear / kDashaCycleYears);
            EXPECT_EQ(sub.beforeBirth, sub.endJd <= dasha.birthJd);
        }
    }
    EXPECT_LE(largest, kBoundaryToleranceDays);

    // At birth the first mahadasha runs, in its first sub-period not yet over.
    const std::optional<RunningDasha> running = FindRunningDasha(dasha, dasha.birthJd);
    if (dasha.birthJd < first.endJd) {
        EXPECT_TRUE(running.has_value());
        EXPECT_EQ(running.value_or(RunningDasha{-1, -1}).mahadasha, 0);
        const auto open = std::find_if(first.antardashas.begin(), first.antardashas.end(),
                                       [](const Antardasha& sub) { return !sub.beforeBirth; });
        EXPECT_EQ(running.value_or(RunningDasha{-1, -1}).antardasha, open - first.antardashas.begin());
    }
    EXPECT_FALSE(FindRunningDasha(dasha, std::nextafter(first.startJd, 0.0)).has_value());
    EXPECT_FALSE(FindRunningDasha(dasha, dasha.mahadashas.back().endJd).has_value());
    return largest;
}

TEST(VimshottariDasha, SweepOfMoonsAndBirthDaysTilesTheCycle) {
    constexpr int kGridMoons = 2000;
    constexpr int kBirthDays = 7;
    constexpr double kFirstBirthJd = 2415385.5;   // 1901-01-01
    constexpr double kBirthStepDays = 7919.37;     // to 2049 in seven steps
    double largest = 0;
    int cycles = 0;
    const auto run = [&](double moon, int i) {
        const double birthJd = kFirstBirthJd + (i % kBirthDays) * kBirthStepDays + i * 0.013;
        SCOPED_TRACE(testing::Message() << "moon " << moon << " birth " << birthJd);
        largest = std::max(largest, CheckCycle(ComputeVimshottariDasha(moon, birthJd), moon));
        ++cycles;
    };
    for (int i = 0; i < kGridMoons; ++i) run(i * 360.0 / kGridMoons + 0.0917, i);
    for (int k = 0; k <= kNakshatraCount; ++k) {
        const double edge = k * kNakshatraSpanDegrees;
        run(std::nextafter(edge, -1.0), k);
        run(edge, k + 1);
        run(std::nextafter(edge, 400.0), k + 2);
    }
    std::cout << "largest boundary error over " << cycles << " cycles: " << largest * 86400.0
              << " s\n";
}

// Through the reading itself: the lord always follows the nakshatra shown.
TEST(VimshottariDasha, LordFollowsTheNakshatraShown) {
    constexpr int kReadings = 600;
    ChartState chart;
    for (int i = 0; i < kReadings; ++i) {
        const auto field = [](int value) { return static_cast<std::int16_t>(value); };
        const BirthData birth{.Month = field(1 + i * 7 % 12), .Day = field(1 + i * 11 % 28),
                              .Year = field(1901 + i % 150), .Hour = field(i * 5 % 24),
                              .Minute = field(i * 13 % 60), .ZoneHour = field(i * 3 % 13),
                              .LonDegrees = field(i * 17 % 180), .LonEast = i % 2 == 0};
        ComputeBirthNakshatra(birth, chart);
        const VimshottariDasha dasha = ComputeVimshottariDasha(chart.MoonLongitude, 2451545.0);
        ASSERT_EQ(NakshatraNames[static_cast<std::size_t>(dasha.nakshatraIndex)], chart.NakshatraName)
            << "Moon " << chart.MoonLongitude;
    }
}

}  // namespace
}  // namespace zorvane
