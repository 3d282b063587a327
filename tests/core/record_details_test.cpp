// The details and dasha a record carries agree with the record they join.
#include <gtest/gtest.h>

#include "core/dasha/dasha_lords.h"
#include "core/reading/birth_record.h"
#include "core/reading/compute_reading.h"
#include "sample_readings.h"

namespace zorvane {
namespace {

TEST(ComputeReading, DetailsAndDashaFollowTheRecordsNakshatraLatitudeAndBirth) {
    struct Case {
        const char* latDegrees;
        SunNote note;
    };
    for (const Case& c : {Case{"28", SunNote::None}, Case{"95", SunNote::NeedsLatitude}}) {
        ReadingForm form = testing_readings::Independence1947();
        form.latDegrees = c.latDegrees;
        const auto input = ParseForm(form, NumberFormat{});
        ASSERT_TRUE(std::holds_alternative<BirthInput>(input));
        const BirthRecord record = ComputeReading(std::get<BirthInput>(input));
        ASSERT_TRUE(record.details && record.dasha && record.nakshatraIndex);
        EXPECT_EQ(record.details->nakshatra.index, *record.nakshatraIndex);
        EXPECT_EQ(record.details->sunNote, c.note) << c.latDegrees;
        EXPECT_EQ(record.dasha->birthLord, *record.nakshatraIndex % kDashaLordCount);
        EXPECT_EQ(record.dasha->birthJd, record.details->universalJd);
    }
}

}  // namespace
}  // namespace zorvane
