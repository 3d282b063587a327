#include "core/chart/indian_chart_layout.h"

#include <cmath>

#include "core/text/names_hi.h"

namespace zorvane {

namespace {

struct StyleRow {
    ChartStyle style;
    std::string_view key;
    std::string_view title;
};

constexpr auto kStyleRows = std::to_array<StyleRow>({
    {ChartStyle::NorthIndian, "north", "North Indian"},
    {ChartStyle::SouthIndian, "south", "South Indian"},
    {ChartStyle::EastIndian, "east", "East Indian"},
    {ChartStyle::Wheel, "wheel", "Wheel"},
});
static_assert(kStyleRows.size() == kChartStyleCount);

using P = ChartPoint2D;

// Corners, midpoints of the sides, centre, and the four points where the
// diagonals cross the inner diamond of the North Indian chart.
constexpr P kTopLeft{0, 0};
constexpr P kTopRight{1, 0};
constexpr P kBottomRight{1, 1};
constexpr P kBottomLeft{0, 1};
constexpr P kTop{0.5, 0};
constexpr P kLeft{0, 0.5};
constexpr P kBottom{0.5, 1};
constexpr P kRight{1, 0.5};
constexpr P kCentre{0.5, 0.5};
constexpr P kInnerTopLeft{0.25, 0.25};
constexpr P kInnerTopRight{0.75, 0.25};
constexpr P kInnerBottomRight{0.75, 0.75};
constexpr P kInnerBottomLeft{0.25, 0.75};

// North Indian: the houses are fixed, the first the top diamond, running
// counter-clockwise (to the left) from there. Rows in order of house 1..12.
struct NorthHouse {
    std::array<P, 4> outline;
    int corners;  // 3 for a triangle, 4 for a diamond
    P signNumber; // near the box's inner corner
};
constexpr auto kNorthHouses = std::to_array<NorthHouse>({
    {{kTop, kInnerTopLeft, kCentre, kInnerTopRight}, 4, {0.5, 0.42}},
    {{kTopLeft, kTop, kInnerTopLeft, {}}, 3, {0.25, 0.18}},
    {{kTopLeft, kInnerTopLeft, kLeft, {}}, 3, {0.18, 0.25}},
    {{kLeft, kInnerTopLeft, kCentre, kInnerBottomLeft}, 4, {0.42, 0.5}},
    {{kLeft, kInnerBottomLeft, kBottomLeft, {}}, 3, {0.18, 0.75}},
    {{kBottomLeft, kInnerBottomLeft, kBottom, {}}, 3, {0.25, 0.82}},
    {{kBottom, kInnerBottomLeft, kCentre, kInnerBottomRight}, 4, {0.5, 0.58}},
    {{kBottom, kInnerBottomRight, kBottomRight, {}}, 3, {0.75, 0.82}},
    {{kBottomRight, kInnerBottomRight, kRight, {}}, 3, {0.82, 0.75}},
    {{kRight, kInnerBottomRight, kCentre, kInnerTopRight}, 4, {0.58, 0.5}},
    {{kRight, kInnerTopRight, kTopRight, {}}, 3, {0.82, 0.25}},
    {{kTopRight, kInnerTopRight, kTop, {}}, 3, {0.75, 0.18}},
});
static_assert(kNorthHouses.size() == kSignCount);

// South Indian: the signs are fixed in the outer ring of a 4 by 4 grid,
// Meena at the top left and the zodiac running clockwise. Column and row of
// each sign from Mesha.
struct GridCell {
    int column;
    int row;
};
constexpr int kSouthGrid = 4;
constexpr auto kSouthCells = std::to_array<GridCell>({
    {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}, {0, 0},
});
static_assert(kSouthCells.size() == kSignCount);

// East Indian: a 3 by 3 grid, the middle empty, the corner boxes cut in two
// along the diagonal from the chart's corner; the signs are fixed, Mesha in
// the top middle, the zodiac running counter-clockwise. Outlines in thirds.
constexpr double kThird = 1.0 / 3.0;
constexpr double kTwoThirds = 2.0 / 3.0;
struct EastCell {
    std::array<P, 4> outline;
    int corners;
};
constexpr auto kEastCells = std::to_array<EastCell>({
    {{P{kThird, 0}, P{kTwoThirds, 0}, P{kTwoThirds, kThird}, P{kThird, kThird}}, 4},  // Mesha
    {{kTopLeft, P{kThird, 0}, P{kThird, kThird}, {}}, 3},                             // Vrishabha
    {{kTopLeft, P{kThird, kThird}, P{0, kThird}, {}}, 3},                             // Mithuna
    {{P{0, kThird}, P{kThird, kThird}, P{kThird, kTwoThirds}, P{0, kTwoThirds}}, 4},  // Karka
    {{P{0, kTwoThirds}, P{kThird, kTwoThirds}, kBottomLeft, {}}, 3},                  // Simha
    {{kBottomLeft, P{kThird, kTwoThirds}, P{kThird, 1}, {}}, 3},                      // Kanya
    {{P{kThird, kTwoThirds}, P{kTwoThirds, kTwoThirds}, P{kTwoThirds, 1}, P{kThird, 1}}, 4},  // Tula
    {{P{kTwoThirds, 1}, P{kTwoThirds, kTwoThirds}, kBottomRight, {}}, 3},             // Vrishchika
    {{kBottomRight, P{kTwoThirds, kTwoThirds}, P{1, kTwoThirds}, {}}, 3},             // Dhanu
    {{P{kTwoThirds, kThird}, P{1, kThird}, P{1, kTwoThirds}, P{kTwoThirds, kTwoThirds}}, 4},  // Makara
    {{P{1, kThird}, P{kTwoThirds, kThird}, kTopRight, {}}, 3},                        // Kumbha
    {{kTopRight, P{kTwoThirds, kThird}, P{kTwoThirds, 0}, {}}, 3},                    // Meena
});
static_assert(kEastCells.size() == kSignCount);

// Where the contents sit: the mean of the outline's corners, inside every
// box of these charts (all convex).
P Centroid(const std::vector<P>& outline) {
    P sum;
    for (const P& point : outline) {
        sum.x += point.x;
        sum.y += point.y;
    }
    const auto count = static_cast<double>(outline.size());
    return {sum.x / count, sum.y / count};
}

std::vector<P> Outline(const std::array<P, 4>& corners, int count) {
    return {corners.begin(), corners.begin() + count};
}

constexpr double kLagnaMarkFraction = 0.3;  // of a South Indian box's side

}  // namespace

std::string_view ChartStyleKey(ChartStyle style) { return kStyleRows[static_cast<std::size_t>(style)].key; }

std::string_view ChartStyleTitle(ChartStyle style) {
    return kStyleRows[static_cast<std::size_t>(style)].title;
}

std::optional<ChartStyle> ChartStyleFromKey(std::string_view key) {
    for (const StyleRow& row : kStyleRows) {
        if (row.key == key) return row.style;
    }
    return std::nullopt;
}

SquareChartLayout LayoutSquareChart(ChartStyle style, std::optional<int> lagnaSign) {
    SquareChartLayout layout;
    layout.style = style;
    for (int sign = 0; sign < kSignCount; ++sign) {
        ChartCell& cell = layout.cells[static_cast<std::size_t>(sign)];
        cell.sign = sign;
        if (lagnaSign) cell.house = (sign - *lagnaSign + kSignCount) % kSignCount + 1;
    }
    switch (style) {
        case ChartStyle::SouthIndian: {
            const double side = 1.0 / kSouthGrid;
            for (int sign = 0; sign < kSignCount; ++sign) {
                ChartCell& cell = layout.cells[static_cast<std::size_t>(sign)];
                const GridCell grid = kSouthCells[static_cast<std::size_t>(sign)];
                const double left = grid.column * side;
                const double top = grid.row * side;
                cell.outline = {{left, top}, {left + side, top}, {left + side, top + side}, {left, top + side}};
                cell.textCentre = {left + side / 2, top + side / 2};
                if (lagnaSign && *lagnaSign == sign) {
                    layout.lagnaMark = {{left, top + side * kLagnaMarkFraction},
                                        {left + side * kLagnaMarkFraction, top}};
                }
            }
            break;
        }
        case ChartStyle::EastIndian:
            for (int sign = 0; sign < kSignCount; ++sign) {
                ChartCell& cell = layout.cells[static_cast<std::size_t>(sign)];
                const EastCell& east = kEastCells[static_cast<std::size_t>(sign)];
                cell.outline = Outline(east.outline, east.corners);
                cell.textCentre = Centroid(cell.outline);
                if (lagnaSign && *lagnaSign == sign) {
                    const P first = cell.outline[0];
                    const P second = cell.outline[1];
                    const P third = cell.outline[2];
                    // Across the corner at the outline's second point.
                    layout.lagnaMark = {{second.x + (first.x - second.x) * kLagnaMarkFraction,
                                         second.y + (first.y - second.y) * kLagnaMarkFraction},
                                        {second.x + (third.x - second.x) * kLagnaMarkFraction,
                                         second.y + (third.y - second.y) * kLagnaMarkFraction}};
                }
            }
            break;
        case ChartStyle::NorthIndian:
        case ChartStyle::Wheel: {
            const int first = lagnaSign.value_or(0);
            for (int house = 0; house < kSignCount; ++house) {
                const int sign = (first + house) % kSignCount;
                ChartCell& cell = layout.cells[static_cast<std::size_t>(sign)];
                const NorthHouse& north = kNorthHouses[static_cast<std::size_t>(house)];
                cell.outline = Outline(north.outline, north.corners);
                cell.textCentre = Centroid(cell.outline);
                cell.signNumberAt = north.signNumber;
            }
            break;
        }
    }
    return layout;
}

std::array<std::vector<std::string>, kSignCount> SignContents(const BirthChart& chart, int vargaIndex,
                                                             bool withDegrees, Language language) {
    static_assert(kGrahaShortNamesHi.size() == kGrahaCount);
    const bool hindi = language == Language::Hindi;
    std::array<std::vector<std::string>, kSignCount> contents;
    const auto index = static_cast<std::size_t>(vargaIndex);
    const auto add = [&](const ChartPoint& point, std::string_view hindiName, bool markRetrograde) {
        std::string text(hindi ? hindiName : point.shortName);
        if (withDegrees) text.append(" ").append(std::to_string(static_cast<int>(std::floor(point.degreeInSign)))).append("\u00B0");
        if (markRetrograde && point.retrograde) text.append("(").append(hindi ? kRetrogradeMarkHi : "R").append(")");
        contents[static_cast<std::size_t>(point.vargaSigns[index])].push_back(std::move(text));
    };
    if (chart.lagna) add(*chart.lagna, kLagnaShortNameHi, false);
    for (std::size_t i = 0; i < chart.grahas.size(); ++i) {
        const auto graha = static_cast<Graha>(i);
        add(chart.grahas[i], kGrahaShortNamesHi[i], graha != Graha::Rahu && graha != Graha::Ketu);
    }
    return contents;
}

}  // namespace zorvane
