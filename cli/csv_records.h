#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

// Fills the span with the next input bytes and returns how many it wrote;
// 0 means the end of the input (or a failure the source keeps to itself).
using ByteSource = std::function<std::size_t(std::span<char>)>;

// One record of a CSV input, without its line end.
struct CsvRecord {
    std::string text;
    std::size_t line = 0;  // input line on which the record begins, from 1
    bool tooLong = false;  // longer than the cap: text is empty, the rest skipped
};

// Cuts a CSV input into records as it arrives, holding at most one record of
// at most maxRecordBytes bytes (plus one read block) in memory.
//
// A line ends at LF, CR LF or CR alone. A quoted field may hold line breaks,
// so a record can span several lines; but when a quote is still open at the
// end of the input or after maxRecordBytes bytes, it was never meant to span
// them: the record's lines and every later line within that stretch are then
// taken one line per record, so the quote spoils only its own line. A record
// longer than the cap comes back with tooLong set and is skipped to the end
// of its line when the next record is asked for. Empty lines are skipped.
class CsvRecordReader {
public:
    CsvRecordReader(ByteSource source, std::size_t maxRecordBytes);

    // The next record, or false at the end of the input.
    bool Next(CsvRecord& record);

private:
    bool Refill(std::size_t& scan);
    void SkipLineEnd(std::size_t& scan);
    void SkipRestOfLine();

    ByteSource source_;
    std::size_t maxRecordBytes_;
    std::string buffer_;
    std::size_t pos_ = 0;        // start of the unread part of buffer_
    std::size_t bufferBase_ = 0; // input offset of buffer_[0]
    std::size_t line_ = 1;       // input line at pos_
    std::size_t lineModeEnd_ = 0;  // input offset before which lines are records
    bool ended_ = false;
    bool skipping_ = false;  // the rest of a line too long to keep is still to skip
};

// Every record of a whole text, for callers that hold it in memory already.
std::vector<CsvRecord> SplitCsvRecords(std::string_view text, std::size_t maxRecordBytes);

}  // namespace zorvane::cli
