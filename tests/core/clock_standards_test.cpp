// India's clock standards before 1956: which apply where and when, and the
// refusals of the command line's --clock.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "core/zones/clock_standards.h"

namespace {

using zorvane::BirthPlaceAndYear;
using zorvane::ClockStandardOption;

constexpr int kIndianStandardSeconds = 5 * 3600 + 30 * 60;
// Places (degrees, east and north positive) from the atlas.
constexpr double kMumbaiLat = 18.975, kMumbaiLon = 72.826;
constexpr double kKolkataLat = 22.570, kKolkataLon = 88.370;
constexpr double kDelhiLat = 28.650, kDelhiLon = 77.230;
constexpr double kColomboLat = 6.930, kColomboLon = 79.850;

std::string Keys(const BirthPlaceAndYear& birth) {
    std::string keys;
    for (const ClockStandardOption& option : zorvane::ClockStandardsAt(birth)) {
        keys += std::string(keys.empty() ? "" : " ") + std::string(option.key);
    }
    return keys;
}

TEST(ClockStandards, EachPlaceAndYearGetsItsStandards) {
    const struct {
        const char* zone;
        double lat, lon;
        int year;
        const char* keys;
    } cases[] = {
        {"Asia/Kolkata", kMumbaiLat, kMumbaiLon, 1950, "tz bombay lmt"},
        {"Asia/Kolkata", kMumbaiLat, kMumbaiLon, 1955, "tz bombay lmt"},
        {"Asia/Kolkata", kMumbaiLat, kMumbaiLon, 1956, ""},  // one clock for all India
        {"Asia/Kolkata", kMumbaiLat, kMumbaiLon, 1943, "tz bombay war lmt"},
        {"Asia/Kolkata", kMumbaiLat, kMumbaiLon, 1903, "tz bombay madras lmt"},
        {"Asia/Kolkata", kKolkataLat, kKolkataLon, 1948, "tz calcutta lmt"},
        {"Asia/Kolkata", kKolkataLat, kKolkataLon, 1949, "tz lmt"},
        {"Asia/Calcutta", kKolkataLat, kKolkataLon, 1944, "tz calcutta war lmt"},
        {"Asia/Kolkata", kDelhiLat, kDelhiLon, 1950, "tz lmt"},
        {"Asia/Karachi", 24.86, 67.01, 1942, "tz war lmt"},
        {"Asia/Dhaka", 23.72, 90.41, 1905, "tz madras lmt"},
        {"Asia/Colombo", kColomboLat, kColomboLon, 1942, "tz lmt"},  // Ceylon kept neither
        {"Europe/London", 51.5, -0.13, 1950, ""},
        {"", kMumbaiLat, kMumbaiLon, 1950, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Keys({c.zone, c.lat, c.lon, c.year, kIndianStandardSeconds}), c.keys) << c.zone << " " << c.year;
    }
}

// Offsets as the sources give them; local mean time from the longitude,
// 4 minutes a degree, to the second.
TEST(ClockStandards, OffsetsFollowTheSourcesAndTheLongitude) {
    const std::vector<ClockStandardOption> mumbai =
        zorvane::ClockStandardsAt({"Asia/Kolkata", kMumbaiLat, kMumbaiLon, 1903, 5 * 3600 + 21 * 60});
    ASSERT_EQ(mumbai.size(), 4U);
    EXPECT_EQ(mumbai[0].offsetSeconds, 5 * 3600 + 21 * 60);         // the tz value as given
    EXPECT_EQ(mumbai[1].offsetSeconds, 4 * 3600 + 51 * 60);         // Bombay Time
    EXPECT_EQ(mumbai[2].offsetSeconds, 5 * 3600 + 21 * 60 + 10);    // Madras time
    EXPECT_EQ(mumbai[3].offsetSeconds, 4 * 3600 + 51 * 60 + 18);    // 72.826 * 240 s = 17478.2 s
    EXPECT_EQ(mumbai[1].years, "until 1955");
    const std::vector<ClockStandardOption> kolkata =
        zorvane::ClockStandardsAt({"Asia/Kolkata", kKolkataLat, kKolkataLon, 1942, kIndianStandardSeconds});
    ASSERT_EQ(kolkata.size(), 4U);
    EXPECT_EQ(kolkata[1].offsetSeconds, 5 * 3600 + 53 * 60 + 20);
    EXPECT_EQ(kolkata[2].offsetSeconds, 6 * 3600 + 30 * 60);
    EXPECT_EQ(kolkata[2].years, "1941-1945");
    EXPECT_EQ(zorvane::LocalMeanTimeSeconds(-74.0), -(4 * 3600 + 56 * 60));
}

TEST(ClockStandards, ChoosingOutsideItsYearsOrPlacesSaysWhy) {
    const BirthPlaceAndYear mumbai1950{"Asia/Kolkata", kMumbaiLat, kMumbaiLon, 1950, kIndianStandardSeconds};
    const auto bombay = zorvane::ChooseClockStandard("bombay", mumbai1950);
    ASSERT_TRUE(std::holds_alternative<ClockStandardOption>(bombay));
    EXPECT_EQ(std::get<ClockStandardOption>(bombay).offsetSeconds, 4 * 3600 + 51 * 60);

    const struct {
        const char* key;
        BirthPlaceAndYear birth;
        const char* refusal;
    } refused[] = {
        {"calcutta", mumbai1950, "Calcutta Time was kept by Kolkata and Howrah, until 1948; not in 1950"},
        {"calcutta", {"Asia/Kolkata", kMumbaiLat, kMumbaiLon, 1940, 0},
         "Calcutta Time was kept by Kolkata and Howrah, until 1948; not at this place"},
        {"bombay", {"Asia/Kolkata", kMumbaiLat, kMumbaiLon, 1960, 0},
         "Bombay Time was kept by Bombay and its suburbs, until 1955; not in 1960"},
        {"war", mumbai1950, "War time was kept by British India, 1941-1945; not in 1950"},
        {"madras", {"Asia/Colombo", kColomboLat, kColomboLon, 1903, 0},
         "Madras (railway) time was kept by railways and telegraphs of British India, until 1905; not at this place"},
        {"lmt", {"Europe/London", 51.5, -0.13, 1920, 0},
         "Local mean time was kept by any place, from its longitude, until 1955; not at this place"},
        {"gmt", mumbai1950, "the clock must be one of bombay, calcutta, madras, war, lmt, tz"},
    };
    for (const auto& r : refused) {
        const auto chosen = zorvane::ChooseClockStandard(r.key, r.birth);
        ASSERT_TRUE(std::holds_alternative<std::string>(chosen)) << r.key;
        EXPECT_EQ(std::get<std::string>(chosen), r.refusal);
    }
}

}  // namespace
