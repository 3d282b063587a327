#pragma once

#include <QString>

#include "core/atlas/atlas.h"
#include "core/zones/atlas_zone.h"

namespace zorvane {

// An angle as the boxes take it: whole degrees and minutes, rounded to the
// nearest minute, with its direction apart.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool positive = true;  // north or east
};
DegreesMinutes ToDegreesMinutes(double degrees);

// "40 N 25", "3 W 42": the way birth atlases write a coordinate.
QString LatitudeText(double latitude);
QString LongitudeText(double longitude);

// What the atlas writes into the zone boxes and "DST" for a zone at a moment.
struct AtlasZoneBoxes {
    // False when the offset at the moment is unknown (no real date).
    bool writes = false;
    // A zone behind universal time at an eastern longitude (the western
    // Aleutians): its hour is written with "-".
    bool behindAtEasternLongitude = false;
    QString hour;    // "+" first when the zone is ahead of universal time, "-" when behind at an East longitude
    QString minute;  // always a magnitude
    bool daylightSaving = false;
};

// A one-hour summer time goes in as the standard offset with "DST" ticked;
// any other (two hours, half an hour, or the clocks put back) goes in whole
// with "DST" unticked, since "DST" always means one hour.
AtlasZoneBoxes ZoneBoxesFor(const ZoneAtBirth& zone, bool eastLongitude);

// What "Use this place" writes into the main window.
struct PlaceBoxes {
    QString latDegrees;
    QString latMinutes;
    bool north = true;
    QString lonDegrees;
    QString lonMinutes;
    bool east = true;
    // As AtlasZoneBoxes: the zone at the birth moment, when it is written.
    bool writesZone = false;
    bool zoneBehindAtEasternLongitude = false;
    QString zoneHour;
    QString zoneMinute;
    bool daylightSaving = false;
    // The place's zone, which the main window follows to other moments.
    QByteArray zoneId;
};

PlaceBoxes BoxesFor(const AtlasPlace& place, const ZoneAtBirth& zone);

// What the main window shows of the zone it applied, e.g.
// "Europe/London +2:00, double summer time".
QString AppliedZoneText(const QByteArray& zoneId, const ZoneAtBirth& zone);

}  // namespace zorvane
