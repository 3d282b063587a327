#include "cli/csv_records.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace zorvane::cli {
namespace {

// Bytes asked of the source at a time.
constexpr std::size_t kReadBlockBytes = std::size_t{1} << 16;

constexpr char kQuote = '"';
constexpr char kSeparator = ',';
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

bool IsLineEnd(char c) { return c == kCarriageReturn || c == kLineFeed; }

enum class RecordEnd { LineEnd, InputEnd, TooLong };

}  // namespace

CsvRecordReader::CsvRecordReader(ByteSource source, std::size_t maxRecordBytes)
    : source_(std::move(source)), maxRecordBytes_(maxRecordBytes) {}

// Drops the bytes before pos_ and appends the next block; scan keeps pointing
// at the same byte. False at the end of the input.
bool CsvRecordReader::Refill(std::size_t& scan) {
    if (ended_) return false;
    buffer_.erase(0, pos_);
    scan -= pos_;
    bufferBase_ += pos_;
    pos_ = 0;
    const std::size_t start = buffer_.size();
    buffer_.resize(start + kReadBlockBytes);
    const std::size_t got = source_(std::span<char>(buffer_.data() + start, kReadBlockBytes));
    buffer_.resize(start + std::min(got, kReadBlockBytes));
    ended_ = got == 0;
    return !ended_;
}

// scan is at a CR or LF: steps over it, and over the LF of a CR LF.
void CsvRecordReader::SkipLineEnd(std::size_t& scan) {
    const char c = buffer_[scan++];
    ++line_;
    pos_ = scan;
    if (c == kCarriageReturn && (scan < buffer_.size() || Refill(scan)) && buffer_[scan] == kLineFeed) {
        ++scan;
    }
    pos_ = scan;
}

void CsvRecordReader::SkipRestOfLine() {
    std::size_t scan = pos_;
    while (scan < buffer_.size() || Refill(scan)) {
        const auto end = std::find_if(buffer_.begin() + static_cast<std::ptrdiff_t>(scan), buffer_.end(), IsLineEnd);
        scan = static_cast<std::size_t>(end - buffer_.begin());
        if (end != buffer_.end()) {
            SkipLineEnd(scan);
            return;
        }
        pos_ = scan;  // nothing of a skipped line is kept
    }
    pos_ = scan;
}

bool CsvRecordReader::Next(CsvRecord& record) {
    if (std::exchange(skipping_, false)) SkipRestOfLine();
    while (true) {
        std::size_t scan = pos_;
        if (scan == buffer_.size() && !Refill(scan)) return false;
        record.text.clear();
        record.line = line_;
        record.tooLong = false;
        const bool lineByLine = bufferBase_ + pos_ < lineModeEnd_;
        bool inQuotes = false;
        bool atFieldStart = true;
        bool justClosed = false;  // a quote right after a closing one is a doubled quote
        bool afterCarriageReturn = false;
        std::size_t linesInside = 0;
        RecordEnd end = RecordEnd::InputEnd;
        while (scan < buffer_.size() || Refill(scan)) {
            if (scan - pos_ >= maxRecordBytes_) {
                end = RecordEnd::TooLong;
                break;
            }
            const char c = buffer_[scan];
            if (inQuotes) {
                if (c == kQuote) {
                    inQuotes = false;
                    justClosed = true;
                } else if (c == kLineFeed ? !afterCarriageReturn : c == kCarriageReturn) {
                    ++linesInside;
                }
                afterCarriageReturn = c == kCarriageReturn;
                ++scan;
                continue;
            }
            if (IsLineEnd(c)) {
                end = RecordEnd::LineEnd;
                break;
            }
            inQuotes = !lineByLine && c == kQuote && (atFieldStart || justClosed);
            justClosed = false;
            atFieldStart = c == kSeparator;
            ++scan;
        }
        if (inQuotes) {
            // The quote never closed within reach: take this stretch again,
            // one line per record.
            lineModeEnd_ = bufferBase_ + scan;
            continue;
        }
        line_ += linesInside;
        if (end == RecordEnd::TooLong) {
            record.tooLong = true;
            pos_ = scan;
            skipping_ = true;
            return true;
        }
        record.text.assign(buffer_, pos_, scan - pos_);
        pos_ = scan;
        if (end == RecordEnd::LineEnd) SkipLineEnd(scan);
        if (!record.text.empty()) return true;
    }
}

std::vector<CsvRecord> SplitCsvRecords(std::string_view text, std::size_t maxRecordBytes) {
    CsvRecordReader reader(
        [&text](std::span<char> room) {
            const std::size_t count = std::min(room.size(), text.size());
            if (count > 0) std::memcpy(room.data(), text.data(), count);
            text.remove_prefix(count);
            return count;
        },
        maxRecordBytes);
    std::vector<CsvRecord> records;
    for (CsvRecord record; reader.Next(record);) records.push_back(record);
    return records;
}

}  // namespace zorvane::cli
