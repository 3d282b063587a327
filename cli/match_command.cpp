#include "cli/match_command.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <variant>

#include "cli/cli_wording.h"
#include "cli/command_line.h"
#include "cli/match_output.h"
#include "cli/run_reading.h"
#include "core/files/chart_clock.h"
#include "core/files/chart_file.h"
#include "core/reading/compute_reading.h"
#include "core/files/file_store.h"
#include "core/matching/ashtakoota.h"
#include "core/matching/match_text.h"
#include "core/matching/porutham.h"
#include "core/matching/star_day.h"
#include "core/reading/birth_record.h"
#include "core/text/language.h"
#include "core/time/angles.h"
#include "core/time/zone_date.h"

namespace zorvane::cli {

namespace {

constexpr std::string_view kProgramName = "zorvane-cli";
constexpr double kUnixEpochJulianDay = 2440587.5;  // 1970 January 1, 0h universal time
constexpr double kSecondsPerDay = 86400.0;
constexpr double kSummerTimeHours = 1.0;

enum class MatchMode { None, Charts, Stars, Tarabala };

struct MatchOptions {
    MatchMode mode = MatchMode::None;
    std::string first;   // a chart path or a typed star
    std::string second;
    std::string chartPath;  // --open-chart with --tarabala
    std::string date;       // --date with --tarabala; empty: today
    bool json = false;
    std::optional<Language> language;  // --lang: the language of the text output
};

void Write(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

void Complain(std::string_view message) {
    Write(stderr, std::string(kProgramName) + ": " + std::string(message) + "\n");
}

int Finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        Complain("could not write the output");
        return kExitOutputFailed;
    }
    return status;
}

// The options, or the usage fault.
std::variant<MatchOptions, std::string> ParseMatchOptions(std::span<const std::string_view> arguments) {
    MatchOptions options;
    const auto setMode = [&options](MatchMode mode) {
        if (options.mode != MatchMode::None) return false;
        options.mode = mode;
        return true;
    };
    bool formatGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        std::optional<std::string> attached;
        if (const std::size_t equals = name.find('='); name.starts_with("--") && equals != std::string_view::npos) {
            attached = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (attached) return attached;
            if (i + 1 >= arguments.size()) return std::nullopt;
            return std::string(arguments[++i]);
        };
        if (name == "--match" || name == "--match-stars") {
            if (!setMode(name == "--match" ? MatchMode::Charts : MatchMode::Stars)) {
                return "give one of --match, --match-stars and --tarabala";
            }
            if (attached || i + 2 >= arguments.size()) return std::string(name) + " takes two values";
            options.first = arguments[++i];
            options.second = arguments[++i];
        } else if (name == "--tarabala") {
            if (attached) return std::string("--tarabala takes no value");
            if (!setMode(MatchMode::Tarabala)) return "give one of --match, --match-stars and --tarabala";
        } else if (name == "--open-chart" || name == "--date" || name == "--format" || name == "--lang") {
            const std::optional<std::string> given = value();
            if (!given) return std::string(name) + " needs a value";
            if (name == "--lang") {
                if (options.language) return "--lang is given twice";
                options.language = LanguageOfCode(*given);
                if (!options.language) return "--lang takes en or hi";
            } else if (name == "--format") {
                if (formatGiven || (*given != "text" && *given != "json")) return "--format takes text or json";
                formatGiven = true;
                options.json = *given == "json";
            } else if (name == "--date") {
                if (!options.date.empty()) return "--date is given twice";
                options.date = *given;
            } else {
                if (!options.chartPath.empty()) return "--open-chart is given twice";
                options.chartPath = *given;
            }
        } else {
            return "unknown argument '" + std::string(arguments[i]) + "'";
        }
    }
    if (options.mode == MatchMode::Tarabala && options.chartPath.empty()) {
        return "--tarabala needs --open-chart FILE.zchart";
    }
    if (options.mode != MatchMode::Tarabala && (!options.chartPath.empty() || !options.date.empty())) {
        return "--open-chart and --date go with --tarabala";
    }
    return options;
}

// The birth star of a chart file through the reading's own calculation, and
// the chart's standard clock (its zone without summer time).
struct ChartStar {
    Star star;
    double standardLeadHours = 0;
};

std::variant<ChartStar, std::string> StarOfChart(const std::string& path) {
    const LoadedFile loaded = LoadFile(path, kMaxChartFileBytes + 1);
    if (loaded.fault != LoadFault::None) {
        return "could not open the chart " + path + ": " +
               (loaded.reason.empty() ? std::string("not a regular file") : loaded.reason);
    }
    const std::variant<ChartFile, ChartFileRefusal> parsed = ParseChartFile(loaded.bytes);
    if (const auto* refused = std::get_if<ChartFileRefusal>(&parsed)) return path + ": " + refused->message;
    const std::variant<ChartInput, Refusal> input = InputFromChartWithClock(
        std::get<ChartFile>(parsed), NumberFormat{"."}, ValidationScope::WithoutNameAndLatitude);
    if (const auto* refusal = std::get_if<Refusal>(&input)) return path + ": " + std::string(refusal->message);
    const BirthRecord record = ComputeReading(std::get<ChartInput>(input).input, ReadingParts::WithDetails);
    if (!record.nakshatraIndex || !record.details) return path + ": the chart has no birth nakshatra";
    return ChartStar{{*record.nakshatraIndex, record.details->pada},
                     record.details->clockLeadHours - (record.birth.DaylightSaving ? kSummerTimeHours : 0.0)};
}

