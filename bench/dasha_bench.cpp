#include <benchmark/benchmark.h>

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>

#include "core/format/dasha_text.h"
#include "core/dasha/vimshottari_dasha.h"

namespace {

constexpr int kMoonSpread = 1024;
constexpr double kBirthJd = 2432412.2708333;  // 1947-08-14 18:30 universal time

// The whole cycle of one birth: nine mahadashas and their 81 antardashas.
void BM_VimshottariDasha(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        const double moon = static_cast<double>(next++ % kMoonSpread) * 360.0 / kMoonSpread + 0.37;
        const zorvane::VimshottariDasha dasha = zorvane::ComputeVimshottariDasha(moon, kBirthJd);
        benchmark::DoNotOptimize(dasha.mahadashas.back().endJd);
    }
}
BENCHMARK(BM_VimshottariDasha);

// The same cycle written as the command line's JSON object, dates and all.
void BM_VimshottariDashaJson(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        const double moon = static_cast<double>(next++ % kMoonSpread) * 360.0 / kMoonSpread + 0.37;
        const zorvane::VimshottariDasha dasha = zorvane::ComputeVimshottariDasha(moon, kBirthJd);
        const std::string text = zorvane::DashaJson(dasha, 5.5).dump();
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_VimshottariDashaJson);

}  // namespace
