#include "app/atlas_fill.h"

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

    if (!zone.known) {
        return boxes;
    }
    boxes.writesZone = true;
    boxes.daylightSaving = zone.summerMinutes() == kOneHourOfSummerTime;
    const int written = boxes.daylightSaving ? zone.standardOffsetMinutes : zone.offsetMinutes;
    // Without "+" the time base takes the zone's direction from the
    // longitude's hemisphere; with it, the zone lies ahead whatever the
    // longitude. Zones behind universal time all lie west of Greenwich.
    const int magnitude = std::abs(written);
    boxes.zoneHour = (written > 0 ? QStringLiteral("+") : QString()) +
                     QString::number(magnitude / kMinutesPerHour);
    boxes.zoneMinute = QString::number(magnitude % kMinutesPerHour);
    return boxes;
}

}  // namespace zorvane
