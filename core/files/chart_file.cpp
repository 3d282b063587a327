#include "core/files/chart_file.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <utility>

#include <nlohmann/json.hpp>

namespace zorvane {

namespace {

// Ordered, so that a saved chart starts with its format and version.
using Json = nlohmann::ordered_json;

// The form offers these ranges; a file outside them could not be shown.
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr int kMonthsPerYear = 12;
constexpr int kMostDaysPerMonth = 31;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
constexpr int kLastSecond = 59;
// A chart is four levels deep; anything far deeper is not one of ours, and
// refusing it early keeps nesting from costing stack or memory.
constexpr int kMaxNestingDepth = 8;
// A chart has 30 keys; an object whose keys are looked up one by one must not
// be fed a hundred thousand of them, so keys past this many are dropped
// unread and the file refused.
constexpr int kMaxChartKeys = 64;

constexpr int kIndentSpaces = 2;

const char* LatitudeSideText(LatitudeSide side) {
    switch (side) {
        case LatitudeSide::North:
            return "N";
        case LatitudeSide::South:
            return "S";
        case LatitudeSide::Unchosen:
            break;
    }
    return nullptr;
}

const char* LongitudeSideText(LongitudeSide side) {
    switch (side) {
        case LongitudeSide::East:
            return "E";
        case LongitudeSide::West:
            return "W";
        case LongitudeSide::Unchosen:
            break;
    }
    return nullptr;
}

// A whole number of the file, when it fits the signed range the code uses.
std::optional<std::int64_t> AsWhole(const Json& value) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(number);
    }
    if (value.is_number_integer()) {
        return value.get<std::int64_t>();
    }
    return std::nullopt;
}

Json SideJson(const char* text) { return text == nullptr ? Json(nullptr) : Json(text); }

std::string Quoted(const char* key) { return std::string("\"") + key + '"'; }

ChartFileRefusal Refuse(ChartFileFault fault, std::string message) {
    return {fault, std::move(message)};
}

ChartFileRefusal Damaged(const std::string& detail) {
    return Refuse(ChartFileFault::Damaged, "The chart file is damaged: " + detail + ".");
}

// Reads the fields of a parsed chart, keeping the first problem met; later
// reads after a problem are harmless and change nothing that is returned.
class FieldReader {
public:
    const std::optional<ChartFileRefusal>& problem() const { return problem_; }

    const Json* Object(const Json& parent, const char* key) {
        const Json* value = Find(parent, key);
        if (value != nullptr && !value->is_object()) {
            Fail(Damaged(Quoted(key) + " is not a group of fields"));
            return nullptr;
        }
        return value;
    }

    void Text(const Json* parent, const char* key, std::string& out) {
        const Json* value = parent == nullptr ? nullptr : Find(*parent, key);
        if (value == nullptr) {
            return;
        }
        if (!value->is_string()) {
            Fail(Damaged(Quoted(key) + " is not a text"));
            return;
        }
        const auto& text = value->get_ref<const std::string&>();
        if (text.size() > kMaxChartTextBytes) {
            Fail(Refuse(ChartFileFault::TooLarge,
                        "The chart file's " + Quoted(key) + " is longer than " +
                            std::to_string(kMaxChartTextBytes) + " bytes."));
            return;
        }
        out = text;
    }

    void Whole(const Json* parent, const char* key, int low, int high, int& out) {
        const Json* value = parent == nullptr ? nullptr : Find(*parent, key);
        if (value == nullptr) {
            return;
        }
        if (!value->is_number_integer()) {
            Fail(Damaged(Quoted(key) + " is not a whole number"));
            return;
        }
        const std::optional<std::int64_t> number = AsWhole(*value);
        if (!number || *number < low || *number > high) {
            Fail(Damaged(Quoted(key) + " lies outside " + std::to_string(low) + " to " +
                         std::to_string(high)));
            return;
        }
        out = static_cast<int>(*number);
    }

    void Flag(const Json* parent, const char* key, bool& out) {
        const Json* value = parent == nullptr ? nullptr : Find(*parent, key);
        if (value == nullptr) {
            return;
        }
        if (!value->is_boolean()) {
            Fail(Damaged(Quoted(key) + " is neither true nor false"));
            return;
        }
        out = value->get<bool>();
    }

    // "first" or "second" letter, or null for neither button chosen.
    int Side(const Json* parent, const char* key, char first, char second) {
        const Json* value = parent == nullptr ? nullptr : Find(*parent, key);
        if (value == nullptr || value->is_null()) {
            return 0;
        }
        if (value->is_string()) {
            const auto& text = value->get_ref<const std::string&>();
            if (text.size() == 1 && text[0] == first) {
                return 1;
            }
            if (text.size() == 1 && text[0] == second) {
                return 2;
            }
        }
        Fail(Damaged(Quoted(key) + " is neither " + first + " nor " + second));
        return 0;
    }

private:
    // Every field a version-1 chart writes is required: a missing one means
    // the file was cut or edited, and guessing would show a different birth.
    const Json* Find(const Json& parent, const char* key) {
        const auto found = parent.find(key);
        if (found == parent.end()) {
            Fail(Damaged(Quoted(key) + " is missing"));
            return nullptr;
        }
        return &*found;
    }

