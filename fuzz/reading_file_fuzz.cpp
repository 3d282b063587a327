// Any bytes may be opened as a reading file: a damaged copy, another
// program's file renamed to .vrn, a file cut short.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_bytes.h"
#include "fuzz/fuzz_check.h"
#include "core/format/display_tables.h"
#include "core/files/reading_file.h"

using namespace zorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = AsText(data, size);

    const ReadingFileLines lines = SplitReadingFile(bytes);
    // A line never keeps its CR, and together the lines are never longer
    // than the file.
    FUZZ_CHECK(lines.first.find('\r') == std::string::npos);
    FUZZ_CHECK(lines.second.find('\r') == std::string::npos);
    FUZZ_CHECK(lines.first.size() + lines.second.size() <= size);
    FUZZ_CHECK(bytes.substr(0, lines.first.size()) == lines.first);

    const std::string plain = UnscrambleText(bytes);
    FUZZ_CHECK(plain.size() <= size);
    // Every character that survives unscrambling comes back when scrambled.
    FUZZ_CHECK(UnscrambleText(ScrambleText(plain)) == plain);

    if (const std::optional<OpenedReading> opened = ParseReadingFile(bytes)) {
        FUZZ_CHECK(FindNakshatraRow(opened->nakshatraName).has_value());
        FUZZ_CHECK(FindYogaRow(opened->yogaName).has_value());
        // What was opened saves to a file that opens to the same names.
        ChartState chart;
        chart.NakshatraName = opened->nakshatraName;
        chart.YogaName = opened->yogaName;
        const std::optional<OpenedReading> again = ParseReadingFile(FormatReadingFile(chart));
        FUZZ_CHECK(again && again->nakshatraName == opened->nakshatraName &&
                   again->yogaName == opened->yogaName);
    }
    return 0;
}
