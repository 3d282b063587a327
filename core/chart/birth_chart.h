#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/chart/vargas.h"
#include "core/sky/ephemeris.h"

namespace zorvane {

// How a chart is reckoned: the sidereal offset, the node for Rahu, and where
// the ephemeris files are.
struct ChartOptions {
    Ayanamsa ayanamsa = Ayanamsa::Lahiri;
    NodeKind node = NodeKind::Mean;
    std::string ephemerisFolder = std::string(kDefaultEphemerisFolder);
};

// One point of the chart (a graha or the lagna) with everything read off
// its sidereal longitude.
struct ChartPoint {
    std::string_view name;       // "Sun" ... "Ketu", "Lagna"
    std::string_view shortName;  // "Su" ... "Ke", "Asc"
    double longitudeDegrees = 0.0;  // sidereal, [0, 360)
    int sign = 0;                   // 0..11, 0 Mesha
    double degreeInSign = 0.0;      // [0, 30)
    int nakshatra = 0;              // 0..26, 0 Ashwini
    int pada = 1;                   // 1..4
    std::string_view lord;          // of the nakshatra
    std::optional<int> house;       // 1..12 by whole signs; empty without a lagna
    bool retrograde = false;
    double speedDegreesPerDay = 0.0;  // 0 for the lagna
    // The sign in each divisional chart, in the order of kVargas.
    std::array<int, kVargaCount> vargaSigns{};
};

struct BirthChart {
    SkyPositions sky;
    std::optional<ChartPoint> lagna;  // empty without a latitude
    std::array<ChartPoint, kGrahaCount> grahas{};
};

// Reads a point off a sidereal longitude; the house counts whole signs from
// the lagna's sign (the lagna's own sign is the first house).
ChartPoint MakeChartPoint(std::string_view name, std::string_view shortName, double longitudeDegrees,
                          double speedDegreesPerDay, std::optional<int> lagnaSign);

// The chart of positions already computed.
BirthChart ChartFromSky(const SkyPositions& sky);

// The chart of a birth: a moment in universal time (Julian day), the place
// (longitude east positive, latitude north positive, degrees; no latitude,
// no lagna and no houses).
BirthChart ComputeBirthChart(double julianDayUt, double longitudeDegrees,
                             std::optional<double> latitudeDegrees, const ChartOptions& options);

// The index into kVargas of a D-number, or empty.
std::optional<int> VargaIndexOf(int division);

}  // namespace zorvane
