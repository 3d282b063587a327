// The panchang of a day: the weekday tables against the printed fixed-time
// tables, the limbs against published moments of the Moon's phases and
// against a birth's details, and a sweep that every day's limbs and periods
// tile it without a gap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/panchang/birth_details.h"
#include "core/panchang/birth_nakshatra.h"
#include "core/panchang/birth_yoga.h"
#include "core/panchang/day_limbs.h"
#include "core/panchang/day_panchang.h"
#include "core/panchang/day_periods.h"
#include "core/time/day_number.h"
#include "core/time/delta_t.h"
#include "core/time/zone_clock.h"

namespace zorvane {
namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kSecondsPerDay = 86400;
constexpr int kIndiaMinutes = 330;  // +05:30
// Two searches of the same crossing each stop within a tenth of a second.
constexpr double kSameCrossingSeconds = 0.2;
// The program's lunar theory is an abridged one; the published phases come
// from a full ephemeris and are printed to the minute.
constexpr double kPhaseToleranceMinutes = 2.0;

const GeoPlace kNewDelhi{28.6139, 77.2090};

int India(double) { return kIndiaMinutes; }

// A civil date's universal-time Julian day at the given hours of UT.
double Ut(int year, int month, int day, double hours) { return DayNumber(month, day, year) - 0.5 + hours / 24.0; }

// A day of 06:00 to 18:00 and a night to 06:00, on the Indian clock.
struct TwelveHourDay {
    double sunrise = Ut(2023, 7, 20, 6.0 - 5.5);
    double sunset = Ut(2023, 7, 20, 18.0 - 5.5);
    double nextSunrise = Ut(2023, 7, 21, 6.0 - 5.5);
};

std::string Hm(double jd) { return ClockMinuteText(jd, kIndiaMinutes); }
std::string Range(const Period& p) { return Hm(p.startJd) + "-" + Hm(p.endJd); }

// The tables every almanac prints for a day of 06:00 to 18:00.
TEST(DayPeriods, WeekdayEighthsMatchThePrintedFixedTimeTables) {
    struct Row {
        int weekday;
        const char* rahu;
        const char* yamaganda;
        const char* gulika;
    };
    const Row rows[] = {
        {0, "16:30-18:00", "12:00-13:30", "15:00-16:30"}, {1, "07:30-09:00", "10:30-12:00", "13:30-15:00"},
        {2, "15:00-16:30", "09:00-10:30", "12:00-13:30"}, {3, "12:00-13:30", "07:30-09:00", "10:30-12:00"},
        {4, "13:30-15:00", "06:00-07:30", "09:00-10:30"}, {5, "10:30-12:00", "15:00-16:30", "07:30-09:00"},
        {6, "09:00-10:30", "13:30-15:00", "06:00-07:30"},
    };
    const TwelveHourDay d;
    for (const Row& row : rows) {
        const DayPeriods p = ComputeDayPeriods(d.sunrise, d.sunset, d.nextSunrise, row.weekday);
        EXPECT_EQ(Range(p.rahuKalam), row.rahu) << row.weekday;
        EXPECT_EQ(Range(p.yamaganda), row.yamaganda) << row.weekday;
        EXPECT_EQ(Range(p.gulika), row.gulika) << row.weekday;
        // Abhijit straddles noon by 24 minutes each side.
        EXPECT_EQ(Range(p.abhijit), "11:36-12:24");
    }
    // By night, Sunday's Gulika is the third eighth and Yamaganda the first.
    const DayPeriods sunday = ComputeDayPeriods(d.sunrise, d.sunset, d.nextSunrise, 0);
    EXPECT_EQ(Range(sunday.nightGulika), "21:00-22:30");
    EXPECT_EQ(Range(sunday.nightYamaganda), "18:00-19:30");
}

TEST(DayPeriods, ChoghadiyaAndHorasFollowThePrintedSequences) {
    const TwelveHourDay d;
    const auto names = [](const std::vector<NamedPeriod>& list, std::size_t from, std::size_t count) {
        std::string text;
        for (std::size_t i = from; i < from + count; ++i) text += std::string(list[i].name) + " ";
        return text;
    };
    // Sunday and Monday as the printed choghadiya tables give them.
    const DayPeriods sunday = ComputeDayPeriods(d.sunrise, d.sunset, d.nextSunrise, 0);
    EXPECT_EQ(names(sunday.choghadiya, 0, 8), "Udveg Char Labh Amrit Kaal Shubh Rog Udveg ");
    EXPECT_EQ(names(sunday.choghadiya, 8, 8), "Shubh Amrit Char Rog Kaal Labh Udveg Shubh ");
    const DayPeriods monday = ComputeDayPeriods(d.sunrise, d.sunset, d.nextSunrise, 1);
    EXPECT_EQ(names(monday.choghadiya, 0, 8), "Amrit Kaal Shubh Rog Udveg Char Labh Amrit ");
    EXPECT_EQ(names(monday.choghadiya, 8, 8), "Char Rog Kaal Labh Udveg Shubh Amrit Char ");
    // Each day's first hora is its weekday lord, and the 25th hora of a day
    // (the next day's first) comes out of the sequence by itself.
    const char* lords[] = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
    for (int weekday = 0; weekday < 7; ++weekday) {
        const DayPeriods p = ComputeDayPeriods(d.sunrise, d.sunset, d.nextSunrise, weekday);
        ASSERT_EQ(p.horas.size(), 24U);
        EXPECT_EQ(p.horas.front().name, lords[weekday]);
        const DayPeriods next = ComputeDayPeriods(d.sunrise, d.sunset, d.nextSunrise, (weekday + 1) % 7);
        const std::vector<std::string_view> cycle = {"Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars"};
        const auto at = std::find(cycle.begin(), cycle.end(), p.horas.back().name) - cycle.begin();
        EXPECT_EQ(cycle[static_cast<std::size_t>((at + 1) % 7)], next.horas.front().name) << weekday;
    }
}

// New and full moons of 2023 as the published tables of the Moon's phases
// give them (universal time): the day's tithis must end there.
TEST(DayLimbs, TithisEndAtThePublishedPhasesOfTheMoon) {
    struct Phase {
        double ut;
        double target;  // 30: the end of Amavasya, 15: of Purnima
    };
    const Phase phases[] = {
        {Ut(2023, 7, 17, 18 + 32 / 60.0), 30}, {Ut(2023, 8, 1, 18 + 32 / 60.0), 15},
        {Ut(2023, 8, 16, 9 + 38 / 60.0), 30},  {Ut(2023, 8, 31, 1 + 36 / 60.0), 15},
        {Ut(2024, 4, 8, 18 + 21 / 60.0), 30},  {Ut(2024, 10, 17, 11 + 26 / 60.0), 15},
    };
    for (const Phase& phase : phases) {
        const double found = TithiCrossingNear(phase.ut - 1.0, phase.target);
        EXPECT_NEAR((found - phase.ut) * kMinutesPerDay, 0.0, kPhaseToleranceMinutes) << Hm(phase.ut);
    }
}

// A birth's details and the day of its date name the same limbs with the
// same bounds: one theory and one search.
TEST(DayLimbs, ABirthAndItsDayAgree) {
    // 20 July 2023 09:00 IST at New Delhi.
    const BirthData birth{7, 20, 2023, 9, 0, 5, 30, 77, 13, true, false, true};
    ChartState chart;
    ComputeBirthNakshatra(birth, chart);
    ComputeBirthYoga(chart);
    const BirthDetails details = ComputeBirthDetails(chart, kNewDelhi.latitudeNorthDegrees);
    const DayPanchangResult day = ComputeDayPanchang({2023, 7, 20}, {28.6139, 77.2167}, India);
    ASSERT_TRUE(day.day);
    const auto covering = [&details](const std::vector<LimbSpan>& spans) {
        for (const LimbSpan& span : spans) {
            if (span.startJd <= details.universalJd && details.universalJd < span.endJd) return span;
        }
        return LimbSpan{-1, 0, 0};
    };
    const std::pair<LimbSpan, LimbSpan> pairs[] = {
        {details.tithi, covering(day.day->tithis)},
        {details.nakshatra, covering(day.day->nakshatras)},
        {details.yoga, covering(day.day->yogas)},
        {details.karana, covering(day.day->karanas)},
    };
    for (const auto& [birthSpan, daySpan] : pairs) {
        EXPECT_EQ(birthSpan.index, daySpan.index);
        EXPECT_NEAR((birthSpan.startJd - daySpan.startJd) * kSecondsPerDay, 0.0, kSameCrossingSeconds);
        EXPECT_NEAR((birthSpan.endJd - daySpan.endJd) * kSecondsPerDay, 0.0, kSameCrossingSeconds);
    }
    ASSERT_TRUE(details.sunriseJd);
    EXPECT_NEAR((*details.sunriseJd - day.day->sunriseJd) * kSecondsPerDay, 0.0, kSameCrossingSeconds);
    EXPECT_EQ(details.weekday, day.day->weekday);
}

// Spans of one limb follow each other without a gap, the index one on each
// time, and cover [from, to].
void ExpectTiles(const std::vector<LimbSpan>& spans, int count, double from, double to, const std::string& what) {
    ASSERT_FALSE(spans.empty()) << what;
    EXPECT_LE(spans.front().startJd, from) << what;
    EXPECT_GE(spans.back().endJd, to) << what;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        EXPECT_LT(spans[i].startJd, spans[i].endJd) << what;
        if (i == 0) continue;
        EXPECT_EQ(spans[i].startJd, spans[i - 1].endJd) << what;
        EXPECT_EQ(spans[i].index, (spans[i - 1].index + 1) % count) << what;
    }
}

