#include "core/format/reading_at_offset.h"

#include <string>
#include <variant>

#include "core/format/details_text.h"
#include "core/panchang/local_limb_names.h"
#include "core/reading/compute_reading.h"
#include "core/reading/applied_zone_of_form.h"

namespace zorvane {

namespace {
constexpr double kMonthsPerYear = 12.0;
}  // namespace

std::optional<ReadingNames> ReadingNamesOf(const BirthRecord& record, Language language) {
    if (!record.details || !record.dasha) return std::nullopt;
    const BirthDetails& d = *record.details;
    return ReadingNames{NakshatraText(d.nakshatra.index, language), d.pada, TithiText(d.tithi.index, language),
                        YogaText(d.yoga.index, language), KaranaText(d.karana.index + 1, language),
                        record.dasha->balanceYears * kMonthsPerYear};
}

std::optional<ReadingNames> ReadingNamesAtOffset(ReadingForm form, const NumberFormat& format, int offsetSeconds,
                                                 Language language) {
    PutOffsetInForm(offsetSeconds, form);
    const std::variant<BirthInput, Refusal> input = ParseForm(form, format);
    if (const auto* parsed = std::get_if<BirthInput>(&input)) return ReadingNamesOf(ComputeReading(*parsed), language);
    return std::nullopt;
}

}  // namespace zorvane
