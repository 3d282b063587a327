#include "cli/run_reading.h"

#include "cli/reading_form_builder.h"
#include "core/panchang/birth_details.h"
#include "core/state/birth_data.h"
#include "core/state/chart_state.h"
#include "core/reading/calculation_driver.h"
#include "core/reading/validate_input.h"

namespace zorvane::cli {

std::optional<std::string_view> RunReading(const ReadingFields& fields, BirthRecord& record, bool withDetails) {
    ReadingForm form;
    if (std::optional<std::string_view> refusal = BuildReadingForm(fields, form)) {
        return refusal;
    }
    return RunReadingForm(form, record, withDetails);
}

std::optional<std::string_view> RunReadingForm(const ReadingForm& form, BirthRecord& record,
                                               bool withDetails) {
    // Scripts get the same answer on every machine, whatever its locale.
    const NumberFormat pointFormat{"."};
    BirthData birth;
    ChartState chart;
    if (std::optional<Refusal> refusal = RunCalculation(
            form, pointFormat, birth, chart, ValidationScope::WithoutNameAndLatitude)) {
        return refusal->message;
    }
    record = MakeBirthRecord(form, pointFormat, birth, chart);
    if (withDetails) {
        record.details = ComputeBirthDetails(chart, record.latitudeDegrees);
    }
    return std::nullopt;
}

}  // namespace zorvane::cli
