#include "cli/run_reading.h"

#include "cli/reading_form_builder.h"
#include "reading/birth_data.h"
#include "reading/calculation_driver.h"
#include "reading/validate_input.h"

namespace zorvane::cli {

std::optional<std::string_view> RunReading(const ReadingFields& fields, ChartState& chart) {
    ReadingForm form;
    if (std::optional<std::string_view> refusal = BuildReadingForm(fields, form)) {
        return refusal;
    }
    // Scripts get the same answer on every machine, whatever its locale.
    const NumberFormat pointFormat{"."};
    BirthData birth;
    if (std::optional<Refusal> refusal = RunCalculation(
            form, pointFormat, birth, chart, ValidationScope::WithoutNameAndLatitude)) {
        return refusal->message;
    }
    return std::nullopt;
}

}  // namespace zorvane::cli
