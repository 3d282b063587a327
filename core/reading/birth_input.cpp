#include "core/reading/birth_input.h"

#include "core/time/angles.h"
#include "core/reading/applied_zone_of_form.h"
#include "core/reading/calculation_driver.h"

namespace zorvane {

namespace {
constexpr int kMaxLatitudeDegrees = 90;
constexpr int kMaxArcMinutes = 59;
}  // namespace

std::optional<double> LatitudeFromParts(int degrees, int minutes, bool north) {
    if (degrees < 0 || degrees > kMaxLatitudeDegrees || minutes < 0 || minutes > kMaxArcMinutes) {
        return std::nullopt;
    }
    if (degrees == kMaxLatitudeDegrees && minutes != 0) return std::nullopt;
    const double latitude = degrees + minutes / kMinutesPerDegree;
    return north ? latitude : -latitude;
}

std::optional<double> LatitudeFromForm(const ReadingForm& form, const NumberFormat& format) {
    if (form.northSelected == form.southSelected) return std::nullopt;
    const std::optional<std::int16_t> degrees = TextToWholeNumber(form.latDegrees, format);
    const std::optional<std::int16_t> minutes = TextToWholeNumber(form.latMinutes, format);
    if (!degrees || !minutes) return std::nullopt;
    return LatitudeFromParts(*degrees, *minutes, form.northSelected);
}

std::variant<BirthInput, Refusal> ParseForm(const ReadingForm& form, const NumberFormat& format,
                                            ValidationScope scope) {
    if (std::optional<Refusal> refusal = ValidateInput(form, format, scope)) return *refusal;
    BirthInput input;
    input.name = form.name;
    FillBirthData(form, format, input.birth);
    // Seconds typed with the clock time (the command line's --time) are
    // computed with; the window's seconds list is only kept and shown.
    input.second = form.clockSecond != 0 ? form.clockSecond
                                         : TextToWholeNumber(form.secondText, NumberFormat{}).value_or(0);
    if (const std::optional<AppliedZone> zone = AppliedZoneOfForm(form, format)) {
        input.zoneApplied = AppliedZoneSentence(*zone);
    }
    input.latitudeDegrees = LatitudeFromForm(form, format);
    input.place = form.place;
    return input;
}

}  // namespace zorvane
