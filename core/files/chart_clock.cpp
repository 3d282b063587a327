#include "core/files/chart_clock.h"

#include <QDate>
#include <QTime>
#include <cstdlib>

#include "core/reading/applied_zone_of_form.h"
#include "core/zones/applied_zone.h"
#include "core/zones/clock_offer.h"

namespace zorvane {

namespace {
constexpr double kArcminutesPerDegree = 60.0;

// The chart's place in degrees, north and east positive; what does not
// convert counts as 0 (only the town-bound standards look at it).
double SignedDegrees(const std::string& degrees, const std::string& minutes, bool positive,
                     const NumberFormat& format) {
    const double magnitude = std::abs(TextToWholeNumber(degrees, format, true).value_or(0)) +
                             std::abs(TextToWholeNumber(minutes, format, true).value_or(0)) / kArcminutesPerDegree;
    return positive ? magnitude : -magnitude;
}
}  // namespace

std::variant<ChartInput, Refusal> InputFromChartWithClock(const ChartFile& chart, const NumberFormat& format,
                                                          ValidationScope scope, const Wording& wording) {
    ReadingForm form = FormFromChart(chart);
    AppliedClock applied;
    if (chart.atlasZoneId && !chart.atlasZoneId->empty()) {
        const QDate date(chart.year, chart.month, chart.day);
        const QTime clock(chart.hour, chart.minute);
        const ClockOffer offer = ClockOfferAt(
            QByteArray::fromStdString(*chart.atlasZoneId), date, clock,
            SignedDegrees(chart.latDegrees, chart.latMinutes, chart.latSide != LatitudeSide::South, format),
            SignedDegrees(chart.lonDegrees, chart.lonMinutes, chart.lonSide != LongitudeSide::West, format));
        applied = ApplyClockSelection(offer, chart.clock, clock.toString(QStringLiteral("HH:mm")).toStdString(),
                                      date.toString(Qt::ISODate).toStdString(), wording);
    }
    if (applied.standard) PutOffsetInForm(applied.offsetSeconds, form);
    std::variant<BirthInput, Refusal> input = ParseForm(form, format, scope);
    if (const auto* refusal = std::get_if<Refusal>(&input)) return *refusal;
    ChartInput result{std::move(std::get<BirthInput>(input)), applied.note};
    if (applied.standard) {
        AppliedZone zone;
        zone.zoneSeconds = applied.offsetSeconds;
        zone.source = ZoneSource::ClockStandard;
        zone.sourceName = applied.standard->name;
        result.input.zoneApplied = AppliedZoneSentence(zone, wording);
        // As in the window: a clock standard's later times stay on that clock.
        result.input.place.atlasZoneId.reset();
    }
    return result;
}

}  // namespace zorvane
