#include "core/atlas/atlas_fill.h"

#include <cmath>
#include <cstdlib>

namespace zorvane {

namespace {

constexpr int kMinutesPerDegree = 60;
constexpr int kMinutesPerHour = 60;
constexpr int kOneHourOfSummerTime = 60;  // minutes

QString CoordinateText(double degrees, QChar positiveLetter, QChar negativeLetter) {
    const DegreesMinutes angle = ToDegreesMinutes(degrees);
    return QStringLiteral("%1 %2 %3")
        .arg(angle.degrees)
        .arg(angle.positive ? positiveLetter : negativeLetter)
        .arg(angle.minutes, 2, 10, QLatin1Char('0'));
}

}  // namespace

DegreesMinutes ToDegreesMinutes(double degrees) {
    const long totalMinutes = std::lround(std::fabs(degrees) * kMinutesPerDegree);
    DegreesMinutes angle;
    angle.degrees = static_cast<int>(totalMinutes / kMinutesPerDegree);
    angle.minutes = static_cast<int>(totalMinutes % kMinutesPerDegree);
    angle.positive = degrees >= 0.0;
    return angle;
}

QString LatitudeText(double latitude) {
    return CoordinateText(latitude, u'N', u'S');
}

QString LongitudeText(double longitude) {
    return CoordinateText(longitude, u'E', u'W');
}

AtlasZoneBoxes ZoneBoxesFor(const ZoneAtBirth& zone, bool eastLongitude) {
    AtlasZoneBoxes boxes;
    if (!zone.known) {
        return boxes;
    }
    boxes.daylightSaving = zone.summerMinutes() == kOneHourOfSummerTime;
    const int written = boxes.daylightSaving ? zone.standardOffsetMinutes : zone.offsetMinutes;
    // Without a sign the time base takes the zone's direction from the
    // longitude's hemisphere; "+" puts the zone ahead and "-" behind
    // whatever the longitude. A zone behind at an eastern longitude (the
    // western Aleutians) is written with its "-".
    boxes.behindAtEasternLongitude = written < 0 && eastLongitude;
    boxes.writes = true;
    const int magnitude = std::abs(written);
    boxes.hour = (written > 0 ? QStringLiteral("+") : boxes.behindAtEasternLongitude ? QStringLiteral("-") : QString()) +
                 QString::number(magnitude / kMinutesPerHour);
    boxes.minute = QString::number(magnitude % kMinutesPerHour);
    return boxes;
}

PlaceBoxes BoxesFor(const AtlasPlace& place, const ZoneAtBirth& zone) {
    PlaceBoxes boxes;
    const DegreesMinutes latitude = ToDegreesMinutes(place.latitude);
    boxes.latDegrees = QString::number(latitude.degrees);
    boxes.latMinutes = QString::number(latitude.minutes);
    boxes.north = latitude.positive;
    const DegreesMinutes longitude = ToDegreesMinutes(place.longitude);
    boxes.lonDegrees = QString::number(longitude.degrees);
    boxes.lonMinutes = QString::number(longitude.minutes);
    boxes.east = longitude.positive;
    boxes.zoneId = QByteArray(place.zoneId.data(), static_cast<qsizetype>(place.zoneId.size()));

    const AtlasZoneBoxes zoneBoxes = ZoneBoxesFor(zone, boxes.east);
    boxes.writesZone = zoneBoxes.writes;
    boxes.zoneBehindAtEasternLongitude = zoneBoxes.behindAtEasternLongitude;
    boxes.zoneHour = zoneBoxes.hour;
    boxes.zoneMinute = zoneBoxes.minute;
    boxes.daylightSaving = zoneBoxes.daylightSaving;
    return boxes;
}

QString AppliedZoneText(const QByteArray& zoneId, const ZoneAtBirth& zone) {
    const QString note = ZoneNote(zone);
    return QString::fromLatin1(zoneId) + u' ' + OffsetText(zone.offsetMinutes) +
           (note.isEmpty() ? QString() : QStringLiteral(", ") + note);
}

}  // namespace zorvane
