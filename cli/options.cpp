#include "cli/options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "cli/match_command.h"
#include "cli/panchang_command.h"
#include "core/files/reading_file.h"
#include "core/zones/clock_change.h"
#include "core/zones/clock_standards.h"

namespace zorvane::cli {
namespace {

// The ending the window's file dialogs give chart files.
constexpr std::string_view kChartFileEnding = ".zchart";

// Above this many threads a batch only wastes memory on idle workers.
constexpr unsigned kMostThreads = 1024;

// The modes an option may be given in, as a bit set.
using ModeSet = unsigned;
constexpr ModeSet ModeBit(RunMode mode) { return 1U << static_cast<unsigned>(mode); }
constexpr ModeSet kReading = ModeBit(RunMode::SingleReading);
constexpr ModeSet kBatch = ModeBit(RunMode::Batch);
constexpr ModeSet kOpen = ModeBit(RunMode::OpenFile);
constexpr ModeSet kOpenChart = ModeBit(RunMode::OpenChart);
constexpr ModeSet kPlaces = ModeBit(RunMode::PlaceList);
constexpr ModeSet kAnyMode = kReading | kBatch | kOpen | kOpenChart | kPlaces | ModeBit(RunMode::Help) |
                             ModeBit(RunMode::Version);

enum class Flag {
    Help, Version, Date, Time, Zone, Lon, Lat, Dst, Format, Dasha, Save, SaveChart, Open, OpenChart, Batch, Threads,
    Details, Place, Name, City, State, Country, Clock, Repeated, Chart, Ayanamsa, Node, Lang
};

// Everything about one option in one row: its spelling, the value it takes
// (empty: none), whether a reading needs it, the modes it goes with, the
// complaint when given in another mode (empty: that mode's own), and its help.
struct OptionRow {
    Flag flag;
    std::string_view name;
    std::string_view valueName;
    bool required;
    ModeSet modes;
    std::string_view outOfMode;
    std::string_view help;
};

constexpr auto kOptionRows = std::to_array<OptionRow>({
    {Flag::Date, "--date", "YYYY-MM-DD", true, kReading, "", "the date of birth"},
    {Flag::Time, "--time", "HH:MM[:SS]", true, kReading, "", "the clock time of birth"},
    {Flag::Zone, "--zone", "H:MM", true, kReading, "",
     "the zone's hours and minutes; a leading + puts it\nahead of universal time, a leading - behind it"},
    {Flag::Lon, "--lon", "D:ME|D:MW", true, kReading, "", "the longitude, East or West"},
    {Flag::Lat, "--lat", "D:MN|D:MS", false, kReading, "",
     "the latitude, North or South, for sunrise, sunset\nand the vara in the details"},
    {Flag::Dst, "--dst", "", false, kReading, "", "summer time was kept"},
    {Flag::Format, "--format", "text|json", false, kReading | kOpen | kOpenChart | kPlaces, "",
     "text: the names with their paragraphs (default)\n"
     "json: one object: the inputs, both names, the\n"
     "computed values, the error (null when the\n"
     "reading was computed) and the details"},
    {Flag::Dasha, "--dasha", "", false, kReading | kOpenChart, "",
     "add the Vimshottari dasha: a table after the\n"
     "details, or the JSON object \"dasha\""},
    {Flag::Save, "--save", "FILE.vrn", false, kReading, "",
     "also write the reading file (the two names, scrambled)"},
    {Flag::SaveChart, "--save-chart", "FILE.zchart", false, kReading, "",
     "also write a chart file that --open-chart and the\n"
     "window open again"},
    {Flag::Batch, "--batch", "", false, kBatch, "", "read readings as CSV on standard input"},
    {Flag::Threads, "--threads", "N", false, kBatch, "--threads goes with --batch",
     "threads for --batch (default: one per hardware\nthread)"},
    {Flag::Details, "--details", "", false, kBatch, "--details goes with --batch",
     "with --batch: append the birth details' columns"},
    {Flag::Open, "--open", "FILE.vrn", false, kOpen, "",
     "show the names and paragraphs of a saved\nreading"},
    {Flag::OpenChart, "--open-chart", "FILE.zchart", false, kOpenChart, "",
     "compute and show the reading a chart file holds,\n"
     "with its details"},
    {Flag::Place, "--place", "\"NAME[, STATE][, COUNTRY]\"", false, kReading | kPlaces, "",
     "alone: list the atlas's places of that name, best\n"
     "first: name, division, country, latitude,\n"
     "longitude (degrees, north and east positive) and\n"
     "zone, tab-separated; state and country narrow the\n"
     "matches. With --date and --time, each line adds\n"
     "the zone's offset from universal time then and\n"
     "any summer time, and the reading follows, with\n"
     "the longitude, zone and DST of the first match as\n"
     "the window's \"Use this place\" fills them, instead\n"
     "of --zone, --lon and --dst (JSON: one object with\n"
     "\"places\" and \"reading\")"},
    {Flag::Name, "--name", "TEXT", false, kReading, "",
     "whose reading it is, kept in the chart file and\nshown in its report"},
    {Flag::City, "--city", "TEXT", false, kReading, "", "the place's city, for the chart file"},
    {Flag::State, "--state", "TEXT", false, kReading, "", "the place's state, for the chart file"},
    {Flag::Country, "--country", "TEXT", false, kReading, "", "the place's country, for the chart file"},
    {Flag::Clock, "--clock", "bombay|calcutta|madras|war|lmt|tz", false, kReading, "",
     "with --place: the clock standard the time was read\n"
     "from, for India, Karachi, Dhaka and Colombo before\n"
     "1956 (default tz: the tz database's value);\n"
     "refused outside the standard's years and places"},
    {Flag::Repeated, "--repeated", "earlier|later", false, kReading, "",
     "with --place: for a clock time that a change of\n"
     "the clocks skipped or repeated, the offset before\n"
     "the change (earlier, the default) or after it"},
    {Flag::Chart, "--chart", "", false, kReading | kOpenChart | kBatch, "",
     "add the birth chart from the Swiss Ephemeris: the\n"
     "lagna and the nine grahas with nakshatra, pada,\n"
     "lord, house and speed, and the sixteen vargas (JSON:\n"
     "the object \"chart\"; with --batch --details: the\n"
     "columns lagna_sign and <graha>_longitude)"},
    {Flag::Ayanamsa, "--ayanamsa", "NAME", false, kReading | kOpenChart | kBatch, "",
     "the chart's ayanamsa: lahiri (default), lahiri-icrc,\n"
     "krishnamurti, raman, true-chitra, yukteshwar or\n"
     "fagan-bradley"},
    {Flag::Node, "--node", "mean|true", false, kReading | kOpenChart | kBatch, "",
     "Rahu from the mean node (default) or the true node"},
    {Flag::Lang, "--lang", "en|hi", false, kReading | kOpenChart, "",
     "the language of the text output: en (default) or hi\n"
     "(Hindi names and labels); JSON keys and names stay English"},
    {Flag::Help, "--help", "", false, kAnyMode, "", "this text"},
    {Flag::Version, "--version", "", false, kAnyMode, "", "the program's version"},
});

// What a mode says of an option it does not take.
std::string_view OutOfModeComplaint(RunMode mode) {
    switch (mode) {
        case RunMode::Batch:
            return "--batch reads its readings from standard input and takes only --threads and --details, "
                   "or --chart with --ayanamsa and --node";
        case RunMode::OpenFile:
            return "--open takes only --format";
        case RunMode::OpenChart:
            return "--open-chart takes only --format and --dasha, or --chart with --ayanamsa and --node";
        case RunMode::PlaceList:
            return "--place without --date and --time lists places and takes only --format";
        default:
            return {};
    }
}

const OptionRow* FindOption(std::string_view name) {
    if (name == "-h") name = "--help";
    for (const OptionRow& row : kOptionRows) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

// CLI11 reports a missing value or a value given to a flag without saying
// which option; the first such argument, in order, is the one to name.
std::string ValueFault(std::span<const std::string_view> arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        const std::size_t equals = name.find('=');
        const bool attached = name.starts_with("--") && equals != std::string_view::npos;
        if (attached) name = name.substr(0, equals);
        const OptionRow* row = FindOption(name);
        if (row == nullptr) continue;
        if (row->valueName.empty()) {
            if (attached) return std::string(row->name) + " takes no value";
            continue;
        }
        if (attached) continue;
        // A following option is no value; a negative number is.
        const bool nextIsValue = i + 1 < arguments.size() &&
                                 !(arguments[i + 1].starts_with("-") && arguments[i + 1].size() > 1 &&
                                   !(arguments[i + 1][1] >= '0' && arguments[i + 1][1] <= '9'));
        if (!nextIsValue) return std::string(row->name) + " needs a value";
        ++i;
    }
    return "the arguments cannot be read";
}

// Splits "a<separator>b" at its only separator.
std::optional<std::array<std::string, 2>> SplitPair(std::string_view text, char separator) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos || text.find(separator, at + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    return std::array<std::string, 2>{std::string(text.substr(0, at)), std::string(text.substr(at + 1))};
}

// Four characters, a dash, one or two, a dash, one or two: the shape of
// YYYY-MM-DD. What the parts hold is for the reading checks, which name the
// part ("day must be ...").
bool IsDateShape(std::string_view text) {
    const auto digits = [](std::string_view part, std::size_t least, std::size_t most) {
        return part.size() >= least && part.size() <= most;
    };
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos) return false;
    return digits(text.substr(0, first), 4, 4) && digits(text.substr(first + 1, second - first - 1), 1, 2) &&
           digits(text.substr(second + 1), 1, 2);
}

struct Collected {
    std::array<std::optional<std::string>, kOptionRows.size()> values;
    static std::size_t Index(Flag flag) {
        for (std::size_t i = 0; i < kOptionRows.size(); ++i) {
            if (kOptionRows[i].flag == flag) return i;
        }
        return kOptionRows.size();
    }
    bool has(Flag flag) const { return values[Index(flag)].has_value(); }
    const std::string& value(Flag flag) const { return *values[Index(flag)]; }
};

// --chart and its choices; the choices alone would be silently ignored.
std::string ReadChartOptions(const Collected& given, Options& options) {
    options.withChart = given.has(Flag::Chart);
    if ((given.has(Flag::Ayanamsa) || given.has(Flag::Node)) && !options.withChart) {
        return "--ayanamsa and --node go with --chart";
    }
    if (options.withChart && options.mode == RunMode::Batch && !given.has(Flag::Details)) {
        return "with --batch, --chart goes with --details";
    }
    if (given.has(Flag::Ayanamsa)) {
        const std::optional<Ayanamsa> ayanamsa = AyanamsaFromKey(given.value(Flag::Ayanamsa));
        if (!ayanamsa) {
            return "--ayanamsa takes lahiri, lahiri-icrc, krishnamurti, raman, true-chitra, yukteshwar or "
                   "fagan-bradley";
        }
        options.chartAyanamsa = *ayanamsa;
    }
    if (given.has(Flag::Node)) {
        const std::optional<NodeKind> node = NodeFromKey(given.value(Flag::Node));
        if (!node) return "--node takes mean or true";
        options.chartNode = *node;
    }
    return {};
}

std::string FillReadingFields(const Collected& given, ReadingFields& fields) {
    // With --place the zone, longitude and DST come from the atlas later.
    const bool atPlace = given.has(Flag::Place);
    if (atPlace && (given.has(Flag::Zone) || given.has(Flag::Lon) || given.has(Flag::Dst))) {
        return "--place fills the zone, the longitude and DST: leave out --zone, --lon and --dst";
    }
    if (atPlace && given.has(Flag::Date) != given.has(Flag::Time)) {
        return "--place takes --date and --time together";
    }
    for (const OptionRow& row : kOptionRows) {
        const bool fromPlace = atPlace && (row.flag == Flag::Zone || row.flag == Flag::Lon);
        if (row.required && !fromPlace && !given.has(row.flag)) {
            return "a reading needs --date, --time, --zone and --lon";
        }
    }
    if ((given.has(Flag::Clock) || given.has(Flag::Repeated)) && !atPlace) {
        return "--clock and --repeated go with --place";
    }
    const std::string& dateText = given.value(Flag::Date);
    const std::size_t firstDash = dateText.find('-');
    const auto monthDay = firstDash == std::string::npos
                              ? std::nullopt
                              : SplitPair(std::string_view(dateText).substr(firstDash + 1), '-');
    if (!monthDay || !IsDateShape(dateText)) {
        return "date must be YYYY-MM-DD";
    }
    fields[InputColumn::Year] = dateText.substr(0, firstDash);
    fields[InputColumn::Month] = (*monthDay)[0];
    fields[InputColumn::Day] = (*monthDay)[1];

    // HH:MM or HH:MM:SS; the seconds go apart.
    std::string_view timeText = given.value(Flag::Time);
    const std::size_t lastColon = timeText.rfind(':');
    if (lastColon != std::string_view::npos && timeText.find(':') != lastColon) {
        fields.second = std::string(timeText.substr(lastColon + 1));
        timeText = timeText.substr(0, lastColon);
        if (fields.second.empty()) return "--time takes HH:MM or HH:MM:SS";
    }
    const auto time = SplitPair(timeText, ':');
    if (!time) {
        return "--time takes HH:MM or HH:MM:SS";
    }
    fields[InputColumn::Hour] = (*time)[0];
    fields[InputColumn::Minute] = (*time)[1];
    if (atPlace) {
        return {};
    }

    const auto zone = SplitPair(given.value(Flag::Zone), ':');
    if (!zone) {
        return "--zone takes H:MM";
    }
    fields[InputColumn::ZoneHour] = (*zone)[0];
    fields[InputColumn::ZoneMinute] = (*zone)[1];

    std::string_view lonText = given.value(Flag::Lon);
    const char direction = lonText.empty() ? '\0' : lonText.back();
    const auto lon = direction == 'E' || direction == 'W'
                         ? SplitPair(lonText.substr(0, lonText.size() - 1), ':')
                         : std::nullopt;
    if (!lon) {
        return "--lon takes D:ME or D:MW";
    }
    fields[InputColumn::LonDegrees] = (*lon)[0];
    fields[InputColumn::LonMinutes] = (*lon)[1];
    fields[InputColumn::LonDirection] = std::string(1, direction);
    fields[InputColumn::DaylightSaving].assign(1, given.has(Flag::Dst) ? '1' : '0');

    if (given.has(Flag::Lat)) {
        std::string_view latText = given.value(Flag::Lat);
        const char hemisphere = latText.empty() ? '\0' : latText.back();
        const auto lat = hemisphere == 'N' || hemisphere == 'S'
                             ? SplitPair(latText.substr(0, latText.size() - 1), ':')
                             : std::nullopt;
        if (!lat) {
            return "--lat takes D:MN or D:MS";
        }
        fields.latDegrees = (*lat)[0];
        fields.latMinutes = (*lat)[1];
        fields.latDirection = std::string(1, hemisphere);
    }
    return {};
}

std::string CheckCombination(const Collected& given, RunMode mode) {
    // The mode's own complaint comes before an option's.
    for (const bool ownComplaint : {false, true}) {
        for (const OptionRow& row : kOptionRows) {
            if (!given.has(row.flag) || (row.modes & ModeBit(mode)) != 0) continue;
            if (row.outOfMode.empty() == ownComplaint) continue;
            const std::string_view complaint = ownComplaint ? row.outOfMode : OutOfModeComplaint(mode);
            if (!complaint.empty()) return std::string(complaint);
        }
    }
    return {};
}

// Reads the arguments with CLI11 into one text per option given. Returns the
// usage fault, if any.
std::string Collect(std::span<const std::string_view> arguments, Collected& given) {
    CLI::App app;
    app.set_help_flag();
    app.allow_extras();
    std::array<CLI::Option*, kOptionRows.size()> options{};
    for (std::size_t i = 0; i < kOptionRows.size(); ++i) {
        const OptionRow& row = kOptionRows[i];
        std::string names(row.name);
        if (row.flag == Flag::Help) names += ",-h";
        if (row.valueName.empty()) {
            options[i] = app.add_flag(names)->disable_flag_override();
        } else {
            options[i] = app.add_option(names)->allow_extra_args(false);
        }
        options[i]->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError&) {
        return ValueFault(arguments);
    }
    if (!app.remaining().empty()) {
        return "unknown argument '" + app.remaining().front() + "'";
    }
    for (std::size_t i = 0; i < kOptionRows.size(); ++i) {
        const CLI::Option& option = *options[i];
        if (option.count() > 1) return std::string(kOptionRows[i].name) + " is given twice";
        if (option.count() == 1) {
            given.values[i] = kOptionRows[i].valueName.empty() ? std::string() : option.results().front();
        }
    }
    return {};
}

// One synopsis line per mode, from the options that go with it.
void AppendSynopsis(ModeSet mode, Flag lead, std::string& out) {
    constexpr std::size_t kWidth = 78;
    constexpr std::string_view kStart = "  zorvane-cli";
    std::string line(kStart);
    const auto add = [&](const OptionRow& row) {
        std::string word(row.name);
        if (!row.valueName.empty()) word.append(" ").append(row.valueName);
        if (!row.required && row.flag != lead) word = "[" + word + "]";
        if (line.size() + 1 + word.size() > kWidth) {
            out.append(line).push_back('\n');
            line.assign(kStart.size(), ' ');
        }
        line.append(" ").append(word);
    };
    for (const OptionRow& row : kOptionRows) {
        if (row.flag == lead) add(row);
    }
    for (const OptionRow& row : kOptionRows) {
        if (row.flag != lead && row.modes == mode) add(row);
    }
    for (const OptionRow& row : kOptionRows) {
        if (row.flag != lead && row.modes != mode && (row.modes & mode) != 0 && row.modes != kAnyMode) {
            add(row);
        }
    }
    out.append(line).push_back('\n');
}

std::string MakeUsageText() {
    std::string out = "Usage:\n";
    AppendSynopsis(kReading, Flag::Date, out);
    AppendSynopsis(kBatch, Flag::Batch, out);
    AppendSynopsis(kOpen, Flag::Open, out);
    AppendSynopsis(kOpenChart, Flag::OpenChart, out);
    AppendSynopsis(kPlaces, Flag::Place, out);
    out.append(PanchangUsageText());
    out.append("  zorvane-cli --help | --version\n");
    out.append(R"(
Finds the birth nakshatra and the birth yoga of a reading, with the same
conversions and checks as the window. The zone and longitude parts are the
texts of the window's boxes (at most 3 characters each). A zone hour with a
leading + lies ahead of universal time (east of Greenwich), one with a
leading - behind it; without a sign the zone's direction follows the
longitude's. --dst marks summer time. The output says the offset applied
(JSON "zone_applied") and any change of the clocks or clock standard
("clock_note").

Options:
)");
    constexpr std::size_t kHelpColumn = 24;
    for (const OptionRow& row : kOptionRows) {
        std::string head = "  " + std::string(row.name);
        if (row.flag == Flag::Help) head += ", -h";
        if (!row.valueName.empty()) head.append(" ").append(row.valueName);
        // A head too long for its column gets a line of its own.
        if (head.size() >= kHelpColumn) head.append("\n");
        head.resize(head.size() >= kHelpColumn ? head.size() + kHelpColumn : kHelpColumn, ' ');
        out.append(head);
        for (const char c : row.help) {
            out.push_back(c);
            if (c == '\n') out.append(kHelpColumn, ' ');
        }
        out.push_back('\n');
    }
    out.append(MatchUsageText());
    out.append(R"(
--batch reads CSV on standard input whose header names the columns
  year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst
in any order (lon_dir E or W, dst 0 or 1; other columns pass through), and
lat_deg,lat_min,lat_dir (lat_dir N or S) when the details' sunrise, sunset
and vara are wanted. With a place column (and optional state, country) the
zone, longitude and DST columns may be left out: the atlas fills them for
each row with a place, at that row's date, as --place does. It writes every row back in order with the columns
nakshatra,yoga,universal_hours,julian_day_number,centuries,ayanamsa,
moon_sidereal,jde,panchang_ayanamsa,moon_unreduced,sun_unreduced,
yoga_position,error appended; with --details, then the keys of the JSON
"details" object (moon_rashi ... universal_time), dasha_lord,
dasha_balance_years, zone_applied and clock_note. A refused row keeps its results empty and says why in
error. Lines end at LF, CR LF or CR; empty lines are skipped; a line over
64 KiB is refused as a row.

--panchang prints the panchang of a date at a place (the atlas's first match
for --place with its zone's history, or --lat and --lon in degrees with a
--zone of hours ahead of universal time): sunrise to the next sunrise, every
limb with its start and end, the day's periods, choghadiya, horas, the lunar
month and the year, as text or JSON. --calendar prints every day of a year
(or of --month M) as CSV or JSON, or its events as an iCalendar file
(--format ics): ekadashi (tithi at sunrise), purnima, amavasya, sankranti
and the first days of the lunar months.

Exit status: 0 success; 1 output that could not be written; 2 usage error;
3 a reading or file was refused (batch: at least one row), the reading file
or chart file could not be written, or --place found no place.
)");
    return out;
}

}  // namespace

