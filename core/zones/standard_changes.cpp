#include "core/zones/standard_changes.h"

#include <cmath>
#include <cstdio>

#include "core/zones/zone_offset_text.h"

namespace zorvane {

namespace {
void Compare(std::string_view what, const std::string& applied, const std::string& other,
             std::vector<std::string>& changes) {
    if (applied != other) changes.push_back(std::string(what) + " " + applied + " -> " + other);
}

std::string MonthsText(double months) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", months);
    return text;
}
}  // namespace

std::vector<StandardChange> ChangesOfStandards(std::span<const ClockStandardOption> options, int appliedSeconds,
                                               const ReadingAtOffset& readingAt) {
    std::vector<StandardChange> result;
    const std::optional<ReadingNames> applied = readingAt(appliedSeconds);
    for (const ClockStandardOption& option : options) {
        StandardChange change{option, false, {}, 0};
        const std::optional<ReadingNames> other =
            applied && option.offsetSeconds != appliedSeconds ? readingAt(option.offsetSeconds) : applied;
        if (applied && other) {
            change.computed = true;
            Compare("nakshatra", applied->nakshatra, other->nakshatra, change.changes);
            Compare("pada", std::to_string(applied->pada), std::to_string(other->pada), change.changes);
            Compare("tithi", applied->tithi, other->tithi, change.changes);
            Compare("yoga", applied->yoga, other->yoga, change.changes);
            Compare("karana", applied->karana, other->karana, change.changes);
            change.dashaBalanceDifferenceMonths = other->dashaBalanceMonths - applied->dashaBalanceMonths;
        }
        result.push_back(std::move(change));
    }
    return result;
}

std::string ChangesText(const StandardChange& change) {
    if (!change.computed) return "not computed";
    std::string text;
    if (change.changes.empty()) {
        text = "no name changes";
    } else {
        for (std::size_t i = 0; i < change.changes.size(); ++i) text += (i == 0 ? "" : ", ") + change.changes[i];
    }
    return text + "; dasha balance " + MonthsText(change.dashaBalanceDifferenceMonths) + " months";
}

std::string StandardChangeText(const StandardChange& change) {
    const ClockStandardOption& option = change.option;
    return std::string(option.name) + " " + SignedOffsetText(option.offsetSeconds) + " (" +
           std::string(option.where) + ", " + option.years + "): " + ChangesText(change);
}

}  // namespace zorvane
