#include "core/format/chart_text.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "core/dasha/dasha_lords.h"
#include "core/format/local_names.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/text/names_hi.h"
#include "core/text/utf8.h"
#include "core/time/angles.h"

namespace zorvane {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kShortNameColumns = 5;  // "Point", "Asc", "ल"

constexpr int kSecondsPerDegree = 3600;
constexpr int kSecondsPerArcMinute = 60;
// Longitudes in the JSON to a millionth of a degree (under 0.004"), speeds
// to a millionth of a degree a day.
constexpr double kJsonDecimals = 1e6;

double Rounded(double value) { return std::round(value * kJsonDecimals) / kJsonDecimals; }

std::string VargaKey(int division) {
    std::string key(1, 'D');
    key += std::to_string(division);
    return key;
}

std::string SignName(int sign) { return std::string(kSignNames[static_cast<std::size_t>(sign)]); }

std::string PointRow(const ChartPoint& point) {
    std::array<char, 160> row{};
    const std::string house = point.house ? std::to_string(*point.house) : "-";
    std::snprintf(row.data(), row.size(), "%-7s %13s  %-10s %11s  %-17s %d  %-8s %5s  %-2s %+9.4f",
                  std::string(point.name).c_str(), DegreesMinutesSeconds(point.longitudeDegrees).c_str(),
                  SignName(point.sign).c_str(), DegreesMinutesSeconds(point.degreeInSign).c_str(),
                  std::string(NakshatraNames[static_cast<std::size_t>(point.nakshatra)]).c_str(), point.pada,
                  std::string(point.lord).c_str(), house.c_str(), point.retrograde ? "R" : "",
                  point.speedDegreesPerDay);
    return row.data();
}

std::string Heading(const BirthChart& chart) {
    std::array<char, 160> line{};
    std::snprintf(line.data(), line.size(), "Ayanamsa %s %s, Rahu from the %s node, ephemeris: %s",
                  std::string(AyanamsaTitle(chart.sky.ayanamsa)).c_str(),
                  DegreesMinutesSeconds(chart.sky.ayanamsaDegrees).c_str(),
                  std::string(NodeKey(chart.sky.node)).c_str(),
                  chart.sky.source == EphemerisSource::Files ? "Swiss Ephemeris data files"
                                                             : "built-in analytic theory (data files not found)");
    return line.data();
}

// Text to the left or right of a cell of so many terminal columns.
std::string Left(std::string text, std::size_t columns) { return PaddedToColumns(std::move(text), columns); }
std::string Right(const std::string& text, std::size_t columns) {
    const std::size_t taken = TerminalColumns(text);
    return std::string(taken < columns ? columns - taken : 0, ' ') + text;
}

// The cells of the position table as the English rows print them: width
// and the gap after it in terminal columns, the English heading, alignment.
struct TableColumn {
    std::size_t columns;
    std::size_t gap;
    std::string_view heading;
    bool right;
};
constexpr auto kTableColumns = std::to_array<TableColumn>({
    {7, 1, "Point", false},
    {12, 2, "Longitude", true},
    {10, 1, "Sign", false},
    {10, 2, "In sign", true},
    {17, 1, "Nakshatra", false},
    {1, 2, "Pada", false},
    {8, 1, "Lord", false},
    {5, 2, "House", true},
    {2, 1, "", false},
    {9, 0, "Speed/day", true},
});

// One row of cells in another language than English, each cell at the
// column the English one starts at; a cell wider than its column (a
// heading) pushes the rest on by a space.
std::string WordedRow(const std::array<std::string, kTableColumns.size()>& cells) {
    std::string row;
    std::size_t start = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TableColumn& column = kTableColumns[i];
        const std::size_t at = TerminalColumns(row);
        row.append(at < start ? start - at : (i == 0 ? 0 : 1), ' ');
        row += column.right ? Right(cells[i], column.columns) : cells[i];
        start += column.columns + column.gap;
    }
    while (!row.empty() && row.back() == ' ') row.pop_back();
    return row;
}

