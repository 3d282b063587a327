// Every input a user controls, given the texts that break programs. Each row
// gets the check's own message or the refusal that closes a gap, never a
// crash, and a refused reading leaves the earlier reading and its result
// exactly as they were.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/reading/calculation_driver.h"
#include "core/format/display_tables.h"
#include "core/files/reading_file.h"
#include "state_snapshot.h"
#include "sample_readings.h"

namespace zorvane {
namespace {

const NumberFormat kPoint{"."};
const NumberFormat kComma{","};
const NumberFormat kArabic{"\xd9\xab"};  // the Arabic decimal separator, two bytes

const std::string kDevanagariName = "आशा";
const std::string kDevanagariDigits = "१२";
const std::string kEmoji = "🙂";
constexpr std::size_t kVeryLong = 100'000;
constexpr std::size_t kTenMegabytes = std::size_t{10} * 1024 * 1024;

// The reading already shown when the user types the next one.
ReadingForm Earlier() { return testing_readings::Independence1947(); }

// The window's two records after the earlier reading was calculated.
struct Window {
    BirthData birth;
    ChartState chart;
    Window() { EXPECT_EQ(RunCalculation(Earlier(), kPoint, birth, chart), std::nullopt); }
};

bool NamesAreFromTheTables(const ChartState& chart) {
    return FindNakshatraRow(chart.NakshatraName) && FindYogaRow(chart.YogaName);
}

// ---- The boxes that are only required ---------------------------------------

struct RequiredBox {
    std::string ReadingForm::*text;
    const char* missingMessage;
    FormControl control;
};

const RequiredBox kRequiredBoxes[] = {
    {&ReadingForm::name, "Please Enter Your Name", FormControl::txtName},
    {&ReadingForm::latDegrees, "Please Enter Degree of Latitude", FormControl::txtLatD},
    {&ReadingForm::latMinutes, "Please Enter Minutes of Latitude", FormControl::txtLatM},
};

// Anything but nothing passes, and since no computation reads these boxes the
// result is the earlier one to the last bit.
TEST(BadInputTable, NameAndLatitudeBoxesTakeAnyTextButNothing) {
    const std::vector<std::string> texts = {
        " ", "   ", "\t", "abc", "-", "+", "1,5", "2.5", "999", "-99", "1e9", "0x1",
        kDevanagariName, kEmoji, std::string(kVeryLong, 'a'), kDevanagariName + std::string(kVeryLong, 'x'),
        std::string("\0", 1), "a\rb", "a\nb"};
    for (const RequiredBox& box : kRequiredBoxes) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(box.missingMessage + std::string(" / ") + text.substr(0, 20));
            Window window;
            const std::string birthBefore = Snapshot(window.birth);
            const std::string chartBefore = Snapshot(window.chart);
            ReadingForm form = Earlier();
            form.*box.text = text;
            EXPECT_EQ(RunCalculation(form, kPoint, window.birth, window.chart), std::nullopt);
            EXPECT_EQ(Snapshot(window.birth), birthBefore);
            EXPECT_EQ(Snapshot(window.chart), chartBefore);
        }
        Window window;
        const std::string birthBefore = Snapshot(window.birth);
        const std::string chartBefore = Snapshot(window.chart);
        ReadingForm form = Earlier();
        form.*box.text = "";
        const std::optional<Refusal> refusal = RunCalculation(form, kPoint, window.birth, window.chart);
        ASSERT_TRUE(refusal) << box.missingMessage;
        EXPECT_EQ(refusal->message, box.missingMessage);
        EXPECT_EQ(refusal->followUp, box.control);
        EXPECT_EQ(Snapshot(window.birth), birthBefore);
        EXPECT_EQ(Snapshot(window.chart), chartBefore);
    }
}

// ---- The four number boxes --------------------------------------------------

struct NumberBox {
    std::string ReadingForm::*text;
    std::int16_t BirthData::*field;
    bool magnitude;  // the zone boxes keep no sign
    int largest;     // magnitude accepted
    const char* missingMessage;
    const char* invalidMessage;
    FormControl control;
};

