#include "core/format/chart_text.h"

#include <cmath>
#include <cstdio>

#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/time/angles.h"

namespace zorvane {

namespace {

using Json = nlohmann::ordered_json;

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

std::string FormatChartTable(const BirthChart& chart) {
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

std::string FormatVargaTable(const BirthChart& chart) {
    // Signs by number, as Indian charts write them: full names would not fit
    // sixteen columns, and their first letters are not unique.
    std::string text = "Signs by number:";
    for (std::size_t sign = 0; sign < kSignNames.size(); ++sign) {
        text += ' ' + std::to_string(sign + 1) + ' ' + std::string(kSignNames[sign]);
        text += sign + 1 < kSignNames.size() ? "," : "\n";
    }
    text += "Point";
    for (const VargaKind& varga : kVargas) {
        std::array<char, 16> cell{};
        std::snprintf(cell.data(), cell.size(), "%4s", VargaKey(varga.division).c_str());
        text += cell.data();
    }
    text += '\n';
    const auto row = [&text](const ChartPoint& point) {
        std::array<char, 16> cell{};
        std::snprintf(cell.data(), cell.size(), "%-5s", std::string(point.shortName).c_str());
        text += cell.data();
        for (int sign : point.vargaSigns) {
            std::snprintf(cell.data(), cell.size(), "%4d", sign + 1);
            text += cell.data();
        }
        text += '\n';
    };
    if (chart.lagna) row(*chart.lagna);
    for (const ChartPoint& graha : chart.grahas) row(graha);
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

std::string FormatChartSection(const BirthChart& chart, double readingMoonDegrees) {
    std::string text = "Birth chart\n";
    text += FormatChartTable(chart);
    text += "\nDivisional charts (sign of each point)\n";
    text += FormatVargaTable(chart);
    if (const std::optional<std::string> note = MoonDisagreement(readingMoonDegrees, chart)) {
        text += '\n' + *note + '\n';
    }
    return text;
}

std::optional<std::string> MoonDisagreement(double readingMoonDegrees, const BirthChart& chart) {
    const ChartPoint reading = MakeChartPoint(GrahaName(Graha::Moon), GrahaShortName(Graha::Moon), readingMoonDegrees, 0.0, std::nullopt);
    const ChartPoint& moon = chart.grahas[static_cast<std::size_t>(Graha::Moon)];
    if (reading.nakshatra == moon.nakshatra && reading.pada == moon.pada) return std::nullopt;
    const auto name = [](const ChartPoint& point) {
        return std::string(NakshatraNames[static_cast<std::size_t>(point.nakshatra)]) + " pada " +
               std::to_string(point.pada);
    };
    return "The chart's Moon (Swiss Ephemeris, " + std::string(AyanamsaTitle(chart.sky.ayanamsa)) + ") at " +
           DegreesMinutesSeconds(moon.longitudeDegrees) + " stands in " + name(moon) +
           ", while the reading's own Moon at " + DegreesMinutesSeconds(reading.longitudeDegrees) +
           " stands in " + name(reading) + ": the birth nakshatra and dasha follow the reading's Moon.";
}

}  // namespace zorvane