std::string WordedPointRow(const ChartPoint& point, std::string name, const Wording& wording) {
    std::array<char, 16> speed{};
    std::snprintf(speed.data(), speed.size(), "%+9.4f", point.speedDegreesPerDay);
    return WordedRow({std::move(name), DegreesMinutesSeconds(point.longitudeDegrees),
                      SignText(point.sign, wording.language), DegreesMinutesSeconds(point.degreeInSign),
                      NakshatraText(point.nakshatra, wording.language), std::to_string(point.pada),
                      LordText(point.nakshatra % kDashaLordCount, wording.language),
                      point.house ? std::to_string(*point.house) : "-",
                      point.retrograde ? RetrogradeText(wording.language) : "", speed.data()});
}

Json PointJson(const ChartPoint& point, bool withMotion) {
    Json json = Json::object();
    json["name"] = point.name;
    json["longitude"] = Rounded(point.longitudeDegrees);
    json["sign"] = SignName(point.sign);
    json["degree"] = Rounded(point.degreeInSign);
    json["nakshatra"] = NakshatraNames[static_cast<std::size_t>(point.nakshatra)];
    json["pada"] = point.pada;
    json["lord"] = point.lord;
    json["house"] = point.house ? Json(*point.house) : Json(nullptr);
    if (withMotion) {
        json["retrograde"] = point.retrograde;
        json["speed"] = Rounded(point.speedDegreesPerDay);
    }
    return json;
}

}  // namespace

std::string DegreesMinutesSeconds(double degrees) {
    const long total = std::lround(std::fabs(degrees) * kSecondsPerDegree);
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%s%ld\u00B0%02ld'%02ld\"", degrees < 0 ? "-" : "",
                  total / kSecondsPerDegree, total % kSecondsPerDegree / kSecondsPerArcMinute,
                  total % kSecondsPerArcMinute);
    return text.data();
}

std::string FormatChartTable(const BirthChart& chart, const Wording& wording) {
    if (wording.language != Language::English) {
        std::string text = wording.SayWith(
            chart.sky.source == EphemerisSource::Files
                ? "Ayanamsa %1 %2, Rahu from the %3 node, ephemeris: Swiss Ephemeris data files"
                : "Ayanamsa %1 %2, Rahu from the %3 node, ephemeris: built-in analytic theory (data files not found)",
            {wording.Say(AyanamsaTitle(chart.sky.ayanamsa)), DegreesMinutesSeconds(chart.sky.ayanamsaDegrees),
             wording.Say(NodeKey(chart.sky.node))});
        std::array<std::string, kTableColumns.size()> headings;
        for (std::size_t i = 0; i < headings.size(); ++i) {
            headings[i] = kTableColumns[i].heading.empty() ? "" : wording.Say(kTableColumns[i].heading);
        }
        text.append("\n").append(WordedRow(headings)).append("\n");
        if (chart.lagna) {
            text.append(WordedPointRow(*chart.lagna, LagnaText(wording.language), wording)).append("\n");
        } else {
            text.append(wording.Say("Lagna   needs the birth's latitude: no lagna and no houses.")).append("\n");
        }
        for (std::size_t graha = 0; graha < chart.grahas.size(); ++graha) {
            text.append(WordedPointRow(chart.grahas[graha], GrahaText(static_cast<int>(graha), wording.language), wording))
                .append("\n");
        }
        return text;
    }
    std::string text = Heading(chart) + '\n';
    text += "Point     Longitude     Sign        In sign      Nakshatra       Pada Lord   House     Speed/day\n";
    if (chart.lagna) {
        text += PointRow(*chart.lagna) + '\n';
    } else {
        text += "Lagna   needs the birth's latitude: no lagna and no houses.\n";
    }
    for (const ChartPoint& graha : chart.grahas) text += PointRow(graha) + '\n';
    return text;
}

