#include "core/files/chart_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <variant>

namespace zorvane {
namespace {

ChartFile FullChart() {
    ChartFile chart;
    chart.name = "Asha \"Devi\" \u0906\u0936\u093e";  // quotes and Devanagari survive
    chart.year = 1947;
    chart.month = 8;
    chart.day = 15;
    chart.hour = 0;
    chart.minute = 0;
    chart.second = 30;
    chart.zoneHour = "+5";
    chart.zoneMinute = "30";
    chart.daylightSaving = true;
    chart.latDegrees = "28";
    chart.latMinutes = "36";
    chart.latSide = LatitudeSide::South;
    chart.lonDegrees = "77";
    chart.lonMinutes = "13";
    chart.lonSide = LongitudeSide::West;
    chart.city = "New Delhi";
    chart.state = "Delhi";
    chart.country = "India";
    chart.atlasZoneId = "Asia/Kolkata";
    chart.nakshatraName = "Pushya";
    chart.yogaName = "Siddhi";
    chart.ayanamsa = Ayanamsa::TrueChitra;
    chart.node = NodeKind::True;
    chart.style = ChartStyle::SouthIndian;
    chart.clock = {RepeatedChoice::Later, ClockStandard::Bombay};
    return chart;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(ChartFile, RoundTripKeepsEveryField) {
    ChartFile typedZone = FullChart();
    typedZone.atlasZoneId.reset();
    typedZone.latSide = LatitudeSide::Unchosen;
    typedZone.lonSide = LongitudeSide::Unchosen;
    for (const ChartFile& chart : {FullChart(), typedZone, ChartFile{}}) {
        const auto parsed = ParseChartFile(SerializeChartFile(chart));
        ASSERT_TRUE(std::holds_alternative<ChartFile>(parsed))
            << std::get<ChartFileRefusal>(parsed).message;
        EXPECT_EQ(std::get<ChartFile>(parsed), chart);
    }
}

TEST(ChartFile, FormRoundTripLeavesTheRestOfTheChart) {
    const ChartFile chart = FullChart();
    ChartFile rebuilt;
    rebuilt.second = chart.second;
    rebuilt.city = chart.city;
    rebuilt.state = chart.state;
    rebuilt.country = chart.country;
    rebuilt.atlasZoneId = chart.atlasZoneId;
    rebuilt.nakshatraName = chart.nakshatraName;
    rebuilt.yogaName = chart.yogaName;
    rebuilt.ayanamsa = chart.ayanamsa;
    rebuilt.node = chart.node;
    rebuilt.style = chart.style;
    rebuilt.clock = chart.clock;
    PutFormInChart(FormFromChart(chart), rebuilt);
    EXPECT_EQ(rebuilt, chart);
}

TEST(ChartFile, CommittedVersionOneSampleKeepsLoading) {
    const auto parsed = ParseChartFile(ReadFile(ZORVANE_TEST_DATA_DIR "/chart_v1.zchart"));
    ASSERT_TRUE(std::holds_alternative<ChartFile>(parsed))
        << std::get<ChartFileRefusal>(parsed).message;
    const ChartFile& chart = std::get<ChartFile>(parsed);
    EXPECT_EQ(chart.name, "\u092d\u093e\u0930\u0924 Bharat");
    EXPECT_EQ(chart.year, 1947);
    EXPECT_EQ(chart.month, 8);
    EXPECT_EQ(chart.day, 15);
    EXPECT_EQ(chart.second, 30);
    EXPECT_EQ(chart.zoneHour, "5");
    EXPECT_EQ(chart.lonSide, LongitudeSide::East);
    EXPECT_EQ(chart.atlasZoneId, "Asia/Kolkata");
    EXPECT_EQ(chart.yogaName, "Siddhi");
    // Version 1 had no chart options: the defaults stand in.
    EXPECT_EQ(chart.ayanamsa, Ayanamsa::Lahiri);
    EXPECT_EQ(chart.node, NodeKind::Mean);
    EXPECT_EQ(chart.style, ChartStyle::NorthIndian);
    const ReadingForm form = FormFromChart(chart);
    EXPECT_EQ(form.monthIndex, 7);
    EXPECT_EQ(form.dayText, "15");
}

// The clock choice is two optional keys of the zone: a chart with the
// default choice is written without them, byte for byte as before, and a
// chart without them (any older one) reads the default.
TEST(ChartFile, TheClockChoiceIsWrittenOnlyWhenChosen) {
    ChartFile chart = FullChart();
    const std::string chosen = SerializeChartFile(chart);
    EXPECT_NE(chosen.find("\"repeated\": \"later\""), std::string::npos);
    EXPECT_NE(chosen.find("\"clock\": \"bombay\""), std::string::npos);
    chart.clock = {};
    const std::string plain = SerializeChartFile(chart);
    EXPECT_EQ(plain.find("\"repeated\""), std::string::npos);
    EXPECT_EQ(plain.find("\"clock\""), std::string::npos);
    const auto parsed = ParseChartFile(plain);
    ASSERT_TRUE(std::holds_alternative<ChartFile>(parsed));
    EXPECT_EQ(std::get<ChartFile>(parsed).clock, ClockSelection{});
}

struct RefusalCase {
    const char* label;
    std::string bytes;
    ChartFileFault fault;
};

// Keys "k0": 0, "k1": 0, ... each followed by a comma.
std::string ManyKeys(int count) {
    std::string keys;
    for (int i = 0; i < count; ++i) keys += "\"k" + std::to_string(i) + "\": 0, ";
    return keys;
}
// Near a 1 MiB chart's worth: the library's ordered object looks each key up
// one by one, so reading them all would take minutes.
constexpr int kManyKeys = 60000;

TEST(ChartFile, RefusesWhatItCannotTrust) {
    const std::string good = SerializeChartFile(FullChart());
    const std::string deep = std::string(100, '[') + std::string(100, ']');
    const RefusalCase cases[] = {
        {"over the byte cap", std::string(kMaxChartFileBytes + 1, ' '), ChartFileFault::TooLarge},
        {"text over its cap",
         Replaced(good, "\"New Delhi\"", '"' + std::string(kMaxChartTextBytes + 1, 'x') + '"'),
         ChartFileFault::TooLarge},
        {"not JSON", "\x89PNG\r\n\x1a\n", ChartFileFault::Foreign},
        {"empty", "", ChartFileFault::Foreign},
        {"another format", Replaced(good, "zorvane-chart", "other-chart"), ChartFileFault::Foreign},
        {"JSON but no object", "[1, 2, 3]", ChartFileFault::Foreign},
        {"deep nesting", deep, ChartFileFault::Foreign},
        {"deep nesting in a chart", Replaced(good, "\"Delhi\"", deep), ChartFileFault::Damaged},
        {"cut short", good.substr(0, good.size() / 2), ChartFileFault::Damaged},
        {"bad UTF-8", Replaced(good, "Delhi\"", "Del\xff\""), ChartFileFault::Damaged},
        {"field missing", Replaced(good, "\"second\": 30", "\"seconds\": 30"),
         ChartFileFault::Damaged},
        {"wrong type", Replaced(good, "\"month\": 8", "\"month\": \"8\""), ChartFileFault::Damaged},
        {"out of range", Replaced(good, "\"month\": 8", "\"month\": 13"), ChartFileFault::Damaged},
        {"year before the list", Replaced(good, "\"year\": 1947", "\"year\": 1900"),
         ChartFileFault::Damaged},
        {"huge number", Replaced(good, "\"hour\": 0", "\"hour\": 18446744073709551615"),
         ChartFileFault::Damaged},
        {"bad hemisphere", Replaced(good, "\"S\"", "\"E\""), ChartFileFault::Damaged},
        {"group not an object", Replaced(good, "\"place\": {", "\"place\": [], \"x\": {"),
         ChartFileFault::Damaged},
        {"version zero", Replaced(good, "\"version\": 2", "\"version\": 0"),
         ChartFileFault::Damaged},
        {"version a text", Replaced(good, "\"version\": 2", "\"version\": \"2\""),
         ChartFileFault::Damaged},
        {"trailing NUL and garbage", good + std::string(1, '\0') + "garbage", ChartFileFault::Damaged},
        {"a NUL inside", Replaced(good, "\n", std::string("\n\0", 2)), ChartFileFault::Damaged},
        {"trailing text", good + "{}", ChartFileFault::Damaged},
        {"many unknown keys", Replaced(good, "\"name\"", ManyKeys(kManyKeys) + "\"name\""),
         ChartFileFault::Damaged},
        {"newer version", Replaced(good, "\"version\": 2", "\"version\": 3"),
         ChartFileFault::NewerVersion},
        {"far newer version", Replaced(good, "\"version\": 2", "\"version\": 18446744073709551615"),
         ChartFileFault::NewerVersion},
        {"unknown ayanamsa", Replaced(good, "\"true-chitra\"", "\"galactic\""), ChartFileFault::Damaged},
        {"unknown style", Replaced(good, "\"south\"", "\"western\""), ChartFileFault::Damaged},
        {"unknown clock standard", Replaced(good, "\"bombay\"", "\"greenwich\""), ChartFileFault::Damaged},
        {"unknown repeated choice", Replaced(good, "\"later\"", "\"both\""), ChartFileFault::Damaged},
        {"version 2 without its chart group", Replaced(good, "\"chart\": {", "\"chart_\": {"),
         ChartFileFault::Damaged},
    };
    for (const RefusalCase& test : cases) {
        const auto parsed = ParseChartFile(test.bytes);
        ASSERT_TRUE(std::holds_alternative<ChartFileRefusal>(parsed)) << test.label;
        const ChartFileRefusal& refusal = std::get<ChartFileRefusal>(parsed);
        EXPECT_EQ(refusal.fault, test.fault) << test.label << ": " << refusal.message;
        EXPECT_FALSE(refusal.message.empty()) << test.label;
    }
}

}  // namespace
}  // namespace zorvane
