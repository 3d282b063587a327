#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/reading_fields.h"
#include "core/reading/validate_input.h"
#include "core/sky/ephemeris.h"
#include "core/text/language.h"

namespace zorvane::cli {

enum class RunMode { Help, Version, SingleReading, Batch, OpenFile, OpenChart, PlaceList };
enum class OutputFormat { Text, Json };

struct Options {
    RunMode mode = RunMode::Help;
    ReadingFields fields;          // a single reading's inputs
    OutputFormat format = OutputFormat::Text;
    bool withDasha = false;        // add the Vimshottari dasha to the output
    std::string savePath;          // empty: do not save
    std::string chartSavePath;     // empty: do not save a chart file
    std::string openPath;          // a reading file (--open) or a chart file (--open-chart)
    unsigned threadCount = 0;      // 0: one per hardware thread
    bool withDetails = false;      // batch: append the details' columns
    std::string placeText;         // --place "NAME[, STATE][, COUNTRY]"
    std::string placeDate;         // YYYY-MM-DD, or empty: no offsets listed
    std::string placeTime;         // HH:MM[:SS] with placeDate
    std::string name;              // --name: whose reading, for the chart file
    BirthPlace place;              // --city, --state, --country, or the --place match
    std::string clock;             // --clock: a clock standard's key, empty for the default
    std::string repeated;          // --repeated: earlier or later, empty for the default
    bool withChart = false;        // --chart: add the birth chart
    Language language = Language::English;  // --lang: the language of the text output
    // The chart's choices as given; empty for a chart file's own (or the defaults).
    std::optional<Ayanamsa> chartAyanamsa;
    std::optional<NodeKind> chartNode;
};

struct ParsedOptions {
    Options options;
    std::string usageFault;  // set when the arguments cannot be used
};

// Reads the arguments after the program name. Only the shape of each value
// is checked here; what a reading may hold is for the reading checks.
ParsedOptions ParseOptions(std::span<const std::string_view> arguments);

std::string_view UsageText();

}  // namespace zorvane::cli
