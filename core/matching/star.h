#pragma once

#include <optional>
#include <string_view>

namespace zorvane {

// A birth star: the Moon's nakshatra (0 Ashwini .. 26 Revati) and its pada
// (1..4). The Moon's sign follows from the two: nine padas to a sign.
struct Star {
    int nakshatra = 0;
    int pada = 1;

    bool operator==(const Star&) const = default;
};

inline constexpr int kPadasPerStar = 4;
inline constexpr int kPadasPerSign = 9;
inline constexpr int kStarPadaCount = 27 * kPadasPerStar;

// The pada counted from Ashwini's first, 0..107.
constexpr int PadaIndexOf(const Star& star) { return star.nakshatra * kPadasPerStar + star.pada - 1; }

// The Moon's sign, 0 Mesha .. 11 Meena.
constexpr int SignOfStar(const Star& star) { return PadaIndexOf(star) / kPadasPerSign; }

// The star of "NAK:PADA": the nakshatra by its number (1 Ashwini .. 27) or
// its name (letters compared without case; spaces, hyphens and underscores
// ignored), the pada 1..4. Nothing for anything else.
std::optional<Star> ParseStar(std::string_view text);

// The name of the star's nakshatra, as the reading shows it.
std::string_view NakshatraNameOfStar(const Star& star);

}  // namespace zorvane
