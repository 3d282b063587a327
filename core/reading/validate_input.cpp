#include "core/reading/validate_input.h"

#include <cstdlib>

namespace zorvane {

namespace {

constexpr int kFebruaryIndex = 1;
// Positions of the day list: "29" is 28, "30" is 29, "31" is 30.
constexpr int kDay29Index = 28;
constexpr int kDay30Index = 29;
constexpr int kDay31Index = 30;

// Zones in use lie from 12 hours behind to 14 hours ahead of universal time.
constexpr int kMaxZoneHours = 14;
constexpr int kMaxMinutes = 59;  // of a zone, or arcminutes of longitude
constexpr int kMaxLongitudeDegrees = 180;
constexpr int kArcminutesPerDegree = 60;

bool IsThirtyDayMonth(int monthIndex) {
    // April, June, September, November.
    return monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
}

// Within the years offered, 1901..2050, every fourth year is a leap year
// (2000 included), so divisibility by 4 is the whole rule.
bool IsLeapYear(const std::string& yearText) {
    const std::optional<std::int16_t> year = TextToWholeNumber(yearText, NumberFormat{});
    return year && *year % 4 == 0;
}

Refusal Error(std::string_view message, FormControl followUp) {
    return Refusal{message, MessageIcon::Error, followUp};
}

}  // namespace

std::optional<Refusal> ValidateInput(const ReadingForm& form, const NumberFormat& format,
                                     ValidationScope scope) {
    const bool full = scope == ValidationScope::FullReading;
    if (full && form.name.empty()) return Error("Please Enter Your Name", FormControl::txtName);
    if (form.zoneHour.empty()) return Error("Please Enter Degree of Time Zone", FormControl::txtZoneHour);
    if (form.zoneMinute.empty()) return Error("Please Enter Minute of Time Zone", FormControl::txtZoneMinute);
    if (full && form.latDegrees.empty()) return Error("Please Enter Degree of Latitude", FormControl::txtLatD);
    if (full && form.latMinutes.empty()) return Error("Please Enter Minutes of Latitude", FormControl::txtLatM);
    if (form.lonDegrees.empty()) return Error("Please Enter Degree of Longitude", FormControl::txtLonD);
    if (form.lonMinutes.empty()) return Error("Please Enter Minute of Longitude", FormControl::txtLonM);
    if (full && !form.northSelected && !form.southSelected) {
        return Error("Please Select Direction For The Latitude", FormControl::optLatNorth);
    }
    if (!form.eastSelected && !form.westSelected) {
        return Error("Please Select Direction For The Longitude", FormControl::optLongEast);
    }

    const bool february = form.monthIndex == kFebruaryIndex;
    const int firstImpossibleFebruaryDay = IsLeapYear(form.yearText) ? kDay30Index : kDay29Index;
    if (february && form.dayIndex >= firstImpossibleFebruaryDay && form.dayIndex <= kDay31Index) {
        return Refusal{"Please Enter Correct Date Or Month!", MessageIcon::Information, FormControl::None};
    }
    if (IsThirtyDayMonth(form.monthIndex) && form.dayIndex == kDay31Index) {
        return Refusal{"Please Enter Correct Date Or Month !", MessageIcon::Information, FormControl::None};
    }

    // A box that does not hold a whole number of 16 bits would otherwise
    // leave the previous reading's value in the calculation unnoticed. Past
    // that, a value outside the ranges below gives a universal time that no
    // clock on Earth showed, with no sign of the slip.
    const std::optional<std::int16_t> zoneHours = TextToWholeNumber(form.zoneHour, format, true);
    if (!zoneHours) return Error("Please Enter Valid Hour of Time Zone", FormControl::txtZoneHour);
    const std::optional<std::int16_t> zoneMinutes = TextToWholeNumber(form.zoneMinute, format, true);
    if (!zoneMinutes) return Error("Please Enter Valid Minute of Time Zone", FormControl::txtZoneMinute);
    const std::optional<std::int16_t> lonDegrees = TextToWholeNumber(form.lonDegrees, format);
    if (!lonDegrees) return Error("Please Enter Valid Degree of Longitude", FormControl::txtLonD);
    const std::optional<std::int16_t> lonMinutes = TextToWholeNumber(form.lonMinutes, format);
    if (!lonMinutes) return Error("Please Enter Valid Minute of Longitude", FormControl::txtLonM);

    if (*zoneHours > kMaxZoneHours) {
        return Error("Please Enter Valid Hour of Time Zone", FormControl::txtZoneHour);
    }
    if (*zoneMinutes > kMaxMinutes) {
        return Error("Please Enter Valid Minute of Time Zone", FormControl::txtZoneMinute);
    }
    if (std::abs(*lonDegrees) > kMaxLongitudeDegrees) {
        return Error("Please Enter Valid Degree of Longitude", FormControl::txtLonD);
    }
    // The time base adds the two boxes with their signs, so that sum is the
    // angle that must not pass 180°00'.
    const int lonArcminutes = *lonDegrees * kArcminutesPerDegree + *lonMinutes;
    if (std::abs(*lonMinutes) > kMaxMinutes ||
        std::abs(lonArcminutes) > kMaxLongitudeDegrees * kArcminutesPerDegree) {
        return Error("Please Enter Valid Minute of Longitude", FormControl::txtLonM);
    }
    return std::nullopt;
}

std::optional<Refusal> ValidatePlaceSearch(std::string_view city, std::string_view state,
                                           std::string_view country) {
    if (city.empty()) return Error("Please Enter Name Of City", FormControl::txtCity);
    if (state.empty()) return Error("Please Enter Name Of State", FormControl::txtState);
    if (country.empty()) return Error("Please Enter Name Of Country", FormControl::txtCountry);
    return std::nullopt;
}

}  // namespace zorvane
