#pragma once

#include <array>
#include <string_view>

namespace zorvane {

// A name people write in the country box that neither the atlas's country
// names nor its two-letter codes hold.
struct CountryName {
    std::string_view typedName;    // compared folded
    std::string_view countryCode;  // the atlas's two-letter code
};

// Common short, older and local names of countries, from everyday usage.
inline constexpr auto CountryNameTable = std::to_array<CountryName>({
    {"USA", "US"},
    {"U.S.A.", "US"},
    {"UK", "GB"},
    {"U.K.", "GB"},
    {"Britain", "GB"},
    {"Great Britain", "GB"},
    {"Holland", "NL"},
    {"Burma", "MM"},
    {"Ceylon", "LK"},
    {"Persia", "IR"},
    {"Siam", "TH"},
    {"Bharat", "IN"},
    {"Deutschland", "DE"},
    {"Espana", "ES"},
    {"Nippon", "JP"},
    {"Zaire", "CD"},
});
static_assert(CountryNameTable.size() == 16);

}  // namespace zorvane
