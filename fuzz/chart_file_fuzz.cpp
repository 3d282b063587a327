// Any bytes may be opened as a chart: a damaged copy, another program's JSON,
// a file cut short or grown huge.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz/fuzz_bytes.h"
#include "fuzz/fuzz_check.h"
#include "core/files/chart_file.h"

using namespace zorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parsed = ParseChartFile(AsText(data, size));
    if (const auto* refusal = std::get_if<ChartFileRefusal>(&parsed)) {
        FUZZ_CHECK(!refusal->message.empty());
        return 0;
    }
    const ChartFile& chart = std::get<ChartFile>(parsed);
    FUZZ_CHECK(chart.month >= 1 && chart.month <= 12);
    FUZZ_CHECK(chart.day >= 1 && chart.day <= 31);
    FUZZ_CHECK(chart.name.size() <= kMaxChartTextBytes);
    // What was opened saves to a file that opens to the same chart.
    const auto again = ParseChartFile(SerializeChartFile(chart));
    FUZZ_CHECK(std::holds_alternative<ChartFile>(again) && std::get<ChartFile>(again) == chart);
    return 0;
}