    void Fail(ChartFileRefusal refusal) {
        if (!problem_) {
            problem_ = std::move(refusal);
        }
    }

    std::optional<ChartFileRefusal> problem_;
};

std::variant<ChartFile, ChartFileRefusal> ReadVersionOne(const Json& root) {
    ChartFile chart;
    FieldReader read;
    read.Text(&root, "name", chart.name);

    const Json* birth = read.Object(root, "birth");
    read.Whole(birth, "year", kFirstYear, kLastYear, chart.year);
    read.Whole(birth, "month", 1, kMonthsPerYear, chart.month);
    read.Whole(birth, "day", 1, kMostDaysPerMonth, chart.day);
    read.Whole(birth, "hour", 0, kLastHour, chart.hour);
    read.Whole(birth, "minute", 0, kLastMinute, chart.minute);
    read.Whole(birth, "second", 0, kLastSecond, chart.second);

    const Json* zone = read.Object(root, "zone");
    read.Text(zone, "hours", chart.zoneHour);
    read.Text(zone, "minutes", chart.zoneMinute);
    read.Flag(zone, "dst", chart.daylightSaving);
    // Absent or null when the zone was typed rather than filled by the atlas.
    const auto atlasZone = zone == nullptr ? Json::const_iterator() : zone->find("atlas_zone");
    if (zone != nullptr && atlasZone != zone->end() && !atlasZone->is_null()) {
        std::string id;
        read.Text(zone, "atlas_zone", id);
        chart.atlasZoneId = std::move(id);
    }

    const Json* latitude = read.Object(root, "latitude");
    read.Text(latitude, "degrees", chart.latDegrees);
    read.Text(latitude, "minutes", chart.latMinutes);
    constexpr auto kLatSides =
        std::to_array({LatitudeSide::Unchosen, LatitudeSide::North, LatitudeSide::South});
    chart.latSide =
        kLatSides.at(static_cast<std::size_t>(read.Side(latitude, "hemisphere", 'N', 'S')));

    const Json* longitude = read.Object(root, "longitude");
    read.Text(longitude, "degrees", chart.lonDegrees);
    read.Text(longitude, "minutes", chart.lonMinutes);
    constexpr auto kLonSides =
        std::to_array({LongitudeSide::Unchosen, LongitudeSide::East, LongitudeSide::West});
    chart.lonSide =
        kLonSides.at(static_cast<std::size_t>(read.Side(longitude, "hemisphere", 'E', 'W')));

    const Json* place = read.Object(root, "place");
    read.Text(place, "city", chart.city);
    read.Text(place, "state", chart.state);
    read.Text(place, "country", chart.country);

    const Json* computed = read.Object(root, "computed");
    read.Text(computed, "nakshatra", chart.nakshatraName);
    read.Text(computed, "yoga", chart.yogaName);

    if (read.problem()) {
        return *read.problem();
    }
    return chart;
}

int WholeOr(std::string_view text, int fallback) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

}  // namespace