void ExpectJoined(const std::vector<NamedPeriod>& parts, double from, double to, const std::string& what) {
    ASSERT_FALSE(parts.empty()) << what;
    EXPECT_EQ(parts.front().startJd, from) << what;
    EXPECT_NEAR((parts.back().endJd - to) * kSecondsPerDay, 0.0, 1e-3) << what;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        EXPECT_NEAR((parts[i].startJd - parts[i - 1].endJd) * kSecondsPerDay, 0.0, 1e-3) << what;
    }
}

// Every fifth day of two years at three latitudes, with a clock that moves
// to summer time in the middle of a day (as the atlas's zones do).
TEST(DayPanchang, EveryDaysLimbsAndPeriodsTileTheDay) {
    const GeoPlace places[] = {kNewDelhi, {-33.87, 151.21}, {51.5, -0.13}};
    const ZoneOffsetAt clocks[] = {India, [](double) { return 600; },
                                   [](double jd) { return jd < Ut(2023, 3, 26, 1) ? 0 : 60; }};
    for (std::size_t p = 0; p < std::size(places); ++p) {
        for (double d = DayNumber(1, 1, 2023); d < DayNumber(1, 1, 2025); d += 5) {
            const CalendarDate civil = JulianDayToDate(d);
            const CivilDate date{civil.year, civil.month, static_cast<int>(civil.day)};
            const DayPanchangResult result = ComputeDayPanchang(date, places[p], clocks[p]);
            ASSERT_TRUE(result.day) << IsoDateText(date);
            const DayPanchang& day = *result.day;
            const std::string what = IsoDateText(date) + " at place " + std::to_string(p);
            ExpectTiles(day.tithis, 30, day.sunriseJd, day.nextSunriseJd, what + " tithi");
            ExpectTiles(day.nakshatras, 27, day.sunriseJd, day.nextSunriseJd, what + " nakshatra");
            ExpectTiles(day.padas, 108, day.sunriseJd, day.nextSunriseJd, what + " pada");
            ExpectTiles(day.yogas, 27, day.sunriseJd, day.nextSunriseJd, what + " yoga");
            ExpectTiles(day.karanas, 60, day.sunriseJd, day.nextSunriseJd, what + " karana");
            ExpectTiles(day.sunSigns, 12, day.sunriseJd, day.nextSunriseJd, what + " sign");
            // Each tithi is two karanas: the bounds coincide.
            for (const LimbSpan& tithi : day.tithis) {
                for (const LimbSpan& karana : day.karanas) {
                    if (karana.index == 2 * tithi.index) {
                        EXPECT_NEAR((karana.startJd - tithi.startJd) * kSecondsPerDay, 0, kSameCrossingSeconds);
                    }
                }
            }
            ExpectJoined(day.periods.choghadiya, day.sunriseJd, day.nextSunriseJd, what + " choghadiya");
            ExpectJoined(day.periods.horas, day.sunriseJd, day.nextSunriseJd, what + " hora");
            EXPECT_EQ(day.periods.choghadiya[8].startJd, day.sunsetJd) << what;
            for (const Period& kala : day.varjyam) EXPECT_LT(kala.startJd, day.nextSunriseJd) << what;
            // The Sun's sign holds at sunrise as the birth details name it.
            EXPECT_EQ(day.sunSigns.front().index, static_cast<int>(SunSignPositionAt(day.sunriseJd))) << what;
        }
    }
}

