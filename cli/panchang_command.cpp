#include "cli/panchang_command.h"

#include <QDate>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>

#include "cli/calendar_output.h"
#include "cli/cli_wording.h"
#include "cli/command_line.h"
#include "cli/panchang_place.h"
#include "core/calendar/calendar_ics.h"
#include "core/calendar/day_report.h"
#include "core/calendar/year_calendar.h"

namespace zorvane::cli {

namespace {

constexpr std::string_view kProgramName = "zorvane-cli";
constexpr int kFirstYear = 1600;  // the zone history and the theories are checked from here
constexpr int kLastYear = 2400;
constexpr int kMonthsPerYear = 12;

constexpr std::string_view kUsage =
    "  zorvane-cli --panchang --date YYYY-MM-DD (--place \"NAME[, STATE][, COUNTRY]\" |\n"
    "              --lat LAT --lon LON --zone H:MM) [--format text|json] [--lang en|hi]\n"
    "  zorvane-cli --calendar YEAR [--month M] (--place ... | --lat --lon --zone)\n"
    "              [--format csv|json|ics]\n";

constexpr auto kValueOptions = std::to_array<std::string_view>(
    {"--date", "--calendar", "--month", "--place", "--lat", "--lon", "--zone", "--format", "--lang"});

void Write(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

int Complain(std::string_view message, int status) {
    Write(stderr, std::string(kProgramName) + ": " + std::string(message) + "\n");
    return status;
}

int Finish() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        return Complain("could not write the output", kExitOutputFailed);
    }
    return kExitSuccess;
}

struct Given {
    bool panchang = false;
    std::map<std::string_view, std::string, std::less<>> values;

    bool has(std::string_view name) const { return values.contains(name); }
    const std::string& value(std::string_view name) const { return values.find(name)->second; }
};

std::optional<std::string> Collect(std::span<const std::string_view> arguments, Given& given) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--panchang") {
            given.panchang = true;
            continue;
        }
        const auto* option = std::find(kValueOptions.begin(), kValueOptions.end(), argument);
        if (option == kValueOptions.end()) return "unknown option with --panchang or --calendar: " + std::string(argument);
        if (i + 1 >= arguments.size()) return std::string(argument) + " needs a value";
        if (given.has(argument)) return std::string(argument) + " is given twice";
        given.values.emplace(*option, std::string(arguments[++i]));
    }
    if (given.panchang == given.has("--calendar")) return std::string("give either --panchang or --calendar");
    return std::nullopt;
}

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

PanchangPlaceResult PlaceOf(const Given& given) {
    const bool typed = given.has("--lat") || given.has("--lon") || given.has("--zone");
    if (given.has("--place") && typed) return {std::nullopt, "give --place or --lat, --lon and --zone, not both"};
    if (given.has("--place")) return PlaceFromAtlas(given.value("--place"));
    if (!(given.has("--lat") && given.has("--lon") && given.has("--zone"))) {
        return {std::nullopt, "a place is needed: --place, or --lat, --lon and --zone"};
    }
    return PlaceFromCoordinates(given.value("--lat"), given.value("--lon"), given.value("--zone"));
}

std::string SunNoteText(SunNote note) {
    switch (note) {
        case SunNote::PolarNight: return "the Sun does not rise there that day (polar night)";
        case SunNote::PolarDay: return "the Sun does not set there that day (polar day)";
        default: return "the Sun does not both rise and set there that day";
    }
}

int RunDay(const Given& given) {
    if (!given.has("--date")) return Complain("--panchang needs --date YYYY-MM-DD", kExitUsage);
    const QDate date = QDate::fromString(QString::fromStdString(given.value("--date")), Qt::ISODate);
    if (!date.isValid() || date.year() < kFirstYear || date.year() > kLastYear) {
        return Complain("--date takes a real date YYYY-MM-DD from 1600 to 2400", kExitUsage);
    }
    const std::string format = given.has("--format") ? given.value("--format") : "text";
    if (format != "text" && format != "json") return Complain("--format takes text or json with --panchang", kExitUsage);
    if (given.has("--month") || given.has("--calendar")) return Complain("--month goes with --calendar", kExitUsage);
    const std::optional<Language> language =
        given.has("--lang") ? LanguageOfCode(given.value("--lang")) : std::optional(Language::English);
    if (!language) return Complain("--lang takes en or hi", kExitUsage);
    const PanchangPlaceResult place = PlaceOf(given);
    if (!place.place) return Complain(place.fault, place.fault.starts_with("no place") ? kExitRefused : kExitUsage);

    const DayReportResult result = ComputeDayReport({date.year(), date.month(), date.day()}, place.place->geo,
                                                    place.place->shown, place.place->offsetAt);
    if (!result.report) return Complain(SunNoteText(result.sunNote), kExitRefused);
    // The JSON is for programs: English whatever the language.
    Write(stdout, format == "json" ? DayReportJson(*result.report).dump(2) + "\n"
                                   : DayReportText(*result.report, CliWording(*language)));
    return Finish();
}

UtcStamp Now() {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    const auto days = std::chrono::floor<std::chrono::days>(now);
    const std::chrono::year_month_day date(days);
    const std::chrono::hh_mm_ss time(now - days);
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
}

int RunCalendar(const Given& given) {
    const std::optional<int> year = WholeNumber(given.value("--calendar"));
    if (!year || *year < kFirstYear || *year > kLastYear) return Complain("--calendar takes a year from 1600 to 2400", kExitUsage);
    int month = 0;
    if (given.has("--month")) {
        const std::optional<int> m = WholeNumber(given.value("--month"));
        if (!m || *m < 1 || *m > kMonthsPerYear) return Complain("--month takes 1 to 12", kExitUsage);
        month = *m;
    }
    if (given.has("--date")) return Complain("--date goes with --panchang", kExitUsage);
    if (given.has("--lang")) {
        return Complain("--lang goes with --panchang (the calendar's files stay English)", kExitUsage);
    }
    const std::string format = given.has("--format") ? given.value("--format") : "csv";
    if (format != "csv" && format != "json" && format != "ics") {
        return Complain("--format takes csv, json or ics with --calendar", kExitUsage);
    }
    const PanchangPlaceResult place = PlaceOf(given);
    if (!place.place) return Complain(place.fault, place.fault.starts_with("no place") ? kExitRefused : kExitUsage);
    const PanchangPlace& at = *place.place;
    const std::vector<CalendarDayRow> rows = ComputeCalendar(*year, month, at.geo, at.offsetAt);
    if (format == "csv") {
        Write(stdout, CalendarCsv(rows, at.offsetAt));
    } else if (format == "json") {
        Write(stdout, CalendarJson(rows, at.shown, at.geo, at.offsetAt));
    } else {
        Write(stdout, CalendarEventsIcs(rows, at.shown.name.empty() ? at.shown.zone : at.shown.name, Now()));
    }
    return Finish();
}

}  // namespace

bool IsPanchangCommand(std::span<const std::string_view> arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](std::string_view argument) {
        return argument == "--panchang" || argument == "--calendar";
    });
}

int RunPanchangCommand(std::span<const std::string_view> arguments) {
    Given given;
    if (const std::optional<std::string> fault = Collect(arguments, given)) {
        Complain(*fault, kExitUsage);
        return Complain("try 'zorvane-cli --help'", kExitUsage);
    }
    return given.panchang ? RunDay(given) : RunCalendar(given);
}

std::string_view PanchangUsageText() { return kUsage; }

}  // namespace zorvane::cli
