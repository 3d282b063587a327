#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/text/wording.h"
#include "core/zones/clock_standards.h"

namespace zorvane {

// What a reading shows that a clock standard may change.
struct ReadingNames {
    std::string nakshatra;
    int pada = 0;
    std::string tithi;
    std::string yoga;
    std::string karana;
    double dashaBalanceMonths = 0;  // of the first lord's period
};

// A reading computed at an offset (seconds east of universal time); nothing
// when it cannot be computed there.
using ReadingAtOffset = std::function<std::optional<ReadingNames>(int offsetSeconds)>;

// What one standard changes against the reading at the applied offset.
struct StandardChange {
    ClockStandardOption option;
    bool computed = false;
    std::vector<std::string> changes;  // "karana Vishti -> Bava", one per name that differs
    double dashaBalanceDifferenceMonths = 0;  // this standard's balance minus the applied one's
};

// For each option: the names that differ from the reading at appliedSeconds
// and the dasha balance difference. The applied reading is computed once.
std::vector<StandardChange> ChangesOfStandards(std::span<const ClockStandardOption> options, int appliedSeconds,
                                               const ReadingAtOffset& readingAt,
                                               const Wording& wording = {});

// What the standard changes alone: "karana Vishti -> Bava; dasha balance
// +0.3 months", "no name changes; ...", or "not computed".
std::string ChangesText(const StandardChange& change, const Wording& wording = {});

// "Bombay Time +4:51 (Bombay and its suburbs, until 1955): karana Vishti -> Bava;
// dasha balance +0.3 months", or "...: no name changes; dasha balance ...".
std::string StandardChangeText(const StandardChange& change, const Wording& wording = {});

}  // namespace zorvane