std::string FormatVargaTable(const BirthChart& chart, const Wording& wording) {
    // Signs by number, as Indian charts write them: full names would not fit
    // sixteen columns, and their first letters are not unique.
    const bool english = wording.language == Language::English;
    std::string text = wording.Say("Signs by number:");
    for (std::size_t sign = 0; sign < kSignNames.size(); ++sign) {
        text.append(" ").append(std::to_string(sign + 1)).append(" ");
        text.append(SignText(static_cast<int>(sign), wording.language));
        text += sign + 1 < kSignNames.size() ? "," : "\n";
    }
    text += english ? std::string("Point") : Left(wording.Say("Point"), kShortNameColumns);
    for (const VargaKind& varga : kVargas) {
        std::array<char, 16> cell{};
        std::snprintf(cell.data(), cell.size(), "%4s", VargaKey(varga.division).c_str());
        text += cell.data();
    }
    text += '\n';
    const auto row = [&text](const ChartPoint& point, std::string_view shortName) {
        std::array<char, 16> cell{};
        text += Left(std::string(shortName), kShortNameColumns);
        for (int sign : point.vargaSigns) {
            std::snprintf(cell.data(), cell.size(), "%4d", sign + 1);
            text += cell.data();
        }
        text += '\n';
    };
    if (chart.lagna) row(*chart.lagna, english ? chart.lagna->shortName : kLagnaShortNameHi);
    for (std::size_t graha = 0; graha < chart.grahas.size(); ++graha) {
        row(chart.grahas[graha], english ? chart.grahas[graha].shortName : kGrahaShortNamesHi[graha]);
    }
    return text;
}

nlohmann::ordered_json ChartJson(const BirthChart& chart) {
    Json json = Json::object();
    json["ayanamsa"] = AyanamsaTitle(chart.sky.ayanamsa);
    json["ayanamsa_degrees"] = Rounded(chart.sky.ayanamsaDegrees);
    json["node"] = NodeKey(chart.sky.node);
    json["ephemeris"] = EphemerisSourceKey(chart.sky.source);
    json["lagna"] = chart.lagna ? PointJson(*chart.lagna, false) : Json(nullptr);
    Json grahas = Json::array();
    for (const ChartPoint& graha : chart.grahas) grahas.push_back(PointJson(graha, true));
    json["grahas"] = std::move(grahas);
    Json vargas = Json::object();
    for (std::size_t i = 0; i < kVargas.size(); ++i) {
        Json signs = Json::object();
        if (chart.lagna) signs["Lagna"] = SignName(chart.lagna->vargaSigns[i]);
        for (const ChartPoint& graha : chart.grahas) signs[std::string(graha.name)] = SignName(graha.vargaSigns[i]);
        vargas[VargaKey(kVargas[i].division)] = std::move(signs);
    }
    json["vargas"] = std::move(vargas);
    return json;
}

std::string FormatChartSection(const BirthChart& chart, double readingMoonDegrees, const Wording& wording) {
    std::string text = wording.Say("Birth chart");
    text.append("\n").append(FormatChartTable(chart, wording));
    text.append("\n").append(wording.Say("Divisional charts (sign of each point)")).append("\n");
    text += FormatVargaTable(chart, wording);
    if (const std::optional<std::string> note = MoonDisagreement(readingMoonDegrees, chart, wording)) {
        text += '\n' + *note + '\n';
    }
    return text;
}

std::optional<std::string> MoonDisagreement(double readingMoonDegrees, const BirthChart& chart,
                                            const Wording& wording) {
    const ChartPoint reading = MakeChartPoint(GrahaName(Graha::Moon), GrahaShortName(Graha::Moon), readingMoonDegrees, 0.0, std::nullopt);
    const ChartPoint& moon = chart.grahas[static_cast<std::size_t>(Graha::Moon)];
    if (reading.nakshatra == moon.nakshatra && reading.pada == moon.pada) return std::nullopt;
    const auto name = [&wording](const ChartPoint& point) {
        return NakshatraText(point.nakshatra, wording.language) + wording.Say(" pada ") + std::to_string(point.pada);
    };
    return wording.SayWith("The chart's Moon (Swiss Ephemeris, %1) at %2 stands in %3, while the reading's own Moon at "
                           "%4 stands in %5: the birth nakshatra and dasha follow the reading's Moon.",
                           {wording.Say(AyanamsaTitle(chart.sky.ayanamsa)), DegreesMinutesSeconds(moon.longitudeDegrees),
                            name(moon), DegreesMinutesSeconds(reading.longitudeDegrees), name(reading)});
}

}  // namespace zorvane
