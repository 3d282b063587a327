#include "core/reading/birth_record.h"

#include <cstddef>
#include <cstdint>

#include "core/time/angles.h"
#include "core/panchang/nakshatra_names.h"
#include "core/sky/sidereal_moon.h"
#include "core/panchang/birth_yoga.h"
#include "core/panchang/yoga_names.h"

namespace zorvane {

BirthRecord MakeBirthRecord(const BirthInput& input, const ChartState& chart) {
    BirthRecord record;
    record.name = input.name;
    record.place = input.place;
    record.birth = input.birth;
    record.second = input.second;
    record.latitudeDegrees = input.latitudeDegrees;
    record.zoneApplied = input.zoneApplied;
    // The empty slot of exactly 360 degrees names no row.
    const std::optional<int> slot = NakshatraSlotOf(chart.MoonLongitude);
    if (slot && *slot < kNakshatraCount) record.nakshatraIndex = slot;
    record.yogaIndex = YogaSlotOf(chart.YogaPosition);
    record.universalHours = chart.UniversalHours;
    record.julianDayNumber = chart.JulianDayNumber;
    record.centuries = chart.Centuries;
    record.ayanamsa = chart.Ayanamsa;
    record.moonSidereal = chart.MoonLongitude;
    record.jde = chart.JulianEphemerisDay;
    record.panchangAyanamsa = chart.PanchangAyanamsa;
    record.moonUnreduced = chart.MoonLongitudeUnreduced;
    record.sunUnreduced = chart.SunLongitudeUnreduced;
    record.yogaPosition = chart.YogaPosition;
    return record;
}

std::string_view NakshatraNameOf(const BirthRecord& record) {
    if (!record.nakshatraIndex) return {};
    return NakshatraNames[static_cast<std::size_t>(*record.nakshatraIndex)];
}

std::string_view YogaNameOf(const BirthRecord& record) {
    if (!record.yogaIndex) return {};
    return YogaNames[static_cast<std::size_t>(*record.yogaIndex)];
}

}  // namespace zorvane
