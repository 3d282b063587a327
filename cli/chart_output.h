#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/options.h"
#include "core/chart/birth_chart.h"
#include "core/reading/birth_record.h"
#include "core/text/wording.h"

namespace zorvane::cli {

// The chart's choices: those given on the command line, else a chart file's
// own, else the defaults (Lahiri, the mean node).
ChartOptions ChartOptionsFor(const Options& options, std::optional<Ayanamsa> fileAyanamsa = std::nullopt,
                             std::optional<NodeKind> fileNode = std::nullopt);

// The chart of a computed reading when --chart asks for it; empty otherwise,
// or for a refused reading.
std::optional<BirthChart> ChartFor(const Options& options, const ChartOptions& chartOptions,
                                   const BirthRecord& record, bool refused);

// The chart as text after the details: the position table, the vargas, and
// the sentence when the chart's Moon and the reading's disagree.
std::string FormatChartText(const BirthRecord& record, const BirthChart& chart, const Wording& wording = {});

// The object "chart" of the JSON output: the chart's fields and "moon_note"
// (the same sentence, or null). Null without a chart.
nlohmann::ordered_json ChartObject(const BirthRecord& record, const std::optional<BirthChart>& chart);

}  // namespace zorvane::cli
