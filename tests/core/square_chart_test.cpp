#include "core/chart/indian_chart_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "core/format/chart_text.h"
#include "core/text/utf8.h"

namespace zorvane {
namespace {

// Outlines are built from exact thirds, quarters and halves.
constexpr double kAreaTolerance = 1e-12;

double Area(const std::vector<ChartPoint2D>& outline) {
    double twice = 0.0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const ChartPoint2D& a = outline[i];
        const ChartPoint2D& b = outline[(i + 1) % outline.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::fabs(twice) / 2.0;
}

// Inside a convex outline: on the same side of every edge.
bool Inside(const std::vector<ChartPoint2D>& outline, ChartPoint2D point) {
    int positive = 0;
    int negative = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const ChartPoint2D& a = outline[i];
        const ChartPoint2D& b = outline[(i + 1) % outline.size()];
        const double cross = (b.x - a.x) * (point.y - a.y) - (b.y - a.y) * (point.x - a.x);
        if (cross > 0) ++positive;
        if (cross < 0) ++negative;
    }
    return positive == 0 || negative == 0;
}

struct StyleCase {
    ChartStyle style;
    double coveredArea;  // of the unit square: North all of it, South the ring of 12 of 16, East 8 of 9
};
constexpr auto kStyles = std::to_array<StyleCase>({
    {ChartStyle::NorthIndian, 1.0},
    {ChartStyle::SouthIndian, 12.0 / 16.0},
    {ChartStyle::EastIndian, 8.0 / 9.0},
});

// For every style and every rising sign: the twelve boxes tile the covered
// area without overlap (their areas add up to it), each box's text sits
// inside it, and the houses count from the lagna's box.
TEST(SquareChart, BoxesTileTheChartForEveryLagna) {
    for (const StyleCase& style : kStyles) {
        for (int lagna = 0; lagna < 12; ++lagna) {
            const SquareChartLayout layout = LayoutSquareChart(style.style, lagna);
            double total = 0.0;
            for (const ChartCell& cell : layout.cells) {
                ASSERT_GE(cell.outline.size(), 3U);
                EXPECT_GT(Area(cell.outline), 0.0);
                total += Area(cell.outline);
                EXPECT_TRUE(Inside(cell.outline, cell.textCentre)) << ChartStyleKey(style.style) << cell.sign;
                for (const ChartPoint2D& corner : cell.outline) {
                    EXPECT_TRUE(corner.x >= 0 && corner.x <= 1 && corner.y >= 0 && corner.y <= 1);
                }
                EXPECT_EQ(cell.house, (cell.sign - lagna + 12) % 12 + 1);
            }
            EXPECT_NEAR(total, style.coveredArea, kAreaTolerance) << ChartStyleKey(style.style);
            EXPECT_EQ(layout.lagnaMark.has_value(), style.style != ChartStyle::NorthIndian);
        }
    }
}

TEST(SquareChart, EachStyleKeepsItsFixedPlaces) {
    // North: the lagna's sign is always the top diamond, the 4th house the left one.
    const SquareChartLayout north = LayoutSquareChart(ChartStyle::NorthIndian, 1);
    EXPECT_TRUE(Inside(north.cells[1].outline, {0.5, 0.25}));
    EXPECT_TRUE(Inside(north.cells[4].outline, {0.25, 0.5}));
    EXPECT_TRUE(north.cells[1].signNumberAt.has_value());
    // South: Meena top left, Mesha beside it, Kanya bottom right, whatever rises.
    const SquareChartLayout south = LayoutSquareChart(ChartStyle::SouthIndian, 7);
    EXPECT_TRUE(Inside(south.cells[11].outline, {0.1, 0.1}));
    EXPECT_TRUE(Inside(south.cells[0].outline, {0.3, 0.1}));
    EXPECT_TRUE(Inside(south.cells[5].outline, {0.9, 0.9}));
    ASSERT_TRUE(south.lagnaMark.has_value());
    EXPECT_TRUE(Inside(south.cells[7].outline, south.lagnaMark->first));
    // East: Mesha top middle, Karka left middle, Tula bottom middle, Makara right.
    const SquareChartLayout east = LayoutSquareChart(ChartStyle::EastIndian, std::nullopt);
    EXPECT_TRUE(Inside(east.cells[0].outline, {0.5, 0.1}));
    EXPECT_TRUE(Inside(east.cells[3].outline, {0.1, 0.5}));
    EXPECT_TRUE(Inside(east.cells[6].outline, {0.5, 0.9}));
    EXPECT_TRUE(Inside(east.cells[9].outline, {0.9, 0.5}));
    EXPECT_TRUE(Inside(east.cells[1].outline, {0.25, 0.05}));  // Vrishabha: top left, upper half
    EXPECT_FALSE(east.cells[0].house.has_value());
}

TEST(SquareChart, StyleNamesReadBack) {
    for (int i = 0; i < kChartStyleCount; ++i) {
        const auto style = static_cast<ChartStyle>(i);
        EXPECT_EQ(ChartStyleFromKey(ChartStyleKey(style)), style);
    }
    EXPECT_FALSE(ChartStyleFromKey("western").has_value());
}

// A chart of known positions (no ephemeris): the lagna in Vrishabha, Mars
// retrograde, the mean nodes.
BirthChart KnownChart() {
    SkyPositions sky;
    sky.ayanamsaDegrees = 23.5;
    sky.lagnaDegrees = 37.75;
    sky.grahas = {GrahaPosition{117.99, 0.96}, {93.98, 15.1}, {67.46, -0.3},  {103.67, 1.8}, {205.88, 0.08},
                  {112.56, 1.2},               {110.47, 0.13}, {35.07, -0.05}, {215.07, -0.05}};
    return ChartFromSky(sky);
}

TEST(ChartContents, SignsHoldTheirPointsWithMarks) {
    const BirthChart chart = KnownChart();
    const auto d1 = SignContents(chart, 0, true);
    EXPECT_EQ(d1[1], (std::vector<std::string>{"Asc 7\u00B0", "Ra 5\u00B0"}));
    EXPECT_EQ(d1[2], (std::vector<std::string>{"Ma 7\u00B0(R)"}));
    EXPECT_EQ(d1[7], (std::vector<std::string>{"Ke 5\u00B0"}));  // nodes unmarked
    const auto d9 = SignContents(chart, *VargaIndexOf(9), false);
    std::size_t count = 0;
    for (const auto& sign : d9) count += sign.size();
    EXPECT_EQ(count, 10U);
    // Vrishabha 7°45': its third navamsa, Makara + 2 = Meena.
    EXPECT_EQ(d9[11].front(), "Asc");

    // In Hindi the same points by their first syllables, वक्री marked व.
    const auto hindi = SignContents(chart, 0, true, zorvane::Language::Hindi);
    EXPECT_EQ(hindi[1], (std::vector<std::string>{"ल 7\u00B0", "रा 5\u00B0"}));
    EXPECT_EQ(hindi[2], (std::vector<std::string>{"मं 7\u00B0(व)"}));
    EXPECT_EQ(hindi[7], (std::vector<std::string>{"के 5\u00B0"}));
}

TEST(ChartText, JsonHoldsEveryPointAndVarga) {
    const BirthChart chart = KnownChart();
    const nlohmann::ordered_json json = ChartJson(chart);
    EXPECT_EQ(json["ayanamsa"], "Lahiri");
    EXPECT_EQ(json["ephemeris"], "files");
    EXPECT_EQ(json["lagna"]["sign"], "Vrishabha");
    ASSERT_EQ(json["grahas"].size(), 9U);
    EXPECT_EQ(json["grahas"][2]["name"], "Mars");
    EXPECT_EQ(json["grahas"][2]["retrograde"], true);
    EXPECT_EQ(json["grahas"][0]["house"], 3);
    EXPECT_EQ(json["grahas"][1]["nakshatra"], "Pushya");
    EXPECT_EQ(json["vargas"].size(), 16U);
    EXPECT_EQ(json["vargas"]["D9"]["Lagna"], "Meena");
    EXPECT_EQ(json["vargas"]["D60"].size(), 10U);

    SkyPositions noLagna = chart.sky;
    noLagna.lagnaDegrees.reset();
    const BirthChart without = ChartFromSky(noLagna);
    EXPECT_TRUE(ChartJson(without)["lagna"].is_null());
    EXPECT_TRUE(ChartJson(without)["grahas"][0]["house"].is_null());
    EXPECT_NE(FormatChartTable(without).find("needs the birth's latitude"), std::string::npos);
}

// In Hindi the table names its points in Devanagari and keeps each column
// at the terminal column the English one has: the longitude, right-aligned,
// ends after the point's 7 columns, a gap of 1 and its own 12.
TEST(ChartText, HindiTableKeepsItsColumns) {
    const BirthChart chart = KnownChart();
    constexpr std::size_t kLongitudeEnd = 7 + 1 + 12;
    for (const Wording& wording : {Wording{}, Wording{Language::Hindi, {}}}) {
        const std::string table = FormatChartTable(chart, wording);
        std::size_t rows = 0;
        for (std::size_t start = table.find('\n') + 1; start < table.size(); start = table.find('\n', start) + 1) {
            const std::string_view line(table.data() + start, table.find('\n', start) - start);
            const std::size_t seconds = line.find('"');  // the end of the longitude
            if (seconds == std::string_view::npos) continue;
            EXPECT_EQ(TerminalColumns(line.substr(0, seconds + 1)), kLongitudeEnd) << line;
            ++rows;
        }
        EXPECT_EQ(rows, 10U);
    }
    const std::string hindi = FormatChartTable(chart, Wording{Language::Hindi, {}});
    for (const char* name : {"लग्न ", "वृषभ ", "केतु "}) EXPECT_NE(hindi.find(name), std::string::npos) << name;
    EXPECT_EQ(hindi.find("Vrishabha"), std::string::npos);
}

TEST(ChartText, MoonDisagreementNamesBothPlacesOnlyWhenTheyDiffer) {
    const BirthChart chart = KnownChart();  // Moon 93°58'48": Pushya pada 1
    EXPECT_FALSE(MoonDisagreement(93.5, chart).has_value());
    const std::optional<std::string> otherPada = MoonDisagreement(97.0, chart);
    ASSERT_TRUE(otherPada.has_value());
    EXPECT_NE(otherPada->find("93\u00B058'48\""), std::string::npos) << *otherPada;
    EXPECT_NE(otherPada->find("97\u00B000'00\""), std::string::npos) << *otherPada;
    EXPECT_NE(otherPada->find("Pushya pada 2"), std::string::npos) << *otherPada;
    EXPECT_TRUE(MoonDisagreement(93.0, chart).has_value());  // Punarvasu
}

TEST(ChartText, DegreesRoundToWholeSecondsAcrossMinutes) {
    EXPECT_EQ(DegreesMinutesSeconds(29.99999), "30\u00B000'00\"");
    EXPECT_EQ(DegreesMinutesSeconds(7.7331924), "7\u00B043'59\"");
    EXPECT_EQ(DegreesMinutesSeconds(-0.5), "-0\u00B030'00\"");
}

}  // namespace
}  // namespace zorvane
