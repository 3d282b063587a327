// Every place that writes a name takes it from the one name table: the
// details, the result panel's row, the chart, the dasha, the horas and the
// matching tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "core/dasha/dasha_lords.h"
#include "core/format/dasha_text.h"
#include "core/format/reading_lines.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/period_tables.h"
#include "core/panchang/yoga_names.h"
#include "core/reading/compute_reading.h"
#include "core/sky/ephemeris.h"
#include "core/sky/graha_names.h"
#include "sample_readings.h"

namespace zorvane {
namespace {

bool IsGraha(std::string_view name) { return std::ranges::find(kGrahaNames, name) != kGrahaNames.end(); }

std::string LimbName(const std::vector<LimbLine>& lines, std::string_view limb) {
    for (const LimbLine& line : lines) {
        if (line.limb == limb) return line.name;
    }
    return {};
}

// Every day of August 1947 at midnight and noon: no yoga or nakshatra lasts
// under half a day, so each of the 27 of both is met.
TEST(NameTable, DetailsWriteEveryYogaAndNakshatraAsTheResultPanelDoes) {
    std::set<int> yogasSeen;
    std::set<int> nakshatrasSeen;
    for (int day = 0; day < 31; ++day) {
        for (const char* hour : {"0", "12"}) {
            ReadingForm form = testing_readings::Independence1947();
            form.dayIndex = day;
            form.dayText = std::to_string(day + 1);
            form.hourText = hour;
            const auto input = ParseForm(form, NumberFormat{});
            ASSERT_TRUE(std::holds_alternative<BirthInput>(input)) << day;
            const BirthRecord record = ComputeReading(std::get<BirthInput>(input), ReadingParts::WithDetails);
            ASSERT_TRUE(record.details && record.yogaIndex && record.nakshatraIndex);
            const std::vector<LimbLine> limbs = LimbLines(*record.details);
            EXPECT_EQ(LimbName(limbs, "Yoga"), YogaNames[static_cast<std::size_t>(record.details->yoga.index)]);
            EXPECT_EQ(LimbName(limbs, "Nakshatra"),
                      NakshatraNames[static_cast<std::size_t>(record.details->nakshatra.index)]);
            // The result panel shows the record's row: the same name.
            EXPECT_EQ(LimbName(limbs, "Yoga"), YogaNameOf(record)) << day << ' ' << hour;
            EXPECT_EQ(LimbName(limbs, "Nakshatra"), NakshatraNameOf(record)) << day << ' ' << hour;
            yogasSeen.insert(*record.yogaIndex);
            nakshatrasSeen.insert(*record.nakshatraIndex);
        }
    }
    EXPECT_EQ(yogasSeen.size(), static_cast<std::size_t>(kYogaCount));
    EXPECT_EQ(nakshatrasSeen.size(), static_cast<std::size_t>(kNakshatraCount));
}

// The grahas' names wherever a graha is named.
TEST(NameTable, EveryGrahaNameComesFromTheGrahaTable) {
    for (int g = 0; g < kGrahaCount; ++g) {
        EXPECT_EQ(GrahaName(static_cast<Graha>(g)), kGrahaNames[static_cast<std::size_t>(g)]);
    }
    std::set<std::string_view> lords;
    for (int lord = 0; lord < kDashaLordCount; ++lord) lords.insert(DashaLordName(lord));
    EXPECT_EQ(lords, std::set<std::string_view>(kGrahaNames.begin(), kGrahaNames.end()));
    for (std::string_view hora : kHoraLordCycle) EXPECT_TRUE(IsGraha(hora)) << hora;
    for (int nakshatra = 0; nakshatra < kNakshatraCount; ++nakshatra) {
        EXPECT_EQ(NakshatraLord(nakshatra), DashaLordName(nakshatra % kDashaLordCount)) << nakshatra;
    }
}

}  // namespace
}  // namespace zorvane
