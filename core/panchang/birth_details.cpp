#include "core/panchang/birth_details.h"

#include <algorithm>
#include <cmath>

#include "core/time/angles.h"
#include "core/time/crossing_search.h"
#include "core/time/universal_time.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/limbs.h"
#include "core/sky/sidereal_moon.h"

namespace zorvane {

namespace {

constexpr double kSignSpanDegrees = 30.0;

// The limb's span around the birth. The index is the whole part of the
// position the reading itself computed, so it is the named one; the bounds
// are where the same theory's position crosses that index and the next.
int IndexOf(Limb limb, double position) {
    return std::clamp(static_cast<int>(std::floor(position)), 0, LimbCount(limb) - 1);
}

// When the limb's position, unwrapped around the birth's, reaches the target.
double BoundOf(Limb limb, double birthJd, double birthPosition, double target) {
    const int count = LimbCount(limb);
    const GrowingAngle position = [limb, birthPosition, count](double jd) {
        return UnwrapNear(LimbPositionAt(limb, jd), birthPosition, count);
    };
    return FindCrossing(position, {birthJd, birthPosition, LimbMeanRatePerDay(limb)}, target);
}

LimbSpan SpanAround(Limb limb, double birthJd, double birthPosition) {
    const int index = IndexOf(limb, birthPosition);
    return {index, BoundOf(limb, birthJd, birthPosition, index), BoundOf(limb, birthJd, birthPosition, index + 1.0)};
}

// Every tithi is two karanas, so one of its bounds is a bound of the birth's
// karana (the same crossing of the same elongation) and only the other is
// searched.
LimbSpan TithiAround(const LimbSpan& karana, double birthJd, double tithiPosition) {
    const int index = IndexOf(Limb::Tithi, tithiPosition);
    if (karana.index % 2 == 0) {
        return {index, karana.startJd, BoundOf(Limb::Tithi, birthJd, tithiPosition, index + 1.0)};
    }
    return {index, BoundOf(Limb::Tithi, birthJd, tithiPosition, index), karana.endJd};
}

int SignOf(double siderealDegrees) {
    return static_cast<int>(std::floor(siderealDegrees / kSignSpanDegrees)) % kSignCount;
}

// Sunrise, sunset and the vara, which runs from sunrise to sunrise.
void AddSunDay(const ChartState& chart, const GeoPlace& place, BirthDetails& details) {
    const double dayNumber = chart.JulianDayNumber;
    const SunriseSunset today = ComputeSunriseSunset(dayNumber, details.clockLeadHours, place);
    details.sunriseJd = today.sunriseJd;
    details.sunsetJd = today.sunsetJd;
    details.sunNote = SunNoteOf(today.passage);
    const int civil = CivilWeekday(dayNumber);
    details.weekday = civil;
    if (!today.sunriseJd) return;  // no sunrise to count from: the civil weekday
    if (details.universalJd < *today.sunriseJd) {
        details.weekday = (civil + kWeekdayCount - 1) % kWeekdayCount;
        details.varaStartJd = ComputeSunriseSunset(dayNumber - 1, details.clockLeadHours, place).sunriseJd;
        details.varaEndJd = today.sunriseJd;
    } else {
        details.varaStartJd = today.sunriseJd;
        details.varaEndJd = ComputeSunriseSunset(dayNumber + 1, details.clockLeadHours, place).sunriseJd;
    }
}

}  // namespace

SunNote SunNoteOf(SunPassage passage) {
    switch (passage) {
        case SunPassage::RisesAndSets: return SunNote::None;
        case SunPassage::PolarNight: return SunNote::PolarNight;
        case SunPassage::PolarDay: return SunNote::PolarDay;
        case SunPassage::NoSunrise: return SunNote::NoSunrise;
        case SunPassage::NoSunset: return SunNote::NoSunset;
    }
    return SunNote::None;
}

BirthDetails ComputeBirthDetails(const ChartState& chart, std::optional<double> latitudeNorthDegrees) {
    BirthDetails details;
    details.universalJd = UniversalJulianDay(chart.JulianDayNumber, chart.UniversalHours);
    details.clockLeadHours = chart.ZoneEast ? chart.ZoneHours : -chart.ZoneHours;
    details.ayanamsaDegrees = -chart.Ayanamsa;
    details.panchangAyanamsaDegrees = -chart.PanchangAyanamsa;

    details.moonSiderealDegrees = chart.MoonLongitude;
    details.moonSign = SignOf(chart.MoonLongitude);
    const double nakshatra = NakshatraPositionOf(chart.MoonLongitude);
    details.nakshatra = SpanAround(Limb::Nakshatra, details.universalJd, nakshatra);
    details.pada = static_cast<int>(std::floor(nakshatra * kPadasPerNakshatra)) % kPadasPerNakshatra + 1;

    const double sun = chart.PanchangAyanamsa + chart.SunLongitudeUnreduced;
    details.sunSiderealDegrees = sun - kDegreesPerTurn * std::floor(sun / kDegreesPerTurn);
    details.sunSign = SignOf(details.sunSiderealDegrees);
    const double moonUnreduced = chart.MoonLongitudeUnreduced;
    const double sunUnreduced = chart.SunLongitudeUnreduced;
    details.karana = SpanAround(Limb::Karana, details.universalJd, KaranaPositionOf(moonUnreduced, sunUnreduced));
    details.tithi = TithiAround(details.karana, details.universalJd, TithiPositionOf(moonUnreduced, sunUnreduced));
    details.yoga = SpanAround(Limb::Yoga, details.universalJd, chart.YogaPosition);

    if (latitudeNorthDegrees) {
        AddSunDay(chart, {*latitudeNorthDegrees, -chart.LongitudeWest}, details);
    } else {
        details.sunNote = SunNote::NeedsLatitude;
    }
    return details;
}

}  // namespace zorvane
