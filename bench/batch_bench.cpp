#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "cli/batch.h"

namespace {

constexpr std::size_t kBatchRows = 10000;

// Readings spread over the offered years, months, clock times, zones and
// both hemispheres, the way a batch of real birth data would be.
std::string MakeBatchInput() {
    std::string csv = "year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst\n";
    for (std::size_t i = 0; i < kBatchRows; ++i) {
        csv += std::to_string(1901 + i % 150) + ',' + std::to_string(1 + i % 12) + ',' +
               std::to_string(1 + i % 28) + ',' + std::to_string(i % 24) + ',' +
               std::to_string(i % 60) + ',' + std::to_string(i % 13) + ',' +
               std::to_string(i % 4 * 15) + ',' + std::to_string(i % 180) + ',' +
               std::to_string(i % 60) + ',' + (i % 2 == 0 ? 'E' : 'W') + ',' +
               (i % 5 == 0 ? '1' : '0') + '\n';
    }
    return csv;
}

// The whole batch path short of the process: splitting, checks, both
// computations, number formatting and ordered output.
void BM_Batch(benchmark::State& state) {
    const std::string csv = MakeBatchInput();
    const auto threads = static_cast<unsigned>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        zorvane::cli::RunBatch(csv, threads, [&](std::string_view piece) { bytes += piece.size(); });
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kBatchRows));
    state.counters["output_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Batch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr std::size_t kPlaceRows = 2000;

// Rows named by place only: five places in turn at dates over the offered
// years, so that the atlas fills each row's coordinates and zone.
std::string MakePlaceInput() {
    constexpr auto kPlaces = std::to_array<std::string_view>(
        {"London,,United Kingdom", "Delhi,,India", "New York,,", "Sydney,,Australia", "Puttaparthi,,India"});
    std::string csv = "year,month,day,hour,minute,place,state,country\n";
    for (std::size_t i = 0; i < kPlaceRows; ++i) {
        csv += std::to_string(1901 + i % 150) + ',' + std::to_string(1 + i % 12) + ',' +
               std::to_string(1 + i % 28) + ',' + std::to_string(i % 24) + ',' + std::to_string(i % 60) + ',';
        csv.append(kPlaces[i % kPlaces.size()]).push_back('\n');
    }
    return csv;
}

// The batch by place: the atlas read once per batch, searched once per
// place and worker, and each row's zone taken at its date.
void BM_BatchByPlace(benchmark::State& state) {
    const std::string csv = MakePlaceInput();
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        std::size_t bytes = 0;
        zorvane::cli::RunBatch(csv, threads, [&](std::string_view piece) { bytes += piece.size(); });
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kPlaceRows));
}
BENCHMARK(BM_BatchByPlace)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
