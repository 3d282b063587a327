// What each clock standard changes, through a reading callback.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/zones/standard_changes.h"

namespace {

using zorvane::ClockStandard;
using zorvane::ClockStandardOption;
using zorvane::ReadingNames;

constexpr int kIst = 5 * 3600 + 30 * 60;     // seconds
constexpr int kBombay = 4 * 3600 + 51 * 60;  // seconds
constexpr double kMonthsTolerance = 1e-12;   // plain subtraction of the callback's values

TEST(StandardChanges, NamesThatDifferAndTheDashaBalanceDifference) {
    std::map<int, ReadingNames> readings{
        {kIst, {"Hasta", 2, "Krishna Ashtami", "Harshana", "Vishti", 40.0}},
        {kBombay, {"Hasta", 1, "Krishna Ashtami", "Harshana", "Bava", 40.6}},
    };
    std::vector<int> asked;
    const zorvane::ReadingAtOffset readingAt = [&](int offset) -> std::optional<ReadingNames> {
        asked.push_back(offset);
        const auto found = readings.find(offset);
        if (found == readings.end()) return std::nullopt;
        return found->second;
    };
    const std::vector<ClockStandardOption> options{
        {ClockStandard::TzDatabase, "tz", "tz database", kIst, "until 1955", "the zone's history", ""},
        {ClockStandard::Bombay, "bombay", "Bombay Time", kBombay, "until 1955", "Bombay and its suburbs", ""},
        {ClockStandard::LocalMean, "lmt", "Local mean time", kBombay + 18, "until 1955", "any place", ""},
    };
    const auto changes = zorvane::ChangesOfStandards(options, kIst, readingAt);
    ASSERT_EQ(changes.size(), 3U);
    EXPECT_TRUE(changes[0].changes.empty());
    EXPECT_EQ(changes[1].changes, (std::vector<std::string>{"pada 2 -> 1", "karana Vishti -> Bava"}));
    EXPECT_NEAR(changes[1].dashaBalanceDifferenceMonths, 0.6, kMonthsTolerance);
    EXPECT_FALSE(changes[2].computed);
    EXPECT_EQ(asked, (std::vector<int>{kIst, kBombay, kBombay + 18}));  // the applied offset once
    EXPECT_EQ(zorvane::StandardChangeText(changes[1]),
              "Bombay Time +4:51 (Bombay and its suburbs, until 1955): pada 2 -> 1, karana Vishti -> Bava; dasha "
              "balance +0.6 months");
    EXPECT_EQ(zorvane::StandardChangeText(changes[0]),
              "tz database +5:30 (the zone's history, until 1955): no name changes; dasha balance +0.0 months");
    EXPECT_EQ(zorvane::StandardChangeText(changes[2]),
              "Local mean time +4:51:18 (any place, until 1955): not computed");
}

}  // namespace
