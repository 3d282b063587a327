#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// The user's regional number format, as far as reading a box needs it.
struct NumberFormat {
    std::string decimalPoint = ".";  // UTF-8, e.g. "," in most of Europe
};

// Reads a box's text (UTF-8) as a number in the given format and rounds it to
// the nearest whole number, a value exactly halfway going to the even
// neighbour. Surrounding blanks and a leading sign are accepted, and so is an
// exponent ("1e2"). Returns nothing when the text is not a number or the
// rounded value does not fit in 16 bits. With takeMagnitude the absolute value
// is taken before rounding (the zone boxes).
std::optional<std::int16_t> TextToWholeNumber(std::string_view text, const NumberFormat& format,
                                              bool takeMagnitude = false);

}  // namespace zorvane
