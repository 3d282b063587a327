#include "cli/reading_output.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/result_columns.h"
#include "core/format/local_names.h"
#include "core/format/paragraphs_hi.h"
#include "core/format/dasha_text.h"
#include "core/panchang/nakshatra_names.h"
#include "core/format/details_fields.h"
#include "core/format/details_text.h"
#include "core/format/reading_lines.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/yoga_names.h"
#include "core/format/display_tables.h"

namespace zorvane::cli {
namespace {

void AppendResultBlock(std::string_view heading, std::string_view name,
                       std::optional<std::string_view> paragraph, std::string& out) {
    out.append(heading).append(": ").append(name).push_back('\n');
    if (paragraph) {
        out.append(*paragraph).push_back('\n');
    }
}

using Json = nlohmann::ordered_json;

// JSON has no spelling for infinities or NaN.
Json NumberJson(double value) {
    if (!std::isfinite(value)) return nullptr;
    return value;
}

Json DetailsJson(const std::optional<BirthDetails>& details) {
    if (!details) return nullptr;
    Json object = Json::object();
    for (const DetailField& field : DetailFieldsOf(*details)) {
        Json& slot = object[std::string(field.key)];
        if (const auto* text = std::get_if<std::string>(&field.value)) {
            slot = *text;
        } else if (const auto* whole = std::get_if<int>(&field.value)) {
            slot = *whole;
        } else if (const auto* number = std::get_if<double>(&field.value)) {
            slot = NumberJson(*number);
        }
    }
    return object;
}

// Text that is not UTF-8 (an argument may be anything) is written with
// replacement characters so that the output stays JSON.
std::string DumpValue(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

// The library escapes the texts and writes everything else, except that a
// double is written as the batch's columns write it: the shortest text that
// reads back as the same double ("12", not "12.0"), which the library's own
// float writer does not always find.
void AppendJson(const Json& value, std::string& out) {
    if (value.is_object() || value.is_array()) {
        out.push_back(value.is_object() ? '{' : '[');
        for (auto it = value.begin(); it != value.end(); ++it) {
            if (it != value.begin()) out.push_back(',');
            if (value.is_object()) out.append(DumpValue(it.key())).push_back(':');
            AppendJson(it.value(), out);
        }
        out.push_back(value.is_object() ? '}' : ']');
    } else if (value.is_number_float() && std::isfinite(value.get<double>())) {
        AppendShortestNumber(value.get<double>(), out);
    } else {
        out.append(DumpValue(value));
    }
}

// One line, no spaces.
std::string DumpLine(const Json& json) {
    std::string out;
    AppendJson(json, out);
    out.push_back('\n');
    return out;
}

}  // namespace

std::string FormatDetailsText(const BirthDetails& d, const Wording& wording) {
    return FormatDetailsText(d, BirthClock(d.clockLeadHours), wording);
}

std::string FormatDetailsText(const BirthDetails& d, const PlaceClock& clock, const Wording& wording) {
    return wording.Say("Details") + "\n" + wording.Say("Universal time") + ": " + FormatUniversalTime(d.universalJd) +
           "\n" + DetailsPlainText(d, clock, wording);
}

std::string ZoneLines(const BirthRecord& record, const Wording& wording) {
    std::string lines;
    if (!record.zoneApplied.empty()) lines.append(wording.Say("Zone applied")).append(": ").append(record.zoneApplied).append("\n");
    if (!record.clockNote.empty()) lines.append(wording.Say("Clock note")).append(": ").append(record.clockNote).append("\n");
    return lines;
}

std::string FormatResultText(std::optional<int> nakshatraRow, std::optional<int> yogaRow,
                             const Wording& wording) {
    const bool english = wording.language == Language::English;
    std::string localName;
    std::string_view nakshatraName;
    std::optional<std::string_view> nakshatraParagraph;
    if (nakshatraRow) {
        const DisplayRow& row = NakshatraTable[static_cast<std::size_t>(*nakshatraRow)];
        localName = NakshatraText(*nakshatraRow, wording.language);
        nakshatraName = english ? row.name : std::string_view(localName);
        nakshatraParagraph = NakshatraParagraph(*nakshatraRow, wording.language);
    }
    std::string_view yogaName;
    std::string localYogaName;
    std::optional<std::string_view> yogaParagraph;
    if (yogaRow) {
        const DisplayRow& row = YogaTable[static_cast<std::size_t>(*yogaRow)];
        localYogaName = YogaText(*yogaRow, wording.language);
        yogaName = english ? row.name : std::string_view(localYogaName);
        yogaParagraph = YogaParagraph(*yogaRow, wording.language);
    }
    std::string out;
    AppendResultBlock(wording.Say("Nakshatra"), nakshatraName, nakshatraParagraph, out);
    out.push_back('\n');
    AppendResultBlock(wording.Say("Yoga"), yogaName, yogaParagraph, out);
    return out;
}

std::string FormatReadingJson(const ReadingFields& fields, const BirthRecord& record,
                              std::string_view refusal, bool withDasha,
                              const std::optional<nlohmann::ordered_json>& chart) {
    const bool refused = !refusal.empty();
    Json json = Json::object();
    for (std::size_t i = 0; i < kInputColumnCount; ++i) {
        json[std::string(kInputColumnNames[i])] = fields.texts[i];
    }
    json[std::string(kNakshatraColumn)] = refused ? Json(nullptr) : Json(NakshatraNameOf(record));
    json[std::string(kYogaColumn)] = refused ? Json(nullptr) : Json(YogaNameOf(record));
    for (const NumberColumn& column : kNumberColumns) {
        json[std::string(column.name)] = refused ? Json(nullptr) : NumberJson(record.*column.field);
    }
    json[std::string(kErrorColumn)] = refused ? Json(refusal) : Json(nullptr);
    json["zone_applied"] = refused || record.zoneApplied.empty() ? Json(nullptr) : Json(record.zoneApplied);
    json["clock_note"] = refused || record.clockNote.empty() ? Json(nullptr) : Json(record.clockNote);
    json["details"] = DetailsJson(refused ? std::nullopt : record.details);
    if (withDasha) {
        json["dasha"] = refused || !record.details || !record.dasha
                            ? Json(nullptr)
                            : DashaJson(*record.dasha, record.details->clockLeadHours);
    }
    if (chart) json["chart"] = *chart;
    return DumpLine(json);
}

std::string FormatNamesJson(std::string_view nakshatraName, std::string_view yogaName) {
    Json json = Json::object();
    json[std::string(kNakshatraColumn)] = nakshatraName;
    json[std::string(kYogaColumn)] = yogaName;
    return DumpLine(json);
}

}  // namespace zorvane::cli