ParsedOptions ParseOptions(std::span<const std::string_view> arguments) {
    ParsedOptions parsed;
    if (arguments.empty()) {
        parsed.usageFault = "nothing to do";
        return parsed;
    }
    Collected given;
    parsed.usageFault = Collect(arguments, given);
    if (!parsed.usageFault.empty()) {
        return parsed;
    }

    Options& options = parsed.options;
    if (given.has(Flag::Help)) {
        options.mode = RunMode::Help;
        return parsed;
    }
    if (given.has(Flag::Version)) {
        options.mode = RunMode::Version;
        return parsed;
    }
    const bool placesAlone = given.has(Flag::Place) && !given.has(Flag::Date) &&
                             !given.has(Flag::Time) && !given.has(Flag::Batch) &&
                             !given.has(Flag::Open) && !given.has(Flag::OpenChart);
    options.mode = placesAlone                  ? RunMode::PlaceList
                   : given.has(Flag::Batch)     ? RunMode::Batch
                   : given.has(Flag::Open)      ? RunMode::OpenFile
                   : given.has(Flag::OpenChart) ? RunMode::OpenChart
                                                : RunMode::SingleReading;
    parsed.usageFault = CheckCombination(given, options.mode);
    if (!parsed.usageFault.empty()) {
        return parsed;
    }

    if (given.has(Flag::Format)) {
        const std::string& format = given.value(Flag::Format);
        if (format != "text" && format != "json") {
            parsed.usageFault = "--format takes text or json";
            return parsed;
        }
        options.format = format == "json" ? OutputFormat::Json : OutputFormat::Text;
    }
    if (given.has(Flag::Lang)) {
        const std::optional<Language> language = LanguageOfCode(given.value(Flag::Lang));
        if (!language) {
            parsed.usageFault = "--lang takes en or hi";
            return parsed;
        }
        options.language = *language;
    }
    options.withDetails = given.has(Flag::Details);
    if (given.has(Flag::Threads)) {
        const std::string& text = given.value(Flag::Threads);
        unsigned count = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
        if (error != std::errc{} || end != text.data() + text.size() || count < 1 ||
            count > kMostThreads) {
            parsed.usageFault = "--threads takes a whole number from 1 to 1024";
            return parsed;
        }
        options.threadCount = count;
    }
    options.withDasha = given.has(Flag::Dasha);
    if (std::string fault = ReadChartOptions(given, options); !fault.empty()) {
        parsed.usageFault = std::move(fault);
        return parsed;
    }
    if (options.mode == RunMode::OpenFile) {
        options.openPath = given.value(Flag::Open);
    }
    if (options.mode == RunMode::OpenChart) {
        options.openPath = given.value(Flag::OpenChart);
    }
    if (given.has(Flag::Place)) {
        options.placeText = given.value(Flag::Place);
        if (given.has(Flag::Date) && given.has(Flag::Time)) {
            options.placeDate = given.value(Flag::Date);
            options.placeTime = given.value(Flag::Time);
        }
    }
    if (given.has(Flag::Clock)) {
        options.clock = given.value(Flag::Clock);
        if (!FindClockStandard(options.clock)) {
            parsed.usageFault = "--clock takes bombay, calcutta, madras, war, lmt or tz";
            return parsed;
        }
    }
    if (given.has(Flag::Repeated)) {
        options.repeated = given.value(Flag::Repeated);
        if (!RepeatedChoiceOf(options.repeated)) {
            parsed.usageFault = "--repeated takes earlier or later";
            return parsed;
        }
    }
    if (options.mode == RunMode::SingleReading) {
        parsed.usageFault = FillReadingFields(given, options.fields);
        if (given.has(Flag::Name)) options.name = given.value(Flag::Name);
        if (given.has(Flag::City)) options.place.city = given.value(Flag::City);
        if (given.has(Flag::State)) options.place.state = given.value(Flag::State);
        if (given.has(Flag::Country)) options.place.country = given.value(Flag::Country);
        if (given.has(Flag::Save)) {
            options.savePath = given.value(Flag::Save);
            if (!HasReadingFileEnding(options.savePath)) {
                parsed.usageFault = "the file name given to --save must end in vrn";
            }
        }
        if (given.has(Flag::SaveChart)) {
            options.chartSavePath = given.value(Flag::SaveChart);
            if (!options.chartSavePath.ends_with(kChartFileEnding)) {
                parsed.usageFault = "the file name given to --save-chart must end in .zchart";
            }
        }
    }
    return parsed;
}

std::string_view UsageText() {
    static const std::string text = MakeUsageText();
    return text;
}

}  // namespace zorvane::cli
