// The batch in process: it streams, so what it holds stays bounded however
// large the input and however slowly the output is taken.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "cli/batch.h"

namespace zorvane::cli {
namespace {

// A well-formed row padded by a pass-through column to a fixed length, so
// that rows written out tell how much input they account for.
constexpr std::size_t kRowBytes = 1024;
constexpr std::size_t kRows = 48 * 1024;
// What may be read ahead of the rows already written: the chunks in flight
// and the reader's buffer, a few megabytes by design. Far below the input, so
// a batch that read everything first fails.
constexpr std::size_t kReadAheadBound = std::size_t{12} * 1024 * 1024;

TEST(BatchStream, ReadsOnlyAFewChunksAheadOfWhatTheSinkTook) {
    const std::string header = "year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst,pad\n";
    std::string row = "1800,1,1,12,0,0,0,0,0,W,0,";  // refused at once: the year is out of range
    row += std::string(kRowBytes - row.size() - 1, 'p') + "\n";

    std::size_t supplied = 0;
    const ByteSource source = [&](std::span<char> room) {
        if (supplied == 0) {
            supplied = header.size();
            return header.copy(room.data(), header.size());
        }
        std::size_t count = 0;
        while (count < room.size() && supplied < header.size() + kRows * kRowBytes) {
            const std::size_t offset = (supplied - header.size()) % kRowBytes;
            const std::size_t n = std::min(room.size() - count, kRowBytes - offset);
            row.copy(room.data() + count, n, offset);
            count += n;
            supplied += n;
        }
        return count;
    };
    for (const unsigned threads : {1U, 2U, 8U}) {
        SCOPED_TRACE(threads);
        supplied = 0;
        std::size_t rowsWritten = 0;
        std::size_t worstReadAhead = 0;
        bool headerWritten = false;
        const BatchOutcome outcome = RunBatch(source, threads, [&](std::string_view piece) {
            if (!std::exchange(headerWritten, true)) return;
            worstReadAhead = std::max(worstReadAhead, supplied - header.size() - rowsWritten * kRowBytes);
            rowsWritten += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
        });
        EXPECT_EQ(rowsWritten, kRows);
        EXPECT_EQ(outcome.refusedCount, outcome.rowCount);
        EXPECT_LT(worstReadAhead, kReadAheadBound);
    }
}

}  // namespace
}  // namespace zorvane::cli