const NumberBox kNumberBoxes[] = {
    {&ReadingForm::zoneHour, &BirthData::ZoneHour, true, 14, "Please Enter Degree of Time Zone",
     "Please Enter Valid Hour of Time Zone", FormControl::txtZoneHour},
    {&ReadingForm::zoneMinute, &BirthData::ZoneMinute, true, 59, "Please Enter Minute of Time Zone",
     "Please Enter Valid Minute of Time Zone", FormControl::txtZoneMinute},
    {&ReadingForm::lonDegrees, &BirthData::LonDegrees, false, 180, "Please Enter Degree of Longitude",
     "Please Enter Valid Degree of Longitude", FormControl::txtLonD},
    {&ReadingForm::lonMinutes, &BirthData::LonMinutes, false, 59, "Please Enter Minute of Longitude",
     "Please Enter Valid Minute of Longitude", FormControl::txtLonM},
};

// What a box's text becomes: its "Please Enter" message when empty, else the
// value read by a longitude box and by a zone box, which takes the
// magnitude; nothing is the refusal of a text that is not a whole number of
// 16 bits. A value read beyond the box's range is refused too.
struct NumberRow {
    std::string text;
    NumberFormat format;
    std::optional<int> asLongitude;
    std::optional<int> asZone;
};

constexpr std::nullopt_t kRefused = std::nullopt;

const std::vector<NumberRow>& NumberRows() {
    static const std::vector<NumberRow> rows = {
        {"", kPoint, kRefused, kRefused},  // the "Please Enter" message
        {" ", kPoint, kRefused, kRefused},  // blanks are not empty, and not a number either
        {"   ", kPoint, kRefused, kRefused},
        {"\t", kPoint, kRefused, kRefused},
        {" 5 ", kPoint, 5, 5},
        {"abc", kPoint, kRefused, kRefused},
        {"x1", kPoint, kRefused, kRefused},
        {"-", kPoint, kRefused, kRefused},
        {"+", kPoint, kRefused, kRefused},
        {"--1", kPoint, kRefused, kRefused},
        {"-5", kPoint, -5, 5},
        {"+5", kPoint, 5, 5},
        {"1,5", kPoint, kRefused, kRefused},
        {"1,5", kComma, 2, 2},
        {"2.5", kPoint, 2, 2},
        {"2.5", kComma, kRefused, kRefused},
        {"-2,5", kComma, -2, 2},
        {"1\xd9\xab" "5", kArabic, 2, 2},
        {"1.5", kArabic, kRefused, kRefused},
        {".", kPoint, kRefused, kRefused},
        {"999", kPoint, 999, 999},  // out of every box's range
        {"14", kPoint, 14, 14},
        {"-15", kPoint, -15, 15},  // past the zone hours
        {"59", kPoint, 59, 59},
        {"60", kPoint, 60, 60},  // past the minutes
        {"181", kPoint, 181, 181},
        {"-99", kPoint, -99, 99},
        {"1e9", kPoint, kRefused, kRefused},  // does not fit in 16 bits
        {"1e2", kPoint, 100, 100},
        {"0x1", kPoint, kRefused, kRefused},
        {"-32768", kPoint, -32768, kRefused},  // its magnitude does not fit
        {"-32769", kPoint, kRefused, kRefused},
        {kDevanagariName, kPoint, kRefused, kRefused},
        {kDevanagariDigits, kPoint, kRefused, kRefused},
        {kEmoji, kPoint, kRefused, kRefused},
        {std::string(kVeryLong, '9'), kPoint, kRefused, kRefused},
        {std::string(kVeryLong, '0'), kPoint, 0, 0},
        {std::string("\0", 1), kPoint, kRefused, kRefused},
        {std::string("5\0", 2), kPoint, kRefused, kRefused},
        {"5\r", kPoint, kRefused, kRefused},
        {"5\n", kPoint, kRefused, kRefused},
        {"nan", kPoint, kRefused, kRefused},
        {"inf", kPoint, kRefused, kRefused},
    };
    return rows;
}

