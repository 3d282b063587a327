#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/birth_chart.h"
#include "core/panchang/limb_names.h"

#include "core/text/language.h"

namespace zorvane {

// The ways a chart is drawn. The wheel is the program's own circular chart
// (wheel_layout.h); the other three are the square charts of India.
enum class ChartStyle { NorthIndian, SouthIndian, EastIndian, Wheel };
inline constexpr int kChartStyleCount = 4;

std::string_view ChartStyleKey(ChartStyle style);    // "north", "south", "east", "wheel"
std::string_view ChartStyleTitle(ChartStyle style);  // "North Indian", ...
std::optional<ChartStyle> ChartStyleFromKey(std::string_view key);

// A point in the unit square, x to the right and y downwards (as on a
// page), (0, 0) the top left corner.
struct ChartPoint2D {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const ChartPoint2D&) const = default;
};

// One box of a square chart: the sign it holds, the house that sign is, its
// outline, where its contents are centred, and where the sign's number is
// written (North Indian only, which numbers the signs in fixed houses).
struct ChartCell {
    int sign = 0;                // 0..11, 0 Mesha
    std::optional<int> house;    // 1..12 from the lagna; empty without one
    std::vector<ChartPoint2D> outline;
    ChartPoint2D textCentre;
    std::optional<ChartPoint2D> signNumberAt;
};

struct SquareChartLayout {
    ChartStyle style = ChartStyle::NorthIndian;
    std::array<ChartCell, kSignCount> cells{};  // in order of sign, Mesha first
    // South and East Indian charts mark the lagna's box with a stroke across
    // its corner, from the first point to the second.
    std::optional<std::pair<ChartPoint2D, ChartPoint2D>> lagnaMark;
};

// The boxes of a square chart for a lagna's sign (0..11). Without a lagna a
// North Indian chart puts Mesha in the first house (and says nothing of
// houses). Wheel gives the North Indian layout: draw it with wheel_layout.
SquareChartLayout LayoutSquareChart(ChartStyle style, std::optional<int> lagnaSign);

// What each sign holds in a divisional chart (index into kVargas): the
// lagna and the grahas by short name, "(R)" after a retrograde graha other
// than the nodes (always retrograde in mean motion, never marked), and with
// `withDegrees` the whole degrees in the sign (D1 only, where they mean
// something). In Hindi the short names are the first syllables (सू, चं, ल)
// and a retrograde graha is marked "(व)".
std::array<std::vector<std::string>, kSignCount> SignContents(const BirthChart& chart, int vargaIndex,
                                                             bool withDegrees,
                                                             Language language = Language::English);

}  // namespace zorvane
