#include "core/panchang/birth_nakshatra.h"

#include <optional>
#include <string>

#include "core/panchang/nakshatra_names.h"
#include "core/sky/sidereal_moon.h"
#include "core/sky/time_base.h"

namespace zorvane {

void ComputeBirthNakshatra(const BirthData& birth, ChartState& chart) {
    chart.NakshatraNames = NakshatraNames;
    PrepareTimeBase(birth, chart);

    const NakshatraMoon moon = ComputeNakshatraMoon(chart.Centuries);
    chart.MoonElongation = moon.elongationRadians;
    chart.SunAnomaly = moon.sunAnomalyRadians;
    chart.MoonAnomaly = moon.moonAnomalyRadians;
    chart.EccentricityFactor = moon.eccentricityFactor;
    chart.MoonLongitude = moon.siderealDegrees;
    // A slot outside the table leaves the previous name.
    if (const std::optional<int> slot = NakshatraSlotOf(moon.siderealDegrees)) {
        chart.NakshatraName = std::string(chart.NakshatraNames[static_cast<std::size_t>(*slot)]);
    }
}

}  // namespace zorvane
