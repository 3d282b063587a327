// A whole reading as the window hands it over: the boxes hold anything the
// user typed, the lists only what they offer. A refused reading must leave
// the earlier reading and its result exactly as they were; an accepted one
// must show names from the tables.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "core/reading/calculation_driver.h"
#include "core/format/display_tables.h"
#include "tests/core/state_snapshot.h"

using namespace zorvane;

namespace {

const std::array<NumberFormat, 3> kFormats = {NumberFormat{"."}, NumberFormat{","},
                                               NumberFormat{"\xd9\xab"}};

// The boxes hold three characters in the window; longer texts still reach
// the core through other front ends, so they are allowed here.
constexpr std::size_t kLongestBoxText = 12;

ReadingForm FuzzedForm(FuzzedDataProvider& in) {
    ReadingForm form;
    form.name = in.ConsumeRandomLengthString(kLongestBoxText);
    form.zoneHour = in.ConsumeRandomLengthString(kLongestBoxText);
    form.zoneMinute = in.ConsumeRandomLengthString(kLongestBoxText);
    form.latDegrees = in.ConsumeRandomLengthString(kLongestBoxText);
    form.latMinutes = in.ConsumeRandomLengthString(kLongestBoxText);
    form.lonDegrees = in.ConsumeRandomLengthString(kLongestBoxText);
    form.lonMinutes = in.ConsumeRandomLengthString(kLongestBoxText);
    form.northSelected = in.ConsumeBool();
    form.southSelected = in.ConsumeBool();
    form.eastSelected = in.ConsumeBool();
    form.westSelected = in.ConsumeBool();
    form.daylightSaving = in.ConsumeBool();
    form.monthIndex = in.ConsumeIntegralInRange(0, 11);
    form.dayIndex = in.ConsumeIntegralInRange(0, 30);
    form.dayText = std::to_string(form.dayIndex + 1);
    form.yearText = std::to_string(in.ConsumeIntegralInRange(1901, 2050));
    form.hourText = std::to_string(in.ConsumeIntegralInRange(0, 23));
    form.minuteText = std::to_string(in.ConsumeIntegralInRange(0, 59));
    return form;
}

// 15 August 1947, 00:00, zone 5:30, 77:13 East: the reading before.
ReadingForm EarlierReading() {
    return ReadingForm{.name = "Bharat", .zoneHour = "5", .zoneMinute = "30", .latDegrees = "28",
                       .latMinutes = "36", .lonDegrees = "77", .lonMinutes = "13",
                       .monthIndex = 7, .dayIndex = 14, .dayText = "15", .yearText = "1947"};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const NumberFormat& format = kFormats[in.ConsumeIntegralInRange<std::size_t>(0, kFormats.size() - 1)];
    const ValidationScope scope =
        in.ConsumeBool() ? ValidationScope::FullReading : ValidationScope::WithoutNameAndLatitude;
    const ReadingForm form = FuzzedForm(in);

    BirthData birth;
    ChartState chart;
    FUZZ_CHECK(!RunCalculation(EarlierReading(), NumberFormat{}, birth, chart));
    const std::string birthBefore = Snapshot(birth);
    const std::string chartBefore = Snapshot(chart);

    const std::optional<Refusal> checked = ValidateInput(form, format, scope);
    const std::optional<Refusal> refused = RunCalculation(form, format, birth, chart, scope);
    FUZZ_CHECK(checked.has_value() == refused.has_value());
    if (refused) {
        FUZZ_CHECK(checked->message == refused->message);
        FUZZ_CHECK(!refused->message.empty());
        FUZZ_CHECK(Snapshot(birth) == birthBefore);
        FUZZ_CHECK(Snapshot(chart) == chartBefore);
        return 0;
    }
    // Accepted: every box the driver reads converted, so nothing of the
    // earlier reading is left in the record.
    FUZZ_CHECK(birth.ZoneHour == TextToWholeNumber(form.zoneHour, format, true));
    FUZZ_CHECK(birth.ZoneMinute == TextToWholeNumber(form.zoneMinute, format, true));
    FUZZ_CHECK(birth.LonDegrees == TextToWholeNumber(form.lonDegrees, format));
    FUZZ_CHECK(birth.LonMinutes == TextToWholeNumber(form.lonMinutes, format));
    FUZZ_CHECK(birth.Month == form.monthIndex + 1);
    FUZZ_CHECK(FindNakshatraRow(chart.NakshatraName).has_value());
    FUZZ_CHECK(FindYogaRow(chart.YogaName).has_value());
    return 0;
}