std::string SerializeChartFile(const ChartFile& chart) {
    Json zone = {{"hours", chart.zoneHour},
                 {"minutes", chart.zoneMinute},
                 {"dst", chart.daylightSaving},
                 {"atlas_zone", chart.atlasZoneId ? Json(*chart.atlasZoneId) : Json(nullptr)}};
    const Json root = {
        {"format", kChartFileFormat},
        {"version", kChartFileVersion},
        {"name", chart.name},
        {"birth",
         {{"year", chart.year},
          {"month", chart.month},
          {"day", chart.day},
          {"hour", chart.hour},
          {"minute", chart.minute},
          {"second", chart.second}}},
        {"zone", std::move(zone)},
        {"latitude",
         {{"degrees", chart.latDegrees},
          {"minutes", chart.latMinutes},
          {"hemisphere", SideJson(LatitudeSideText(chart.latSide))}}},
        {"longitude",
         {{"degrees", chart.lonDegrees},
          {"minutes", chart.lonMinutes},
          {"hemisphere", SideJson(LongitudeSideText(chart.lonSide))}}},
        {"place", {{"city", chart.city}, {"state", chart.state}, {"country", chart.country}}},
        {"computed", {{"nakshatra", chart.nakshatraName}, {"yoga", chart.yogaName}}},
    };
    return root.dump(kIndentSpaces, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::variant<ChartFile, ChartFileRefusal> ParseChartFile(std::string_view bytes) {
    if (bytes.size() > kMaxChartFileBytes) {
        return Refuse(ChartFileFault::TooLarge, "The file is larger than a chart can be (" +
                                                    std::to_string(kMaxChartFileBytes / 1024) +
                                                    " KiB).");
    }
    bool tooDeep = false;
    int keys = 0;
    const Json::parser_callback_t limitShape = [&tooDeep, &keys](int depth, Json::parse_event_t event,
                                                                  Json&) {
        if (depth > kMaxNestingDepth) {
            tooDeep = true;
            return false;  // drop the value: nothing deep is ever kept
        }
        return event != Json::parse_event_t::key || ++keys <= kMaxChartKeys;
    };
    // The library takes a NUL byte for the end of the text, so whatever
    // follows one would go unread: no chart holds one.
    const bool holdsNul = bytes.find('\0') != std::string_view::npos;
    const Json root = holdsNul ? Json(Json::value_t::discarded)
                               : Json::parse(bytes, limitShape, /*allow_exceptions=*/false);
    const bool mentionsFormat = bytes.find(kChartFileFormat) != std::string_view::npos;
    const bool tooManyKeys = keys > kMaxChartKeys;
    if (root.is_discarded() || tooDeep || tooManyKeys) {
        // A chart cut short still names its format near the top.
        if (mentionsFormat) {
            return Damaged(tooDeep       ? "it is nested too deeply"
                           : tooManyKeys ? "it holds far more fields than a chart has"
                           : holdsNul    ? "it holds a NUL byte, with bytes after the chart"
                                         : "it is not complete JSON");
        }
        return Refuse(ChartFileFault::Foreign, "This file is not a Zorvane chart.");
    }
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || !format->is_string() ||
        format->get_ref<const std::string&>() != kChartFileFormat) {
        return Refuse(ChartFileFault::Foreign, "This file is not a Zorvane chart.");
    }
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer()) {
        return Damaged("its version is missing");
    }
    const std::optional<std::int64_t> number = AsWhole(*version);
    if (!number || *number > kChartFileVersion) {
        return Refuse(ChartFileFault::NewerVersion,
                      "This chart was saved by a newer version of Zorvane (chart format " +
                          version->dump() + "); this version reads format " +
                          std::to_string(kChartFileVersion) + ". Please update Zorvane.");
    }
    if (*number < kChartFileVersion) {
        return Damaged("its version " + version->dump() + " never existed");
    }
    return ReadVersionOne(root);
}

void PutFormInChart(const ReadingForm& form, ChartFile& chart) {
    chart.name = form.name;
    chart.month = form.monthIndex + 1;
    chart.day = form.dayIndex + 1;
    chart.year = WholeOr(form.yearText, chart.year);
    chart.hour = WholeOr(form.hourText, chart.hour);
    chart.minute = WholeOr(form.minuteText, chart.minute);
    chart.zoneHour = form.zoneHour;
    chart.zoneMinute = form.zoneMinute;
    chart.daylightSaving = form.daylightSaving;
    chart.latDegrees = form.latDegrees;
    chart.latMinutes = form.latMinutes;
    chart.latSide = form.northSelected   ? LatitudeSide::North
                    : form.southSelected ? LatitudeSide::South
                                         : LatitudeSide::Unchosen;
    chart.lonDegrees = form.lonDegrees;
    chart.lonMinutes = form.lonMinutes;
    chart.lonSide = form.eastSelected   ? LongitudeSide::East
                    : form.westSelected ? LongitudeSide::West
                                        : LongitudeSide::Unchosen;
}

ReadingForm FormFromChart(const ChartFile& chart) {
    ReadingForm form;
    form.name = chart.name;
    form.monthIndex = chart.month - 1;
    form.dayIndex = chart.day - 1;
    form.dayText = std::to_string(chart.day);
    form.yearText = std::to_string(chart.year);
    form.hourText = std::to_string(chart.hour);
    form.minuteText = std::to_string(chart.minute);
    form.zoneHour = chart.zoneHour;
    form.zoneMinute = chart.zoneMinute;
    form.daylightSaving = chart.daylightSaving;
    form.latDegrees = chart.latDegrees;
    form.latMinutes = chart.latMinutes;
    form.northSelected = chart.latSide == LatitudeSide::North;
    form.southSelected = chart.latSide == LatitudeSide::South;
    form.lonDegrees = chart.lonDegrees;
    form.lonMinutes = chart.lonMinutes;
    form.eastSelected = chart.lonSide == LongitudeSide::East;
    form.westSelected = chart.lonSide == LongitudeSide::West;
    return form;
}

}  // namespace zorvane
