#include "core/chart/wheel_layout.h"
#include "core/state/chart_state.h"

#include <cmath>

#include "core/time/angles.h"
#include "core/panchang/nakshatra_names.h"

namespace zorvane {

namespace {

constexpr double kHalfTurnDegrees = kDegreesPerTurn / 2.0;
constexpr double kQuarterTurnDegrees = kDegreesPerTurn / 4.0;
constexpr double kSignSpanDegrees = kDegreesPerSign;
constexpr double kPadaSpanDegrees = kNakshatraSpanDegrees / kPadasPerNakshatra;

// Rings from the rim inwards, in wheel radii.
constexpr double kSignRingInner = 0.86;
constexpr double kNakshatraRingInner = 0.50;
constexpr double kPadaBandInner = 0.45;
constexpr double kPadaTickInner = 0.468;  // a pada tick covers the outer part of the band
constexpr double kDegreeTickLength = 0.010;
constexpr double kFifthDegreeTickLength = 0.020;
constexpr int kDegreesPerLongTick = 5;

// Share of its room a label may take, so that text never touches a line.
constexpr double kSignLabelLengthShare = 0.8;
constexpr double kSignLabelHeightShare = 0.6;
constexpr double kNakshatraLabelLengthShare = 0.88;
constexpr double kNakshatraLabelHeightShare = 0.85;

constexpr double kMarkerOrbit = 0.36;
constexpr double kMarkerRadius = 0.055;
constexpr double kMarkerGap = 0.02;  // clear space kept between the two discs

constexpr double kCaptionLength = 0.48;
constexpr double kCaptionHeight = 0.28;

struct Cartesian {
    double x = 0.0;
    double y = 0.0;
};

Cartesian ToCartesian(PolarPoint point) {
    const double angle = point.angleDegrees * kDegToRad;
    return {point.radius * std::cos(angle), point.radius * std::sin(angle)};
}

PolarPoint ToPolar(Cartesian point) {
    return {std::atan2(point.y, point.x) * kRadToDeg, std::hypot(point.x, point.y)};
}

double WrapIntoTurn(double degrees) {
    if (!std::isfinite(degrees)) {
        return 0.0;
    }
    double reduced = std::fmod(degrees, kDegreesPerTurn);
    if (reduced < 0.0) {
        reduced += kDegreesPerTurn;
    }
    // A tiny negative value rounds up to a whole turn when added.
    return reduced >= kDegreesPerTurn ? 0.0 : reduced;
}

// The baseline turned by half a turn where needed so that it reads left to right.
double Readable(double baselineDegrees) {
    double angle = WrapIntoTurn(baselineDegrees);  // [0, 360)
    if (angle > kHalfTurnDegrees) {
        angle -= kDegreesPerTurn;  // (-180, 180]
    }
    if (angle > kQuarterTurnDegrees) {
        angle -= kHalfTurnDegrees;
    } else if (angle <= -kQuarterTurnDegrees) {
        angle += kHalfTurnDegrees;
    }
    return angle;
}

double Chord(double radius, double spanDegrees) {
    return 2.0 * radius * std::sin(spanDegrees / 2.0 * kDegToRad);
}

// Text along the ring, as a title written around a dial.
LabelBox TangentialLabel(std::string_view text, const RingSector& sector) {
    const double middle = (sector.innerRadius + sector.outerRadius) / 2.0;
    const double angle = sector.startAngleDegrees + sector.spanDegrees / 2.0;
    return {text,
            {angle, middle},
            Readable(angle - kQuarterTurnDegrees),
            Chord(middle, sector.spanDegrees) * kSignLabelLengthShare,
            (sector.outerRadius - sector.innerRadius) * kSignLabelHeightShare};
}

// Text along the radius, as the spokes of a wheel; its width across the
// sector is set by the narrow inner end.
LabelBox RadialLabel(std::string_view text, const RingSector& sector) {
    const double depth = sector.outerRadius - sector.innerRadius;
    const double length = depth * kNakshatraLabelLengthShare;
    const double middle = (sector.innerRadius + sector.outerRadius) / 2.0;
    const double angle = sector.startAngleDegrees + sector.spanDegrees / 2.0;
    return {text,
            {angle, middle},
            Readable(angle),
            length,
            Chord(middle - length / 2.0, sector.spanDegrees) * kNakshatraLabelHeightShare};
}

// Signed shortest turn from one longitude to another, in (-180, 180].
double TurnBetween(double fromDegrees, double toDegrees) {
    const double turn = WrapIntoTurn(toDegrees - fromDegrees);
    return turn > kHalfTurnDegrees ? turn - kDegreesPerTurn : turn;
}

BodyMarker PlaceMarker(double trueLongitude, double shownLongitude) {
    BodyMarker marker;
    marker.longitudeDegrees = trueLongitude;
    marker.centre = {WheelAngleDegrees(shownLongitude), kMarkerOrbit};
    marker.radius = kMarkerRadius;
    marker.leaderEnd = {WheelAngleDegrees(trueLongitude), kPadaBandInner};
    const Cartesian centre = ToCartesian(marker.centre);
    const Cartesian end = ToCartesian(marker.leaderEnd);
    const double distance = std::hypot(end.x - centre.x, end.y - centre.y);
    marker.leaderStart = ToPolar({centre.x + (end.x - centre.x) * kMarkerRadius / distance,
                                  centre.y + (end.y - centre.y) * kMarkerRadius / distance});
    return marker;
}

}  // namespace

double WheelAngleDegrees(double longitudeDegrees) {
    return WrapIntoTurn(kMeshaAngleDegrees + longitudeDegrees);
}

WheelLayout LayoutWheel(double moonSiderealDegrees, double sunSiderealDegrees, int nakshatraIndex) {
    WheelLayout layout;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const auto at = static_cast<std::size_t>(sign);
        layout.signSectors.at(at) = {WheelAngleDegrees(sign * kSignSpanDegrees), kSignSpanDegrees,
                                     kSignRingInner, 1.0};
        layout.signLabels.at(at) = TangentialLabel(kSignNames.at(at), layout.signSectors.at(at));
    }
    for (int nakshatra = 0; nakshatra < kNakshatraCount; ++nakshatra) {
        const auto at = static_cast<std::size_t>(nakshatra);
        layout.nakshatraSectors.at(at) = {WheelAngleDegrees(nakshatra * kNakshatraSpanDegrees),
                                          kNakshatraSpanDegrees, kNakshatraRingInner,
                                          kSignRingInner};
        layout.nakshatraLabels.at(at) =
            RadialLabel(NakshatraNames.at(at), layout.nakshatraSectors.at(at));
    }
    layout.padaBand = {kMeshaAngleDegrees, kDegreesPerTurn, kPadaBandInner, kNakshatraRingInner};
    for (int pada = 0; pada < kPadaCount; ++pada) {
        const double angle = WheelAngleDegrees(pada * kPadaSpanDegrees);
        const bool startsNakshatra = pada % kPadasPerNakshatra == 0;
        layout.padaTicks.at(static_cast<std::size_t>(pada)) = {
            {angle, startsNakshatra ? kPadaBandInner : kPadaTickInner},
            {angle, kNakshatraRingInner},
            startsNakshatra};
    }
    std::size_t degreeTick = 0;
    for (int degree = 0; degree < static_cast<int>(kDegreesPerTurn); ++degree) {
        if (degree % kDegreesPerSign == 0) {
            continue;
        }
        const double length =
            degree % kDegreesPerLongTick == 0 ? kFifthDegreeTickLength : kDegreeTickLength;
        const double angle = WheelAngleDegrees(degree);
        layout.degreeTicks.at(degreeTick++) = {{angle, kSignRingInner},
                                               {angle, kSignRingInner + length}};
    }
    if (nakshatraIndex >= 0 && nakshatraIndex < kNakshatraCount) {
        layout.highlightedNakshatra = nakshatraIndex;
    }

