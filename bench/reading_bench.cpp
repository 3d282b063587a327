#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "cli/reading_form_builder.h"
#include "ephemeris/birth_nakshatra.h"
#include "panchang/birth_yoga.h"
#include "panchang/moon_longitude.h"
#include "reading/birth_data.h"
#include "reading/calculation_driver.h"
#include "reading/chart_state.h"

namespace {

// A spread of readings over the offered years, both hemispheres and summer
// time, so that no single set of angles flatters the series.
constexpr std::array<zorvane::BirthData, 4> kReadings = {{
    {.Month = 1, .Day = 1, .Year = 2000, .Hour = 12, .Minute = 0, .ZoneHour = 0, .ZoneMinute = 0,
     .LonDegrees = 0, .LonMinutes = 0, .LonEast = false, .DaylightSaving = false},
    {.Month = 8, .Day = 15, .Year = 1947, .Hour = 0, .Minute = 0, .ZoneHour = 5, .ZoneMinute = 30,
     .LonDegrees = 77, .LonMinutes = 13, .LonEast = true, .DaylightSaving = false},
    {.Month = 7, .Day = 4, .Year = 1976, .Hour = 12, .Minute = 0, .ZoneHour = 5, .ZoneMinute = 0,
     .LonDegrees = 75, .LonMinutes = 0, .LonEast = false, .DaylightSaving = true},
    {.Month = 12, .Day = 31, .Year = 2050, .Hour = 23, .Minute = 59, .ZoneHour = 12, .ZoneMinute = 45,
     .LonDegrees = 172, .LonMinutes = 30, .LonEast = true, .DaylightSaving = false},
}};

void BM_FullReading(benchmark::State& state) {
    zorvane::ChartState chart;
    std::size_t next = 0;
    for (auto _ : state) {
        const zorvane::BirthData& birth = kReadings[next++ % kReadings.size()];
        zorvane::ComputeBirthNakshatra(birth, chart);
        zorvane::ComputeBirthYoga(chart);
        benchmark::DoNotOptimize(chart.YogaName.data());
        benchmark::DoNotOptimize(chart.NakshatraName.data());
    }
}
BENCHMARK(BM_FullReading);

// The window's whole path: checks, box conversions and both computations.
void BM_FullReadingThroughDriver(benchmark::State& state) {
    zorvane::cli::ReadingFields fields;
    fields.texts = {"1947", "8", "15", "0", "0", "5", "30", "77", "13", "E", "0"};
    zorvane::ReadingForm form;
    if (zorvane::cli::BuildReadingForm(fields, form)) {
        state.SkipWithError("the reading is refused");
        return;
    }
    const zorvane::NumberFormat format{"."};
    zorvane::BirthData birth;
    zorvane::ChartState chart;
    for (auto _ : state) {
        auto refusal = zorvane::RunCalculation(form, format, birth, chart,
                                               zorvane::ValidationScope::WithoutNameAndLatitude);
        benchmark::DoNotOptimize(refusal);
        benchmark::DoNotOptimize(chart.YogaName.data());
    }
}
BENCHMARK(BM_FullReadingThroughDriver);

void BM_PanchangMoon(benchmark::State& state) {
    // Julian ephemeris days of the worked examples (1947, 1976, 2000).
    constexpr std::array<double, 3> kDays = {2432412.2711578, 2442964.2088762, 2451545.0007604};
    zorvane::ChartState chart;
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            zorvane::PanchangMoonLongitude(kDays[next++ % kDays.size()], chart));
    }
}
BENCHMARK(BM_PanchangMoon);

}  // namespace
