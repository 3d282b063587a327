// The clocks an atlas zone offers for a birth time and the one a choice
// applies: a time skipped or repeated by a change, India's clock standards.
#include "core/zones/clock_offer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using zorvane::ClockSelection;
using zorvane::ClockStandard;
using zorvane::ClockTimeAtChange;
using zorvane::RepeatedChoice;

constexpr int Seconds(int hours, int minutes, int seconds = 0) {
    const int magnitude = (hours < 0 ? -hours : hours) * 3600 + minutes * 60 + seconds;
    return hours < 0 ? -magnitude : magnitude;
}

// Mumbai (Colaba) and Kolkata, degrees east and north.
constexpr double kMumbaiLatitude = 18.93;
constexpr double kMumbaiLongitude = 72.83;
constexpr double kKolkataLatitude = 22.57;
constexpr double kKolkataLongitude = 88.36;

struct Case {
    const char* what;
    const char* zone;
    int year, month, day, hour, minute;
    double latitude, longitude;
    ClockSelection selection;
    int offsetSeconds;      // applied
    bool summerTicked;      // as the atlas writes the boxes
    const char* standard;   // name of the standard applied, "" for the tz database's
    const char* noteStart;  // "" when nothing need be said
    std::vector<std::string> rowKeys;
};

TEST(ClockOffer, EachChoiceAppliesItsOffsetAndSaysWhatHappened) {
    const Case cases[] = {
        {"New York spring forward, default", "America/New_York", 2023, 3, 12, 2, 30, 40.7, -74.0, {},
         Seconds(-5, 0), false, "",
         "02:30 did not exist on 2023-03-12: the clocks went from -5:00 to -4:00; read at -5:00",
         {"earlier", "later"}},
        {"New York spring forward, later", "America/New_York", 2023, 3, 12, 2, 30, 40.7, -74.0,
         {RepeatedChoice::Later, ClockStandard::TzDatabase}, Seconds(-4, 0), true, "",
         "02:30 did not exist on 2023-03-12: the clocks went from -5:00 to -4:00; read at -4:00", {"earlier", "later"}},
        {"New York fall back, default", "America/New_York", 2023, 11, 5, 1, 30, 40.7, -74.0, {}, Seconds(-4, 0), true,
         "",
         "01:30 came twice on 2023-11-05, first at -4:00, then at -5:00; read as the earlier", {"earlier", "later"}},
        {"New York fall back, later", "America/New_York", 2023, 11, 5, 1, 30, 40.7, -74.0,
         {RepeatedChoice::Later, ClockStandard::TzDatabase}, Seconds(-5, 0), false, "",
         "01:30 came twice on 2023-11-05, first at -4:00, then at -5:00; read as the later", {"earlier", "later"}},
        {"an ordinary time offers nothing, later ignored", "America/New_York", 2023, 3, 12, 15, 0, 40.7, -74.0,
         {RepeatedChoice::Later, ClockStandard::TzDatabase}, Seconds(-4, 0), true, "", "", {}},
        {"Mumbai 1950 on Bombay Time", "Asia/Kolkata", 1950, 3, 10, 10, 0, kMumbaiLatitude, kMumbaiLongitude,
         {RepeatedChoice::Earlier, ClockStandard::Bombay}, Seconds(4, 51), false, "Bombay Time",
         "read on Bombay Time (+4:51, Bombay and its suburbs, until 1955) instead of the tz database's +5:30",
         {"tz", "bombay", "lmt"}},
        {"Mumbai 1950 by default", "Asia/Kolkata", 1950, 3, 10, 10, 0, kMumbaiLatitude, kMumbaiLongitude, {},
         Seconds(5, 30), false, "", "the tz database's +5:30 applied; before 1956", {"tz", "bombay", "lmt"}},
        {"Calcutta Time is not Mumbai's", "Asia/Kolkata", 1950, 3, 10, 10, 0, kMumbaiLatitude, kMumbaiLongitude,
         {RepeatedChoice::Earlier, ClockStandard::Calcutta}, Seconds(5, 30), false, "",
         "the tz database's +5:30 applied", {"tz", "bombay", "lmt"}},
        {"Kolkata 1943 on Calcutta Time, war time offered", "Asia/Kolkata", 1943, 6, 1, 12, 0, kKolkataLatitude,
         kKolkataLongitude, {RepeatedChoice::Earlier, ClockStandard::Calcutta}, Seconds(5, 53, 20), false,
         "Calcutta Time", "read on Calcutta Time (+5:53:20", {"tz", "calcutta", "war", "lmt"}},
        {"local mean time keeps its seconds", "Asia/Kolkata", 1950, 3, 10, 10, 0, kMumbaiLatitude, kMumbaiLongitude,
         {RepeatedChoice::Earlier, ClockStandard::LocalMean}, Seconds(4, 51, 19), false, "Local mean time",
         "read on Local mean time (+4:51:19", {"tz", "bombay", "lmt"}},
        {"after 1955 India has one clock", "Asia/Kolkata", 1960, 3, 10, 10, 0, kMumbaiLatitude, kMumbaiLongitude,
         {RepeatedChoice::Earlier, ClockStandard::Bombay}, Seconds(5, 30), false, "", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const zorvane::ClockOffer offer = zorvane::ClockOfferAt(c.zone, QDate(c.year, c.month, c.day),
                                                                QTime(c.hour, c.minute), c.latitude, c.longitude);
        const QString clockText = QTime(c.hour, c.minute).toString(QStringLiteral("HH:mm"));
        const QString dateText = QDate(c.year, c.month, c.day).toString(Qt::ISODate);
        const zorvane::AppliedClock applied = zorvane::ApplyClockSelection(offer, c.selection, clockText.toStdString(),
                                                                           dateText.toStdString());
        ASSERT_TRUE(applied.known);
        EXPECT_EQ(applied.offsetSeconds, c.offsetSeconds);
        EXPECT_EQ(applied.zone.offsetMinutes, zorvane::RoundToMinutes(c.offsetSeconds));
        EXPECT_EQ(applied.zone.summerMinutes() == 60, c.summerTicked);
        EXPECT_EQ(applied.standard ? std::string(applied.standard->name) : std::string(), c.standard);
        EXPECT_EQ(applied.note.rfind(c.noteStart, 0), 0U) << applied.note;
        EXPECT_EQ(applied.note.empty(), std::string(c.noteStart).empty()) << applied.note;
        std::vector<std::string> keys;
        for (const zorvane::ClockChoiceRow& row : zorvane::ClockChoiceRows(offer)) keys.emplace_back(row.option.key);
        EXPECT_EQ(keys, c.rowKeys);
    }
}

TEST(ClockOffer, EveryRowAppliesTheOffsetItShows) {
    const zorvane::ClockOffer offers[] = {
        zorvane::ClockOfferAt("America/New_York", QDate(2023, 11, 5), QTime(1, 30), 40.7, -74.0),
        zorvane::ClockOfferAt("Asia/Kolkata", QDate(1943, 6, 1), QTime(12, 0), kKolkataLatitude, kKolkataLongitude),
        zorvane::ClockOfferAt("Asia/Kolkata", QDate(1903, 6, 1), QTime(12, 0), kMumbaiLatitude, kMumbaiLongitude),
    };
    for (const zorvane::ClockOffer& offer : offers) {
        const std::vector<zorvane::ClockChoiceRow> rows = zorvane::ClockChoiceRows(offer);
        ASSERT_GE(rows.size(), 2U);
        for (const zorvane::ClockChoiceRow& row : rows) {
            SCOPED_TRACE(std::string(row.option.key));
            EXPECT_EQ(zorvane::ApplyClockSelection(offer, row.selection, "12:00", "x").offsetSeconds,
                      row.option.offsetSeconds);
        }
    }
}

}  // namespace
