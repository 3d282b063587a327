#include "core/reading/calculation_driver.h"

#include "core/panchang/birth_nakshatra.h"
#include "core/panchang/birth_yoga.h"
#include "core/zones/zone_offset_text.h"

namespace zorvane {

namespace {
// A failed conversion leaves the field as it was.
void Assign(std::int16_t& field, std::optional<std::int16_t> value) {
    if (value) field = *value;
}
}  // namespace

void FillBirthData(const ReadingForm& form, const NumberFormat& format, BirthData& birth) {
    // Lists hold plain decimal entries; they read in any locale.
    const NumberFormat listFormat{};
    birth.Month = static_cast<std::int16_t>(form.monthIndex + 1);
    Assign(birth.Day, TextToWholeNumber(form.dayText, listFormat));
    Assign(birth.Year, TextToWholeNumber(form.yearText, listFormat));
    if (const std::optional<std::int16_t> zoneHour = TextToWholeNumber(form.zoneHour, format, true)) {
        birth.ZoneHour = *zoneHour;
        birth.ZoneAheadOfUniversalTime = ZoneSignOf(form.zoneHour) == ZoneSign::Ahead;
        birth.ZoneBehindUniversalTime = ZoneSignOf(form.zoneHour) == ZoneSign::Behind;
    }
    Assign(birth.ZoneMinute, TextToWholeNumber(form.zoneMinute, format, true));
    Assign(birth.Hour, TextToWholeNumber(form.hourText, listFormat));
    Assign(birth.Minute, TextToWholeNumber(form.minuteText, listFormat));
    Assign(birth.LonDegrees, TextToWholeNumber(form.lonDegrees, format));
    Assign(birth.LonMinutes, TextToWholeNumber(form.lonMinutes, format));
    birth.DaylightSaving = form.daylightSaving;
    birth.Second = static_cast<std::int16_t>(form.clockSecond);
    birth.ZoneSecond = static_cast<std::int16_t>(form.zoneSecond);
    birth.LonEast = form.eastSelected;
}

void RunComputationSteps(const BirthData& birth, ChartState& chart) {
    ComputeBirthNakshatra(birth, chart);
    ComputeBirthYoga(chart);
}

std::optional<Refusal> RunCalculation(const ReadingForm& form, const NumberFormat& format,
                                      BirthData& birth, ChartState& chart, ValidationScope scope) {
    if (std::optional<Refusal> refusal = ValidateInput(form, format, scope)) return refusal;
    FillBirthData(form, format, birth);
    RunComputationSteps(birth, chart);
    return std::nullopt;
}

}  // namespace zorvane
