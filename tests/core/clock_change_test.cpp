// Clock times that a change of the clocks skipped or repeated, from the
// system's zone history, and the note the reader gets.
#include <gtest/gtest.h>

#include "core/zones/clock_change.h"

namespace {

using zorvane::ClockChange;
using zorvane::ClockTimeAtChange;
using zorvane::RepeatedChoice;

constexpr int kHour = 3600;  // seconds

std::optional<ClockChange> At(const char* zone, int year, int month, int day, int hour, int minute) {
    return zorvane::ClockChangeAt(zone, QDate(year, month, day), QTime(hour, minute));
}

TEST(ClockChange, FindsTheOffsetsOnBothSidesOfTheChange) {
    const struct {
        const char* zone;
        int year, month, day, hour, minute;
        ClockTimeAtChange kind;
        int before, after;
    } cases[] = {
        {"America/New_York", 2023, 3, 12, 2, 30, ClockTimeAtChange::Skipped, -5 * kHour, -4 * kHour},
        {"America/New_York", 2023, 11, 5, 1, 30, ClockTimeAtChange::Repeated, -4 * kHour, -5 * kHour},
        {"America/New_York", 2023, 11, 5, 2, 30, ClockTimeAtChange::Ordinary, -5 * kHour, -5 * kHour},
        {"Europe/London", 1941, 5, 4, 2, 30, ClockTimeAtChange::Skipped, 1 * kHour, 2 * kHour},  // into double summer time
        {"Australia/Lord_Howe", 2023, 4, 2, 1, 45, ClockTimeAtChange::Repeated, 11 * kHour, 10 * kHour + 1800},
        {"Asia/Kolkata", 1950, 3, 10, 10, 0, ClockTimeAtChange::Ordinary, 5 * kHour + 1800, 5 * kHour + 1800},
    };
    for (const auto& c : cases) {
        const std::optional<ClockChange> change = At(c.zone, c.year, c.month, c.day, c.hour, c.minute);
        ASSERT_TRUE(change) << c.zone;
        EXPECT_EQ(change->kind, c.kind) << c.zone << " " << c.year;
        EXPECT_EQ(change->offsetBeforeSeconds, c.before) << c.zone << " " << c.year;
        EXPECT_EQ(change->offsetAfterSeconds, c.after) << c.zone << " " << c.year;
    }
    EXPECT_FALSE(At("Nowhere/Atlantis", 2023, 3, 12, 2, 30));
}

TEST(ClockChange, TheChoicePicksTheOffsetAndTheNoteSaysSo) {
    const ClockChange skipped{ClockTimeAtChange::Skipped, -5 * kHour, -4 * kHour};
    const ClockChange repeated{ClockTimeAtChange::Repeated, -4 * kHour, -5 * kHour};
    EXPECT_EQ(zorvane::ChosenOffsetSeconds(skipped, RepeatedChoice::Earlier), -5 * kHour);
    EXPECT_EQ(zorvane::ChosenOffsetSeconds(repeated, RepeatedChoice::Later), -5 * kHour);
    EXPECT_EQ(zorvane::ClockNote(skipped, RepeatedChoice::Earlier, "02:30", "2023-03-12"),
              "02:30 did not exist on 2023-03-12: the clocks went from -5:00 to -4:00; read at -5:00, the offset "
              "before the change (the other choice: later, at -4:00)");
    EXPECT_EQ(zorvane::ClockNote(repeated, RepeatedChoice::Later, "01:30", "2023-11-05"),
              "01:30 came twice on 2023-11-05, first at -4:00, then at -5:00; read as the later, at -5:00 (the "
              "other choice: earlier, at -4:00)");
    EXPECT_EQ(zorvane::ClockNote({}, RepeatedChoice::Later, "01:30", "2023-11-05"), "");
    EXPECT_EQ(zorvane::RepeatedChoiceOf("later"), RepeatedChoice::Later);
    EXPECT_FALSE(zorvane::RepeatedChoiceOf("Later"));
}

}  // namespace
