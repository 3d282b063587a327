// The details and dasha a record carries agree with the record they join.
#include <gtest/gtest.h>

#include "core/dasha/dasha_lords.h"
#include "core/reading/birth_record.h"
#include "core/reading/calculation_driver.h"
#include "sample_readings.h"

namespace zorvane {
namespace {

TEST(AddDetailsAndDasha, FollowTheRecordsNakshatraLatitudeAndBirth) {
    struct Case {
        const char* latDegrees;
        SunNote note;
    };
    for (const Case& c : {Case{"28", SunNote::None}, Case{"95", SunNote::NeedsLatitude}}) {
        ReadingForm form = testing_readings::Independence1947();
        form.latDegrees = c.latDegrees;
        BirthData birth;
        ChartState chart;
        ASSERT_FALSE(RunCalculation(form, NumberFormat{}, birth, chart));
        BirthRecord record = MakeBirthRecord(form, NumberFormat{}, birth, chart);
        EXPECT_FALSE(record.details || record.dasha) << "only on request";
        AddDetailsAndDasha(record, chart);
        ASSERT_TRUE(record.details && record.dasha && record.nakshatraIndex);
        EXPECT_EQ(record.details->nakshatra.index, *record.nakshatraIndex);
        EXPECT_EQ(record.details->sunNote, c.note) << c.latDegrees;
        EXPECT_EQ(record.dasha->birthLord, *record.nakshatraIndex % kDashaLordCount);
        EXPECT_EQ(record.dasha->birthJd, record.details->universalJd);
    }
}

}  // namespace
}  // namespace zorvane
