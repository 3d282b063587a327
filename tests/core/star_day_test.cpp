// The day for a birth star: the Moon's nakshatras and signs tile the day and
// change where the program's own Moon crosses their bounds; taras, chandrabala
// and chandrashtama follow from the counts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/matching/match_text.h"
#include "core/matching/star_day.h"
#include "core/panchang/limbs.h"

namespace zorvane {
namespace {

// The crossing search stops within a tenth of a second; a minute either side
// of a bound is far outside that and far inside the shortest span.
constexpr double kMinuteDays = 1.0 / 1440.0;
constexpr double kIstLeadHours = 5.5;
constexpr double kNakshatrasPerSign = 27.0 / 12.0;

int NakshatraAt(double jd) { return static_cast<int>(std::floor(LimbPositionAt(Limb::Nakshatra, jd))); }
int SignAt(double jd) { return static_cast<int>(std::floor(LimbPositionAt(Limb::Nakshatra, jd) / kNakshatrasPerSign)); }

TEST(StarDay, SpansTileTheDayAndChangeAtTheMoonsCrossings) {
    // A few days of one month, for every birth pada's sign and star.
    for (int dayOfMonth = 1; dayOfMonth <= 28; dayOfMonth += 3) {
        const auto [start, end] = CivilDayBounds(2024, 3, dayOfMonth, kIstLeadHours);
        const StarDay day = ComputeStarDay({3, 2}, start, end);
        ASSERT_FALSE(day.taras.empty());
        ASSERT_FALSE(day.signs.empty());
        EXPECT_LE(day.taras.front().startJd, start);
        EXPECT_GE(day.taras.back().endJd, end);
        EXPECT_LE(day.signs.front().startJd, start);
        EXPECT_GE(day.signs.back().endJd, end);
        for (std::size_t i = 0; i < day.taras.size(); ++i) {
            const TaraSpan& span = day.taras[i];
            if (i > 0) {
                EXPECT_EQ(span.startJd, day.taras[i - 1].endJd);
            }
            EXPECT_EQ(NakshatraAt(span.startJd + kMinuteDays), span.nakshatra);
            EXPECT_EQ(NakshatraAt(span.endJd - kMinuteDays), span.nakshatra);
            EXPECT_NE(NakshatraAt(span.endJd + kMinuteDays), span.nakshatra);
        }
        for (std::size_t i = 0; i < day.signs.size(); ++i) {
            const MoonSignSpan& span = day.signs[i];
            if (i > 0) {
                EXPECT_EQ(span.startJd, day.signs[i - 1].endJd);
            }
            EXPECT_EQ(SignAt(span.startJd + kMinuteDays), span.sign);
            EXPECT_EQ(SignAt(span.endJd - kMinuteDays), span.sign);
            EXPECT_NE(SignAt(span.endJd + kMinuteDays), span.sign);
        }
    }
}

TEST(StarDay, TarasAndChandrabalaFollowTheCounts) {
    const auto [start, end] = CivilDayBounds(2024, 3, 15, kIstLeadHours);
    const int moonStar = NakshatraAt(start);
    const int moonSign = SignAt(start);
    for (int pada = 0; pada < kStarPadaCount; ++pada) {
        const Star birth{pada / 4, pada % 4 + 1};
        const StarDay day = ComputeStarDay(birth, start, end);
        // The tara of the day's first star: the count from the birth star by nines.
        const int count = (moonStar - birth.nakshatra + 27) % 27 + 1;
        const int tara = count % 9 == 0 ? 9 : count % 9;
        EXPECT_EQ(day.taras.front().tara, tara);
        EXPECT_EQ(day.taras.front().favourable, tara != 3 && tara != 5 && tara != 7);
        const int signCount = (moonSign - SignOfStar(birth) + 12) % 12 + 1;
        EXPECT_EQ(day.signs.front().count, signCount);
        EXPECT_EQ(day.signs.front().chandrashtama, signCount == 8);
        bool anyEighth = false;
        for (const MoonSignSpan& s : day.signs) anyEighth = anyEighth || s.count == 8;
        EXPECT_EQ(day.chandrashtama, anyEighth);
    }
}

TEST(StarDay, CivilDayRunsFromMidnightOnTheClock) {
    // 2000 January 1 begins at 2451544.5 in universal time, 5h30m earlier in India.
    const auto [start, end] = CivilDayBounds(2000, 1, 1, kIstLeadHours);
    EXPECT_NEAR(start, 2451544.5 - 5.5 / 24.0, 1e-9);
    EXPECT_NEAR(end - start, 1.0, 1e-9);
}

}  // namespace
}  // namespace zorvane
