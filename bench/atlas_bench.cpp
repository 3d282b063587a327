#include <benchmark/benchmark.h>

#include <array>
#include <malloc.h>
#include <string_view>

#include "core/atlas/atlas_file.h"
#include "core/atlas/atlas_search.h"

namespace {

constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

// Bytes the C library's allocator has handed out and not taken back.
double HeapBytesInUse() {
    return static_cast<double>(mallinfo2().uordblks);
}

const zorvane::Atlas& TheAtlas() {
    // Read once for all the search benchmarks, as the program does.
    static const zorvane::AtlasOrError read = zorvane::ReadAtlasFile(zorvane::FindAtlasFile({}));
    return std::get<zorvane::Atlas>(read);
}

// Reading the committed atlas file: the time the worker thread takes, and
// the memory the atlas keeps while the program runs.
void BM_AtlasLoad(benchmark::State& state) {
    double keptBytes = 0.0;
    for (auto _ : state) {
        const double before = HeapBytesInUse();
        zorvane::AtlasOrError read = zorvane::ReadAtlasFile(zorvane::FindAtlasFile({}));
        keptBytes = HeapBytesInUse() - before;
        if (!std::holds_alternative<zorvane::Atlas>(read)) {
            state.SkipWithError(std::get<std::string>(read).c_str());
            return;
        }
        benchmark::DoNotOptimize(read);
    }
    state.counters["kept_MB"] = keptBytes / kBytesPerMegabyte;
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

// Five typical searches: a small town, a name in another script, a former
// name, a name with its state and country, and the start of many names.
constexpr auto kQueries = std::to_array<std::string_view>({
    "Puttaparthi",
    "मुंबई",
    "Bombay",
    "London, Ontario, Canada",
    "San",
});

void BM_AtlasSearch(benchmark::State& state) {
    const zorvane::Atlas& atlas = TheAtlas();
    const std::string_view text = kQueries.at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(std::string(text));
    for (auto _ : state) {
        benchmark::DoNotOptimize(zorvane::FindPlaces(atlas, zorvane::SplitPlaceText(text)));
    }
}
BENCHMARK(BM_AtlasSearch)->DenseRange(0, kQueries.size() - 1)->Unit(benchmark::kMillisecond);

}  // namespace