// The Moon rises about when the Sun does at new moon and about when it sets
// at full moon (within the hour that the Moon's latitude and the day's
// motion allow); a wrong sign or a lost turn would miss by hours.
TEST(DayPanchang, MoonRisesWithTheSunAtNewMoonAndSetsWithItAtFullMoon) {
    const DayPanchangResult newMoon = ComputeDayPanchang({2023, 8, 16}, kNewDelhi, India);
    ASSERT_TRUE(newMoon.day && newMoon.day->moonriseJd && newMoon.day->moonsetJd);
    EXPECT_NEAR((*newMoon.day->moonriseJd - newMoon.day->sunriseJd) * kMinutesPerDay, 0, 60);
    EXPECT_NEAR((*newMoon.day->moonsetJd - newMoon.day->sunsetJd) * kMinutesPerDay, 0, 60);
    const DayPanchangResult fullMoon = ComputeDayPanchang({2023, 8, 1}, kNewDelhi, India);
    ASSERT_TRUE(fullMoon.day && fullMoon.day->moonriseJd);
    EXPECT_NEAR((*fullMoon.day->moonriseJd - fullMoon.day->sunsetJd) * kMinutesPerDay, 0, 60);
}

// Moonrise and moonset belong to the civil date on the place's clock, also
// across the night the clocks go forward.
TEST(DayPanchang, MoonEventsFallOnTheDateOnTheClock) {
    const ZoneOffsetAt london = [](double jd) { return jd < Ut(2023, 3, 26, 1) ? 0 : 60; };
    int events = 0;
    for (int day = 20; day <= 31; ++day) {
        const DayPanchangResult result = ComputeDayPanchang({2023, 3, day}, {51.5, -0.13}, london);
        ASSERT_TRUE(result.day);
        for (const std::optional<double>& moment : {result.day->moonriseJd, result.day->moonsetJd}) {
            if (!moment) continue;
            ++events;
            EXPECT_EQ(ZoneClockAt(*moment, london(*moment)).date.day, day) << IsoMomentText(*moment, london(*moment));
        }
    }
    EXPECT_GE(events, 20);  // one of each most days
}

TEST(DayPanchang, NoDayWhereTheSunDoesNotRise) {
    const DayPanchangResult polar = ComputeDayPanchang({2023, 12, 21}, {78.22, 15.65}, [](double) { return 60; });
    EXPECT_FALSE(polar.day);
    EXPECT_EQ(polar.refusal, DayRefusal::NoSunrise);
    EXPECT_EQ(polar.sunNote, SunNote::PolarNight);
}

TEST(ZoneClock, RoundsToTheSecondBeforeNamingTheDate) {
    // 2023-07-20 18:29:59.6 UT is 23:59:59.6 in India: it reads as midnight.
    const double jd = Ut(2023, 7, 20, 18.0 + 29.0 / 60 + 59.6 / 3600);
    EXPECT_EQ(IsoMomentText(jd, kIndiaMinutes), "2023-07-21T00:00:00+05:30");
    EXPECT_EQ(IsoMomentText(jd, -210), "2023-07-20T15:00:00-03:30");
    EXPECT_EQ(ClockMinuteText(jd, kIndiaMinutes), "00:00");
}

}  // namespace
}  // namespace zorvane
