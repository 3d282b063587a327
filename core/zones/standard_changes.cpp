#include "core/zones/standard_changes.h"

#include <cmath>
#include <cstdio>

#include "core/zones/zone_offset_text.h"

namespace zorvane {

namespace {
void Compare(const std::string& what, const std::string& applied, const std::string& other,
             std::vector<std::string>& changes) {
    if (applied != other) changes.push_back(what + " " + applied + " -> " + other);
}

std::string MonthsText(double months) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", months);
    return text;
}
}  // namespace

std::vector<StandardChange> ChangesOfStandards(std::span<const ClockStandardOption> options, int appliedSeconds,
                                               const ReadingAtOffset& readingAt,
                                               const Wording& wording) {
    std::vector<StandardChange> result;
    const std::optional<ReadingNames> applied = readingAt(appliedSeconds);
    for (const ClockStandardOption& option : options) {
        StandardChange change{option, false, {}, 0};
        const std::optional<ReadingNames> other =
            applied && option.offsetSeconds != appliedSeconds ? readingAt(option.offsetSeconds) : applied;
        if (applied && other) {
            change.computed = true;
            Compare(wording.Say("nakshatra"), applied->nakshatra, other->nakshatra, change.changes);
            Compare(wording.Say("pada"), std::to_string(applied->pada), std::to_string(other->pada), change.changes);
            Compare(wording.Say("tithi"), applied->tithi, other->tithi, change.changes);
            Compare(wording.Say("yoga"), applied->yoga, other->yoga, change.changes);
            Compare(wording.Say("karana"), applied->karana, other->karana, change.changes);
            change.dashaBalanceDifferenceMonths = other->dashaBalanceMonths - applied->dashaBalanceMonths;
        }
        result.push_back(std::move(change));
    }
    return result;
}

std::string ChangesText(const StandardChange& change, const Wording& wording) {
    if (!change.computed) return wording.Say("not computed");
    std::string text;
    if (change.changes.empty()) {
        text = wording.Say("no name changes");
    } else {
        for (std::size_t i = 0; i < change.changes.size(); ++i) text.append(i == 0 ? "" : ", ").append(change.changes[i]);
    }
    return text + wording.SayWith("; dasha balance %1 months", {MonthsText(change.dashaBalanceDifferenceMonths)});
}

std::string StandardChangeText(const StandardChange& change, const Wording& wording) {
    const ClockStandardOption& option = change.option;
    return wording.Say(option.name) + " " + SignedOffsetText(option.offsetSeconds) + " (" + wording.Say(option.where) +
           ", " + WordedYears(option.years, wording) + "): " + ChangesText(change, wording);
}

}  // namespace zorvane
