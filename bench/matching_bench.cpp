// Matching: one pair of birth stars through both schemes, every pair of the
// 108 padas, and the day for a birth star (its nakshatra and sign bounds).
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "core/matching/ashtakoota.h"
#include "core/matching/match_text.h"
#include "core/matching/porutham.h"
#include "core/matching/star_day.h"

namespace {

// Every pair of the 108 padas matched by both schemes, worded as given.
void MatchEveryPair(benchmark::State& state, const zorvane::Wording& wording) {
    for (auto _ : state) {
        double sum = 0;
        for (int b = 0; b < zorvane::kStarPadaCount; ++b) {
            for (int g = 0; g < zorvane::kStarPadaCount; ++g) {
                const zorvane::Star bride{b / 4, b % 4 + 1};
                const zorvane::Star groom{g / 4, g % 4 + 1};
                sum += zorvane::MatchAshtakoota(bride, groom, wording).total;
                sum += zorvane::MatchPorutham(bride, groom, wording)[0].agrees ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

void BM_MatchEveryPair(benchmark::State& state) { MatchEveryPair(state, zorvane::Wording{}); }
BENCHMARK(BM_MatchEveryPair)->Unit(benchmark::kMillisecond);

// The same with the texts worded as another language words them: every word
// handed to a translation (here one that copies it, the cost of the lookup
// aside) and the names from the Devanagari tables.
void BM_MatchEveryPairWorded(benchmark::State& state) {
    MatchEveryPair(state, zorvane::Wording{zorvane::Language::Hindi,
                                           [](std::string_view english) { return std::string(english); }});
}
BENCHMARK(BM_MatchEveryPairWorded)->Unit(benchmark::kMillisecond);

void BM_StarDay(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        const auto [start, end] = zorvane::CivilDayBounds(2026, 1, 1 + day % 28, 5.5);
        benchmark::DoNotOptimize(zorvane::ComputeStarDay({19, 1}, start, end));
        ++day;
    }
}
BENCHMARK(BM_StarDay)->Unit(benchmark::kMicrosecond);

}  // namespace
