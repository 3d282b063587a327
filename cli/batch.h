#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace zorvane::cli {

struct BatchOutcome {
    // Set when the input does not start with the expected header; nothing
    // has been written then.
    std::string headerFault;
    std::size_t rowCount = 0;
    std::size_t refusedCount = 0;
};

// Receives the output CSV piece by piece, in input order.
using BatchSink = std::function<void(std::string_view)>;

// Runs every row of a CSV of readings (header: the input column names) on
// threadCount threads and writes the rows back with their results appended.
// A row that cannot be read or is refused gets empty results and its reason
// in the error column; the other rows still run. Empty lines are skipped.
// With details, the details' columns follow the error column.
BatchOutcome RunBatch(std::string_view csv, unsigned threadCount, const BatchSink& sink,
                      bool withDetails = false);

}  // namespace zorvane::cli
