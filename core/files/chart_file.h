#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/reading/birth_input.h"
#include "core/chart/indian_chart_layout.h"
#include "core/reading/validate_input.h"
#include "core/sky/ephemeris.h"
#include "core/zones/clock_offer.h"

namespace zorvane {

// Chart files (*.zchart): everything the input form holds, as UTF-8 JSON,
// so that a reading can be reopened into the form and computed again.
// Version 2 adds the group "chart" (ayanamsa, node, style); a version-1 file
// still opens, with the defaults in their place. The zone's optional keys
// "repeated" and "clock" need no new version: older readers pass over them.
inline constexpr std::string_view kChartFileFormat = "zorvane-chart";
inline constexpr int kChartFileVersion = 2;

// Limits that keep a damaged or hostile file from costing memory or time.
inline constexpr std::size_t kMaxChartFileBytes = std::size_t{1024} * 1024;
inline constexpr std::size_t kMaxChartTextBytes = 1024;

enum class LatitudeSide { Unchosen, North, South };
enum class LongitudeSide { Unchosen, East, West };

struct ChartFile {
    std::string name;
    // The date and clock time as picked in the lists.
    int year = 1901;
    int month = 1;  // 1..12
    int day = 1;    // 1..31; the form may hold a day the month lacks
    int hour = 0;
    int minute = 0;
    int second = 0;
    // The zone as typed, sign and all.
    std::string zoneHour;
    std::string zoneMinute;
    bool daylightSaving = false;
    std::string latDegrees;
    std::string latMinutes;
    LatitudeSide latSide = LatitudeSide::North;
    std::string lonDegrees;
    std::string lonMinutes;
    LongitudeSide lonSide = LongitudeSide::East;
    std::string city;
    std::string state;
    std::string country;
    // The IANA zone of the place the atlas filled the zone from, if it did.
    std::optional<std::string> atlasZoneId;
    // The clock the user chose for that zone: the later reading of a clock
    // time at a change, a clock standard of India before 1956. Kept as the
    // optional keys "repeated" and "clock" of the group "zone", written only
    // when not the default, so that a chart without them reads as before and
    // an older reader passes over them.
    ClockSelection clock;
    // For reference only: opening a chart computes the names again.
    std::string nakshatraName;
    std::string yogaName;
    // How the birth chart is reckoned and drawn (version 2).
    Ayanamsa ayanamsa = Ayanamsa::Lahiri;
    NodeKind node = NodeKind::Mean;
    ChartStyle style = ChartStyle::NorthIndian;

    bool operator==(const ChartFile&) const = default;
};

enum class ChartFileFault { Damaged, Foreign, TooLarge, NewerVersion };

struct ChartFileRefusal {
    ChartFileFault fault = ChartFileFault::Damaged;
    std::string message;  // a whole sentence for the user
};

// Pretty-printed UTF-8 JSON. Text that is not valid UTF-8 is written with
// replacement characters rather than refused, so saving never fails here.
std::string SerializeChartFile(const ChartFile& chart);

// The chart in the bytes, or why they are refused. Never throws.
std::variant<ChartFile, ChartFileRefusal> ParseChartFile(std::string_view bytes);

// The form's boxes, lists, buttons and place as a chart holds them, and
// back. The computed names are not part of the form; the first keeps them as
// they are in the chart.
void PutFormInChart(const ReadingForm& form, ChartFile& chart);
ReadingForm FormFromChart(const ChartFile& chart);

// A typed input as a chart holds it: the numbers as the boxes would show
// them, the latitude (if any) to the nearest arcminute. The computed names
// are left for the caller.
ChartFile ChartFromInput(const BirthInput& input);

// The input a chart gives, through the form's own checks; or the refusal.
std::variant<BirthInput, Refusal> InputFromChart(const ChartFile& chart, const NumberFormat& format,
                                                 ValidationScope scope = ValidationScope::FullReading);

}  // namespace zorvane
