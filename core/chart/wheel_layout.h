#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/panchang/limb_names.h"
#include "core/state/chart_state.h"

namespace zorvane {

// The geometry of the chart wheel, in a circle of radius 1 around the
// origin. Angles are in degrees counter-clockwise from the positive x axis
// (3 o'clock); 0 degrees Mesha sits at 9 o'clock and the zodiac runs
// counter-clockwise from there, as charts are usually drawn.
inline constexpr double kMeshaAngleDegrees = 180.0;

inline constexpr int kPadaCount = kNakshatraCount * kPadasPerNakshatra;
inline constexpr int kDegreesPerSign = 30;
inline constexpr int kDegreeTickCount = kSignCount * (kDegreesPerSign - 1);
static_assert(kSignCount * kDegreesPerSign == 360, "the signs fill the circle");

struct PolarPoint {
    double angleDegrees = 0.0;
    double radius = 0.0;
};

// Part of a ring between two radii.
struct RingSector {
    double startAngleDegrees = 0.0;
    double spanDegrees = 0.0;
    double innerRadius = 0.0;
    double outerRadius = 0.0;
};

// A box that a label's text must fit: centred on `centre`, its baseline
// turned `baselineAngleDegrees` counter-clockwise from the x axis, always in
// (-90, 90] so that no text reads upside down. `length` runs along the
// baseline, `height` across it.
struct LabelBox {
    std::string_view text;
    PolarPoint centre;
    double baselineAngleDegrees = 0.0;
    double length = 0.0;
    double height = 0.0;
};

struct Tick {
    PolarPoint inner;
    PolarPoint outer;
    bool startsNakshatra = false;
};

// A body drawn as a disc in the hub, moved sideways when it would cover the
// other one; the leader runs from the disc to its true longitude on the ring.
struct BodyMarker {
    double longitudeDegrees = 0.0;  // sidereal, in [0, 360)
    PolarPoint centre;
    double radius = 0.0;
    PolarPoint leaderStart;  // on the disc's edge, towards the ring
    PolarPoint leaderEnd;    // at the true longitude
};

struct WheelLayout {
    std::array<RingSector, kSignCount> signSectors{};
    std::array<LabelBox, kSignCount> signLabels{};
    std::array<RingSector, kNakshatraCount> nakshatraSectors{};
    std::array<LabelBox, kNakshatraCount> nakshatraLabels{};
    RingSector padaBand;
    std::array<Tick, kPadaCount> padaTicks{};
    RingSector moonPada;  // the Moon's quarter of its nakshatra, in the pada band
    // Whole degrees along the inside of the sign ring; every fifth is longer,
    // and the sign bounds are left to the sector lines.
    std::array<Tick, kDegreeTickCount> degreeTicks{};
    std::optional<int> highlightedNakshatra;  // index into nakshatraSectors
    BodyMarker moon;
    BodyMarker sun;
    double hubRadius = 0.0;  // the open disc inside the pada band
    LabelBox caption;        // room for a title in the middle of the hub
};

// Where a sidereal longitude lies on the wheel.
double WheelAngleDegrees(double longitudeDegrees);

// The wheel for a birth: the Moon's and Sun's sidereal longitudes in degrees
// (any real value; whole turns are dropped) and the birth nakshatra's index
// 0..26 to highlight (any other value highlights none).
WheelLayout LayoutWheel(double moonSiderealDegrees, double sunSiderealDegrees, int nakshatraIndex);

}  // namespace zorvane
