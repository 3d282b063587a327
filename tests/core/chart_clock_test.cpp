// A chart's input with the clock its atlas zone and choice give, as the
// headless report and the match window compute a chart.
#include "core/files/chart_clock.h"

#include <gtest/gtest.h>

#include <variant>

#include "core/reading/compute_reading.h"

namespace zorvane {
namespace {

// Hours from the civil date's midnight: sums of a few doubles.
constexpr double kHoursTolerance = 1e-9;

ChartFile KolkataChart() {
    ChartFile chart;
    chart.name = "Asha";
    chart.year = 1940;
    chart.month = 3;
    chart.day = 10;
    chart.hour = 10;
    chart.zoneHour = "+5";  // as the window saved +5:53:20: the boxes hold no seconds
    chart.zoneMinute = "53";
    chart.latDegrees = "22";
    chart.latMinutes = "34";
    chart.lonDegrees = "88";
    chart.lonMinutes = "22";
    chart.atlasZoneId = "Asia/Kolkata";
    chart.clock.standard = ClockStandard::Calcutta;
    return chart;
}

TEST(ChartClock, AChosenStandardIsComputedWholeAndNamed) {
    const struct {
        const char* what;
        ClockStandard standard;
        bool withAtlasZone;
        double universalHours;  // 10:00 less the offset
        const char* zoneApplied;
        const char* noteStart;
    } cases[] = {
        {"Calcutta Time, seconds and all", ClockStandard::Calcutta, true, 10.0 - (5 + 53 / 60.0 + 20 / 3600.0),
         "+5:53:20 from UT = zone +5:53:20, no DST (Calcutta Time)", "read on Calcutta Time (+5:53:20"},
        {"the tz database's by default: the boxes as saved", ClockStandard::TzDatabase, true, 10.0 - (5 + 53 / 60.0),
         "+5:53 from UT = zone +5:53, no DST (typed)", "the tz database's +5:30 applied"},
        {"no atlas zone: the boxes as saved, nothing said", ClockStandard::Calcutta, false, 10.0 - (5 + 53 / 60.0),
         "+5:53 from UT = zone +5:53, no DST (typed)", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChartFile chart = KolkataChart();
        chart.clock.standard = c.standard;
        if (!c.withAtlasZone) chart.atlasZoneId.reset();
        const auto input = InputFromChartWithClock(chart, {});
        ASSERT_TRUE(std::holds_alternative<ChartInput>(input));
        const ChartInput& chartInput = std::get<ChartInput>(input);
        EXPECT_NEAR(ComputeReading(chartInput.input).universalHours, c.universalHours, kHoursTolerance);
        EXPECT_EQ(chartInput.input.zoneApplied, c.zoneApplied);
        EXPECT_EQ(chartInput.clockNote.rfind(c.noteStart, 0), 0U) << chartInput.clockNote;
        EXPECT_EQ(chartInput.clockNote.empty(), *c.noteStart == '\0');
        // A standard's later times stay on its clock: no atlas zone to follow.
        EXPECT_EQ(chartInput.input.place.atlasZoneId.has_value(),
                  c.withAtlasZone && c.standard == ClockStandard::TzDatabase);
    }
}

}  // namespace
}  // namespace zorvane
