#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/csv_records.h"
#include "core/chart/birth_chart.h"


namespace zorvane::cli {

// The longest input line a batch takes; a longer one is refused as a row of
// its own, so that no input makes the batch hold more than this per line.
inline constexpr std::size_t kBatchMaxLineBytes = std::size_t{64} * 1024;

struct BatchOutcome {
    // Set when the input does not start with a usable header; nothing has
    // been written then.
    std::string headerFault;
    std::size_t rowCount = 0;
    std::size_t refusedCount = 0;
};

// Receives the output CSV piece by piece, in input order. The batch waits
// while the sink does, so a slow reader slows the batch instead of making
// results pile up.
using BatchSink = std::function<void(std::string_view)>;

// Runs every row of a CSV of readings on threadCount threads and writes the
// rows back with their results appended, reading, computing and writing a few
// chunks of rows at a time. The header names the input columns in any order;
// columns it does not know are passed through unchanged in their place. A row
// that cannot be read or is refused gets empty results and its reason in the
// error column; the other rows still run. Empty lines are skipped. With
// details, the details' and the dasha's columns follow the error column, and
// the optional columns lat_deg, lat_min and lat_dir give the latitude; with
// a chart as well, the chart's columns (chart_columns.h) follow the dasha's.
BatchOutcome RunBatch(const ByteSource& input, unsigned threadCount, const BatchSink& sink,
                      bool withDetails = false, const std::optional<ChartOptions>& chart = std::nullopt);

// The same over a text already in memory.
BatchOutcome RunBatch(std::string_view csv, unsigned threadCount, const BatchSink& sink,
                      bool withDetails = false, const std::optional<ChartOptions>& chart = std::nullopt);

}  // namespace zorvane::cli
