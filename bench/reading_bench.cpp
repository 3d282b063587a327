#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "cli/reading_form_builder.h"
#include "core/panchang/birth_nakshatra.h"
#include "core/panchang/birth_yoga.h"
#include "core/sky/moon_longitude.h"
#include "core/state/birth_data.h"
#include "core/reading/calculation_driver.h"
#include "core/state/chart_state.h"

namespace {

// Many different readings, spread over the offered years, clock times, zones
// and both hemispheres: with only a handful repeated, the branches inside
// the sine and the series get learnt and a reading looks cheaper than it is.
std::vector<zorvane::BirthData> SpreadOfReadings() {
    constexpr int kCount = 4096;
    std::vector<zorvane::BirthData> readings;
    readings.reserve(kCount);
    for (int i = 0; i < kCount; ++i) {
        // Steps prime to each range, so that the fields do not move in step.
        readings.push_back({.Month = static_cast<std::int16_t>(1 + i * 7 % 12),
                            .Day = static_cast<std::int16_t>(1 + i * 11 % 28),
                            .Year = static_cast<std::int16_t>(1901 + i * 37 % 150),
                            .Hour = static_cast<std::int16_t>(i * 5 % 24),
                            .Minute = static_cast<std::int16_t>(i * 13 % 60),
                            .ZoneHour = static_cast<std::int16_t>(i * 3 % 13),
                            .ZoneMinute = static_cast<std::int16_t>(i % 4 * 15),
                            .LonDegrees = static_cast<std::int16_t>(i * 17 % 180),
                            .LonMinutes = static_cast<std::int16_t>(i * 19 % 60),
                            .LonEast = i % 2 == 0,
                            .DaylightSaving = i % 5 == 0});
    }
    return readings;
}

void BM_FullReading(benchmark::State& state) {
    const std::vector<zorvane::BirthData> readings = SpreadOfReadings();
    zorvane::ChartState chart;
    std::size_t next = 0;
    for (auto _ : state) {
        const zorvane::BirthData& birth = readings[next++ % readings.size()];
        zorvane::ComputeBirthNakshatra(birth, chart);
        zorvane::ComputeBirthYoga(chart);
        benchmark::DoNotOptimize(chart.YogaName.data());
        benchmark::DoNotOptimize(chart.NakshatraName.data());
    }
}
BENCHMARK(BM_FullReading);

// The same reading over and over: the best case of the above.
void BM_FullReadingRepeated(benchmark::State& state) {
    const zorvane::BirthData birth{.Month = 8, .Day = 15, .Year = 1947, .Hour = 0, .Minute = 0,
                                   .ZoneHour = 5, .ZoneMinute = 30, .LonDegrees = 77,
                                   .LonMinutes = 13, .LonEast = true, .DaylightSaving = false};
    zorvane::ChartState chart;
    for (auto _ : state) {
        zorvane::ComputeBirthNakshatra(birth, chart);
        zorvane::ComputeBirthYoga(chart);
        benchmark::DoNotOptimize(chart.YogaName.data());
    }
}
BENCHMARK(BM_FullReadingRepeated);

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
    // Julian ephemeris days spread over 1901 to 2050, at odd hours.
    constexpr double kFirstDay = 2415385.5;
    constexpr double kDaysCovered = 54787.0;
    constexpr int kCount = 4096;
    std::vector<double> days;
    days.reserve(kCount);
    for (int i = 0; i < kCount; ++i) {
        days.push_back(kFirstDay + kDaysCovered * ((i * 2654435761U) % kCount) / kCount + 0.37 * (i % 3));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zorvane::PanchangMoonLongitudeUnreduced(days[next++ % days.size()]));
    }
}
BENCHMARK(BM_PanchangMoon);

}  // namespace
