#include "cli/options.h"

#include <array>
#include <charconv>
#include <optional>

#include "reading/reading_file.h"

namespace zorvane::cli {
namespace {

// Above this many threads a batch only wastes memory on idle workers.
constexpr unsigned kMostThreads = 1024;

// Threads stays last: kFlagKinds counts up to it.
enum class Flag { Help, Version, Date, Time, Zone, Lon, Dst, Format, Save, Open, Batch, Place, Threads };

struct FlagSpec {
    std::string_view spelling;
    Flag flag;
    bool takesValue;
};

constexpr std::array<FlagSpec, 14> kFlags = {{
    {"--help", Flag::Help, false},
    {"-h", Flag::Help, false},
    {"--version", Flag::Version, false},
    {"--date", Flag::Date, true},
    {"--time", Flag::Time, true},
    {"--zone", Flag::Zone, true},
    {"--lon", Flag::Lon, true},
    {"--dst", Flag::Dst, false},
    {"--format", Flag::Format, true},
    {"--save", Flag::Save, true},
    {"--open", Flag::Open, true},
    {"--batch", Flag::Batch, false},
    {"--place", Flag::Place, true},
    {"--threads", Flag::Threads, true},
}};
static_assert(kFlags.size() == 14);

constexpr std::size_t kFlagKinds = static_cast<std::size_t>(Flag::Threads) + 1;

const FlagSpec* FindFlag(std::string_view spelling) {
    for (const FlagSpec& entry : kFlags) {
        if (entry.spelling == spelling) {
            return &entry;
        }
    }
    return nullptr;
}

// Splits "a<separator>b" at its only separator.
std::optional<std::array<std::string, 2>> SplitPair(std::string_view text, char separator) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos || text.find(separator, at + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    return std::array<std::string, 2>{std::string(text.substr(0, at)), std::string(text.substr(at + 1))};
}

struct Collected {
    std::array<std::optional<std::string>, kFlagKinds> values;
    bool has(Flag flag) const { return values[static_cast<std::size_t>(flag)].has_value(); }
    const std::string& value(Flag flag) const { return *values[static_cast<std::size_t>(flag)]; }
};

std::string FillReadingFields(const Collected& given, ReadingFields& fields) {
    // With --place the zone, longitude and DST come from the atlas later.
    const bool atPlace = given.has(Flag::Place);
    if (atPlace && (given.has(Flag::Zone) || given.has(Flag::Lon) || given.has(Flag::Dst))) {
        return "--place fills the zone, the longitude and DST: leave out --zone, --lon and --dst";
    }
    for (Flag required : {Flag::Date, Flag::Time, Flag::Zone, Flag::Lon}) {
        if (!given.has(required) && !(atPlace && (required == Flag::Zone || required == Flag::Lon))) {
            return "a reading needs --date, --time, --zone and --lon";
        }
    }
    const std::string& dateText = given.value(Flag::Date);
    const std::size_t firstDash = dateText.find('-');
    const auto monthDay = firstDash == std::string::npos
                              ? std::nullopt
                              : SplitPair(std::string_view(dateText).substr(firstDash + 1), '-');
    if (!monthDay) {
        return "--date takes YYYY-MM-DD";
    }
    fields[InputColumn::Year] = dateText.substr(0, firstDash);
    fields[InputColumn::Month] = (*monthDay)[0];
    fields[InputColumn::Day] = (*monthDay)[1];

    const auto time = SplitPair(given.value(Flag::Time), ':');
    if (!time) {
        return "--time takes HH:MM";
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
    return {};
}

bool AnyFlagOf(const Collected& given, std::initializer_list<Flag> flags) {
    for (Flag flag : flags) {
        if (given.has(flag)) {
            return true;
        }
    }
    return false;
}

std::string CheckCombination(const Collected& given, RunMode mode) {
    const auto anyOf = [&](std::initializer_list<Flag> flags) {
        for (Flag flag : flags) {
            if (given.has(flag)) {
                return true;
            }
        }
        return false;
    };
    const std::initializer_list<Flag> readingFlags = {Flag::Date, Flag::Time, Flag::Zone,
                                                      Flag::Lon,  Flag::Dst,  Flag::Save};
    if (mode == RunMode::Batch && (anyOf(readingFlags) || anyOf({Flag::Open, Flag::Format}))) {
        return "--batch reads its readings from standard input and takes only --threads";
    }
    if (mode == RunMode::OpenFile && anyOf(readingFlags)) {
        return "--open takes only --format";
    }
    if (given.has(Flag::Place) && anyOf({Flag::Open, Flag::Batch})) {
        return "--place goes with a single reading or alone";
    }
    if (given.has(Flag::Place) && given.has(Flag::Date) != given.has(Flag::Time)) {
        return "--place takes --date and --time together";
    }
    if (mode == RunMode::PlaceList && anyOf({Flag::Zone, Flag::Lon, Flag::Dst, Flag::Save})) {
        return "--place without --date and --time lists places and takes only --format";
    }
    if (mode != RunMode::Batch && given.has(Flag::Threads)) {
        return "--threads goes with --batch";
    }
    return {};
}

}  // namespace

ParsedOptions ParseOptions(std::span<const std::string_view> arguments) {
    ParsedOptions parsed;
    Collected given;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        std::optional<std::string_view> attached;
        if (const std::size_t equals = argument.find('='); argument.starts_with("--") &&
                                                           equals != std::string_view::npos) {
            attached = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
        const FlagSpec* flag = FindFlag(argument);
        if (flag == nullptr) {
            parsed.usageFault = "unknown argument '" + std::string(arguments[i]) + "'";
            return parsed;
        }
        std::optional<std::string>& slot = given.values[static_cast<std::size_t>(flag->flag)];
        if (slot) {
            parsed.usageFault = std::string(argument) + " is given twice";
            return parsed;
        }
        if (!flag->takesValue) {
            if (attached) {
                parsed.usageFault = std::string(argument) + " takes no value";
                return parsed;
            }
            slot.emplace();
        } else if (attached) {
            slot.emplace(*attached);
        } else if (i + 1 < arguments.size()) {
            slot.emplace(arguments[++i]);
        } else {
            parsed.usageFault = std::string(argument) + " needs a value";
            return parsed;
        }
    }

    Options& options = parsed.options;
    if (arguments.empty()) {
        parsed.usageFault = "nothing to do";
        return parsed;
    }
    if (given.has(Flag::Help)) {
        options.mode = RunMode::Help;
        return parsed;
    }
    if (given.has(Flag::Version)) {
        options.mode = RunMode::Version;
        return parsed;
    }
    const bool placeAlone = given.has(Flag::Place) && !given.has(Flag::Date) &&
                            !given.has(Flag::Time) && !AnyFlagOf(given, {Flag::Open, Flag::Batch});
    options.mode = placeAlone               ? RunMode::PlaceList
                   : given.has(Flag::Batch) ? RunMode::Batch
                   : given.has(Flag::Open)  ? RunMode::OpenFile
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
    if (options.mode == RunMode::OpenFile) {
        options.openPath = given.value(Flag::Open);
    }
    if (given.has(Flag::Place)) {
        options.placeText = given.value(Flag::Place);
        if (given.has(Flag::Date)) {
            options.placeDate = given.value(Flag::Date);
            options.placeTime = given.value(Flag::Time);
        }
    }
    if (options.mode == RunMode::SingleReading) {
        parsed.usageFault = FillReadingFields(given, options.fields);
        if (given.has(Flag::Save)) {
            options.savePath = given.value(Flag::Save);
            if (!HasReadingFileEnding(options.savePath)) {
                parsed.usageFault = "the file name given to --save must end in vrn";
            }
        }
    }
    return parsed;
}

std::string_view UsageText() {
    return R"(Usage:
  zorvane-cli --date YYYY-MM-DD --time HH:MM --zone H:MM --lon D:ME|D:MW
              [--dst] [--format text|json] [--save FILE.vrn]
  zorvane-cli --batch [--threads N]
  zorvane-cli --open FILE.vrn [--format text|json]
  zorvane-cli --place "NAME[, STATE][, COUNTRY]" [--format text|json]
  zorvane-cli --place "NAME[, STATE][, COUNTRY]" --date YYYY-MM-DD --time HH:MM
              [--format text|json] [--save FILE.vrn]
  zorvane-cli --help | --version

Finds the birth nakshatra and the birth yoga of a reading, with the same
conversions and checks as the window. The zone and longitude parts are the
texts of the window's boxes (at most 3 characters each). A zone hour with a
leading + lies ahead of universal time (east of Greenwich); without it the
zone's direction follows the longitude's. --dst marks summer time.

  --format text   the names with their paragraphs (default)
  --format json   one object: the inputs, both names, the computed values and
                  the error (null when the reading was computed)
  --save FILE     also write the reading file (the two names, scrambled)
  --open FILE     show the names and paragraphs of a saved reading
  --place TEXT    list the atlas's places of that name, best first: name,
                  division, country, latitude, longitude (degrees, north and
                  east positive) and zone, tab-separated; state and country
                  narrow the matches. With --date and --time each line adds
                  the zone's offset from universal time then and any summer
                  time, and the reading follows, with the longitude, zone and
                  DST of the first match as the window's "Use this place"
                  fills them (JSON: one object with "places" and "reading")

--batch reads CSV on standard input with the header
  year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst
(lon_dir E or W, dst 0 or 1) and writes every row back in order with the
columns nakshatra,yoga,universal_hours,julian_day_number,centuries,ayanamsa,
moon_sidereal,jde,panchang_ayanamsa,moon_unreduced,sun_unreduced,
yoga_position,error appended. A refused row keeps its results empty and says
why in error. Empty lines are skipped. --threads sets the number of threads
(default: one per hardware thread).

Exit status: 0 success; 2 usage error; 3 a reading or file was refused (batch:
at least one row), or the reading file could not be written, or no place of
that name was found.
)";
}

}  // namespace zorvane::cli
