#include "core/chart/birth_chart.h"

#include <algorithm>
#include <cmath>

#include "core/panchang/limb_names.h"
#include "core/state/chart_state.h"
#include "core/time/angles.h"

namespace zorvane {

namespace {

constexpr double kSignWidthDegrees = kDegreesPerTurn / kSignCount;
constexpr double kNakshatraWidthDegrees = kDegreesPerTurn / kNakshatraCount;
constexpr double kPadaWidthDegrees = kNakshatraWidthDegrees / kPadasPerNakshatra;

}  // namespace

ChartPoint MakeChartPoint(std::string_view name, std::string_view shortName, double longitudeDegrees,
                          double speedDegreesPerDay, std::optional<int> lagnaSign) {
    ChartPoint point;
    point.name = name;
    point.shortName = shortName;
    double longitude = std::fmod(longitudeDegrees, kDegreesPerTurn);
    if (longitude < 0.0) longitude += kDegreesPerTurn;
    point.longitudeDegrees = longitude;
    point.sign = std::min(static_cast<int>(longitude / kSignWidthDegrees), kSignCount - 1);
    point.degreeInSign = longitude - point.sign * kSignWidthDegrees;
    point.nakshatra = std::min(static_cast<int>(longitude / kNakshatraWidthDegrees), kNakshatraCount - 1);
    const double inNakshatra = longitude - point.nakshatra * kNakshatraWidthDegrees;
    point.pada = std::min(static_cast<int>(inNakshatra / kPadaWidthDegrees), kPadasPerNakshatra - 1) + 1;
    point.lord = NakshatraLord(point.nakshatra);
    if (lagnaSign) point.house = (point.sign - *lagnaSign + kSignCount) % kSignCount + 1;
    point.speedDegreesPerDay = speedDegreesPerDay;
    point.retrograde = speedDegreesPerDay < 0.0;
    for (std::size_t i = 0; i < kVargas.size(); ++i) {
        point.vargaSigns[i] = VargaSign(kVargas[i].division, longitude);
    }
    return point;
}

BirthChart ChartFromSky(const SkyPositions& sky) {
    BirthChart chart;
    chart.sky = sky;
    std::optional<int> lagnaSign;
    if (sky.lagnaDegrees) {
        chart.lagna = MakeChartPoint("Lagna", "Asc", *sky.lagnaDegrees, 0.0, std::nullopt);
        lagnaSign = chart.lagna->sign;
        chart.lagna->house = 1;
    }
    for (std::size_t i = 0; i < chart.grahas.size(); ++i) {
        const auto graha = static_cast<Graha>(i);
        const GrahaPosition& position = sky.grahas[i];
        chart.grahas[i] = MakeChartPoint(GrahaName(graha), GrahaShortName(graha), position.longitudeDegrees,
                                         position.speedDegreesPerDay, lagnaSign);
    }
    return chart;
}

BirthChart ComputeBirthChart(double julianDayUt, double longitudeDegrees,
                             std::optional<double> latitudeDegrees, const ChartOptions& options) {
    return ChartFromSky(ComputeSkyPositions(julianDayUt, longitudeDegrees, latitudeDegrees, options.ayanamsa,
                                            options.node, options.ephemerisFolder));
}

std::optional<int> VargaIndexOf(int division) {
    for (std::size_t i = 0; i < kVargas.size(); ++i) {
        if (kVargas[i].division == division) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace zorvane
