#pragma once

#include <QString>

#include "atlas/atlas.h"
#include "app/atlas_zone.h"

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

// What "Use this place" writes into the main window.
struct PlaceBoxes {
    QString latDegrees;
    QString latMinutes;
    bool north = true;
    QString lonDegrees;
    QString lonMinutes;
    bool east = true;
    // False when the offset at the birth moment is unknown (no real date):
    // the zone boxes and "DST" are then left as they are.
    bool writesZone = false;
    QString zoneHour;    // "+" first exactly when the zone is ahead of universal time
    QString zoneMinute;  // always a magnitude
    bool daylightSaving = false;
};

// A one-hour summer time goes in as the standard offset with "DST" ticked;
// any other (two hours, half an hour, or the clocks put back) goes in whole
// with "DST" unticked, since "DST" always means one hour.
PlaceBoxes BoxesFor(const AtlasPlace& place, const ZoneAtBirth& zone);

}  // namespace zorvane
