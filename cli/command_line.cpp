#include "cli/cli_wording.h"
#include "cli/command_line.h"

#include <algorithm>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <variant>

#include <nlohmann/json.hpp>

#include "cli/batch.h"
#include "cli/clock_choice.h"
#include "cli/match_command.h"
#include "cli/chart_output.h"
#include "cli/options.h"
#include "cli/panchang_command.h"
#include "cli/place_listing.h"
#include "cli/reading_form_builder.h"
#include "cli/reading_output.h"
#include "cli/run_reading.h"
#include "core/reading/birth_record.h"
#include "core/files/chart_clock.h"
#include "core/files/chart_file.h"
#include "core/zones/clock_change.h"
#include "core/zones/clock_offer.h"
#include "core/format/display_tables.h"
#include "core/files/file_store.h"
#include "core/files/reading_file.h"
#include "core/format/dasha_text.h"
#include "core/text/utf8.h"

namespace zorvane::cli {
namespace {

constexpr std::string_view kProgramName = "zorvane-cli";
// The window's own text for a reading file it will not show.
constexpr std::string_view kFileRefusal = "Please Check The File.";

void Write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

void Complain(std::string_view message) {
    std::string line(kProgramName);
    line.append(": ").append(message).push_back('\n');
    Write(stderr, line);
}

int FinishOutput(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        Complain("could not write the output");
        return kExitOutputFailed;
    }
    return status;
}

// A computed reading, or its refusal, as text or JSON on standard output.
void WriteReading(const Options& options, const ReadingFields& fields, const BirthRecord& record,
                  const std::optional<std::string_view>& refusal,
                  const ChartOptions& chartOptions) {
    const std::optional<BirthChart> chart = ChartFor(options, chartOptions, record, refusal.has_value());
    if (options.format == OutputFormat::Json) {
        const std::optional<nlohmann::ordered_json> chartJson =
            options.withChart ? std::optional(ChartObject(record, chart)) : std::nullopt;
        Write(stdout, FormatReadingJson(fields, record, refusal.value_or(""), options.withDasha, chartJson));
        return;
    }
    if (refusal) return;
    const Wording wording = CliWording(options.language);
    Write(stdout, FormatResultText(record.nakshatraIndex, record.yogaIndex, wording));
    if (record.details) {
        Write(stdout, "\n");
        std::string details = FormatDetailsText(*record.details, PlaceClockOf(record), wording);
        details.insert(details.find('\n') + 1, ZoneLines(record, wording));
        Write(stdout, details);
        if (options.withDasha && record.dasha) {
            Write(stdout, "\n");
            Write(stdout, DashaTextTable(*record.dasha, record.details->clockLeadHours, wording));
        }
    }
    if (chart) {
        Write(stdout, "\n");
        Write(stdout, FormatChartText(record, *chart, CliWording(options.language)));
    }
}

// The chart of a computed reading, with its names for reference.
std::optional<std::string> SaveChart(const Options& options, const std::string& path,
                                     const ReadingFields& fields, const BirthRecord& record) {
    std::variant<BirthInput, std::string_view> input = InputFromFields(fields);
    if (const auto* refusal = std::get_if<std::string_view>(&input)) return std::string(*refusal);
    BirthInput& typed = std::get<BirthInput>(input);
    typed.name = record.name;
    typed.place = record.place;
    ChartFile chart = ChartFromInput(typed);
    const ChartOptions chartOptions = ChartOptionsFor(options);
    chart.ayanamsa = chartOptions.ayanamsa;
    chart.node = chartOptions.node;
    chart.nakshatraName = NakshatraNameOf(record);
    chart.yogaName = YogaNameOf(record);
    // The clock chosen at an atlas place, so that the chart opens on it again
    // rather than on the tz database's offset.
    if (!options.placeText.empty()) {
        chart.clock.standard = ClockStandardOfKey(options.clock).value_or(ClockStandard::TzDatabase);
        chart.clock.repeated = RepeatedChoiceOf(options.repeated).value_or(RepeatedChoice::Earlier);
    }
    return SaveFile(path, SerializeChartFile(chart));
}

// After the output of a computed reading: the refusal, or the files asked for.
int FinishReading(const Options& options, const BirthRecord& record,
                  const std::optional<std::string_view>& refusal) {
    if (refusal) {
        Complain(*refusal);
        return FinishOutput(kExitRefused);
    }
    if (!options.chartSavePath.empty()) {
        if (std::optional<std::string> fault = SaveChart(options, options.chartSavePath, options.fields, record)) {
            Complain("could not save the chart to " + options.chartSavePath + ": " + *fault);
            return FinishOutput(kExitRefused);
        }
    }
    if (!options.savePath.empty()) {
        if (std::optional<std::string> fault =
                SaveFile(options.savePath,
                         FormatReadingFile(NakshatraNameOf(record), YogaNameOf(record)))) {
            Complain("could not save the reading to " + options.savePath + ": " + *fault);
            return FinishOutput(kExitRefused);
        }
    }
    return FinishOutput(kExitSuccess);
}

// The zone as an atlas place and --clock, --repeated made it.
void Stamp(const ClockChoice* clock, BirthRecord& record) {
    if (clock == nullptr) return;
    record.zoneApplied = clock->zoneApplied;
    record.clockNote = clock->clockNote;
    // Later times on the place's clock at each moment.
    if (!clock->placeClockZone.empty()) record.place.atlasZoneId = clock->placeClockZone;
}

int RunSingleReading(const Options& options, const ClockChoice* clock = nullptr) {
    BirthRecord record;
    const std::optional<std::string_view> refusal = RunReading(
        options.fields, record, ReadingParts::WithDetailsAndDasha, options.name, options.place);
    Stamp(clock, record);
    WriteReading(options, options.fields, record, refusal, ChartOptionsFor(options));
    if (clock != nullptr && !refusal && options.format == OutputFormat::Text) {
        for (const std::string& line : clock->standards) Write(stdout, "Clock standard " + line + "\n");
    }
    return FinishReading(options, record, refusal);
}

// A single reading whose latitude, longitude, zone and DST come from the
// first of the atlas's matches for --place, which are listed before the
// reading.
int RunReadingAtPlace(const Options& options) {
    const PlaceListing listing =
        ListPlaces(options.placeText, options.placeDate, options.placeTime, options.fields);
    if (!listing.fault.empty()) {
        Complain(listing.fault);
        return kExitRefused;
    }
    const ClockChoice clock = ChooseClock(options, listing);
    if (!clock.fault.empty()) {
        Complain(clock.fault);
        return kExitRefused;
    }
    Options atPlace = options;
    atPlace.fields = clock.fields;
    atPlace.place = listing.firstPlace;
    if (options.format == OutputFormat::Text) {
        Write(stdout, ListingOutput(options.placeText, listing, OutputFormat::Text) + "\n");
        return RunSingleReading(atPlace, &clock);
    }
    BirthRecord record;
    const std::optional<std::string_view> refusal = RunReading(
        atPlace.fields, record, ReadingParts::WithDetailsAndDasha, atPlace.name, atPlace.place);
    Stamp(&clock, record);
    const nlohmann::json all = {
        {"query", ValidUtf8(options.placeText)},
        {"total", listing.total},
        {"places", listing.places},
        {"reading", nlohmann::json::parse(FormatReadingJson(
                        atPlace.fields, record, refusal.value_or(""), options.withDasha,
                        options.withChart ? std::optional(ChartObject(
                                                record, ChartFor(options, ChartOptionsFor(options), record,
                                                                 refusal.has_value())))
                                          : std::nullopt))},
        {"clock_standards", clock.standards}};
    Write(stdout, all.dump(2) + "\n");
    return FinishReading(atPlace, record, refusal);
}

int RunOpenFile(const Options& options) {
    if (!HasReadingFileEnding(options.openPath)) {
        Complain(kFileRefusal);
        return kExitRefused;
    }
    // Only the front of a file is read: a reading file holds no more.
    const LoadedFile loaded = LoadFile(options.openPath, kReadingFileReadLimit);
    if (!loaded.reason.empty()) {
        Complain(std::string(kFileRefusal) + " (" + options.openPath + ": " + loaded.reason + ")");
        return kExitRefused;
    }
    const std::optional<OpenedReading> opened =
        loaded.fault == LoadFault::None ? ParseReadingFile(loaded.bytes) : std::nullopt;
    if (!opened) {
        Complain(kFileRefusal);
        return kExitRefused;
    }
    Write(stdout, options.format == OutputFormat::Json
                      ? FormatNamesJson(opened->nakshatraName, opened->yogaName)
                      : FormatResultText(FindNakshatraRow(opened->nakshatraName),
                                         FindYogaRow(opened->yogaName)));
    return FinishOutput(kExitSuccess);
}

// One letter as a text, none for '\0'.
std::string Letter(char letter) { return letter == '\0' ? std::string() : std::string(1, letter); }

// The texts a chart's form holds, as the command line would have been given
// them, so that its JSON echoes the inputs like any single reading's.
ReadingFields FieldsOfChart(const ChartFile& chart) {
    ReadingFields fields;
    fields[InputColumn::Year] = std::to_string(chart.year);
    fields[InputColumn::Month] = std::to_string(chart.month);
    fields[InputColumn::Day] = std::to_string(chart.day);
    fields[InputColumn::Hour] = std::to_string(chart.hour);
    fields[InputColumn::Minute] = std::to_string(chart.minute);
    fields[InputColumn::ZoneHour] = chart.zoneHour;
    fields[InputColumn::ZoneMinute] = chart.zoneMinute;
    fields[InputColumn::LonDegrees] = chart.lonDegrees;
    fields[InputColumn::LonMinutes] = chart.lonMinutes;
    fields[InputColumn::LonDirection] = Letter(chart.lonSide == LongitudeSide::East   ? 'E'
                                               : chart.lonSide == LongitudeSide::West ? 'W'
                                                                                      : '\0');
    fields[InputColumn::DaylightSaving] = Letter(chart.daylightSaving ? '1' : '0');
    fields.latDegrees = chart.latDegrees;
    fields.latMinutes = chart.latMinutes;
    fields.latDirection = Letter(chart.latSide == LatitudeSide::North   ? 'N'
                                 : chart.latSide == LatitudeSide::South ? 'S'
                                                                        : '\0');
    return fields;
}

int RunOpenChart(const Options& options) {
    // One byte over the limit is enough to know a file is too large.
    const LoadedFile loaded = LoadFile(options.openPath, kMaxChartFileBytes + 1);
    if (loaded.fault != LoadFault::None) {
        const std::string reason = loaded.reason.empty() ? "not a regular file" : loaded.reason;
        Complain("could not open the chart " + options.openPath + ": " + reason);
        return kExitRefused;
    }
    const std::variant<ChartFile, ChartFileRefusal> parsed = ParseChartFile(loaded.bytes);
    if (const auto* refused = std::get_if<ChartFileRefusal>(&parsed)) {
        Complain(options.openPath + ": " + refused->message);
        return kExitRefused;
    }
    const ChartFile& chart = std::get<ChartFile>(parsed);
    BirthRecord record;
    std::optional<std::string_view> refusal;
    // The clock the chart's atlas zone and choice give, as the window applies it.
    const std::variant<ChartInput, Refusal> input =
        InputFromChartWithClock(chart, NumberFormat{"."}, ValidationScope::WithoutNameAndLatitude,
                                options.format == OutputFormat::Text ? CliWording(options.language) : Wording{});
    if (const auto* refused = std::get_if<Refusal>(&input)) {
        refusal = refused->message;
    } else {
        const ChartInput& chartInput = std::get<ChartInput>(input);
        record = ComputeReading(chartInput.input);
        record.clockNote = chartInput.clockNote;
    }
    WriteReading(options, FieldsOfChart(chart), record, refusal,
                 ChartOptionsFor(options, chart.ayanamsa, chart.node));
    if (refusal) {
        Complain(*refusal);
        return FinishOutput(kExitRefused);
    }
    return FinishOutput(kExitSuccess);
}

int RunBatchFromStandardInput(const Options& options) {
    std::string readFault;
    const ByteSource standardInput = [&readFault](std::span<char> room) -> std::size_t {
        while (true) {
            const ssize_t got = ::read(STDIN_FILENO, room.data(), room.size());
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) {
                readFault = std::strerror(errno);
                return 0;
            }
        }
    };
    const unsigned threadCount = options.threadCount != 0
                                     ? options.threadCount
                                     : std::max(1U, std::thread::hardware_concurrency());
    const BatchOutcome outcome = RunBatch(
        standardInput, threadCount, [](std::string_view piece) { Write(stdout, piece); }, options.withDetails,
        options.withChart ? std::optional(ChartOptionsFor(options)) : std::nullopt);
    if (!readFault.empty()) {
        Complain("could not read standard input: " + readFault);
        return FinishOutput(kExitUsage);
    }
    if (!outcome.headerFault.empty()) {
        Complain(outcome.headerFault);
        return kExitUsage;
    }
    if (outcome.refusedCount > 0) {
        Complain(std::to_string(outcome.refusedCount) + " of " + std::to_string(outcome.rowCount) +
                 " rows refused");
        return FinishOutput(kExitRefused);
    }
    return FinishOutput(kExitSuccess);
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> arguments) {
    if (IsPanchangCommand(arguments)) return RunPanchangCommand(arguments);
    if (IsMatchCommand(arguments)) return RunMatchCommand(arguments);
    const ParsedOptions parsed = ParseOptions(arguments);
    if (!parsed.usageFault.empty()) {
        Complain(parsed.usageFault);
        Complain("try 'zorvane-cli --help'");
        return kExitUsage;
    }
    const Options& options = parsed.options;
    switch (options.mode) {
        case RunMode::Help:
            Write(stdout, UsageText());
            return FinishOutput(kExitSuccess);
        case RunMode::Version:
            Write(stdout, std::string(kProgramName) + " " + ZORVANE_VERSION + "\n");
            return FinishOutput(kExitSuccess);
        case RunMode::SingleReading:
            return options.placeText.empty() ? RunSingleReading(options)
                                             : RunReadingAtPlace(options);
        case RunMode::OpenFile:
            return RunOpenFile(options);
        case RunMode::OpenChart:
            return RunOpenChart(options);
        case RunMode::Batch:
            return RunBatchFromStandardInput(options);
        case RunMode::PlaceList: {
            const PlaceListing listing = ListPlaces(options.placeText, {}, {}, options.fields);
            if (!listing.fault.empty()) {
                Complain(listing.fault);
                return kExitRefused;
            }
            Write(stdout, ListingOutput(options.placeText, listing, options.format));
            return FinishOutput(kExitSuccess);
        }
    }
    return kExitUsage;
}

}  // namespace zorvane::cli
