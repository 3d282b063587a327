#include "cli/batch.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "cli/csv.h"
#include "cli/reading_fields.h"
#include "cli/result_columns.h"
#include "cli/run_reading.h"
#include "panchang/details_fields.h"
#include "reading/birth_record.h"

namespace zorvane::cli {
namespace {

// Rows per unit of work: large enough that handing out chunks costs nothing,
// small enough that both threads stay busy to the end and output can start
// early.
constexpr std::size_t kRowsPerChunk = 512;

// Room for one output row, so that a chunk's buffer rarely grows.
constexpr std::size_t kOutputBytesPerRow = 320;

// The latitude's columns, read for the details when the header has all three
// after the required ones, in any order.
inline constexpr auto kLatitudeColumnNames = std::to_array<std::string_view>({"lat_deg", "lat_min", "lat_dir"});

// Where the input's columns are: the required ones first, then, when given,
// the latitude's at these positions.
struct InputLayout {
    std::vector<std::string> names;
    std::optional<std::array<std::size_t, 3>> latitude;  // lat_deg, lat_min, lat_dir
};

std::string OutputHeader(const InputLayout& layout, bool withDetails) {
    std::string header;
    for (const std::string& name : layout.names) {
        header.append(name).push_back(',');
    }
    header.append(kNakshatraColumn).push_back(',');
    header.append(kYogaColumn).push_back(',');
    for (const NumberColumn& column : kNumberColumns) {
        header.append(column.name).push_back(',');
    }
    header.append(kErrorColumn);
    if (withDetails) {
        for (std::string_view key : kDetailKeys) header.append(",").append(key);
    }
    header.push_back('\n');
    return header;
}

std::optional<std::string> HeaderFault(std::string_view headerRecord, InputLayout& layout) {
    std::vector<std::string>& fields = layout.names;
    const bool required = !ParseCsvRecord(headerRecord, fields) && fields.size() >= kInputColumnCount &&
                          std::equal(fields.begin(), fields.begin() + kInputColumnCount, kInputColumnNames.begin());
    if (required && fields.size() == kInputColumnCount) {
        return std::nullopt;
    }
    if (required && fields.size() == kInputColumnCount + kLatitudeColumnNames.size()) {
        std::array<std::size_t, 3> at{};
        bool all = true;
        for (std::size_t k = 0; k < kLatitudeColumnNames.size(); ++k) {
            const auto found = std::find(fields.begin() + kInputColumnCount, fields.end(), kLatitudeColumnNames[k]);
            all = all && found != fields.end();
            at[k] = static_cast<std::size_t>(found - fields.begin());
        }
        if (all) {
            layout.latitude = at;
            return std::nullopt;
        }
    }
    std::string fault = "the first line must be the header ";
    for (std::size_t i = 0; i < kInputColumnCount; ++i) {
        fault.append(i == 0 ? "" : ",").append(kInputColumnNames[i]);
    }
    return fault.append(", optionally followed by lat_deg,lat_min,lat_dir");
}

// Per-thread scratch space, reused from row to row.
struct RowWorkspace {
    bool withDetails = false;
    const InputLayout* layout = nullptr;
    std::vector<std::string> csvFields;
    ReadingFields fields;
    std::string fault;
};

void AppendRefusedResults(std::string_view reason, bool withDetails, std::string& out) {
    // Two names and every number stay empty, and so do the details.
    out.append(2 + kNumberColumnCount, ',');
    AppendCsvField(reason, out);
    if (withDetails) out.append(kDetailKeys.size(), ',');
    out.push_back('\n');
}

// The details' columns after the (empty) error column; a missing value stays
// empty.
void AppendDetailColumns(const BirthDetails& details, std::string& out) {
    for (const DetailField& field : DetailFieldsOf(details)) {
        out.push_back(',');
        if (const auto* text = std::get_if<std::string>(&field.value)) {
            AppendCsvField(*text, out);
        } else if (const auto* whole = std::get_if<int>(&field.value)) {
            out.append(std::to_string(*whole));
        } else if (const auto* number = std::get_if<double>(&field.value)) {
            AppendShortestNumber(*number, out);
        }
    }
}

// Writes one output row; returns false when the row was refused.
bool ProcessRow(std::string_view record, RowWorkspace& work, std::string& out) {
    std::optional<std::string_view> fault = ParseCsvRecord(record, work.csvFields);
    const std::size_t fieldCount = work.csvFields.size();
    const std::size_t columnCount = work.layout->names.size();
    if (!fault && fieldCount != columnCount) {
        work.fault = "the row has " + std::to_string(fieldCount) + " fields instead of " +
                     std::to_string(columnCount);
        fault = work.fault;
    }
    if (const auto& latitude = work.layout->latitude) {
        auto field = [&](std::size_t at) { return at < fieldCount ? work.csvFields[at] : std::string(); };
        work.fields.latDegrees = field((*latitude)[0]);
        work.fields.latMinutes = field((*latitude)[1]);
        work.fields.latDirection = field((*latitude)[2]);
    }
    for (std::size_t i = 0; i < kInputColumnCount; ++i) {
        std::string& text = work.fields.texts[i];
        if (i < fieldCount) {
            text.swap(work.csvFields[i]);
        } else {
            text.clear();
        }
    }
    // The input columns come back as given, and every output row has the same
    // columns: a row with too many fields loses the extra ones. A well-formed
    // row without quotes or stray CRs is already its own echo.
    if (!fault && record.find_first_of("\"\r") == std::string_view::npos) {
        out.append(record).push_back(',');
    } else {
        for (std::size_t i = 0; i < columnCount; ++i) {
            if (i < kInputColumnCount) {
                AppendCsvField(work.fields.texts[i], out);
            } else if (i < fieldCount) {
                AppendCsvField(work.csvFields[i], out);
            }
            out.push_back(',');
        }
    }
    if (fault) {
        AppendRefusedResults(*fault, work.withDetails, out);
        return false;
    }

    BirthRecord result;
    if (std::optional<std::string_view> refusal = RunReading(work.fields, result, work.withDetails)) {
        AppendRefusedResults(*refusal, work.withDetails, out);
        return false;
    }
    AppendCsvField(NakshatraNameOf(result), out);
    out.push_back(',');
    AppendCsvField(YogaNameOf(result), out);
    out.push_back(',');
    for (const NumberColumn& column : kNumberColumns) {
        AppendShortestNumber(result.*column.field, out);
        out.push_back(',');
    }
    // The error column stays empty.
    if (result.details) AppendDetailColumns(*result.details, out);
    out.push_back('\n');
    return true;
}

struct Chunk {
    std::string output;
    std::size_t refusedCount = 0;
    std::atomic<bool> done{false};
};

// Output buffers go back here once written, so that the memory of a chunk is
// touched only once: a fresh buffer costs a page fault every 4 KiB, which
// would take as long as the rows themselves.
class BufferPool {
public:
    std::string Take() {
        std::lock_guard lock(mutex_);
        if (free_.empty()) {
            return {};
        }
        std::string buffer = std::move(free_.back());
        free_.pop_back();
        return buffer;
    }
    void Give(std::string&& buffer) {
        buffer.clear();
        std::lock_guard lock(mutex_);
        free_.push_back(std::move(buffer));
    }

private:
    std::mutex mutex_;
    std::vector<std::string> free_;
};

void ProcessChunk(const std::vector<std::string_view>& rows, std::size_t chunkIndex,
                  RowWorkspace& work, BufferPool& pool, Chunk& chunk) {
    const std::size_t first = chunkIndex * kRowsPerChunk;
    const std::size_t last = std::min(rows.size(), first + kRowsPerChunk);
    chunk.output = pool.Take();
    chunk.output.reserve((last - first) * kOutputBytesPerRow);
    for (std::size_t row = first; row < last; ++row) {
        if (!ProcessRow(rows[row], work, chunk.output)) {
            ++chunk.refusedCount;
        }
    }
}

}  // namespace

BatchOutcome RunBatch(std::string_view csv, unsigned threadCount, const BatchSink& sink, bool withDetails) {
    BatchOutcome outcome;
    // Spreadsheet programs often start their CSV with a byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (csv.starts_with(kByteOrderMark)) {
        csv.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::string_view> records = SplitCsvRecords(csv);
    InputLayout layout;
    std::optional<std::string> headerFault = HeaderFault(records.empty() ? std::string_view() : records.front(), layout);
    if (headerFault) {
        outcome.headerFault = std::move(*headerFault);
        return outcome;
    }
    std::vector<std::string_view> rows;
    rows.reserve(records.size() - 1);
    std::copy_if(records.begin() + 1, records.end(), std::back_inserter(rows),
                 [](std::string_view record) { return !record.empty(); });
    records = {};
    outcome.rowCount = rows.size();

    sink(OutputHeader(layout, withDetails));

    const std::size_t chunkCount = (rows.size() + kRowsPerChunk - 1) / kRowsPerChunk;
    auto chunks = std::make_unique<Chunk[]>(chunkCount);
    BufferPool pool;
    const auto finish = [&](Chunk& chunk) {
        sink(chunk.output);
        pool.Give(std::move(chunk.output));
        outcome.refusedCount += chunk.refusedCount;
    };

    const std::size_t workerCount = std::min<std::size_t>(std::max(threadCount, 1U), chunkCount);
    if (workerCount <= 1) {
        RowWorkspace work;
        work.withDetails = withDetails;
        work.layout = &layout;
        for (std::size_t i = 0; i < chunkCount; ++i) {
            ProcessChunk(rows, i, work, pool, chunks[i]);
            finish(chunks[i]);
        }
        return outcome;
    }

    // Workers take chunks in order as they free up; this thread hands each
    // finished chunk to the sink in input order while the rest are computed.
    std::atomic<std::size_t> nextChunk{0};
    std::vector<std::jthread> workers;
    workers.reserve(workerCount);
    for (std::size_t w = 0; w < workerCount; ++w) {
        workers.emplace_back([&] {
            RowWorkspace work;
            work.withDetails = withDetails;
            work.layout = &layout;
            for (std::size_t i = nextChunk++; i < chunkCount; i = nextChunk++) {
                ProcessChunk(rows, i, work, pool, chunks[i]);
                chunks[i].done.store(true, std::memory_order_release);
                chunks[i].done.notify_one();
            }
        });
    }
    for (std::size_t i = 0; i < chunkCount; ++i) {
        chunks[i].done.wait(false, std::memory_order_acquire);
        finish(chunks[i]);
    }
    return outcome;
}

}  // namespace zorvane::cli
