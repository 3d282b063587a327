#include "core/reading/birth_record.h"

#include <cstddef>
#include <cstdint>

#include "core/time/angles.h"
#include "core/panchang/nakshatra_names.h"
#include "core/sky/sidereal_moon.h"
#include "core/panchang/birth_yoga.h"
#include "core/panchang/yoga_names.h"
#include "core/reading/applied_zone_of_form.h"

namespace zorvane {

namespace {
constexpr int kMaxLatitudeDegrees = 90;
constexpr int kMaxArcMinutes = 59;
}  // namespace

std::optional<double> LatitudeFromForm(const ReadingForm& form, const NumberFormat& format) {
    if (form.northSelected == form.southSelected) return std::nullopt;
    const std::optional<std::int16_t> degrees = TextToWholeNumber(form.latDegrees, format);
    const std::optional<std::int16_t> minutes = TextToWholeNumber(form.latMinutes, format);
    if (!degrees || !minutes) return std::nullopt;
    if (*degrees < 0 || *degrees > kMaxLatitudeDegrees || *minutes < 0 || *minutes > kMaxArcMinutes) {
        return std::nullopt;
    }
    if (*degrees == kMaxLatitudeDegrees && *minutes != 0) return std::nullopt;
    const double latitude = *degrees + *minutes / kMinutesPerDegree;
    return form.northSelected ? latitude : -latitude;
}

BirthRecord MakeBirthRecord(const ReadingForm& form, const NumberFormat& format,
                            const BirthData& birth, const ChartState& chart) {
    BirthRecord record;
    record.birth = birth;
    record.latitudeDegrees = LatitudeFromForm(form, format);
    if (const std::optional<AppliedZone> zone = AppliedZoneOfForm(form, format)) {
        record.zoneApplied = AppliedZoneSentence(*zone);
    }
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

void AddDetailsAndDasha(BirthRecord& record, const ChartState& chart) {
    record.details = ComputeBirthDetails(chart, record.latitudeDegrees);
    record.dasha = ComputeVimshottariDasha(chart.MoonLongitude, record.details->universalJd);
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
