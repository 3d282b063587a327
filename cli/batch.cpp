#include "cli/batch.h"

#include "cli/chart_columns.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <variant>
#include <vector>

#include "cli/batch_place.h"
#include "cli/csv.h"
#include "cli/reading_fields.h"
#include "cli/reading_output.h"
#include "cli/result_columns.h"
#include "cli/run_reading.h"
#include "core/format/dasha_text.h"
#include "core/format/details_fields.h"
#include "core/reading/birth_record.h"

namespace zorvane::cli {
namespace {

// A chunk of rows is the unit of work: large enough that handing it out costs
// nothing, small enough that the threads stay busy to the end. Its input is
// capped in bytes too, so that long rows make short chunks.
constexpr std::size_t kRowsPerChunk = 512;
constexpr std::size_t kChunkInputBytes = std::size_t{256} * 1024;

// Chunks being read, computed or waiting to be written, per worker and in
// all. This bounds the batch's memory whatever the input size and however
// slowly the output is taken.
constexpr std::size_t kChunksInFlightPerWorker = 2;
constexpr std::size_t kMaxChunksInFlight = 32;

// Room for the results of one output row, so that a chunk's buffer rarely grows.
constexpr std::size_t kResultBytesPerRow = 320;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

// The latitude's columns: optional, read only for the details' sunrise,
// sunset and vara.
constexpr auto kLatitudeColumnNames = std::to_array<std::string_view>({"lat_deg", "lat_min", "lat_dir"});
static_assert(kLatitudeColumnNames.size() == 3);

// Where each known column sits in the input rows, the header as given, and
// whether the details' columns follow the results.
struct BatchLayout {
    std::vector<std::string> names;
    std::array<std::size_t, kInputColumnCount> position{};
    std::array<std::size_t, kLatitudeColumnNames.size()> latitudePosition{};  // kAbsent: not given
    // The place columns (kAbsent: not given) and, when "place" is, the atlas.
    std::array<std::size_t, kPlaceColumnNames.size()> placePosition{};
    std::shared_ptr<const AtlasOrError> atlas;
    bool withDetails = false;
    // --details --chart: the chart's columns after the dasha's.
    std::optional<ChartOptions> chart;
};

std::string ExpectedHeader() {
    std::string text = "the first line must be the header naming the columns ";
    for (std::size_t i = 0; i < kInputColumnCount; ++i) {
        text.append(i == 0 ? "" : ",").append(kInputColumnNames[i]);
    }
    return text + " in any order";
}

// Header names compare without surrounding spaces and without regard to case.
std::string HeaderKey(std::string_view name) {
    const std::size_t first = name.find_first_not_of(" \t");
    const std::size_t last = name.find_last_not_of(" \t");
    std::string key = first == std::string_view::npos ? std::string() : std::string(name.substr(first, last - first + 1));
    std::transform(key.begin(), key.end(), key.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return key;
}

std::optional<std::string> ReadHeader(const std::optional<CsvRecord>& first, BatchLayout& layout) {
    if (!first) return ExpectedHeader();
    if (first->tooLong) {
        return ExpectedHeader() + "; it is longer than " + std::to_string(kBatchMaxLineBytes) + " bytes";
    }
    std::string_view text = first->text;
    // Spreadsheet programs often start their CSV with a byte-order mark.
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (ParseCsvRecord(text, layout.names)) return ExpectedHeader();

    layout.position.fill(kAbsent);
    layout.latitudePosition.fill(kAbsent);
    layout.placePosition.fill(kAbsent);
    for (std::size_t at = 0; at < layout.names.size(); ++at) {
        const std::string key = HeaderKey(layout.names[at]);
        const auto known = std::find(kInputColumnNames.begin(), kInputColumnNames.end(), key);
        const auto latitude = std::find(kLatitudeColumnNames.begin(), kLatitudeColumnNames.end(), key);
        const auto place = std::find(kPlaceColumnNames.begin(), kPlaceColumnNames.end(), key);
        std::size_t* position = nullptr;
        if (known != kInputColumnNames.end()) {
            position = &layout.position[static_cast<std::size_t>(known - kInputColumnNames.begin())];
        } else if (latitude != kLatitudeColumnNames.end()) {
            position = &layout.latitudePosition[static_cast<std::size_t>(latitude - kLatitudeColumnNames.begin())];
        } else if (place != kPlaceColumnNames.end()) {
            position = &layout.placePosition[static_cast<std::size_t>(place - kPlaceColumnNames.begin())];
        } else {
            continue;
        }
        if (*position != kAbsent) return ExpectedHeader() + "; it names " + key + " twice";
        *position = at;
    }
    // With a place column the atlas may fill the zone, longitude and DST.
    const bool byPlace = layout.placePosition[0] != kAbsent;
    const auto fillable = [byPlace](std::size_t i) {
        return byPlace && std::ranges::find(kPlaceFilledColumns, static_cast<InputColumn>(i)) !=
                              kPlaceFilledColumns.end();
    };
    std::string missing;
    for (std::size_t i = 0; i < kInputColumnCount; ++i) {
        if (layout.position[i] == kAbsent && !fillable(i)) missing.append(missing.empty() ? "" : ", ").append(kInputColumnNames[i]);
    }
    if (!missing.empty()) return ExpectedHeader() + "; it lacks " + missing;
    return std::nullopt;
}

std::string OutputHeader(const BatchLayout& layout) {
    std::string header;
    for (const std::string& name : layout.names) {
        AppendCsvField(name, header);
        header.push_back(',');
    }
    header.append(kNakshatraColumn).push_back(',');
    header.append(kYogaColumn).push_back(',');
    for (const NumberColumn& column : kNumberColumns) {
        header.append(column.name).push_back(',');
    }
    header.append(kErrorColumn);
    if (layout.withDetails) {
        for (const std::string_view key : kDetailKeys) header.append(",").append(key);
        for (const std::string_view name : kDashaColumnNames) header.append(",").append(name);
        for (const std::string_view name : kZoneColumnNames) header.append(",").append(name);
        if (layout.chart) AppendChartHeader(header);
    }
    header.push_back('\n');
    return header;
}

struct RowRef {
    std::size_t offset = 0;
    std::size_t size = 0;
    std::size_t line = 0;
    bool tooLong = false;
};

struct Chunk {
    std::string input;  // the rows' texts one after another
    std::vector<RowRef> rows;
    std::string output;
    std::size_t refusedCount = 0;
    bool done = false;
};

// Per-thread scratch space, reused from row to row.
struct RowWorkspace {
    std::vector<std::string> csvFields;
    ReadingFields fields;
    std::string fault;
    PlaceLookups places;
};

void AppendRefusedResults(std::string_view reason, const BatchLayout& layout, std::string& out) {
    // Two names and every number stay empty, and so do the details.
    out.append(2 + kNumberColumnCount, ',');
    AppendCsvField(reason, out);
    if (layout.withDetails) out.append(kDetailKeys.size() + kDashaColumnNames.size() + kZoneColumnNames.size(), ',');
    if (layout.withDetails && layout.chart) out.append(kChartColumnNames.size(), ',');
    out.push_back('\n');
}

// The details' and the dasha's columns after the (empty) error column; a
// missing value stays empty.
void AppendDetailColumns(const BirthDetails& details, const VimshottariDasha& dasha, std::string& out) {
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
    out.push_back(',');
    out.append(DashaLordName(dasha.birthLord)).push_back(',');
    AppendShortestNumber(dasha.balanceYears, out);
}

// Writes one output row; returns false when the row was refused.
bool ProcessRow(std::string_view record, const RowRef& row, const BatchLayout& layout,
                RowWorkspace& work, std::string& out) {
    const std::size_t columnCount = layout.names.size();
    if (row.tooLong) {
        // Nothing of the line was kept, so its columns come back empty.
        out.append(columnCount, ',');
        AppendRefusedResults("input line " + std::to_string(row.line) + " is longer than " +
                                 std::to_string(kBatchMaxLineBytes) + " bytes",
                             layout, out);
        return false;
    }
    std::optional<std::string_view> fault = ParseCsvRecord(record, work.csvFields);
    const std::size_t fieldCount = work.csvFields.size();
    if (fault == kUnclosedQuoteFault) {
        work.fault = "the quoted field that begins on input line " + std::to_string(row.line) +
                     " is not closed";
        fault = work.fault;
    } else if (!fault && fieldCount != columnCount) {
        work.fault = "the row has " + std::to_string(fieldCount) + " fields instead of " +
                     std::to_string(columnCount);
        fault = work.fault;
    }
    // The input columns come back as given, and every output row has the same
    // columns: a row with too many fields loses the extra ones. A well-formed
    // row that needs no quotes is already its own echo.
    if (!fault && !HoldsQuoteOrControl(record)) {
        out.append(record).push_back(',');
    } else {
        for (std::size_t i = 0; i < columnCount; ++i) {
            AppendCsvField(i < fieldCount ? std::string_view(work.csvFields[i]) : std::string_view(), out);
            out.push_back(',');
        }
    }
    if (fault) {
        AppendRefusedResults(*fault, layout, out);
        return false;
    }
    for (std::size_t i = 0; i < kInputColumnCount; ++i) {
        if (layout.position[i] == kAbsent) {
            work.fields.texts[i].clear();
        } else {
            work.fields.texts[i].swap(work.csvFields[layout.position[i]]);
        }
    }
    const auto latitudeText = [&](std::size_t k) {
        const std::size_t at = layout.latitudePosition[k];
        return at == kAbsent ? std::string() : work.csvFields[at];
    };
    work.fields.latDegrees = latitudeText(0);
    work.fields.latMinutes = latitudeText(1);
    work.fields.latDirection = latitudeText(2);
    if (layout.atlas) {
        const auto placeText = [&](std::size_t k) {
            const std::size_t at = layout.placePosition[k];
            return at == kAbsent ? std::string_view() : std::string_view(work.csvFields[at]);
        };
        if (std::optional<std::string> refusal =
                FillFromPlace(*layout.atlas, {placeText(0), placeText(1), placeText(2)}, work.fields,
                              work.places)) {
            AppendRefusedResults(*refusal, layout, out);
            return false;
        }
    }

    BirthRecord result;
    if (std::optional<std::string_view> refusal = RunReading(work.fields, result,
                                                                   layout.withDetails ? ReadingParts::WithDetailsAndDasha
                                                                                      : ReadingParts::NamesOnly)) {
        AppendRefusedResults(*refusal, layout, out);
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
    if (result.details) {
        AppendDetailColumns(*result.details, result.dasha.value(), out);
        out.push_back(',');
        AppendCsvField(result.zoneApplied, out);
        out.push_back(',');
        AppendCsvField(result.clockNote, out);
    }
    if (result.details && layout.chart) AppendChartColumns(result, *layout.chart, out);
    out.push_back('\n');
    return true;
}

void ProcessChunk(const BatchLayout& layout, RowWorkspace& work, Chunk& chunk) {
    chunk.output.clear();
    chunk.output.reserve(chunk.input.size() + chunk.rows.size() * kResultBytesPerRow);
    chunk.refusedCount = 0;
    for (const RowRef& row : chunk.rows) {
        const std::string_view record = std::string_view(chunk.input).substr(row.offset, row.size);
        if (!ProcessRow(record, row, layout, work, chunk.output)) ++chunk.refusedCount;
    }
}

// Reads the next chunk's rows; false when the input has ended (the chunk may
// still hold rows then).
bool FillChunk(CsvRecordReader& reader, CsvRecord& record, Chunk& chunk) {
    chunk.input.clear();
    chunk.rows.clear();
    while (chunk.rows.size() < kRowsPerChunk && chunk.input.size() < kChunkInputBytes) {
        if (!reader.Next(record)) return false;
        chunk.rows.push_back({chunk.input.size(), record.text.size(), record.line, record.tooLong});
        chunk.input.append(record.text);
    }
    return true;
}

// Hands chunks to the worker threads and tells when each is computed.
class ChunkQueue {
public:
    void Push(Chunk& chunk) {
        {
            std::lock_guard lock(mutex_);
            chunk.done = false;
            pending_.push_back(&chunk);
        }
        workAvailable_.notify_one();
    }
    // The next chunk to compute, or nullptr once Close was called and all are taken.
    Chunk* Take() {
        std::unique_lock lock(mutex_);
        workAvailable_.wait(lock, [this] { return closed_ || !pending_.empty(); });
        if (pending_.empty()) return nullptr;
        Chunk* chunk = pending_.front();
        pending_.pop_front();
        return chunk;
    }
    void MarkDone(Chunk& chunk) {
        {
            std::lock_guard lock(mutex_);
            chunk.done = true;
        }
        chunkDone_.notify_all();
    }
    void WaitUntilDone(const Chunk& chunk) {
        std::unique_lock lock(mutex_);
        chunkDone_.wait(lock, [&chunk] { return chunk.done; });
    }
    void Close() {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
        }
        workAvailable_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable chunkDone_;
    std::deque<Chunk*> pending_;
    bool closed_ = false;
};

// Threads that compute the chunks put in their queue. Closing the queue before
// the threads are joined lets them end even when the caller leaves early.
class ChunkWorkers {
public:
    ChunkWorkers(std::size_t count, const BatchLayout& layout) {
        threads_.reserve(count);
        for (std::size_t w = 0; w < count; ++w) {
            threads_.emplace_back([this, &layout] {
                RowWorkspace work;
                while (Chunk* chunk = queue_.Take()) {
                    ProcessChunk(layout, work, *chunk);
                    queue_.MarkDone(*chunk);
                }
            });
        }
    }
    ~ChunkWorkers() { queue_.Close(); }
    ChunkWorkers(const ChunkWorkers&) = delete;
    ChunkWorkers& operator=(const ChunkWorkers&) = delete;
    ChunkWorkers(ChunkWorkers&&) = delete;
    ChunkWorkers& operator=(ChunkWorkers&&) = delete;

    ChunkQueue& queue() { return queue_; }

private:
    ChunkQueue queue_;
    std::vector<std::jthread> threads_;  // joined before queue_ goes
};

}  // namespace

BatchOutcome RunBatch(const ByteSource& input, unsigned threadCount, const BatchSink& sink,
                      bool withDetails, const std::optional<ChartOptions>& chart) {
    BatchOutcome outcome;
    CsvRecordReader reader(input, kBatchMaxLineBytes);
    CsvRecord record;
    BatchLayout layout;
    layout.withDetails = withDetails;
    if (withDetails) layout.chart = chart;
    const std::optional<CsvRecord> first = reader.Next(record) ? std::optional(record) : std::nullopt;
    if (std::optional<std::string> fault = ReadHeader(first, layout)) {
        outcome.headerFault = std::move(*fault);
        return outcome;
    }
    // Read once for every row, and only when a row may name a place.
    if (layout.placePosition[0] != kAbsent) layout.atlas = std::make_shared<const AtlasOrError>(ReadBatchAtlas());
    sink(OutputHeader(layout));

    const auto finish = [&](Chunk& chunk) {
        sink(chunk.output);
        outcome.rowCount += chunk.rows.size();
        outcome.refusedCount += chunk.refusedCount;
    };

    const std::size_t workerCount = std::min<std::size_t>(std::max(threadCount, 1U), kMaxChunksInFlight);
    if (workerCount == 1) {
        RowWorkspace work;
        Chunk chunk;
        for (bool more = true; more;) {
            more = FillChunk(reader, record, chunk);
            ProcessChunk(layout, work, chunk);
            finish(chunk);
        }
        return outcome;
    }

    // This thread reads chunks while fewer than the slots are in flight, and
    // writes the oldest once it is computed; the workers compute in between.
    const std::size_t slotCount = std::min(workerCount * kChunksInFlightPerWorker, kMaxChunksInFlight);
    std::vector<Chunk> slots(slotCount);
    ChunkWorkers workers(workerCount, layout);
    std::size_t filled = 0;
    std::size_t written = 0;
    bool inputLeft = true;
    while (true) {
        while (inputLeft && filled - written < slotCount) {
            Chunk& chunk = slots[filled % slotCount];
            inputLeft = FillChunk(reader, record, chunk);
            if (chunk.rows.empty()) break;
            workers.queue().Push(chunk);
            ++filled;
        }
        if (written == filled) break;
        Chunk& oldest = slots[written % slotCount];
        workers.queue().WaitUntilDone(oldest);
        finish(oldest);
        ++written;
    }
    return outcome;
}

BatchOutcome RunBatch(std::string_view csv, unsigned threadCount, const BatchSink& sink, bool withDetails,
                      const std::optional<ChartOptions>& chart) {
    return RunBatch(
        [&csv](std::span<char> room) {
            const std::size_t count = std::min(room.size(), csv.size());
            if (count > 0) std::memcpy(room.data(), csv.data(), count);
            csv.remove_prefix(count);
            return count;
        },
        threadCount, sink, withDetails, chart);
}

}  // namespace zorvane::cli