// The wording of the output: the chosen language for text, English for JSON.
Wording OutputWording(const MatchOptions& options) {
    return options.json ? Wording{} : CliWording(options.language.value_or(Language::English));
}

std::optional<CivilDate> ParseDate(const std::string& text) {
    CivilDate date;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &date.year, &date.month, &date.day, &extra) != 3) return std::nullopt;
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return std::nullopt;
    return date;
}

int RunMatch(const MatchOptions& options) {
    Star stars[2];
    const std::string* given[2] = {&options.first, &options.second};
    for (int i = 0; i < 2; ++i) {
        if (options.mode == MatchMode::Stars) {
            const std::optional<Star> star = ParseStar(*given[i]);
            if (!star) {
                Complain("--match-stars takes NAKSHATRA:PADA, the nakshatra by name or number 1..27 and the pada 1..4: '" +
                         *given[i] + "'");
                return kExitUsage;
            }
            stars[i] = *star;
        } else {
            const std::variant<ChartStar, std::string> found = StarOfChart(*given[i]);
            if (const auto* fault = std::get_if<std::string>(&found)) {
                Complain(*fault);
                return kExitRefused;
            }
            stars[i] = std::get<ChartStar>(found).star;
        }
    }
    const Wording wording = OutputWording(options);
    const Ashtakoota ashtakoota = MatchAshtakoota(stars[0], stars[1], wording);
    const std::array<Porutham, kPoruthamCount> porutham = MatchPorutham(stars[0], stars[1], wording);
    Write(stdout, options.json ? FormatMatchJson(ashtakoota, porutham)
                               : FormatMatchText(stars[0], stars[1], ashtakoota, porutham, wording));
    return Finish(kExitSuccess);
}

int RunTarabala(const MatchOptions& options) {
    const std::variant<ChartStar, std::string> found = StarOfChart(options.chartPath);
    if (const auto* fault = std::get_if<std::string>(&found)) {
        Complain(*fault);
        return kExitRefused;
    }
    const ChartStar& birth = std::get<ChartStar>(found);
    CivilDate date;
    if (options.date.empty()) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
        date = ZoneCivilDate(kUnixEpochJulianDay + seconds / kSecondsPerDay, birth.standardLeadHours);
    } else if (const std::optional<CivilDate> parsed = ParseDate(options.date)) {
        date = *parsed;
    } else {
        Complain("--date takes YYYY-MM-DD");
        return kExitUsage;
    }
    const auto [start, end] = CivilDayBounds(date.year, date.month, date.day, birth.standardLeadHours);
    const StarDay day = ComputeStarDay(birth.star, start, end);
    const Wording wording = OutputWording(options);
    Write(stdout, options.json ? FormatStarDayJson(birth.star, IsoDateText(date), day, birth.standardLeadHours)
                               : wording.Say("Date") + ": " + IsoDateText(date) + "\n" +
                                     FormatStarDayText(birth.star, day, birth.standardLeadHours, wording));
    return Finish(kExitSuccess);
}

}  // namespace

bool IsMatchCommand(std::span<const std::string_view> arguments) {
    for (const std::string_view argument : arguments) {
        const std::string_view name = argument.substr(0, argument.find('='));
        if (name == "--match" || name == "--match-stars" || name == "--tarabala") return true;
    }
    return false;
}

int RunMatchCommand(std::span<const std::string_view> arguments) {
    const std::variant<MatchOptions, std::string> parsed = ParseMatchOptions(arguments);
    if (const auto* fault = std::get_if<std::string>(&parsed)) {
        Complain(*fault);
        Complain("try 'zorvane-cli --help'");
        return kExitUsage;
    }
    const MatchOptions& options = std::get<MatchOptions>(parsed);
    return options.mode == MatchMode::Tarabala ? RunTarabala(options) : RunMatch(options);
}

std::string_view MatchUsageText() {
    return R"(
Matching and the day of a birth star:
  zorvane-cli --match BRIDE.zchart GROOM.zchart [--format text|json]
              [--lang en|hi]
  zorvane-cli --match-stars NAKSHATRA:PADA NAKSHATRA:PADA [--format text|json]
              [--lang en|hi]
  zorvane-cli --tarabala --open-chart FILE.zchart [--date YYYY-MM-DD]
              [--format text|json] [--lang en|hi]
--match computes the birth stars of two chart files (the bride's first) and
gives the ashtakoota (eight kootas, 36 points) and the ten poruthams;
--match-stars does the same for two stars typed by name or number 1..27 with
their padas 1..4 ("Rohini:3", "4:3"). JSON: {"ashtakoota": {"kootas": [..],
"total", "max": 36, "doshas": [..]}, "porutham": [..]}. --tarabala gives the
taras, the chandrabala and whether the day is chandrashtama for the chart's
birth star, from midnight to midnight of the date (default: today) on the
chart's standard clock, with the times the Moon changes nakshatra or sign.
--lang hi gives the text in Hindi; the JSON stays English.
)";
}

}  // namespace zorvane::cli
