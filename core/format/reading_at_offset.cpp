#include "core/format/reading_at_offset.h"

#include <string>
#include <variant>

#include "core/format/details_text.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"
#include "core/reading/compute_reading.h"
#include "core/reading/applied_zone_of_form.h"

namespace zorvane {

namespace {
constexpr double kMonthsPerYear = 12.0;
}  // namespace

std::optional<ReadingNames> ReadingNamesOf(const BirthRecord& record) {
    if (!record.details || !record.dasha) return std::nullopt;
    const BirthDetails& d = *record.details;
    return ReadingNames{std::string(NakshatraNames[static_cast<std::size_t>(d.nakshatra.index)]), d.pada,
                        std::string(TithiWithPaksha(d.tithi.index)),
                        std::string(YogaNames[static_cast<std::size_t>(d.yoga.index)]),
                        std::string(KaranaName(d.karana.index + 1)), record.dasha->balanceYears * kMonthsPerYear};
}

std::optional<ReadingNames> ReadingNamesAtOffset(ReadingForm form, const NumberFormat& format, int offsetSeconds) {
    PutOffsetInForm(offsetSeconds, form);
    const std::variant<BirthInput, Refusal> input = ParseForm(form, format);
    if (const auto* parsed = std::get_if<BirthInput>(&input)) return ReadingNamesOf(ComputeReading(*parsed));
    return std::nullopt;
}

}  // namespace zorvane