TEST(BadInputTable, NumberBoxes) {
    for (const NumberBox& box : kNumberBoxes) {
        for (const NumberRow& row : NumberRows()) {
            SCOPED_TRACE(box.invalidMessage + std::string(" / '") + row.text.substr(0, 20) + "' / " +
                         row.format.decimalPoint);
            Window window;
            const BirthData birthBefore = window.birth;
            const std::string birthSnapshot = Snapshot(window.birth);
            const std::string chartSnapshot = Snapshot(window.chart);
            ReadingForm form = Earlier();
            form.*box.text = row.text;

            const std::optional<Refusal> refusal = RunCalculation(form, row.format, window.birth, window.chart);
            const std::optional<int> read = box.magnitude ? row.asZone : row.asLongitude;
            if (const std::optional<int> stored = read && std::abs(*read) <= box.largest ? read : kRefused) {
                ASSERT_EQ(refusal, std::nullopt) << refusal->message;
                BirthData wanted = birthBefore;
                wanted.*box.field = static_cast<std::int16_t>(*stored);
                // The zone hour's text also says whether a "+" put it ahead.
                if (box.field == &BirthData::ZoneHour) {
                    wanted.ZoneAheadOfUniversalTime = row.text.starts_with('+');
                    wanted.ZoneBehindUniversalTime = row.text.starts_with('-');
                }
                EXPECT_EQ(Snapshot(window.birth), Snapshot(wanted));
                EXPECT_TRUE(NamesAreFromTheTables(window.chart));
                continue;
            }
            ASSERT_TRUE(refusal);
            EXPECT_EQ(refusal->message, row.text.empty() ? box.missingMessage : box.invalidMessage);
            EXPECT_EQ(refusal->icon, MessageIcon::Error);
            EXPECT_EQ(refusal->followUp, box.control);
            EXPECT_EQ(Snapshot(window.birth), birthSnapshot);
            EXPECT_EQ(Snapshot(window.chart), chartSnapshot);
        }
    }
}

// ---- Lists, directions and the daylight-saving box --------------------------

struct ListRow {
    const char* what;
    std::function<void(ReadingForm&)> choose;
    std::int16_t BirthData::*field;
    int stored;
};

// The first and last entry of every list reach BirthData as they read.
TEST(BadInputTable, EveryListsEndsAreStoredAsTheyRead) {
    const ListRow rows[] = {
        {"January", [](ReadingForm& f) { f.monthIndex = 0; }, &BirthData::Month, 1},
        {"December", [](ReadingForm& f) { f.monthIndex = 11; }, &BirthData::Month, 12},
        {"day 1", [](ReadingForm& f) { f.dayIndex = 0; f.dayText = "1"; }, &BirthData::Day, 1},
        {"day 31", [](ReadingForm& f) { f.dayIndex = 30; f.dayText = "31"; }, &BirthData::Day, 31},
        {"1901", [](ReadingForm& f) { f.yearText = "1901"; }, &BirthData::Year, 1901},
        {"2050", [](ReadingForm& f) { f.yearText = "2050"; }, &BirthData::Year, 2050},
        {"hour 0", [](ReadingForm& f) { f.hourText = "0"; }, &BirthData::Hour, 0},
        {"hour 23", [](ReadingForm& f) { f.hourText = "23"; }, &BirthData::Hour, 23},
        {"minute 0", [](ReadingForm& f) { f.minuteText = "0"; }, &BirthData::Minute, 0},
        {"minute 59", [](ReadingForm& f) { f.minuteText = "59"; }, &BirthData::Minute, 59},
    };
    for (const ListRow& row : rows) {
        SCOPED_TRACE(row.what);
        Window window;
        ReadingForm form = Earlier();
        row.choose(form);
        ASSERT_EQ(RunCalculation(form, kPoint, window.birth, window.chart), std::nullopt);
        EXPECT_EQ(window.birth.*row.field, row.stored);
        EXPECT_TRUE(NamesAreFromTheTables(window.chart));
    }
}

