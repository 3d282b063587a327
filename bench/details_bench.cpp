#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/panchang/birth_nakshatra.h"
#include "core/panchang/birth_details.h"
#include "core/panchang/birth_yoga.h"
#include "core/state/birth_data.h"
#include "core/state/chart_state.h"

namespace {

struct ReadingWithLatitude {
    zorvane::ChartState chart;
    double latitude;
};

// Readings spread over the offered years, hours, zones and latitudes, their
// two names already computed: what the details add to a reading.
std::vector<ReadingWithLatitude> SpreadOfComputedReadings() {
    constexpr int kCount = 1024;
    std::vector<ReadingWithLatitude> readings;
    readings.reserve(kCount);
    for (int i = 0; i < kCount; ++i) {
        const zorvane::BirthData birth{.Month = static_cast<std::int16_t>(1 + i * 7 % 12),
                                       .Day = static_cast<std::int16_t>(1 + i * 11 % 28),
                                       .Year = static_cast<std::int16_t>(1901 + i * 37 % 150),
                                       .Hour = static_cast<std::int16_t>(i * 5 % 24),
                                       .Minute = static_cast<std::int16_t>(i * 13 % 60),
                                       .ZoneHour = static_cast<std::int16_t>(i * 3 % 13),
                                       .ZoneMinute = static_cast<std::int16_t>(i % 4 * 15),
                                       .LonDegrees = static_cast<std::int16_t>(i * 17 % 180),
                                       .LonMinutes = static_cast<std::int16_t>(i * 19 % 60),
                                       .LonEast = i % 2 == 0,
                                       .DaylightSaving = i % 5 == 0};
        ReadingWithLatitude reading{{}, (i * 23 % 121) - 60.0};
        zorvane::ComputeBirthNakshatra(birth, reading.chart);
        zorvane::ComputeBirthYoga(reading.chart);
        readings.push_back(reading);
    }
    return readings;
}

// All details of one reading: four limbs with start and end, sunrise, sunset
// and the vara's bounds.
void BM_BirthDetails(benchmark::State& state) {
    const std::vector<ReadingWithLatitude> readings = SpreadOfComputedReadings();
    std::size_t next = 0;
    for (auto _ : state) {
        const ReadingWithLatitude& reading = readings[next++ % readings.size()];
        const zorvane::BirthDetails details = zorvane::ComputeBirthDetails(reading.chart, reading.latitude);
        benchmark::DoNotOptimize(details.yoga.endJd);
    }
}
BENCHMARK(BM_BirthDetails);

}  // namespace
