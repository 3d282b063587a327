#include "core/format/dasha_text.h"

#include <cstddef>
#include <nlohmann/json.hpp>

#include "core/format/local_names.h"
#include "core/format/reading_lines.h"
#include "core/text/utf8.h"
#include "core/time/zone_date.h"

namespace zorvane {

namespace {

// Wide enough for the longest lord's name ("Jupiter", "Mercury") and a date.
constexpr std::size_t kColumnWidth = 12;

void AppendCount(std::string& text, int count, std::string_view unit) {
    if (!text.empty()) text += ' ';
    text += std::to_string(count);
    text += ' ';
    text += unit;
    if (count != 1) text += 's';
}

void AppendColumn(std::string& text, std::string_view cell) {
    text += cell;
    const std::size_t columns = TerminalColumns(cell);
    if (columns < kColumnWidth) text.append(kColumnWidth - columns, ' ');
}

std::string DateText(double universalJulianDay, double zoneOffsetHours) {
    return IsoDateText(ZoneCivilDate(universalJulianDay, zoneOffsetHours));
}

void AppendRow(std::string& text, std::string_view period, std::string_view sub, double startJd,
               double endJd, double zoneOffsetHours, std::string_view note) {
    AppendColumn(text, period);
    AppendColumn(text, sub);
    AppendColumn(text, DateText(startJd, zoneOffsetHours));
    if (note.empty()) {
        text += DateText(endJd, zoneOffsetHours);
    } else {
        AppendColumn(text, DateText(endJd, zoneOffsetHours));
        text += note;
    }
    text += '\n';
}

}  // namespace

std::string_view DashaLordName(int lord) { return kDashaLords[static_cast<std::size_t>(lord)].name; }

std::string YearsMonthsDaysText(double years) {
    const YearsMonthsDays split = SplitDashaYears(years);
    std::string text;
    AppendCount(text, split.years, "year");
    AppendCount(text, split.months, "month");
    AppendCount(text, split.days, "day");
    return text;
}

std::string DashaBalanceText(const VimshottariDasha& dasha) {
    std::string text(DashaLordName(dasha.birthLord));
    text += ' ';
    text += YearsMonthsDaysText(dasha.balanceYears);
    return text;
}

std::string DashaTextTable(const VimshottariDasha& dasha, double zoneOffsetHours, const Wording& wording) {
    std::string text = wording.Say("Vimshottari dasha (one year = 365.25 days; dates in the birth's zone)");
    text.append("\n").append(wording.Say("Balance at birth")).append(": ");
    text.append(DashaBalanceLine(dasha, wording)).append("\n\n");
    AppendColumn(text, wording.Say("Mahadasha"));
    AppendColumn(text, wording.Say("Antardasha"));
    AppendColumn(text, wording.Say("Start"));
    text.append(wording.Say("End")).append("\n");
    const std::string beforeBirth = wording.Say("before birth");
    for (const Mahadasha& period : dasha.mahadashas) {
        AppendRow(text, LordText(period.lord, wording.language), "", period.startJd, period.endJd, zoneOffsetHours,
                  "");
        for (const Antardasha& sub : period.antardashas) {
            AppendRow(text, "", LordText(sub.lord, wording.language), sub.startJd, sub.endJd, zoneOffsetHours,
                      sub.beforeBirth ? std::string_view(beforeBirth) : std::string_view());
        }
    }
    return text;
}

nlohmann::ordered_json DashaJson(const VimshottariDasha& dasha, double zoneOffsetHours) {
    // Filled key by key: nlohmann's initializer lists copy every value once more.
    const auto period = [zoneOffsetHours](int lord, double startJd, double endJd) {
        nlohmann::ordered_json object = nlohmann::ordered_json::object();
        object["lord"] = DashaLordName(lord);
        object["start"] = DateText(startJd, zoneOffsetHours);
        object["end"] = DateText(endJd, zoneOffsetHours);
        return object;
    };
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["lord"] = DashaLordName(dasha.birthLord);
    json["balance_years"] = dasha.balanceYears;
    nlohmann::ordered_json& periods = json["periods"] = nlohmann::ordered_json::array();
    for (const Mahadasha& mahadasha : dasha.mahadashas) {
        nlohmann::ordered_json& entry = periods.emplace_back(
            period(mahadasha.lord, mahadasha.startJd, mahadasha.endJd));
        nlohmann::ordered_json& subs = entry["sub"] = nlohmann::ordered_json::array();
        for (const Antardasha& sub : mahadasha.antardashas) {
            subs.emplace_back(period(sub.lord, sub.startJd, sub.endJd));
        }
    }
    return json;
}

}  // namespace zorvane