    // Discs closer than this many degrees of the orbit would touch.
    const double closestDegrees =
        2.0 * std::asin((kMarkerRadius + kMarkerGap / 2.0) / kMarkerOrbit) * kRadToDeg;
    const double moon = WrapIntoTurn(moonSiderealDegrees);
    const double sun = WrapIntoTurn(sunSiderealDegrees);
    const double turn = TurnBetween(moon, sun);
    double shownMoon = moon;
    double shownSun = sun;
    if (std::abs(turn) < closestDegrees) {
        // Spread both evenly about their middle, keeping which one leads.
        const double middle = moon + turn / 2.0;
        const double half = (turn >= 0.0 ? closestDegrees : -closestDegrees) / 2.0;
        shownMoon = middle - half;
        shownSun = middle + half;
    }
    layout.moon = PlaceMarker(moon, shownMoon);
    const double moonPadaStart = std::floor(moon / kPadaSpanDegrees) * kPadaSpanDegrees;
    layout.moonPada = {WheelAngleDegrees(moonPadaStart), kPadaSpanDegrees, kPadaBandInner,
                       kNakshatraRingInner};
    layout.sun = PlaceMarker(sun, shownSun);

    layout.hubRadius = kPadaBandInner;
    layout.caption = {{}, {0.0, 0.0}, 0.0, kCaptionLength, kCaptionHeight};
    return layout;
}

}  // namespace zorvane
