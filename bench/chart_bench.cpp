#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

#include "core/chart/birth_chart.h"
#include "core/chart/indian_chart_layout.h"

namespace {

struct Place {
    double julianDayUt;
    double longitudeDegrees;
    double latitudeDegrees;
};

// Births spread over 1901-2050 (the years the form offers), every hour and
// latitudes from 60 S to 60 N.
std::vector<Place> SpreadOfBirths() {
    constexpr int kCount = 1024;
    constexpr double kFirstDay = 2415385.5;  // 1901 January 1, 0h UT
    constexpr double kSpanDays = 54787.0;    // to the end of 2050
    std::vector<Place> births;
    births.reserve(kCount);
    for (int i = 0; i < kCount; ++i) {
        births.push_back({kFirstDay + kSpanDays * ((i * 389) % kCount) / kCount + (i % 24) / 24.0,
                          (i * 37 % 360) - 180.0, (i * 23 % 121) - 60.0});
    }
    return births;
}

// The whole chart of a birth: nine grahas and the lagna from the ephemeris,
// their nakshatras, houses and sixteen vargas.
void WholeChart(benchmark::State& state, std::string folder) {
    const std::vector<Place> births = SpreadOfBirths();
    const zorvane::ChartOptions options{zorvane::Ayanamsa::Lahiri, zorvane::NodeKind::Mean, std::move(folder)};
    std::size_t i = 0;
    for (auto _ : state) {
        const Place& birth = births[i++ % births.size()];
        benchmark::DoNotOptimize(
            zorvane::ComputeBirthChart(birth.julianDayUt, birth.longitudeDegrees, birth.latitudeDegrees, options));
    }
    state.counters["source"] = static_cast<double>(
        zorvane::ComputeBirthChart(births[0].julianDayUt, 0.0, 0.0, options).sky.source);
}

void BM_ChartWithDataFiles(benchmark::State& state) {
    WholeChart(state, std::string(zorvane::kDefaultEphemerisFolder));
}
BENCHMARK(BM_ChartWithDataFiles)->Unit(benchmark::kMicrosecond);

void BM_ChartWithAnalyticTheory(benchmark::State& state) { WholeChart(state, "/nonexistent-folder"); }
BENCHMARK(BM_ChartWithAnalyticTheory)->Unit(benchmark::kMicrosecond);

// The boxes and contents of one drawn chart (D1 and D9), once the chart is known.
void BM_SquareChartLayout(benchmark::State& state) {
    const zorvane::BirthChart chart = zorvane::ComputeBirthChart(2432412.2708333335, 77.2167, 28.6, {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(zorvane::LayoutSquareChart(zorvane::ChartStyle::NorthIndian, chart.lagna->sign));
        benchmark::DoNotOptimize(zorvane::SignContents(chart, 0, true));
        benchmark::DoNotOptimize(zorvane::SignContents(chart, 5, false));
    }
}
BENCHMARK(BM_SquareChartLayout)->Unit(benchmark::kMicrosecond);

}  // namespace
