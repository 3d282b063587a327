#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "core/panchang/birth_details.h"

namespace zorvane {

// A detail's value: none, a whole number, a number (degrees) or a text.
using DetailValue = std::variant<std::monostate, int, double, std::string>;

struct DetailField {
    std::string_view key;
    DetailValue value;
};

// The keys of the details, in the order the command line's "details" object
// and the batch's columns give them.
inline constexpr auto kDetailKeys = std::to_array<std::string_view>({
    "moon_rashi",
    "nakshatra_pada",
    "nakshatra_lord",
    "nakshatra_start",
    "nakshatra_end",
    "sun_sidereal",
    "sun_rashi",
    "tithi_number",
    "tithi_name",
    "paksha",
    "tithi_start",
    "tithi_end",
    "karana_number",
    "karana_name",
    "karana_start",
    "karana_end",
    "yoga_start",
    "yoga_end",
    "sunrise",
    "sunset",
    "vara",
    "sun_note",
    "universal_time",
});
static_assert(kDetailKeys.size() == 23);

// The details as those fields: times as ISO 8601 text in the birth's clock
// (universal_time in universal time), the Sun's sidereal longitude in
// degrees, sunrise, sunset and vara empty without a valid latitude, sunrise
// and sunset empty where the Sun does not rise or set, sun_note empty when
// both are there.
std::array<DetailField, kDetailKeys.size()> DetailFieldsOf(const BirthDetails& details);

}  // namespace zorvane
