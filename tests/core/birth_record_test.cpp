// The record the front ends read: the latitude as applied, the indices and
// the numbers of one calculation.
#include "core/reading/birth_record.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>

#include "core/reading/calculation_driver.h"
#include "core/reading/compute_reading.h"
#include "sample_readings.h"

namespace zorvane {
namespace {

// Degrees plus minutes / 60 is the whole computation; only its rounding can
// differ from the reference values below.
constexpr double kLatitudeTolerance = 1e-12;

TEST(LatitudeFromForm, RangeDirectionAndNumberFormat) {
    struct Case {
        const char* degrees;
        const char* minutes;
        bool north;
        bool south;
        const char* decimalPoint;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"28", "36", true, false, ".", 28.6},
        {"12", "30", false, true, ".", -12.5},
        {"90", "0", true, false, ".", 90.0},
        {"0", "0", false, true, ".", 0.0},
        {" 40 ", "59", true, false, ".", 40 + 59 / 60.0},
        {"12,4", "0", true, false, ",", 12.0},  // boxes round as the longitude's do
        {"90", "1", true, false, ".", std::nullopt},
        {"91", "0", true, false, ".", std::nullopt},
        {"-5", "0", true, false, ".", std::nullopt},
        {"12", "60", true, false, ".", std::nullopt},
        {"12", "-1", true, false, ".", std::nullopt},
        {"", "0", true, false, ".", std::nullopt},
        {"ab", "0", true, false, ".", std::nullopt},
        {"12", "0", false, false, ".", std::nullopt},
        {"12", "0", true, true, ".", std::nullopt},
    };
    for (const Case& c : cases) {
        ReadingForm form = testing_readings::Independence1947();
        form.latDegrees = c.degrees;
        form.latMinutes = c.minutes;
        form.northSelected = c.north;
        form.southSelected = c.south;
        const std::optional<double> latitude = LatitudeFromForm(form, NumberFormat{c.decimalPoint});
        const std::string where = std::string(c.degrees) + "/" + c.minutes;
        ASSERT_EQ(latitude.has_value(), c.expected.has_value()) << where;
        if (latitude) {
            EXPECT_NEAR(*latitude, *c.expected, kLatitudeTolerance) << where;
        }
    }
}

TEST(ComputeReading, HoldsWhatTheStepsWroteAndWhoseReadingItIs) {
    ReadingForm form = testing_readings::Independence1947();
    form.secondText = "42";
    form.place = {"New Delhi", "Delhi", "India", "Asia/Kolkata"};
    BirthData birth;
    ChartState chart;
    ASSERT_FALSE(RunCalculation(form, NumberFormat{}, birth, chart));

    const auto input = ParseForm(form, NumberFormat{});
    ASSERT_TRUE(std::holds_alternative<BirthInput>(input));
    const BirthRecord record = ComputeReading(std::get<BirthInput>(input));
    EXPECT_EQ(NakshatraNameOf(record), chart.NakshatraName);
    EXPECT_EQ(YogaNameOf(record), "Siddhi");
    EXPECT_EQ(record.birth.Year, 1947);
    EXPECT_EQ(record.moonSidereal, chart.MoonLongitude);
    EXPECT_EQ(record.yogaPosition, chart.YogaPosition);
    EXPECT_EQ(record.jde, chart.JulianEphemerisDay);
    ASSERT_TRUE(record.latitudeDegrees);
    EXPECT_NEAR(*record.latitudeDegrees, 28.6, kLatitudeTolerance);
    EXPECT_EQ(record.name, form.name);
    EXPECT_EQ(record.place, form.place);
    EXPECT_EQ(record.second, 42);
    ASSERT_TRUE(record.details && record.dasha);
    EXPECT_EQ(record.dasha->birthLord, ComputeVimshottariDasha(chart.MoonLongitude,
                                                               record.details->universalJd).birthLord);
}

TEST(ComputeReading, GivesOnlyThePartsAskedFor) {
    const auto input = ParseForm(testing_readings::Independence1947(), NumberFormat{});
    const BirthInput& typed = std::get<BirthInput>(input);
    const BirthRecord names = ComputeReading(typed, ReadingParts::NamesOnly);
    EXPECT_FALSE(names.details || names.dasha);
    const BirthRecord details = ComputeReading(typed, ReadingParts::WithDetails);
    EXPECT_TRUE(details.details && !details.dasha);
}

TEST(ParseForm, RefusesAsTheChecksDo) {
    ReadingForm form = testing_readings::Independence1947();
    form.name.clear();
    const auto input = ParseForm(form, NumberFormat{});
    ASSERT_TRUE(std::holds_alternative<Refusal>(input));
    EXPECT_EQ(std::get<Refusal>(input).followUp, FormControl::txtName);
    EXPECT_TRUE(std::holds_alternative<BirthInput>(
        ParseForm(form, NumberFormat{}, ValidationScope::WithoutNameAndLatitude)));
}

TEST(MakeBirthRecord, NoRowGivesNoName) {
    BirthRecord record;
    EXPECT_EQ(NakshatraNameOf(record), "");
    EXPECT_EQ(YogaNameOf(record), "");
}

}  // namespace
}  // namespace zorvane
