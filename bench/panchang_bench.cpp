// A day's panchang and a year's calendar at one place, as the window and
// the command line compute them (the atlas zone's history included).
#include <benchmark/benchmark.h>

#include "core/calendar/calendar_ics.h"
#include "core/calendar/day_report.h"
#include "core/calendar/year_calendar.h"
#include "core/zones/atlas_zone.h"

namespace {

const zorvane::GeoPlace kNewDelhi{28.6139, 77.2090};

// A whole day with its place in the lunar year, days spread over a year.
void BM_DayPanchang(benchmark::State& state) {
    const zorvane::ZoneOffsetAt kolkata = zorvane::ZoneOffsetFunction("Asia/Kolkata");
    int day = 0;
    for (auto _ : state) {
        const zorvane::CivilDate date{2023, 1 + day % 12, 1 + day * 7 % 28};
        benchmark::DoNotOptimize(zorvane::ComputeDayReport(date, kNewDelhi, {"New Delhi", "Asia/Kolkata"}, kolkata));
        ++day;
    }
}
BENCHMARK(BM_DayPanchang)->Unit(benchmark::kMillisecond);

// Every day of a year with its marks, the rows of --calendar.
void BM_YearCalendar(benchmark::State& state) {
    const zorvane::ZoneOffsetAt kolkata = zorvane::ZoneOffsetFunction("Asia/Kolkata");
    for (auto _ : state) {
        benchmark::DoNotOptimize(zorvane::ComputeCalendar(2023, 0, kNewDelhi, kolkata));
    }
}
BENCHMARK(BM_YearCalendar)->Unit(benchmark::kMillisecond);

// The month grid of the window.
void BM_MonthCalendar(benchmark::State& state) {
    const zorvane::ZoneOffsetAt kolkata = zorvane::ZoneOffsetFunction("Asia/Kolkata");
    for (auto _ : state) {
        benchmark::DoNotOptimize(zorvane::ComputeCalendar(2023, 7, kNewDelhi, kolkata));
    }
}
BENCHMARK(BM_MonthCalendar)->Unit(benchmark::kMillisecond);

// A year's events written as iCalendar by libical.
void BM_YearIcs(benchmark::State& state) {
    const std::vector<zorvane::CalendarDayRow> rows =
        zorvane::ComputeCalendar(2023, 0, kNewDelhi, zorvane::ZoneOffsetFunction("Asia/Kolkata"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(zorvane::CalendarEventsIcs(rows, "New Delhi", {2026, 1, 1, 0, 0, 0}));
    }
}
BENCHMARK(BM_YearIcs)->Unit(benchmark::kMillisecond);

}  // namespace
