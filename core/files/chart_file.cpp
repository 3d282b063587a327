#include "core/files/chart_file.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include <nlohmann/json.hpp>

#include "core/reading/offered_ranges.h"
#include "core/time/angles.h"

namespace zorvane {

namespace {

// Ordered, so that a saved chart starts with its format and version.
using Json = nlohmann::ordered_json;

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

public:
    void Reject(ChartFileRefusal refusal) { Fail(std::move(refusal)); }

private:
    void Fail(ChartFileRefusal refusal) {
        if (!problem_) {
            problem_ = std::move(refusal);
        }
    }

    std::optional<ChartFileRefusal> problem_;
};

// The group "chart" of version 2: each a key of the command line's options.
template <typename Value>
void ReadKey(FieldReader& read, const Json* parent, const char* key, std::optional<Value> (*parse)(std::string_view),
             Value& out) {
    std::string text;
    read.Text(parent, key, text);
    if (read.problem()) return;
    const std::optional<Value> value = parse(text);
    if (value) {
        out = *value;
    } else {
        read.Reject(Damaged(Quoted(key) + " is not one this version knows"));
    }
}

// The zone's optional keys: absent means the default.
void ReadClockSelection(const Json* zone, ClockSelection& clock, FieldReader& read) {
    if (zone == nullptr) return;
    if (zone->contains("repeated")) {
        ReadKey(read, zone, "repeated", &RepeatedChoiceOf, clock.repeated);
    }
    if (zone->contains("clock")) {
        ReadKey(read, zone, "clock", &ClockStandardOfKey, clock.standard);
    }
}

void ReadChartOptions(const Json& root, ChartFile& chart, FieldReader& read) {
    const Json* options = read.Object(root, "chart");
    if (options == nullptr) return;
    ReadKey(read, options, "ayanamsa", &AyanamsaFromKey, chart.ayanamsa);
    ReadKey(read, options, "node", &NodeFromKey, chart.node);
    ReadKey(read, options, "style", &ChartStyleFromKey, chart.style);
}

std::variant<ChartFile, ChartFileRefusal> ReadVersionOne(const Json& root, int version) {
    ChartFile chart;
    FieldReader read;
    read.Text(&root, "name", chart.name);

    const Json* birth = read.Object(root, "birth");
    // The form offers these ranges; a file outside them could not be shown.
    read.Whole(birth, "year", kOfferedYears.lowest, kOfferedYears.highest, chart.year);
    read.Whole(birth, "month", kOfferedMonths.lowest, kOfferedMonths.highest, chart.month);
    read.Whole(birth, "day", kOfferedDays.lowest, kOfferedDays.highest, chart.day);
    read.Whole(birth, "hour", kOfferedHours.lowest, kOfferedHours.highest, chart.hour);
    read.Whole(birth, "minute", kOfferedMinutes.lowest, kOfferedMinutes.highest, chart.minute);
    read.Whole(birth, "second", kOfferedSeconds.lowest, kOfferedSeconds.highest, chart.second);

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
    ReadClockSelection(zone, chart.clock, read);

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
    if (version >= 2) ReadChartOptions(root, chart, read);

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
    if (chart.clock.repeated != RepeatedChoice::Earlier) zone["repeated"] = RepeatedChoiceKey(chart.clock.repeated);
    if (chart.clock.standard != ClockStandard::TzDatabase) zone["clock"] = ClockStandardKey(chart.clock.standard);
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
        {"chart",
         {{"ayanamsa", AyanamsaKey(chart.ayanamsa)},
          {"node", NodeKey(chart.node)},
          {"style", ChartStyleKey(chart.style)}}},
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
    if (*number < 1) {
        return Damaged("its version " + version->dump() + " never existed");
    }
    return ReadVersionOne(root, static_cast<int>(*number));
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
    chart.second = WholeOr(form.secondText, chart.second);
    chart.city = form.place.city;
    chart.state = form.place.state;
    chart.country = form.place.country;
    chart.atlasZoneId = form.place.atlasZoneId;
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
    form.secondText = std::to_string(chart.second);
    form.place = {chart.city, chart.state, chart.country, chart.atlasZoneId};
    return form;
}

ChartFile ChartFromInput(const BirthInput& input) {
    const BirthData& birth = input.birth;
    ChartFile chart;
    chart.name = input.name;
    chart.year = birth.Year;
    chart.month = birth.Month;
    chart.day = birth.Day;
    chart.hour = birth.Hour;
    chart.minute = birth.Minute;
    chart.second = input.second;
    chart.zoneHour = std::to_string(birth.ZoneHour);
    if (birth.ZoneAheadOfUniversalTime) chart.zoneHour.insert(chart.zoneHour.begin(), '+');
    chart.zoneMinute = std::to_string(birth.ZoneMinute);
    chart.daylightSaving = birth.DaylightSaving;
    if (input.latitudeDegrees) {
        constexpr int kArcminutesPerDegree = static_cast<int>(kMinutesPerDegree);
        const int arcminutes = static_cast<int>(
            std::lround(std::abs(*input.latitudeDegrees) * kMinutesPerDegree));
        chart.latDegrees = std::to_string(arcminutes / kArcminutesPerDegree);
        chart.latMinutes = std::to_string(arcminutes % kArcminutesPerDegree);
        chart.latSide = *input.latitudeDegrees < 0 ? LatitudeSide::South : LatitudeSide::North;
    } else {
        chart.latSide = LatitudeSide::Unchosen;
    }
    chart.lonDegrees = std::to_string(birth.LonDegrees);
    chart.lonMinutes = std::to_string(birth.LonMinutes);
    chart.lonSide = birth.LonEast ? LongitudeSide::East : LongitudeSide::West;
    chart.city = input.place.city;
    chart.state = input.place.state;
    chart.country = input.place.country;
    chart.atlasZoneId = input.place.atlasZoneId;
    return chart;
}

std::variant<BirthInput, Refusal> InputFromChart(const ChartFile& chart, const NumberFormat& format,
                                                 ValidationScope scope) {
    return ParseForm(FormFromChart(chart), format, scope);
}

}  // namespace zorvane
