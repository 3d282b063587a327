// The details as text: clock times, angles and the near-bound sentences that
// the window and the command line share.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/time/day_number.h"
#include "core/format/details_text.h"

namespace zorvane {
namespace {

constexpr double kMinutesPerDay = 1440;

double UniversalJd(int year, int month, int day, double hours) {
    return DayNumber(month, day, year) - 0.5 + hours / 24;
}

TEST(DetailsText, MomentsInTheBirthClockAndInUniversalTime) {
    const double birth = UniversalJd(1947, 8, 14, 18.5);
    struct Case {
        double jd;
        double leadHours;
        const char* clock;
    };
    const Case cases[] = {
        {birth, 5.5, "1947-08-15T00:00:00+05:30"},
        {birth, -5.0, "1947-08-14T13:30:00-05:00"},
        {birth, 5.75, "1947-08-15T00:15:00+05:45"},
        {birth, 0.0, "1947-08-14T18:30:00+00:00"},
        // Under half a second before midnight stays in its own day (a sunset
        // at 23:59:59.6 is not one of the next day), with or without a lead.
        {UniversalJd(1999, 12, 31, 24 - 0.4 / 3600), 0.0, "1999-12-31T23:59:59+00:00"},
        {UniversalJd(1999, 12, 31, 18.5 - 0.4 / 3600), 5.5, "1999-12-31T23:59:59+05:30"},
        // Midnight a hair early, as a Julian day carries it, is midnight.
        {UniversalJd(1999, 12, 31, 24 - 1e-5 / 3600), 0.0, "2000-01-01T00:00:00+00:00"},
        {UniversalJd(1999, 12, 31, 24 - 0.6 / 3600), 0.0, "1999-12-31T23:59:59+00:00"},
        {UniversalJd(2000, 2, 28, 23.0), 2.0, "2000-02-29T01:00:00+02:00"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatBirthClock(c.jd, c.leadHours), c.clock);
    EXPECT_EQ(FormatUniversalTime(birth), "1947-08-14T18:30:00Z");
    EXPECT_EQ(FormatClockLead(-3.5), "-3:30");
    EXPECT_EQ(FormatClockLead(5.5), "+5:30");
}

TEST(DetailsText, AnglesRoundToTheSecondAndCarryIntoTheNextSign) {
    EXPECT_EQ(FormatDegreesMinutesSeconds(23.85), "23°51′00″");
    EXPECT_EQ(FormatDegreesMinutesSeconds(0.9999999), "1°00′00″");
    EXPECT_EQ(FormatLatitude(28.6), "28°36′N");
    EXPECT_EQ(FormatLongitude(-(74 + 1 / 60.0)), "74°01′W");
    EXPECT_EQ(FormatSignPosition(125.5), "Simha 5°30′00″");
    EXPECT_EQ(FormatSignPosition(29.99999), "Vrishabha 0°00′00″");
    EXPECT_EQ(FormatSignPosition(359.99999), "Mesha 0°00′00″");
    EXPECT_EQ(TithiWithPaksha(29), "Krishna Amavasya");
    EXPECT_EQ(TithiWithPaksha(14), "Shukla Purnima");
}

TEST(DetailsText, ABoundWithinFifteenMinutesGetsASentence) {
    struct Case {
        const char* what;
        double minutesSinceStart;
        double minutesUntilEnd;
        std::vector<std::string> sentences;
    };
    const Case cases[] = {
        {"the example", 4.5, 600,
         {"The nakshatra began 4 minutes before the birth; a birth 5 minutes earlier gives Punarvasu."}},
        {"under a minute", 0.25, 600,
         {"The nakshatra began less than a minute before the birth; a birth 1 minute earlier gives Punarvasu."}},
        {"an end", 600, 2.2,
         {"The nakshatra ends 2 minutes after the birth; a birth 3 minutes later gives Ashlesha."}},
        {"one minute", 600, 1.5,
         {"The nakshatra ends 1 minute after the birth; a birth 2 minutes later gives Ashlesha."}},
        {"just outside", 15.5, 15.01, {}},
    };
    for (const Case& c : cases) {
        BirthDetails details;
        details.universalJd = 2450000.5;
        // Every other limb far from its bounds.
        for (LimbSpan* span : {&details.tithi, &details.karana, &details.yoga}) {
            span->startJd = details.universalJd - 1;
            span->endJd = details.universalJd + 1;
        }
        details.nakshatra = {7, details.universalJd - c.minutesSinceStart / kMinutesPerDay,
                             details.universalJd + c.minutesUntilEnd / kMinutesPerDay};
        EXPECT_EQ(NearBoundSentences(details), c.sentences) << c.what;
    }
}

TEST(DetailsText, NeighboursWrapAroundTheirLists) {
    BirthDetails details;
    details.universalJd = 2450000.5;
    const double near = 1.0 / kMinutesPerDay;
    details.tithi = {29, details.universalJd - 1, details.universalJd + near};  // Amavasya ends
    details.karana = {0, details.universalJd - near, details.universalJd + 1};  // Kimstughna began
    details.yoga = {26, details.universalJd - 1, details.universalJd + near};
    details.nakshatra = {0, details.universalJd - near, details.universalJd + 1};
    details.weekday = 0;
    details.varaStartJd = details.universalJd - near;
    details.varaEndJd = details.universalJd + 1;
    const std::vector<std::string> sentences = NearBoundSentences(details);
    ASSERT_EQ(sentences.size(), 5u);
    EXPECT_NE(sentences[0].find("tithi ends"), std::string::npos);
    EXPECT_NE(sentences[0].find("gives Shukla Pratipada."), std::string::npos);
    EXPECT_NE(sentences[1].find("gives Shanivara."), std::string::npos);
    EXPECT_NE(sentences[2].find("gives Revati."), std::string::npos);
    EXPECT_NE(sentences[3].find("gives Vishkambha."), std::string::npos);
    EXPECT_NE(sentences[4].find("gives Naga."), std::string::npos);
}

}  // namespace
}  // namespace zorvane
