#include "cli/reading_output.h"

#include <cmath>
#include <optional>

#include "cli/result_columns.h"
#include "ephemeris/nakshatra_names.h"
#include "panchang/details_fields.h"
#include "panchang/details_text.h"
#include "panchang/limb_names.h"
#include "panchang/yoga_names.h"
#include "reading/display_tables.h"

namespace zorvane::cli {
namespace {

void AppendResultBlock(std::string_view heading, std::string_view name,
                       std::optional<std::string_view> paragraph, std::string& out) {
    out.append(heading).append(": ").append(name).push_back('\n');
    if (paragraph) {
        out.append(*paragraph).push_back('\n');
    }
}

void AppendJsonString(std::string_view text, std::string& out) {
    out.push_back('"');
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (byte < 0x20) {
            constexpr std::string_view kHexDigits = "0123456789abcdef";
            out.append("\\u00");
            out.push_back(kHexDigits[byte >> 4]);
            out.push_back(kHexDigits[byte & 0xf]);
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
}

void AppendJsonKey(std::string_view key, std::string& out) {
    if (out.size() > 1) {
        out.push_back(',');
    }
    AppendJsonString(key, out);
    out.push_back(':');
}

void AppendJsonNumber(double value, std::string& out) {
    // JSON has no spelling for infinities or NaN.
    if (std::isfinite(value)) {
        AppendShortestNumber(value, out);
    } else {
        out.append("null");
    }
}

void AppendJsonDetails(const std::optional<BirthDetails>& details, std::string& out) {
    if (!details) {
        out.append("null");
        return;
    }
    std::string object = "{";
    for (const DetailField& field : DetailFieldsOf(*details)) {
        AppendJsonKey(field.key, object);
        if (const auto* text = std::get_if<std::string>(&field.value)) {
            AppendJsonString(*text, object);
        } else if (const auto* whole = std::get_if<int>(&field.value)) {
            object.append(std::to_string(*whole));
        } else if (const auto* number = std::get_if<double>(&field.value)) {
            AppendJsonNumber(*number, object);
        } else {
            object.append("null");
        }
    }
    out.append(object).push_back('}');
}

std::string LimbLine(std::string_view limb, const std::string& name, const LimbSpan& span, double lead) {
    return std::string(limb) + ": " + name + ", " + FormatBirthClock(span.startJd, lead) + " to " +
           FormatBirthClock(span.endJd, lead) + "\n";
}

}  // namespace

std::string FormatDetailsText(const BirthDetails& d) {
    const double lead = d.clockLeadHours;
    std::string out = "Details\n";
    out += "Universal time: " + FormatUniversalTime(d.universalJd) + "\n";
    out += "Ayanamsa: " + FormatDegreesMinutesSeconds(d.ayanamsaDegrees) + " (nakshatra), " +
           FormatDegreesMinutesSeconds(d.panchangAyanamsaDegrees) + " (panchang)\n";
    const std::string nakshatra(NakshatraNames[static_cast<std::size_t>(d.nakshatra.index)]);
    out += "Moon: " + FormatSignPosition(d.moonSiderealDegrees) + ", " + nakshatra + " pada " +
           std::to_string(d.pada) + ", lord " + std::string(NakshatraLord(d.nakshatra.index)) + "\n";
    out += "Sun: " + FormatSignPosition(d.sunSiderealDegrees) + "\n";
    out += LimbLine("Tithi", std::to_string(d.tithi.index + 1) + " " + TithiWithPaksha(d.tithi.index), d.tithi, lead);
    if (d.weekday) {
        std::string vara = "Vara: " + std::string(kWeekdayNames[static_cast<std::size_t>(*d.weekday)]);
        if (d.varaStartJd && d.varaEndJd) {
            vara += ", " + FormatBirthClock(*d.varaStartJd, lead) + " to " + FormatBirthClock(*d.varaEndJd, lead);
        }
        out += vara + "\n";
    }
    out += LimbLine("Nakshatra", nakshatra, d.nakshatra, lead);
    out += LimbLine("Yoga", std::string(YogaNames[static_cast<std::size_t>(d.yoga.index)]), d.yoga, lead);
    out += LimbLine("Karana", std::to_string(d.karana.index + 1) + " " + std::string(KaranaName(d.karana.index + 1)),
                    d.karana, lead);
    if (d.sunriseJd) out += "Sunrise: " + FormatBirthClock(*d.sunriseJd, lead) + "\n";
    if (d.sunsetJd) out += "Sunset: " + FormatBirthClock(*d.sunsetJd, lead) + "\n";
    if (d.sunNote != SunNote::None) out += std::string(SunNoteText(d.sunNote)) + ".\n";
    for (const std::string& sentence : NearBoundSentences(d)) out += sentence + "\n";
    return out;
}

std::string FormatResultText(std::optional<int> nakshatraRow, std::optional<int> yogaRow) {
    std::string_view nakshatraName;
    std::optional<std::string_view> nakshatraParagraph;
    if (nakshatraRow) {
        const DisplayRow& row = NakshatraTable[static_cast<std::size_t>(*nakshatraRow)];
        nakshatraName = row.name;
        nakshatraParagraph = row.description;
    }
    std::string_view yogaName;
    std::optional<std::string_view> yogaParagraph;
    if (yogaRow) {
        const DisplayRow& row = YogaTable[static_cast<std::size_t>(*yogaRow)];
        yogaName = row.name;
        yogaParagraph = row.description;
    }
    std::string out;
    AppendResultBlock("Nakshatra", nakshatraName, nakshatraParagraph, out);
    out.push_back('\n');
    AppendResultBlock("Yoga", yogaName, yogaParagraph, out);
    return out;
}

std::string FormatReadingJson(const ReadingFields& fields, const BirthRecord& record,
                              std::string_view refusal) {
    const bool refused = !refusal.empty();
    std::string out = "{";
    for (std::size_t i = 0; i < kInputColumnCount; ++i) {
        AppendJsonKey(kInputColumnNames[i], out);
        AppendJsonString(fields.texts[i], out);
    }
    if (refused) {
        AppendJsonKey(kNakshatraColumn, out);
        out.append("null");
        AppendJsonKey(kYogaColumn, out);
        out.append("null");
        for (const NumberColumn& column : kNumberColumns) {
            AppendJsonKey(column.name, out);
            out.append("null");
        }
        AppendJsonKey(kErrorColumn, out);
        AppendJsonString(refusal, out);
    } else {
        AppendJsonKey(kNakshatraColumn, out);
        AppendJsonString(NakshatraNameOf(record), out);
        AppendJsonKey(kYogaColumn, out);
        AppendJsonString(YogaNameOf(record), out);
        for (const NumberColumn& column : kNumberColumns) {
            AppendJsonKey(column.name, out);
            AppendJsonNumber(record.*column.field, out);
        }
        AppendJsonKey(kErrorColumn, out);
        out.append("null");
    }
    AppendJsonKey("details", out);
    AppendJsonDetails(refused ? std::nullopt : record.details, out);
    out.append("}\n");
    return out;
}

std::string FormatNamesJson(std::string_view nakshatraName, std::string_view yogaName) {
    std::string out = "{";
    AppendJsonKey(kNakshatraColumn, out);
    AppendJsonString(nakshatraName, out);
    AppendJsonKey(kYogaColumn, out);
    AppendJsonString(yogaName, out);
    out.append("}\n");
    return out;
}

}  // namespace zorvane::cli
