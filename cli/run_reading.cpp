#include "cli/run_reading.h"

#include "cli/reading_form_builder.h"

namespace zorvane::cli {

std::variant<BirthInput, std::string_view> InputFromFields(const ReadingFields& fields) {
    ReadingForm form;
    if (std::optional<std::string_view> refusal = BuildReadingForm(fields, form)) {
        return *refusal;
    }
    // Scripts get the same answer on every machine, whatever its locale.
    const NumberFormat pointFormat{"."};
    std::variant<BirthInput, Refusal> input =
        ParseForm(form, pointFormat, ValidationScope::WithoutNameAndLatitude);
    if (const auto* refusal = std::get_if<Refusal>(&input)) return refusal->message;
    return std::get<BirthInput>(std::move(input));
}

std::optional<std::string_view> RunReading(const ReadingFields& fields, BirthRecord& record,
                                           ReadingParts parts, const std::string& name,
                                           const BirthPlace& place) {
    std::variant<BirthInput, std::string_view> input = InputFromFields(fields);
    if (const auto* refusal = std::get_if<std::string_view>(&input)) return *refusal;
    BirthInput& typed = std::get<BirthInput>(input);
    typed.name = name;
    typed.place = place;
    record = ComputeReading(typed, parts);
    return std::nullopt;
}

}  // namespace zorvane::cli
