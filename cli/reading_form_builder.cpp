#include "cli/reading_form_builder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "core/reading/offered_ranges.h"

namespace zorvane::cli {
namespace {

// What the window's drop-down lists offer (whole numbers; years, months,
// days of the month, hours and minutes of the clock time).
struct ListRange {
    InputColumn column;
    OfferedRange range;
    std::string_view refusal;
};

constexpr std::array<ListRange, 5> kListRanges = std::to_array<ListRange>({
    {InputColumn::Year, kOfferedYears, "year must be a whole number from 1901 to 2050"},
    {InputColumn::Month, kOfferedMonths, "month must be a whole number from 1 to 12"},
    {InputColumn::Day, kOfferedDays, "day must be a whole number from 1 to 31"},
    {InputColumn::Hour, kOfferedHours, "hour must be a whole number from 0 to 23"},
    {InputColumn::Minute, kOfferedMinutes, "minute must be a whole number from 0 to 59"},
});
static_assert(std::ranges::all_of(kListRanges, [](const ListRange& row) {
    return NamesRange(row.refusal, row.range);
}));


struct BoxText {
    InputColumn column;
    std::string_view refusal;
};

constexpr std::array<BoxText, 4> kBoxTexts = std::to_array<BoxText>({
    {InputColumn::ZoneHour, "zone_hour is longer than 3 characters"},
    {InputColumn::ZoneMinute, "zone_minute is longer than 3 characters"},
    {InputColumn::LonDegrees, "lon_deg is longer than 3 characters"},
    {InputColumn::LonMinutes, "lon_min is longer than 3 characters"},
});

std::optional<int> ParseListValue(std::string_view text, const ListRange& range) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    if (value < range.range.lowest || value > range.range.highest) {
        return std::nullopt;
    }
    return value;
}

// Characters as a box counts them: UTF-8 continuation bytes do not start one.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

}  // namespace

std::optional<std::string_view> BuildReadingForm(const ReadingFields& fields, ReadingForm& form) {
    std::array<int, kListRanges.size()> listValues{};
    for (std::size_t i = 0; i < kListRanges.size(); ++i) {
        std::optional<int> value = ParseListValue(fields[kListRanges[i].column], kListRanges[i]);
        if (!value) {
            return kListRanges[i].refusal;
        }
        listValues[i] = *value;
    }
    for (const BoxText& box : kBoxTexts) {
        if (CharacterCount(fields[box.column]) > kShortBoxCapacity) {
            return box.refusal;
        }
    }
    const std::string& direction = fields[InputColumn::LonDirection];
    if (direction != "E" && direction != "W") {
        return "lon_dir must be E or W";
    }
    const std::string& daylightSaving = fields[InputColumn::DaylightSaving];
    if (daylightSaving != "0" && daylightSaving != "1") {
        return "dst must be 0 or 1";
    }

    int second = 0;
    if (!fields.second.empty()) {
        const std::optional<int> value = ParseListValue(
            fields.second, ListRange{InputColumn::Minute, kOfferedMinutes, "second must be a whole number from 0 to 59"});
        if (!value) return "second must be a whole number from 0 to 59";
        second = *value;
    }
    const auto [year, month, day, hour, minute] = listValues;
    form.clockSecond = second;
    form.zoneSecond = fields.zoneSecond;
    form.yearText = std::to_string(year);
    form.monthIndex = month - 1;
    form.dayIndex = day - 1;
    form.dayText = std::to_string(day);
    form.hourText = std::to_string(hour);
    form.minuteText = std::to_string(minute);
    form.zoneHour = fields[InputColumn::ZoneHour];
    form.zoneMinute = fields[InputColumn::ZoneMinute];
    form.lonDegrees = fields[InputColumn::LonDegrees];
    form.lonMinutes = fields[InputColumn::LonMinutes];
    form.eastSelected = direction == "E";
    form.westSelected = direction == "W";
    form.daylightSaving = daylightSaving == "1";
    // An unusable latitude is left for the details to report.
    form.latDegrees = fields.latDegrees;
    form.latMinutes = fields.latMinutes;
    form.northSelected = fields.latDirection == "N";
    form.southSelected = fields.latDirection == "S";
    return std::nullopt;
}

}  // namespace zorvane::cli
