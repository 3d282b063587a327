#include "core/format/place_clock.h"

#include <cmath>

#include "core/format/details_text.h"
#include "core/format/reading_lines.h"
#include "core/zones/atlas_zone.h"

namespace zorvane {

namespace {
constexpr double kMinutesPerHour = 60.0;
}  // namespace

double PlaceClock::LeadHoursAt(double universalJd) const {
    return offsetMinutesAt ? offsetMinutesAt(universalJd) / kMinutesPerHour : birthLeadHours;
}

bool PlaceClock::DiffersAt(double universalJd) const {
    // Offsets are whole minutes; the birth's may carry a clock standard's
    // seconds, so they are compared to the minute.
    return offsetMinutesAt &&
           offsetMinutesAt(universalJd) != static_cast<int>(std::lround(birthLeadHours * kMinutesPerHour));
}

PlaceClock BirthClock(double clockLeadHours) { return {clockLeadHours, {}}; }

PlaceClock PlaceClockOf(const BirthRecord& record) {
    const double lead = record.details ? record.details->clockLeadHours : 0.0;
    const std::optional<std::string>& zoneId = record.place.atlasZoneId;
    if (!record.details || !zoneId || zoneId->empty()) return BirthClock(lead);
    const QByteArray id = QByteArray::fromStdString(*zoneId);
    if (!IsKnownZoneId(id)) return BirthClock(lead);
    return {lead, ZoneOffsetFunction(id)};
}

std::string PlaceClockLine(double universalJd, const PlaceClock& clock) {
    const double lead = clock.LeadHoursAt(universalJd);
    std::string line = ClockLine(universalJd, lead);
    if (clock.DiffersAt(universalJd)) line.append(" (").append(FormatClockLead(lead)).append(")");
    return line;
}

std::string PlaceClockLine(const std::optional<double>& universalJd, const PlaceClock& clock) {
    return universalJd ? PlaceClockLine(*universalJd, clock) : ClockLine(universalJd, clock.birthLeadHours);
}

std::string PlaceDateLine(double universalJd, const PlaceClock& clock) {
    return DateLine(universalJd, clock.LeadHoursAt(universalJd));
}

}  // namespace zorvane
