#pragma once

#include <optional>

#include "core/sky/sunrise.h"

namespace zorvane {

// The Moon where the horizon needs it: the panchang Moon's apparent
// longitude with a latitude and a distance from the largest periodic terms
// (Meeus, Astronomical Algorithms, 2nd ed., ch. 47, tables 47.A and 47.B:
// every term above 0.005 degrees of latitude and 100 km of distance), good to
// some 0.01 degrees and 300 km: a few seconds of a rising.
struct MoonSkyPlace {
    double rightAscensionDegrees = 0;
    double declinationDegrees = 0;
    double parallaxDegrees = 0;  // equatorial horizontal parallax
};
MoonSkyPlace MoonSkyPlaceAt(double universalJd);

// The first moonrise and the first moonset in [fromJd, toJd), universal-time
// Julian days; either is missing on the one day a month the Moon does not
// rise (or set) in the window. The geocentric altitude of a rising is
// 0.7275 parallax - 34 arc-minutes (Meeus ch. 15): the upper limb with
// standard refraction, as the Sun's.
struct MoonriseMoonset {
    std::optional<double> moonriseJd;
    std::optional<double> moonsetJd;
};
MoonriseMoonset ComputeMoonriseMoonset(double fromJd, double toJd, const GeoPlace& place);

}  // namespace zorvane