// Every refusal of the choices (a direction pair with nothing selected, a day
// the month does not have) leaves both records as they were.
TEST(BadInputTable, RefusedChoicesChangeNothing) {
    struct Row {
        const char* message;
        std::function<void(ReadingForm&)> choose;
    };
    const Row rows[] = {
        {"Please Select Direction For The Latitude",
         [](ReadingForm& f) { f.northSelected = f.southSelected = false; }},
        {"Please Select Direction For The Longitude",
         [](ReadingForm& f) { f.eastSelected = f.westSelected = false; }},
        {"Please Enter Correct Date Or Month!",
         [](ReadingForm& f) { f.monthIndex = 1; f.dayIndex = 28; f.dayText = "29"; f.yearText = "1901"; }},
        {"Please Enter Correct Date Or Month!",
         [](ReadingForm& f) { f.monthIndex = 1; f.dayIndex = 30; f.dayText = "31"; f.yearText = "2000"; }},
        {"Please Enter Correct Date Or Month !",
         [](ReadingForm& f) { f.monthIndex = 10; f.dayIndex = 30; f.dayText = "31"; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        Window window;
        const std::string birthBefore = Snapshot(window.birth);
        const std::string chartBefore = Snapshot(window.chart);
        ReadingForm form = Earlier();
        row.choose(form);
        form.daylightSaving = true;  // a tick that must not reach the record either
        const std::optional<Refusal> refusal = RunCalculation(form, kPoint, window.birth, window.chart);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->message, row.message);
        EXPECT_EQ(Snapshot(window.birth), birthBefore);
        EXPECT_EQ(Snapshot(window.chart), chartBefore);
    }
}

// The window's lists cannot hold these, but the record must survive another
// front end that passes them on: no crash, and the names stay table names.
// A list text that is not a number leaves its field as it was.
TEST(BadInputTable, ListValuesNoListOffersDoNotBreakTheCalculation) {
    const std::vector<std::function<void(ReadingForm&)>> choices = {
        [](ReadingForm& f) { f.monthIndex = -1; },
        [](ReadingForm& f) { f.monthIndex = 12; },
        [](ReadingForm& f) { f.monthIndex = 32767; },
        [](ReadingForm& f) { f.dayIndex = -1; f.dayText = "0"; },
        [](ReadingForm& f) { f.dayIndex = 31; f.dayText = "32"; },
        [](ReadingForm& f) { f.yearText = ""; },
        [](ReadingForm& f) { f.yearText = "0x1"; },
        [](ReadingForm& f) { f.yearText = "-32768"; },
        [](ReadingForm& f) { f.yearText = "32767"; },
        [](ReadingForm& f) { f.hourText = "abc"; },
        [](ReadingForm& f) { f.hourText = "-99"; },
        [](ReadingForm& f) { f.minuteText = std::string(kVeryLong, '5'); },
        [](ReadingForm& f) { f.dayText = kDevanagariDigits; },
        [](ReadingForm& f) { f.zoneHour = "999"; f.zoneMinute = "999"; f.lonDegrees = "-99"; f.lonMinutes = "999"; },
        [](ReadingForm& f) { f.zoneHour = "32767"; f.lonDegrees = "-32768"; f.lonMinutes = "32767"; },
    };
    for (std::size_t i = 0; i < choices.size(); ++i) {
        SCOPED_TRACE("choice " + std::to_string(i));
        for (const bool daylightSaving : {false, true}) {
            Window window;
            ReadingForm form = Earlier();
            choices[i](form);
            form.daylightSaving = daylightSaving;
            if (!RunCalculation(form, kPoint, window.birth, window.chart)) {
                EXPECT_TRUE(NamesAreFromTheTables(window.chart));
            }
        }
    }
    Window window;
    ReadingForm form = Earlier();
    form.hourText = "abc";
    form.yearText = "";
    window.birth.Hour = 7;
    ASSERT_EQ(RunCalculation(form, kPoint, window.birth, window.chart), std::nullopt);
    EXPECT_EQ(window.birth.Hour, 7);
    EXPECT_EQ(window.birth.Year, 1947);
}

// ---- The place search boxes -------------------------------------------------

TEST(BadInputTable, PlaceBoxesRefuseOnlyNothing) {
    for (const std::string& text : {std::string(" "), std::string("\t"), kDevanagariName, kEmoji,
                                    std::string(kVeryLong, 'a'), std::string("\0", 1), std::string("\r")}) {
        EXPECT_EQ(ValidatePlaceSearch(text, text, text), std::nullopt);
    }
    const std::string longName(kVeryLong, 'a');
    EXPECT_EQ(ValidatePlaceSearch("", longName, longName)->message, "Please Enter Name Of City");
    EXPECT_EQ(ValidatePlaceSearch(kEmoji, "", longName)->message, "Please Enter Name Of State");
    EXPECT_EQ(ValidatePlaceSearch(kDevanagariName, kEmoji, "")->message, "Please Enter Name Of Country");
}

// ---- The bytes of a reading file --------------------------------------------

struct FileRow {
    const char* what;
    std::string bytes;
    std::optional<std::pair<std::string, std::string>> names;  // nothing: "Please Check The File."
};

std::string Line(std::string_view name) { return ScrambleText(name) + "\r\n"; }

TEST(BadInputTable, ReadingFileBytes) {
    const std::pair<std::string, std::string> ashwiniVishkambha{"Ashwini", "Vishkambha"};
    const std::string good = Line("Ashwini") + Line("Vishkambha");
    const FileRow rows[] = {
        {"0 bytes", "", std::nullopt},
        {"the file as saved", good, ashwiniVishkambha},
        {"10 MB on one line", std::string(kTenMegabytes, '\x9e'), std::nullopt},
        {"10 MB of CR", std::string(kTenMegabytes, '\r'), std::nullopt},
        {"10 MB of NUL", std::string(kTenMegabytes, '\0'), std::nullopt},
        {"10 MB after the two lines", good + std::string(kTenMegabytes, 'x'), ashwiniVishkambha},
        {"NUL bytes only", std::string(3, '\0'), std::nullopt},
        // A byte below the scramble offset unscrambles to nothing, as a stray LF does.
        {"a NUL inside a name", ScrambleText("Ashw") + std::string(1, '\0') + ScrambleText("ini") + "\r\n" +
                                    Line("Vishkambha"),
         ashwiniVishkambha},
        {"a NUL after the two lines", good + std::string(1, '\0'), ashwiniVishkambha},
        {"CR without LF", ScrambleText("Ashwini") + "\r" + ScrambleText("Vishkambha") + "\r",
         ashwiniVishkambha},
        {"CR without LF, no end", ScrambleText("Ashwini") + "\r" + ScrambleText("Vishkambha"),
         ashwiniVishkambha},
        {"two CRs: the second line is empty", ScrambleText("Ashwini") + "\r\r" + ScrambleText("Vishkambha"),
         std::nullopt},
        {"LF without CR", ScrambleText("Ashwini") + "\n" + ScrambleText("Vishkambha") + "\n", std::nullopt},
        {"LF CR: the lines end at CR, the LF goes", ScrambleText("Ashwini") + "\n\r" +
                                                          ScrambleText("Vishkambha") + "\n\r",
         ashwiniVishkambha},
        {"the second line missing", Line("Ashwini"), std::nullopt},
        {"not scrambled", "Ashwini\r\nVishkambha\r\n", std::nullopt},
        {"a Devanagari name", Line(kDevanagariName) + Line("Vishkambha"), std::nullopt},
        {"an emoji", Line(kEmoji) + Line(kEmoji), std::nullopt},
        {"text, scrambled", Line("999") + Line("-99"), std::nullopt},
        {"every byte value", [] {
             std::string all;
             for (int code = 0; code < 256; ++code) all.push_back(static_cast<char>(code));
             return all;
         }(),
         std::nullopt},
    };
    for (const FileRow& row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<OpenedReading> opened = ParseReadingFile(row.bytes);
        ASSERT_EQ(opened.has_value(), row.names.has_value());
        if (opened) {
            EXPECT_EQ(opened->nakshatraName, row.names->first);
            EXPECT_EQ(opened->yogaName, row.names->second);
        }
        // Whatever the bytes, a line holds no CR and the two fit in the file.
        const ReadingFileLines lines = SplitReadingFile(row.bytes);
        EXPECT_EQ(lines.first.find('\r'), std::string::npos);
        EXPECT_EQ(lines.second.find('\r'), std::string::npos);
        EXPECT_LE(lines.first.size() + lines.second.size(), row.bytes.size());
        EXPECT_LE(UnscrambleText(row.bytes).size(), row.bytes.size());
    }
}

}  // namespace
}  // namespace zorvane
