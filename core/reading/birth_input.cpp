#include "core/reading/birth_input.h"

#include "core/time/angles.h"
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
    // The seconds list offers 0..59 as plain decimals.
    input.second = TextToWholeNumber(form.secondText, NumberFormat{}).value_or(0);
    input.latitudeDegrees = LatitudeFromForm(form, format);
    input.place = form.place;
    return input;
}

}  // namespace zorvane
